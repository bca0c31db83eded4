#include "ShulteExercise.h"

#include "ExerciseHost.h"
#include "analysis/ChartSets.h"
#include "board/OxelPanel.h"
#include "data/Sound.h"

ShulteExercise::ShulteExercise(ExerciseHost& host) : ExerciseLogic(host, 0) {}

void ShulteExercise::Draw(int mode) {
    TOxelPanel& board = host_.Board();
    size_ = mode;
    board.OnMouseMove = nullptr;
    board.SetGP(true);
    ApplyLook();
    board.SetColCount(size_);
    board.SetRowCount(size_);
    board.FillNumbers();
    board.setCursor(Qt::PointingHandCursor);
    board.ShuffleCells();
    board.Repaint();
    nextNumber_ = 1;
}

void ShulteExercise::Verify() {
    TOxelPanel& board = host_.Board();
    if (board.CellText().toInt() != nextNumber_) {
        board.SetCorrectFlag(false);
        PlayWave(QStringLiteral("ERROR"), SoundBackground);
        return;
    }
    board.SetCorrectFlag(true);
    PlayWave(QStringLiteral("CLICK"), SoundBackground);
    if (nextNumber_ == size_ * size_)
        host_.FinishRun();
    else
        ++nextNumber_;
}

void ShulteExercise::Charts(const HistoryRun& run, const ExerciseInfo&, RunAnalysis& analysis) {
    ChartSets::NumberTimes(run, true, analysis);
}
