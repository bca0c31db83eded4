#pragma once

#include "ExerciseLogic.h"

#include <QList>

class ExerciseWindow;
class QToolButton;
class RunControl;

// The counter: an n×n board of numbers made of triples a, b, a + b in random cells. The
// user clicks two numbers and then the cell holding their sum; each completed triple is
// removed from view. The board is cleared triple by triple, started again ("Рестарт", +10
// seconds) or given up for 10 seconds per cell left ("забрать очки"). The result is the time
// plus the penalty.
class MathExercise : public ExerciseLogic {
public:
    MathExercise(ExerciseBoard& board, RunControl& run, ExerciseWindow& window);
    // The charts of a run's analysis: the time of each sum, its three presses named "a+b=c".
    static void Charts(const HistoryRun& run, const ExerciseInfo& info, RunAnalysis& analysis);

    // `MathRestartSB` with the restart glyph and `GetScoreSB`, both shown only while running.
    void AddPageControls(QWidget* page, QVBoxLayout* layout) override;
    void Localize() override;
    void SetGlyphs(const GlyphSource& glyph) override;

    // `MathDraw`: the triples laid out in the cells of a random arrangement.
    void Draw(int mode) override;
    // The counter branch of `OxelPVerifyText`: operand, operand, sum.
    std::optional<Verdict> Judge(const Press& press) override;

    // The two extra buttons take the mode button's place while running.
    void RunShown() override;
    void IdleShown() override;
    // Chosen operands stay marked in series and ladder runs.
    bool SeriesLook() const override { return false; }
    bool LadderLook() const override { return false; }

    // All cells shown again, the run time from 0, 10 seconds of penalty.
    void MathRestartSBClick();
    // 10 seconds of penalty for every cell not removed, then the end of the run.
    void GetScoreSBClick();

    struct Triple {
        int a, b; // the operands; the sum is a + b
        int aCell, bCell, sumCell;
    };
    const QList<Triple>& Triples() const { return triples_; }
    int MaxOperand() const { return maxOperand_; }
    int MathClick() const { return mathClick_; }
    int MathFirst() const { return mathFirst_; }
    int MathSecond() const { return mathSecond_; }

    // Display marks the counter reads: chosen (found by a release) and removed.
    static constexpr int ChosenMark = 0;
    static constexpr int RemovedMark = 10;
    static constexpr int PenaltyPerRestart = 10;
    static constexpr int PenaltyPerCell = 10;

private:
    static Verdict Reject();
    int CellCount() const { return size_ * size_; }

    RunControl& run_;
    ExerciseWindow& window_;
    int size_ = 3;
    int maxOperand_ = 10;
    int mathClick_ = 1;
    int mathFirst_ = 0;
    int mathSecond_ = 0;
    int mathFirstCell_ = -1;
    int mathSecondCell_ = -1;
    int mathSumCell_ = -1;
    // The board was cleared or the points taken: nothing more is judged until the next draw.
    bool over_ = false;
    QList<Triple> triples_;

    QToolButton* MathRestartSB = nullptr;
    QToolButton* GetScoreSB = nullptr;
};
