#include "RBShulteExercise.h"

#include "ExerciseHost.h"
#include "analysis/ChartSets.h"
#include "board/OxelPanel.h"
#include "data/Sound.h"

RBShulteExercise::RBShulteExercise(ExerciseHost& host) : ExerciseLogic(host, 1) {}

void RBShulteExercise::Draw(int mode) {
    TOxelPanel& board = host_.Board();
    board.OnMouseMove = nullptr;
    board.SetGP(false);
    ApplyLook();
    board.SetColCount(mode);
    board.SetRowCount(mode);
    board.FillRedBlack();
    board.setCursor(Qt::PointingHandCursor);
    board.ShuffleCells();
    board.Repaint();
    redNext_ = mode * mode / 2 + 1;
    blackNext_ = 1;
    redTurn_ = true;
}

void RBShulteExercise::Verify() {
    TOxelPanel& board = host_.Board();
    const int value = board.CellText().toInt();
    const int mark = board.CellInfo();
    const bool series = host_.SeriesExercise() != 0;
    if (redTurn_ && mark == RedMark && value == redNext_) {
        board.SetCorrectFlag(true);
        if (series)
            board.SetMark(board.CellNumber(), KeptRedMark);
        redTurn_ = false;
        PlayWave(QStringLiteral("CLICK"), SoundBackground);
        // Red 1 comes last; with the turn passed to black, whose numbers are all used, no
        // press is accepted after it.
        if (redNext_ == 1)
            host_.FinishRun();
        else
            --redNext_;
        return;
    }
    if (!redTurn_ && mark == BlackMark && value == blackNext_) {
        board.SetCorrectFlag(true);
        if (series)
            board.SetMark(board.CellNumber(), KeptBlackMark);
        redTurn_ = true;
        ++blackNext_;
        PlayWave(QStringLiteral("CLICK"), SoundBackground);
        return;
    }
    board.SetCorrectFlag(false);
    PlayWave(QStringLiteral("ERROR"), SoundBackground);
}

void RBShulteExercise::Charts(const HistoryRun& run, const ExerciseInfo&, RunAnalysis& analysis) {
    ChartSets::NumberTimes(run, false, analysis);
}
