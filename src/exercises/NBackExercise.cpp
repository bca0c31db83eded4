#include "NBackExercise.h"

#include "ExerciseRoles.h"
#include "analysis/ChartSets.h"
#include "board/OxelPanel.h"
#include "data/Clock.h"
#include "data/Texts.h"

#include <QLabel>
#include <QVBoxLayout>
#include <algorithm>

namespace {

// The keys of each kind: A and L for two hands, D and F for the left hand alone, J and K for
// the right; and the letters on those keys in the Russian layout (Ф В О, Д А Л), so that a
// switched layout answers the same.
constexpr int placeKeys[] = {Qt::Key_A, Qt::Key_D, Qt::Key_J, 0x0424, 0x0412, 0x041E};
constexpr int letterKeys[] = {Qt::Key_L, Qt::Key_F, Qt::Key_K, 0x0414, 0x0410, 0x041B};

bool OneOf(int key, const int (&keys)[6]) {
    return std::find(std::begin(keys), std::end(keys), key) != std::end(keys);
}

QString KindText(NBackKind kind) {
    return T(kind == NBackKind::Place ? Tx::NBackPlace : Tx::NBackLetter);
}

} // namespace

NBackExercise::NBackExercise(ExerciseBoard& board, RunControl& run)
    : ExerciseLogic(board, 8), run_(run),
      pace_([this](NBackPace::Step step, int trial) { Step(step, trial); }) {
    flash_.setSingleShot(true);
    flash_.setInterval(FlashMs);
    // Back to the look of the marks: the trial's cell or nothing.
    QObject::connect(&flash_, &QTimer::timeout, [this] { board_.Board().Repaint(); });
}

std::optional<NBackKind> NBackExercise::KindOf(const Press& press) {
    switch (press.kind) {
    case Press::Kind::Left:
        return NBackKind::Place;
    case Press::Kind::Right:
        return NBackKind::Letter;
    case Press::Kind::Key:
        break;
    }
    if (OneOf(press.key, placeKeys))
        return NBackKind::Place;
    if (OneOf(press.key, letterKeys))
        return NBackKind::Letter;
    return std::nullopt;
}

bool NBackExercise::AnswersKey(int key) const {
    return OneOf(key, placeKeys) || OneOf(key, letterKeys);
}

void NBackExercise::AddPageControls(QWidget* page, QVBoxLayout* layout) {
    hint_ = new QLabel(page);
    hint_->setObjectName(QStringLiteral("NBackKeysP"));
    hint_->setWordWrap(true);
    layout->addWidget(hint_);
    next_ = new QLabel(page);
    next_->setObjectName(QStringLiteral("NBackNextP"));
    next_->setAlignment(Qt::AlignCenter);
    next_->setWordWrap(true);
    layout->addWidget(next_);
}

void NBackExercise::Localize() {
    if (hint_)
        hint_->setText(T(Tx::NBackKeysHint).arg(QStringLiteral("n")));
    ShowNext();
}

void NBackExercise::ShowNext() {
    if (!next_)
        return;
    // The page is narrow: the line may wrap, but never inside the mode's name ("3-назад").
    QString text = nextN_ ? T(Tx::NBackNext).arg(*nextN_) : QString();
    next_->setText(text.replace(QLatin1Char('-'), QChar(0x2011)));
}

void NBackExercise::Draw(int mode) {
    ApplyLook();
    TOxelPanel& board = board_.Board();
    board.OnMouseMove = nullptr;
    board.SetGP(false);
    board.SetColCount(NBackBlock::Side);
    board.SetRowCount(NBackBlock::Side);
    board.SetLinesList(QStringList(NBackBlock::Cells, QString()));
    board.ResetMarks();
    board.SetBlockClick(false);
    board.setToolTip(T(Tx::NBackKeysHint).arg(mode));
    nextN_.reset();
    ShowNext();
    flash_.stop();
    block_ = NBackBlock::Draw(mode);
    score_.emplace(*block_);
    pace_.Start(block_->TrialCount());
}

std::optional<Verdict> NBackExercise::Judge(const Press& press) {
    const std::optional<NBackKind> kind = KindOf(press);
    if (!kind || !score_ || !pace_.Running())
        return std::nullopt;
    const int trial = score_->CurrentTrial();
    if (const std::optional<NBackPress> counted = score_->Answer(*kind, double(press.atMs))) {
        const int cell = block_->Trial(trial).cell;
        run_.Record(counted->ToRunPress(cell));
        Flash(cell, counted->Correct());
    }
    return std::nullopt;
}

void NBackExercise::StopOwnTimers() {
    pace_.Stop();
    flash_.stop();
}

void NBackExercise::Abandon() {
    StopOwnTimers();
    score_.reset();
}

