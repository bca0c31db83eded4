#pragma once

#include "RunResult.h"
#include "TargetFigures.h"

#include <QString>
#include <Qt>
#include <array>

// The rules of the targets game: ten stages of showings at a fixed rate, lives, the pattern
// of each mode, hits, wrong clicks and missed patterns, reaction times and the score. It
// holds what the info panels, the clicker and the figures show and asks its screen for the
// rest: the pace, the board heading, the paint of a showing and the end of the game. It needs
// no widget: tests call the showing handler and the clicker directly.
class TargetGame {
public:
    // What the game asks of the window it is shown in.
    class Screen {
    public:
        virtual ~Screen() = default;
        // `DXTimer1` on with the stage's interval, counted from now (the stage's start).
        virtual void EnableTimer(int intervalMs) = 0;
        virtual void DisableTimer() = 0;
        // The text of the board's single cell, repainted.
        virtual void ShowHeading(const QString& text) = 0;
        // Paints the figures of a new showing before returning: the showing's moment is
        // taken when this returns.
        virtual void PaintShowing() = 0;
        // `TargetEnd` is done with the game's state; aborted when the user stopped it.
        virtual void GameEnded(bool aborted) = 0;
        // An answer to a showing: a hit with its reaction, a wrong click, or a pattern
        // missed. The press's time is the screen's to stamp.
        virtual void Answered(const RunPress&) {}
    };

    // The clicker's look (`TargetClicker`): states 0 to 3, and "начать" between stages.
    enum class Clicker { Waiting = 0, Hit = 1, Wrong = 2, Missed = 3, Begin = 4 };

    // The texts of `TargetInfoP1` ... `TargetInfoP5` and `TimerP` as the game last set them.
    struct Panels {
        QString stage;           // P1: stage and interval
        QString lives;           // P2
        bool livesAlarm = false; // P2 red and bold: no life to spare
        QString counts;          // P3: showings / hits / errors
        QString average;         // P4: average reaction
        QString last;            // P5: reaction of the latest hit
        QString timer;           // TimerP: the score
    };

    struct Setup {
        int mode = 1;
        quint32 background = 0;            // `TargetBGColor`
        std::array<quint32, 10> colours{}; // `TargetColors`
        int boardWidth = 0;
        int boardHeight = 0;
        // Series and ladder runs begin each stage at once, as if "начать" was right-clicked.
        bool beginAtOnce = false;
    };

    // A row of the stage table.
    struct StageRow {
        int interval; // ms between showings
        int lives;    // lives set (stage 1) or added
        int quota;    // showings the stage adds to `TargetQuota`; 0 for stage 1
    };
    static constexpr int LastStage = 10;
    static constexpr int JokerExtra = 500;
    // The mode whose pattern is the joker's colour of the showing before.
    static constexpr int JokerMode = 4;
    static StageRow StageTable(int stage, int mode);

    // Exactly two of the three colours are equal (modes 1 to 3); exactly one of the two
    // squares has the joker's previous colour (mode 4).
    static bool IsPattern(int mode, const std::array<quint32, 3>& colours, quint32 jokerColour);
    // The heading of a prepared stage in the board's single cell.
    static QString StageHeading(int stage);

    explicit TargetGame(Screen& screen);

    // Game start: counters back to 0, figures laid out, stage 1 prepared.
    void Begin(const Setup& setup);
    void TargetPreStart();
    void TargetStart();
    // One showing per tick of `DXTimer1`.
    void DXTimer1Timer();
    // A press on the clicker; its moment is taken first.
    void TargetClickPMouseDown(Qt::MouseButton button);
    void TargetLevelEnd();
    void TargetEnd();
    // The user's stop: the game ends without a best-result check.
    void Stop();
    // A new board background during a game: what waits unseen in the old one (the figures
    // before a stage's first showing, a joker colour not known yet) takes the new one.
    void SetBackground(quint32 colour);

    // " [P1]  [P3]  [P4] ": what the best-result table keeps beside the score.
    QString DetailText() const;

    bool Running() const { return running_; }
    int Mode() const { return setup_.mode; }
    int Interval() const { return interval_; }
    int TargetStage() const { return stage_; }
    int TargetLives() const { return lives_; }
    int TargetScore() const { return score_; }
    int TargetShown() const { return shown_; }
    int TargetHits() const { return hits_; }
    int TargetErrors() const { return errors_; }
    int TargetSetsInStage() const { return setsInStage_; }
    int TargetQuota() const { return quota_; }
    int TargetReactionTotal() const { return reactionTotal_; }
    int TargetLastReaction() const { return lastReaction_; }
    int TargetAvgReaction() const { return avgReaction_; }
    bool TargetPending() const { return pending_; }
    bool TargetAborted() const { return aborted_; }
    quint32 JokerColour() const { return jokerColour_; }
    // Monotonic milliseconds with their fraction.
    double ShowMoment() const { return showMoment_; }
    double ClickMoment() const { return clickMoment_; }
    int TargetRangeX() const { return rangeX_; }
    int TargetRangeY() const { return rangeY_; }

    Clicker ClickerState() const { return clicker_; }
    bool ClickerEnabled() const { return clickerEnabled_; }
    const Panels& PanelTexts() const { return panels_; }
    const TargetFigures& Figures() const { return figures_; }

private:
    void TargetStatRefresh();
    void TargetClicker(Clicker state) { clicker_ = state; }
    void SetLivesPanel();
    QString StageText() const;
    QString CountsText() const;
    void Hit(double moment);
    // Tells the screen of an answer to the current showing.
    void Answer(bool correct, std::optional<int> reactionMs);

    Screen& screen_;
    Setup setup_;
    TargetFigures figures_;
    Panels panels_;
    Clicker clicker_ = Clicker::Waiting;
    bool clickerEnabled_ = false;
    bool running_ = false;

    int interval_ = 0;
    int stage_ = 1;
    int lives_ = 0;
    int score_ = 0;
    int shown_ = 0;
    int hits_ = 0;
    int errors_ = 0;
    int setsInStage_ = 0;
    int quota_ = 0;
    int reactionTotal_ = 0;
    int lastReaction_ = 0;
    int avgReaction_ = 0;
    bool pending_ = false;
    bool aborted_ = false;
    quint32 jokerColour_ = 0;
    double showMoment_ = 0;
    double clickMoment_ = 0;
    int rangeX_ = 0;
    int rangeY_ = 0;
};
