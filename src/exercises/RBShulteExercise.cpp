#include "RBShulteExercise.h"

#include "ExerciseRoles.h"
#include "analysis/ChartSets.h"
#include "board/OxelPanel.h"
#include "data/Sound.h"

RBShulteExercise::RBShulteExercise(ExerciseBoard& board, const RunControl& run)
    : ExerciseLogic(board, 1), run_(run) {}

void RBShulteExercise::Draw(int mode) {
    TOxelPanel& board = board_.Board();
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

std::optional<Verdict> RBShulteExercise::Judge(const Press& press) {
    TOxelPanel& board = board_.Board();
    const int value = press.item.toInt();
    const bool series = run_.SeriesExercise() != 0;
    if (redTurn_ && press.mark == RedMark && value == redNext_) {
        if (series)
            board.SetMark(press.cell, KeptRedMark);
        redTurn_ = false;
        PlayWave(QStringLiteral("CLICK"), SoundBackground);
        // Red 1 comes last; with the turn passed to black, whose numbers are all used, no
        // press is accepted after it.
        if (redNext_ == 1)
            return Verdict{true, true};
        --redNext_;
        return Verdict{true};
    }
    if (!redTurn_ && press.mark == BlackMark && value == blackNext_) {
        if (series)
            board.SetMark(press.cell, KeptBlackMark);
        redTurn_ = true;
        ++blackNext_;
        PlayWave(QStringLiteral("CLICK"), SoundBackground);
        return Verdict{true};
    }
    PlayWave(QStringLiteral("ERROR"), SoundBackground);
    return Verdict{false};
}

void RBShulteExercise::Charts(const HistoryRun& run, const ExerciseInfo&, RunAnalysis& analysis) {
    ChartSets::NumberTimes(run, false, analysis);
}
