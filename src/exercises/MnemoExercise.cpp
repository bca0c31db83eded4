#include "MnemoExercise.h"

#include "ExerciseRoles.h"
#include "WordDraw.h"
#include "analysis/ChartSets.h"
#include "board/OxelPanel.h"
#include "data/Sound.h"

MnemoExercise::MnemoExercise(ExerciseBoard& board, RunControl& run, ExerciseWindow& window)
    : ExerciseLogic(board, 2), run_(run), window_(window) {}

bool MnemoExercise::ReadyToStart(int mode) {
    return WordDraw::ListHolds(window_, 10 * mode);
}

void MnemoExercise::Draw(int mode) {
    TOxelPanel& board = board_.Board();
    columns_ = mode;
    const QStringList words = WordDraw::Draw(window_, 10 * mode);
    board.OnMouseMove = nullptr;
    board.SetGP(false);
    board.SetLinesList(words);
    window_.WordList() = words;
    wordCount_ = int(words.size());
    ApplyLook();
    board.SetColCount(columns_);
    board.SetRowCount(10);
    board.setCursor(Qt::PointingHandCursor);
    board.ResetMarks();
    board.Repaint();
    recallStep_ = 0;
}

void MnemoExercise::Rearrange() {
    board_.Board().ShuffleCells();
}

std::optional<Verdict> MnemoExercise::Judge(const Press& press) {
    const QStringList& words = window_.WordList();
    const int expected = ExpectedIndex(columns_, recallStep_);
    if (recallStep_ < wordCount_ && expected < words.size() && press.item == words[expected]) {
        PlayWave(QStringLiteral("CLICK"), SoundBackground);
        if (recallStep_ == wordCount_ - 1)
            return Verdict{true, true};
        ++recallStep_;
        return Verdict{true};
    }
    PlayWave(QStringLiteral("ERROR"), SoundBackground);
    // Only a word still to be found costs time; a found one is a slip of no account.
    if (press.mark == 1)
        run_.AddPenalty(15);
    return Verdict{false};
}

void MnemoExercise::Charts(const HistoryRun& run, const ExerciseInfo& info, RunAnalysis& analysis) {
    ChartSets::ItemTimes(run, {.memorised = info.memorisePhase}, analysis);
}
