#include "ProbeExercise.h"

#include "ExerciseRoles.h"
#include "analysis/ChartSets.h"
#include "board/OxelPanel.h"
#include "data/Random.h"
#include "data/Sound.h"

#include <QLabel>
#include <QVBoxLayout>

namespace {

constexpr int UnmarkedMark = 1;

QLabel* MakeTargetPanel(QWidget* page, const QString& name, const char* colour) {
    auto* panel = new QLabel(page);
    panel->setObjectName(name);
    panel->setFixedSize(100, 100);
    panel->setAlignment(Qt::AlignCenter);
    panel->setStyleSheet(QStringLiteral("QLabel { background: black; color: %1;"
                                        " font-family: Arial; font-weight: 900;"
                                        " font-size: 72px; }")
                             .arg(QLatin1String(colour)));
    panel->hide();
    return panel;
}

} // namespace

ProbeExercise::ProbeExercise(ExerciseBoard& board, RunControl& run)
    : ExerciseLogic(board, 7), run_(run) {}

QStringList ProbeExercise::Symbols(int mode) {
    // Latin capitals, not their Cyrillic look-alikes.
    static const QStringList letters = {"A", "B", "K", "E", "M", "H", "O", "P", "C", "T"};
    static const QStringList digits = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"};
    return mode == 2 ? digits : letters;
}

void ProbeExercise::AddPageControls(QWidget* page, QVBoxLayout* layout) {
    ProbeLetter1P = MakeTargetPanel(page, QStringLiteral("ProbeLetter1P"), "#00FF00");
    ProbeLetter2P = MakeTargetPanel(page, QStringLiteral("ProbeLetter2P"), "#FFFF00");
    layout->addSpacing(8);
    layout->addWidget(ProbeLetter1P, 0, Qt::AlignHCenter);
    layout->addWidget(ProbeLetter2P, 0, Qt::AlignHCenter);
}

void ProbeExercise::Draw(int mode) {
    TOxelPanel& board = board_.Board();
    board.OnMouseMove = nullptr;
    board.SetGP(false);
    ApplyLook();
    board.SetColCount(Side);
    board.SetRowCount(Side);

    const QStringList symbols = Symbols(mode);
    QStringList lines;
    lines.reserve(Side * Side);
    for (int group = 0; group < Side * Side / symbols.size(); ++group)
        lines += symbols;
    board.SetLinesList(lines);

    const int first = Random(symbols.size());
    int second = Random(symbols.size());
    while (second == first)
        second = Random(symbols.size());
    target1_ = symbols[first];
    target2_ = symbols[second];
    if (ProbeLetter1P)
        ProbeLetter1P->setText(target1_);
    if (ProbeLetter2P)
        ProbeLetter2P->setText(target2_);

    board.setCursor(Qt::PointingHandCursor);
    board.ShuffleCells();
    board.ResetMarks();
    probeMarked_ = 0;
}

std::optional<Verdict> ProbeExercise::Judge(const Press& press) {
    if (!IsTarget(press.item)) {
        PlayWave(QStringLiteral("ERROR"), SoundBackground);
        return Verdict{false};
    }
    TOxelPanel& board = board_.Board();
    const int clicked = press.cell;
    board.MarkRight(clicked);
    PlayWave(QStringLiteral("CLICK"), SoundBackground);

    int missed = 0;
    for (int i = 0; i < clicked; ++i) {
        if (board.Mark(i) == UnmarkedMark && IsTarget(board.Line(i))) {
            board.MarkWrong(i);
            run_.Record(RunPress{0, board.Line(i), i, false, {}, {}});
            ++missed;
        }
    }
    if (missed > 0)
        run_.AddPenalty(PenaltyPerMiss * missed);
    probeMarked_ += missed + 1;
    return Verdict{true, probeMarked_ == TargetCount()};
}

void ProbeExercise::RunShown() {
    if (ProbeLetter1P)
        ProbeLetter1P->show();
    if (ProbeLetter2P)
        ProbeLetter2P->show();
}

void ProbeExercise::IdleShown() {
    if (ProbeLetter1P)
        ProbeLetter1P->hide();
    if (ProbeLetter2P)
        ProbeLetter2P->hide();
}

void ProbeExercise::Charts(const HistoryRun& run, const ExerciseInfo&, RunAnalysis& analysis) {
    ChartSets::MissRegions(run, analysis);
}
