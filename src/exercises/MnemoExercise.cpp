#include "MnemoExercise.h"

#include "ExerciseHost.h"
#include "WordDraw.h"
#include "analysis/ChartSets.h"
#include "board/OxelPanel.h"
#include "data/Sound.h"

MnemoExercise::MnemoExercise(ExerciseHost& host) : ExerciseLogic(host, 2) {}

bool MnemoExercise::ReadyToStart(int mode) {
    return WordDraw::ListHolds(host_, 10 * mode);
}

void MnemoExercise::Draw(int mode) {
    TOxelPanel& board = host_.Board();
    columns_ = mode;
    const QStringList words = WordDraw::Draw(host_, 10 * mode);
    board.OnMouseMove = nullptr;
    board.SetGP(false);
    board.SetLinesList(words);
    host_.WordList() = words;
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
    host_.Board().ShuffleCells();
}

void MnemoExercise::Verify() {
    TOxelPanel& board = host_.Board();
    const QStringList& words = host_.WordList();
    const int expected = ExpectedIndex(columns_, recallStep_);
    if (recallStep_ < wordCount_ && expected < words.size() &&
        board.CellText() == words[expected]) {
        board.SetCorrectFlag(true);
        PlayWave(QStringLiteral("CLICK"), SoundBackground);
        if (recallStep_ == wordCount_ - 1)
            host_.FinishRun();
        else
            ++recallStep_;
        return;
    }
    board.SetCorrectFlag(false);
    PlayWave(QStringLiteral("ERROR"), SoundBackground);
    // Only a word still to be found costs time; a found one is a slip of no account.
    if (board.CellInfo() == 1)
        host_.AddPenalty(15);
}

void MnemoExercise::Charts(const HistoryRun& run, const ExerciseInfo& info, RunAnalysis& analysis) {
    ChartSets::ItemTimes(run, {.memorised = info.memorisePhase}, analysis);
}
