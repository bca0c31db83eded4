#pragma once

#include "ExerciseLogic.h"
#include "NBackBlock.h"
#include "NBackPace.h"
#include "NBackScore.h"

#include <QLabel>
#include <QPointer>
#include <QTimer>
#include <optional>

class RunControl;

// The dual n-back in the window: a 3x3 board on which each trial fills one cell with a
// letter, paced by `NBackPace`; answers by mouse button on the board (left: place, right:
// letter) or by key (A D J: place, L F K: letter, on the same keys in the Russian layout).
// Each counted answer and each missed match is recorded as a press and flashed on the trial's
// cell; at the block's end the score in percent is the run's result, and the page's line
// says which n to train next. The rules are `NBackScore`'s and `NBackBlock`'s.
class NBackExercise : public ExerciseLogic {
public:
    NBackExercise(ExerciseBoard& board, RunControl& run);
    // The charts of a run's analysis: hits, misses and false alarms with d' per kind, and the
    // reaction times of the hits.
    static void Charts(const HistoryRun& run, const ExerciseInfo& info, RunAnalysis& analysis);

    // The board's mark of the trial's filled cell.
    static constexpr int FilledMark = 50;
    // How long an answer's colour stays on the cell.
    static constexpr int FlashMs = 300;

    void AddPageControls(QWidget* page, QVBoxLayout* layout) override;
    void Localize() override;
    void Draw(int mode) override;
    // Answers are recorded by the exercise with their trial and reaction time: no verdict.
    std::optional<Verdict> Judge(const Press& press) override;
    Qt::MouseButtons PressButtons() const override { return Qt::LeftButton | Qt::RightButton; }
    bool AnswersKey(int key) const override;
    void StopOwnTimers() override;
    void Abandon() override;
    void IdleShown() override;
    // The trial's cell is the feedback: no series or ladder font.
    bool SeriesLook() const override { return false; }
    bool LadderLook() const override { return false; }
    // `TimerP` shows the trial under way, then the score.
    bool UsesRunTimer() const override { return false; }

    // The kind of match a press answers, if it answers one.
    static std::optional<NBackKind> KindOf(const Press& press);

    NBackPace& Pace() { return pace_; }
    const std::optional<NBackBlock>& Block() const { return block_; }
    const std::optional<NBackScore>& Score() const { return score_; }
    // The line under the result: the n to train next.
    QLabel* NextLine() const { return next_; }

private:
    void Step(NBackPace::Step step, int trial);
    void ShowTrial(int trial);
    void HideTrial(int trial);
    void EndTrial(int trial);
    void EndBlock();
    void Flash(int cell, bool correct);
    void ShowNext();

    RunControl& run_;
    NBackPace pace_;
    QTimer flash_;
    std::optional<NBackBlock> block_;
    std::optional<NBackScore> score_;
    std::optional<int> nextN_; // after a block, when it says to change n
    QPointer<QLabel> hint_;
    QPointer<QLabel> next_;
};
