#pragma once

#include "ExerciseLogic.h"

// The Schulte table: the numbers 1 to n² in random cells, to be clicked in ascending order
// as fast as possible. The result is the time.
class ShulteExercise : public ExerciseLogic {
public:
    explicit ShulteExercise(ExerciseBoard& board);

    // `ShulteDraw`: an n×n table laid out by two random cyclic permutations in a row.
    void Draw(int mode) override;
    // Case 0 of `OxelPVerifyText`: the number expected next is accepted, any other rejected.
    std::optional<Verdict> Judge(const Press& press) override;

    int NextNumber() const { return nextNumber_; }

private:
    int size_ = 5;
    int nextNumber_ = 1;
};
