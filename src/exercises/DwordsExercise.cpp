#include "DwordsExercise.h"

#include "ExerciseRoles.h"
#include "WordDraw.h"
#include "analysis/ChartSets.h"
#include "board/OxelPanel.h"
#include "data/Sound.h"

DwordsExercise::DwordsExercise(ExerciseBoard& board, RunControl& run, ExerciseWindow& window)
    : ExerciseLogic(board, 5), run_(run), window_(window) {}

bool DwordsExercise::ReadyToStart(int mode) {
    return WordDraw::ListHolds(window_, Rows * mode);
}

void DwordsExercise::Draw(int mode) {
    TOxelPanel& board = board_.Board();
    columns_ = mode;
    pairClickCount_ = 0;
    const QStringList words = WordDraw::Draw(window_, Rows * mode);
    board.OnMouseMove = nullptr;
    board.SetGP(false);
    board.SetLinesList(words);
    window_.WordList() = words;
    wordCount_ = int(words.size());
    pairTable_ = {};
    for (int i = 0; i < wordCount_; ++i)
        pairTable_[i / columns_][i % columns_] = words[i];
    ApplyLook();
    board.SetColCount(columns_);
    board.SetRowCount(Rows);
    board.setCursor(Qt::PointingHandCursor);
    board.ResetMarks();
    board.Repaint();
}

void DwordsExercise::Rearrange() {
    TOxelPanel& board = board_.Board();
    for (int c = 0; c < columns_; ++c)
        board.ShuffleColumn(c);
}

void DwordsExercise::OpenGroup(const QString& word, int cell) {
    // Every match rebinds the group, so a word standing in two rows binds the lower one.
    for (int r = 0; r < Rows; ++r)
        for (int c = 0; c < columns_; ++c)
            if (pairTable_[r][c] == word) {
                groupRow_ = r;
                groupFirstCell_ = cell;
                groupMatched_ = 1;
            }
}

bool DwordsExercise::MatchPartner(const QString& word, int cell) {
    bool matched = false;
    for (int c = 0; c < columns_; ++c)
        if (pairTable_[groupRow_][c] == word) {
            matched = true;
            if (++groupMatched_ == 2)
                groupSecondCell_ = cell;
        }
    return matched;
}

std::optional<Verdict> DwordsExercise::Judge(const Press& press) {
    // A word already taken or of a completed group: refused, but no penalty.
    if (press.mark == 0 || press.mark == 10 || wordCount_ == 0) {
        PlayWave(QStringLiteral("ERROR"), SoundBackground);
        return Verdict{false};
    }
    const QString& word = press.item;
    const int cell = press.cell;
    if (pairClickCount_ % columns_ == 0) {
        OpenGroup(word, cell);
        ++pairClickCount_;
        PlayWave(QStringLiteral("CLICK"), SoundBackground);
        return Verdict{true};
    }
    if (!MatchPartner(word, cell)) {
        PlayWave(QStringLiteral("ERROR"), SoundBackground);
        run_.AddPenalty(15);
        return Verdict{false};
    }
    TOxelPanel& board = board_.Board();
    if ((pairClickCount_ + 1) % columns_ == 0) {
        // The group is complete and vanishes from the board.
        board.HideCell(groupFirstCell_);
        if (groupMatched_ == 3)
            board.HideCell(groupSecondCell_);
        board.HideCell(cell);
        PlayWave(QStringLiteral("N3"), SoundBackground);
    } else {
        PlayWave(QStringLiteral("CLICK"), SoundBackground);
    }
    return Verdict{true, ++pairClickCount_ == Rows * columns_};
}

void DwordsExercise::Charts(const HistoryRun& run, const ExerciseInfo& info,
                            RunAnalysis& analysis) {
    ChartSets::ItemTimes(run, {.groupSize = run.mode, .memorised = info.memorisePhase}, analysis);
}