void NBackExercise::IdleShown() {
    board_.Board().setToolTip(QString());
}

void NBackExercise::Step(NBackPace::Step step, int trial) {
    switch (step) {
    case NBackPace::Step::Show:
        if (trial > 0)
            EndTrial(trial - 1);
        ShowTrial(trial);
        break;
    case NBackPace::Step::Hide:
        HideTrial(trial);
        break;
    case NBackPace::Step::End:
        EndTrial(trial);
        EndBlock();
        break;
    }
}

void NBackExercise::ShowTrial(int trial) {
    const NBackTrial& shown = block_->Trial(trial);
    TOxelPanel& board = board_.Board();
    board.SetMark(shown.cell, FilledMark);
    board.SetLine(shown.cell, QString(shown.letter));
    // On the screen now: the trial's onset is the moment it is seen.
    board.repaint(board.CellRect(shown.cell));
    score_->BeginTrial(trial, ProgramClock().MonotonicFineMs());
    run_.ShowScore(0, QStringLiteral("%1/%2").arg(trial + 1).arg(block_->TrialCount()));
}

void NBackExercise::HideTrial(int trial) {
    const int cell = block_->Trial(trial).cell;
    TOxelPanel& board = board_.Board();
    board.SetMark(cell, 1);
    board.SetLine(cell, QString());
}

void NBackExercise::EndTrial(int trial) {
    const int cell = block_->Trial(trial).cell;
    const QVector<NBackPress> missed = score_->EndTrial();
    for (const NBackPress& miss : missed)
        run_.Record(miss.ToRunPress(cell));
    if (!missed.isEmpty())
        Flash(cell, false);
}

void NBackExercise::EndBlock() {
    const int percent = score_->Percent();
    run_.ShowScore(percent, NBackPercentText(percent));
    nextN_ = NBackNextN(percent, block_->N());
    ShowNext();
    run_.FinishRun();
}

void NBackExercise::Flash(int cell, bool correct) {
    board_.Board().ShowVerdict(cell, correct);
    flash_.start();
}

void NBackExercise::Charts(const HistoryRun& run, const ExerciseInfo&, RunAnalysis& analysis) {
    QVector<NBackPress> presses;
    for (const HistoryPress& p : run.presses)
        if (const auto press = NBackPress::FromRecord(p.item, p.correct, p.reactionMs, p.stage))
            presses.append(*press);
    if (presses.isEmpty())
        return;
    const int trials = NBackBlock::BaseTrials + run.mode;
    const NBackKind kinds[] = {NBackKind::Place, NBackKind::Letter};

    QStringList dPrimes;
    ChartSet hits{T(Tx::SetHits), {}, ChartSet::Look::Plain};
    ChartSet misses{T(Tx::SetNBackMisses), {}, ChartSet::Look::Marked};
    ChartSet falseAlarms{T(Tx::SetFalseAlarms), {}, ChartSet::Look::Second};
    ChartSpec tally = ChartSets::Plan(Tx::NBackTallyTitle, {}, Tx::AxisNBackKind, Tx::AxisAnswers, 0);
    for (NBackKind kind : kinds) {
        const NBackTally counts = NBackTally::Of(presses, kind);
        tally.categories.append(KindText(kind));
        hits.values.append(counts.hits);
        misses.values.append(counts.misses);
        falseAlarms.values.append(counts.falseAlarms);
        dPrimes.append(QString::number(counts.DPrime(trials), 'f', 2));
    }
    tally.text = T(Tx::NBackTallyText).arg(dPrimes[0], dPrimes[1]);
    tally.places = 2;
    tally.bars = {hits, misses, falseAlarms};
    analysis.charts.append(tally);

    // One bar per hit, in the order of the trials; a place hit and a letter hit of one trial
    // stand side by side.
    ChartSpec times = ChartSets::Plan(Tx::NBackHitTimesTitle, T(Tx::NBackHitTimesText),
                                      Tx::AxisTrial, Tx::AxisReactionMs, 0);
    times.stacked = true;
    ChartSet place{KindText(NBackKind::Place), {}, ChartSet::Look::Plain};
    ChartSet letter{KindText(NBackKind::Letter), {}, ChartSet::Look::Second};
    QStringList names;
    for (const NBackPress& press : presses) {
        if (!press.Correct() || !press.reactionMs)
            continue;
        const bool isPlace = press.kind == NBackKind::Place;
        place.values.append(isPlace ? *press.reactionMs : 0);
        letter.values.append(isPlace ? 0 : *press.reactionMs);
        names.append(QString::number(press.trial + 1) + QLatin1Char(' ') + KindText(press.kind));
    }
    if (names.isEmpty())
        return;
    times.places = names.size();
    times.categories = ChartSets::PlaceNames(names);
    times.bars = {place, letter};
    analysis.charts.append(times);
}
