#include "NumbersExercise.h"

#include "ConsonantSearch.h"
#include "DrawDistinct.h"
#include "ExerciseRoles.h"
#include "JordanoPanel.h"
#include "analysis/ChartSets.h"
#include "board/OxelPanel.h"
#include "data/Dialogs.h"
#include "data/Errors.h"
#include "data/Sound.h"

#include <QVBoxLayout>

namespace {

constexpr quint8 FillerMark = 20;

} // namespace

NumbersExercise::NumbersExercise(ExerciseBoard& board, RunControl& run, ExerciseWindow& window)
    : ExerciseLogic(board, 6), run_(run), window_(window) {}

void NumbersExercise::AddPageControls(QWidget* page, QVBoxLayout* layout) {
    panel_ = new JordanoPanel(page);
    panel_->hide();
    layout->addWidget(panel_);
}

void NumbersExercise::ApplyLook() {
    ExerciseLogic::ApplyLook();
    if (BoardShowsNumbers())
        AttachHint();
    if (running_ && panel_)
        panel_->setVisible(Look().showJordano);
}

void NumbersExercise::AttachHint() {
    TOxelPanel& board = board_.Board();
    if (Look().showHints && !run_.LessonChecked())
        board.OnMouseMove = [this](int x, int y) { NumbersMouseMove(x, y); };
    else
        board.OnMouseMove = nullptr;
}

bool NumbersExercise::BoardShowsNumbers() const {
    const TOxelPanel& board = board_.Board();
    return !laidOut_.isEmpty() && board.ColCount() == Columns && board.LinesList() == laidOut_;
}

void NumbersExercise::Draw(int mode) {
    TOxelPanel& board = board_.Board();
    top_ = TopRow(mode);
    const int rows = RowsFor(mode);
    const int first = top_ * Columns;

    // 10 × mode different numbers 00..99 in reading order; every other cell a filler.
    QStringList lines(Columns * rows);
    shownNumbers_.clear();
    const QList<int> drawn = DrawDistinct(100, Columns * mode).value_or(QList<int>());
    for (int k = 0; k < drawn.size(); ++k) {
        const QString number = QStringLiteral("%1").arg(drawn[k] - 1, 2, 10, QLatin1Char('0'));
        lines[first + k] = number;
        shownNumbers_ << number;
    }
    board.SetGP(false);
    board.SetColCount(Columns);
    board.SetRowCount(rows);
    board.SetLinesList(lines);
    board.ResetMarks();
    for (int i = 0; i < lines.size(); ++i)
        if (i < first || i >= first + shownNumbers_.size())
            board.SetMark(i, FillerMark);
    board.setCursor(Qt::PointingHandCursor);
    laidOut_ = lines;
    numberStep_ = 1;
    // With the board laid out, the look attaches the hint or leaves the board without a
    // mouse-move handler, as the settings say.
    ApplyLook();
    board.Repaint();
}

void NumbersExercise::Rearrange() {
    TOxelPanel& board = board_.Board();
    const int count = int(shownNumbers_.size());
    const QList<int> order = DrawDistinct(0, count).value_or(QList<int>());
    // Unlike the words, a number may stay in its cell.
    for (int j = 0; j < order.size(); ++j) {
        const int cell = top_ * Columns + j;
        board.SetLine(cell, shownNumbers_[order[j] - 1]);
        board.ShowCell(cell);
    }
    laidOut_ = board.LinesList();
}

std::optional<Verdict> NumbersExercise::Judge(const Press& press) {
    const int count = int(shownNumbers_.size());
    if (numberStep_ <= count && press.item == shownNumbers_[numberStep_ - 1]) {
        PlayWave(QStringLiteral("CLICK"), SoundBackground);
        if (numberStep_ == count)
            return Verdict{true, true};
        ++numberStep_;
        return Verdict{true};
    }
    // Only a number still to be found costs time.
    if (press.mark == 1)
        run_.AddPenalty(15);
    PlayWave(QStringLiteral("ERROR"), SoundBackground);
    return Verdict{false};
}

void NumbersExercise::RunShown() {
    running_ = true;
    if (panel_)
        panel_->setVisible(Look().showJordano);
}

void NumbersExercise::IdleShown() {
    running_ = false;
    if (panel_)
        panel_->hide();
}

void NumbersExercise::NumbersMouseMove(int x, int y) {
    const TOxelPanel& board = board_.Board();
    const int cell = board.CellAt(x, y);
    if (cell < 0)
        return;
    if (board.Mark(cell) == FillerMark) {
        window_.SetBarCaption(window_.Heading(Index()));
        return;
    }
    bool isNumber = false;
    const int number = board.Line(cell).toInt(&isNumber);
    // A number past the end of a short number list has no memory word.
    window_.SetBarCaption(isNumber ? window_.NumberList().value(number) : QString());
}

void NumbersExercise::BoardMouseUp(Qt::MouseButton button, int x, int y) {
    const TOxelPanel& board = board_.Board();
    const int cell = board.CellAt(x, y);
    if (button != Qt::RightButton || cell < 0 || board.Mark(cell) == FillerMark)
        return;
    Jordano(board.Line(cell));
}

void NumbersExercise::Jordano(const QString& digits) {
    // Only a number has consonants to search for (a cell of another exercise's board may
    // hold a word).
    if (!ConsonantSearch::IsCode(digits))
        return;
    ConsonantSearch::Result result;
    try {
        result = ConsonantSearch::Jordano(digits, window_.ProgramDir(), Language());
    } catch (const OxelError& e) {
        ShowError(e.text());
        return;
    }
    if (panel_) {
        panel_->ShowResult(result);
        panel_->show();
    }
}

void NumbersExercise::Charts(const HistoryRun& run, const ExerciseInfo& info,
                             RunAnalysis& analysis) {
    ChartSets::ItemTimes(run, {.memorised = info.memorisePhase}, analysis);
}
