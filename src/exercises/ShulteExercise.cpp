#include "ShulteExercise.h"

#include "ExerciseRoles.h"
#include "analysis/ChartSets.h"
#include "board/OxelPanel.h"
#include "data/Sound.h"

ShulteExercise::ShulteExercise(ExerciseBoard& board) : ExerciseLogic(board, 0) {}

void ShulteExercise::Draw(int mode) {
    TOxelPanel& board = board_.Board();
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

std::optional<Verdict> ShulteExercise::Judge(const Press& press) {
    if (press.item.toInt() != nextNumber_) {
        PlayWave(QStringLiteral("ERROR"), SoundBackground);
        return Verdict{false};
    }
    PlayWave(QStringLiteral("CLICK"), SoundBackground);
    if (nextNumber_ == size_ * size_)
        return Verdict{true, true};
    ++nextNumber_;
    return Verdict{true};
}

void ShulteExercise::Charts(const HistoryRun& run, const ExerciseInfo&, RunAnalysis& analysis) {
    ChartSets::NumberTimes(run, true, analysis);
}
