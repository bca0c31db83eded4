#pragma once

#include "ExerciseLogic.h"

class RunControl;

// The red-black Schulte table: black numbers 1..h and red numbers 1..h + 1 in random cells,
// to be clicked alternately, red counting down from the largest and black counting up from
// 1, ending on red 1. The result is the time.
class RBShulteExercise : public ExerciseLogic {
public:
    RBShulteExercise(ExerciseBoard& board, const RunControl& run);
    // The charts of a run's analysis: the time of each number in the order pressed, and the
    // board shaded by time.
    static void Charts(const HistoryRun& run, const ExerciseInfo& info, RunAnalysis& analysis);

    // `RBShulteDraw`: an n×n red-black table laid out by two random cyclic permutations.
    void Draw(int mode) override;
    // Case 1 of `OxelPVerifyText`: the number due is accepted only in the colour whose turn
    // it is; in a series run the accepted cell keeps its colour.
    std::optional<Verdict> Judge(const Press& press) override;

    int RedNext() const { return redNext_; }
    int BlackNext() const { return blackNext_; }
    bool RedTurn() const { return redTurn_; }

    // Display marks of the board: the colours laid out by the fill, and the colours an
    // accepted cell keeps in a series run.
    static constexpr int BlackMark = 2;
    static constexpr int RedMark = 3;
    static constexpr int KeptBlackMark = 22;
    static constexpr int KeptRedMark = 33;

private:
    const RunControl& run_;
    int redNext_ = 13;
    int blackNext_ = 1;
    bool redTurn_ = true;
};
