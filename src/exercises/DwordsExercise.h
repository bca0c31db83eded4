#pragma once

#include "ExerciseLogic.h"

#include <QString>
#include <array>

class ExerciseWindow;
class RunControl;

// Word pairs: ten rows of two or three words to memorise as groups; for answering the words
// of every column are scrambled among the rows, and each group is clicked word by word and
// vanishes when complete. The result is the memorising time (the whole time in a series)
// plus 15 seconds for each wrong partner.
class DwordsExercise : public ExerciseLogic {
public:
    DwordsExercise(ExerciseBoard& board, RunControl& run, ExerciseWindow& window);
    // The charts of a run's analysis: the time of each group of words, as many as the mode.
    static void Charts(const HistoryRun& run, const ExerciseInfo& info, RunAnalysis& analysis);

    static constexpr int Rows = 10;
    using Table = std::array<std::array<QString, 3>, Rows>;

    // The word list must hold 10 × mode entries.
    bool ReadyToStart(int mode) override;
    // `DwordsDraw`: ten rows of `mode` different entries of the word list; `PairTable`.
    void Draw(int mode) override;
    // Case 5 of `OxelPVerifyText`: an opening word, then its partners.
    std::optional<Verdict> Judge(const Press& press) override;
    // `DwordsAsort`: the words of each column move to other rows of it.
    void Rearrange() override;
    // Taken words stay in the small font in series runs too.
    bool SeriesLook() const override { return false; }

    const Table& PairTable() const { return pairTable_; }
    int PairClickCount() const { return pairClickCount_; }
    int GroupRow() const { return groupRow_; }
    int GroupMatched() const { return groupMatched_; }

private:
    // A word that opens a group; binds the group to the last row holding it.
    void OpenGroup(const QString& word, int cell);
    // A partner of the open group: true when it is one of the group's words.
    bool MatchPartner(const QString& word, int cell);

    RunControl& run_;
    ExerciseWindow& window_;
    int columns_ = 2;
    int wordCount_ = 0; // words laid out by the last draw; 0 when it could not draw
    Table pairTable_;
    int pairClickCount_ = 0;
    int groupRow_ = 0;
    int groupFirstCell_ = -1;
    int groupSecondCell_ = -1;
    int groupMatched_ = 0;
};
