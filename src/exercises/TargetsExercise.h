#pragma once

#include "ExerciseLogic.h"
#include "ShowingPace.h"
#include "TargetGame.h"

#include <QPointer>
#include <array>
#include <functional>

class ClickerPanel;
class QGroupBox;
class QLabel;
class RunControl;
class TargetShape;

// The targets exercise in the window: its control page (the info box with `TargetInfoP1` ...
// `TargetInfoP5` and the clicker `TargetClickP`), the three figures on the board, the pace
// `DXTimer1`, and the game's end handed to the run cycle. The rules are `TargetGame`'s; this
// class shows what the game holds and forwards the ticks and the clicker's presses to it.
class TargetsExercise : public ExerciseLogic, private TargetGame::Screen {
public:
    TargetsExercise(ExerciseBoard& board, RunControl& run);
    // The charts of a run's analysis: reactions and misses per stage.
    static void Charts(const HistoryRun& run, const ExerciseInfo& info, RunAnalysis& analysis);
    ~TargetsExercise() override;

    void AddPageControls(QWidget* page, QVBoxLayout* layout) override;
    void Localize() override;
    // Background and grid in `TargetBGColor`; the fonts stay.
    void ApplyLook() override;
    // Game start: the board as the playing field, the figures laid out, stage 1 prepared.
    void Draw(int mode) override;
    // Board presses are blocked during a game; a press that still comes is no answer.
    std::optional<Verdict> Judge(const Press& press) override;
    void StopOwnTimers() override;
    // The user's stop: the game ends without a best-result check.
    void Abandon() override;
    QString RecordDetail() const override;
    // `TimerP` shows the score (`ShowScore`), not a time.
    bool UsesRunTimer() const override { return false; }

    // A tick of `DXTimer1` and a press on the clicker, as they arrive.
    void DXTimer1Timer();
    void TargetClickPMouseDown(Qt::MouseButton button);

    const TargetGame& Game() const { return game_; }
    const ShowingPace& Pace() const { return pace_; }
    QGroupBox* TargetInfoBox() const { return infoBox_; }
    // n = 1 ... 5.
    QLabel* TargetInfoP(int n) const { return info_[n - 1]; }
    ClickerPanel* TargetClickP() const;
    // n = 1 ... 3; null before the first game.
    TargetShape* Shape(int n) const { return shapes_[n - 1]; }

    // Called after each showing, once its moment has been taken.
    std::function<void()> OnShown;

private:
    // TargetGame::Screen
    void EnableTimer(int intervalMs) override;
    void DisableTimer() override;
    void ShowHeading(const QString& text) override;
    void PaintShowing() override;
    void GameEnded(bool aborted) override;
    void Answered(const RunPress& press) override;

    // Shows what the game holds: panels, clicker, `TimerP`, figures.
    void Sync();
    // The tooltips of the clicker and the board: what a press does now.
    void SyncHints();
    void SyncFigures();
    void EnsureFigures();

    RunControl& run_;
    TargetGame game_;
    ShowingPace pace_;
    QGroupBox* infoBox_ = nullptr;
    std::array<QLabel*, 5> info_{};
    QPointer<ClickerPanel> clicker_;
    std::array<TargetShape*, 3> shapes_{};
};
