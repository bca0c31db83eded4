#include "MathExercise.h"

#include "DrawDistinct.h"
#include "ExerciseRoles.h"
#include "analysis/ChartSets.h"
#include "board/OxelPanel.h"
#include "data/Random.h"
#include "data/Sound.h"
#include "data/Texts.h"

#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int OrdinaryMaxOperand = 10;
constexpr int SeriesMaxOperand = 50;

QToolButton* MakePageButton(QWidget* page, const QString& name, int height) {
    auto* button = new QToolButton(page);
    button->setObjectName(name);
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    button->setIconSize(QSize(32, 32));
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    button->setFixedHeight(height);
    button->setFocusPolicy(Qt::NoFocus);
    button->hide();
    return button;
}

} // namespace

MathExercise::MathExercise(ExerciseBoard& board, RunControl& run, ExerciseWindow& window)
    : ExerciseLogic(board, 4), run_(run), window_(window) {}

void MathExercise::AddPageControls(QWidget* page, QVBoxLayout* layout) {
    MathRestartSB = MakePageButton(page, QStringLiteral("MathRestartSB"), 66);
    GetScoreSB = MakePageButton(page, QStringLiteral("GetScoreSB"), 40);
    layout->addWidget(MathRestartSB);
    layout->addWidget(GetScoreSB);
    QObject::connect(MathRestartSB, &QToolButton::clicked, MathRestartSB,
                     [this] { MathRestartSBClick(); });
    QObject::connect(GetScoreSB, &QToolButton::clicked, GetScoreSB, [this] { GetScoreSBClick(); });
}

void MathExercise::Localize() {
    if (MathRestartSB)
        MathRestartSB->setText(T(Tx::Restart));
    if (GetScoreSB) {
        GetScoreSB->setText(T(Tx::TakePoints));
        GetScoreSB->setToolTip(T(Tx::TakePointsHint));
    }
}

void MathExercise::SetGlyphs(const GlyphSource& glyph) {
    if (MathRestartSB)
        MathRestartSB->setIcon(glyph(4));
}

void MathExercise::Draw(int mode) {
    TOxelPanel& board = board_.Board();
    size_ = mode;
    maxOperand_ = run_.SeriesExercise() != 0 ? SeriesMaxOperand : OrdinaryMaxOperand;
    board.OnMouseMove = nullptr;
    board.SetGP(false);
    ApplyLook();
    board.SetColCount(size_);
    board.SetRowCount(size_);
    board.setCursor(Qt::PointingHandCursor);
    mathClick_ = 1;
    over_ = false;

    const int cells = CellCount();
    const int count = cells / 3;
    // A whole arrangement of the cell numbers 1..n², which can always be drawn.
    const QList<int> arrangement = *DrawDistinct(cells, cells);
    QStringList values(cells);
    triples_.clear();
    for (int k = 0; k < count; ++k) {
        Triple t{};
        t.a = Random(maxOperand_ - 1) + 1;
        t.b = Random(maxOperand_) + 1;
        t.aCell = arrangement[k] - 1;
        t.bCell = arrangement[count + k] - 1;
        t.sumCell = arrangement[2 * count + k] - 1;
        values[t.aCell] = QString::number(t.a);
        values[t.bCell] = QString::number(t.b);
        values[t.sumCell] = QString::number(t.a + t.b);
        triples_.append(t);
    }
    board.SetLinesList(values);
    board.ResetMarks();
}

Verdict MathExercise::Reject() {
    PlayWave(QStringLiteral("ERROR"), SoundBackground);
    return Verdict{false};
}

std::optional<Verdict> MathExercise::Judge(const Press& press) {
    if (over_ || press.mark == ChosenMark || press.mark == RemovedMark)
        return Reject();
    const int value = press.item.toInt();
    switch (mathClick_ % 3) {
    case 1:
        mathFirst_ = value;
        mathFirstCell_ = press.cell;
        break;
    case 2:
        mathSecond_ = value;
        mathSecondCell_ = press.cell;
        break;
    default: {
        // A wrong sum keeps both operands: the same sum is to be found.
        if (value != mathFirst_ + mathSecond_)
            return Reject();
        TOxelPanel& board = board_.Board();
        mathSumCell_ = press.cell;
        board.HideCell(mathFirstCell_);
        board.HideCell(mathSecondCell_);
        board.HideCell(mathSumCell_);
        PlayWave(QStringLiteral("N3"), SoundBackground);
        if (mathClick_ == CellCount()) {
            over_ = true;
            return Verdict{true, true};
        }
        ++mathClick_;
        return Verdict{true};
    }
    }
    ++mathClick_;
    PlayWave(QStringLiteral("CLICK"), SoundBackground);
    return Verdict{true};
}

void MathExercise::RunShown() {
    window_.SetModeButtonVisible(Index(), false);
    if (MathRestartSB)
        MathRestartSB->show();
    if (GetScoreSB)
        GetScoreSB->show();
}

void MathExercise::IdleShown() {
    if (MathRestartSB)
        MathRestartSB->hide();
    if (GetScoreSB)
        GetScoreSB->hide();
    window_.SetModeButtonVisible(Index(), true);
}

void MathExercise::MathRestartSBClick() {
    board_.Board().ResetMarks();
    mathClick_ = 1;
    run_.RestartTimer();
    run_.AddPenalty(PenaltyPerRestart);
}

void MathExercise::GetScoreSBClick() {
    if (over_)
        return;
    const TOxelPanel& board = board_.Board();
    int left = 0;
    for (int i = 0; i < CellCount(); ++i)
        if (board.Mark(i) != RemovedMark)
            ++left;
    run_.AddPenalty(PenaltyPerCell * left);
    mathClick_ = CellCount();
    over_ = true;
    run_.FinishRun();
}

void MathExercise::Charts(const HistoryRun& run, const ExerciseInfo& info, RunAnalysis& analysis) {
    ChartSets::ItemTimes(run, {.groupSize = 3, .sums = true, .memorised = info.memorisePhase},
                         analysis);
}
