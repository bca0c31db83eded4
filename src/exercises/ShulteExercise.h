#pragma once

#include "ExerciseLogic.h"

// The Schulte table: the numbers 1 to n² in random cells, to be clicked in ascending order
// as fast as possible. The result is the time.
class ShulteExercise : public ExerciseLogic {
public:
    explicit ShulteExercise(ExerciseBoard& board);
    // The charts of a run's analysis: the time of each number, the slowest marked, and the
    // board shaded by time.
    static void Charts(const HistoryRun& run, const ExerciseInfo& info, RunAnalysis& analysis);

    // `ShulteDraw`: an n×n table laid out by two random cyclic permutations in a row.
    void Draw(int mode) override;
    // Case 0 of `OxelPVerifyText`: the number expected next is accepted, any other rejected.
    std::optional<Verdict> Judge(const Press& press) override;

    int NextNumber() const { return nextNumber_; }

private:
    int size_ = 5;
    int nextNumber_ = 1;
};
