#pragma once

#include "ExerciseLogic.h"

class ExerciseWindow;
class RunControl;

// Word mnemonics: 10, 20 or 30 words in columns of ten to memorise, then to click, scrambled
// over the board, in the order they were laid out (down the first column, then the next).
// The result is the memorising time (the whole time in a series) plus 15 seconds for each
// wrong click on a word still to be found.
class MnemoExercise : public ExerciseLogic {
public:
    MnemoExercise(ExerciseBoard& board, RunControl& run, ExerciseWindow& window);
    // The charts of a run's analysis: the time of each word after the memorising.
    static void Charts(const HistoryRun& run, const ExerciseInfo& info, RunAnalysis& analysis);

    // The word list must hold 10 × mode entries.
    bool ReadyToStart(int mode) override;
    // `MnemoDraw`: 10 × mode different entries of the word list, one column per ten.
    void Draw(int mode) override;
    // Case 2 of `OxelPVerifyText`: the word due next, read down the columns.
    std::optional<Verdict> Judge(const Press& press) override;
    // Answering begins: every word leaves its cell (`ShuffleCells`).
    void Rearrange() override;

    int RecallStep() const { return recallStep_; }
    // Index in `WordList` of the word due at a step: the step-th word read down the columns.
    static int ExpectedIndex(int columns, int step) { return columns * (step % 10) + step / 10; }

private:
    RunControl& run_;
    ExerciseWindow& window_;
    int columns_ = 1;
    int wordCount_ = 0; // words laid out by the last draw; 0 when it could not draw
    int recallStep_ = 0;
};
