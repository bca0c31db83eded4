#include "NBackScore.h"

#include "SignalDetection.h"

#include <algorithm>
#include <cmath>

namespace {

// The kinds as the history keeps them: stored names, not interface texts.
QString KindItem(NBackKind kind) {
    return kind == NBackKind::Place ? QStringLiteral("place") : QStringLiteral("letter");
}

} // namespace

RunPress NBackPress::ToRunPress(int cell) const {
    RunPress press;
    press.item = KindItem(kind);
    press.cell = cell;
    press.correct = Correct();
    press.reactionMs = reactionMs;
    press.stage = trial + 1;
    return press;
}

std::optional<NBackPress> NBackPress::FromRecord(const QString& item, bool correct,
                                                 std::optional<int> reactionMs,
                                                 std::optional<int> stage) {
    NBackPress press;
    if (item == KindItem(NBackKind::Place))
        press.kind = NBackKind::Place;
    else if (item == KindItem(NBackKind::Letter))
        press.kind = NBackKind::Letter;
    else
        return std::nullopt;
    if (!stage || *stage < 1 || (correct && !reactionMs))
        return std::nullopt;
    press.trial = *stage - 1;
    press.reactionMs = reactionMs;
    press.outcome = correct ? Outcome::Hit : reactionMs ? Outcome::FalseAlarm : Outcome::Miss;
    return press;
}

NBackTally NBackTally::Of(const QVector<NBackPress>& presses, NBackKind kind) {
    NBackTally tally;
    for (const NBackPress& press : presses) {
        if (press.kind != kind)
            continue;
        switch (press.outcome) {
        case NBackPress::Outcome::Hit:
            ++tally.hits;
            break;
        case NBackPress::Outcome::FalseAlarm:
            ++tally.falseAlarms;
            break;
        case NBackPress::Outcome::Miss:
            ++tally.misses;
            break;
        }
    }
    return tally;
}

double NBackTally::DPrime(int trials) const {
    const int matches = hits + misses;
    return ::DPrime(hits, matches, falseAlarms, trials - matches).value_or(0.0);
}

int NBackPercent(const NBackTally& place, const NBackTally& letter) {
    const int counted = place.Counted() + letter.Counted();
    if (counted == 0)
        return 0;
    return ((place.hits + letter.hits) * 200 + counted) / (2 * counted);
}

QString NBackPercentText(int percent) {
    return QStringLiteral("%1%").arg(percent);
}

std::optional<int> NBackNextN(int percent, int n) {
    if (percent >= 80 && n < NBackBlock::MaxN)
        return n + 1;
    if (percent < 50 && n > NBackBlock::MinN)
        return n - 1;
    return std::nullopt;
}

NBackScore::NBackScore(const NBackBlock& block) : block_(block) {}

void NBackScore::BeginTrial(int trial, double onsetMs) {
    current_ = trial >= 0 && trial < block_.TrialCount() ? trial : -1;
    onsetMs_ = onsetMs;
    answered_ = {};
}

std::optional<NBackPress> NBackScore::Answer(NBackKind kind, double nowMs) {
    if (current_ < 0 || answered_[kind])
        return std::nullopt;
    answered_[kind] = true;
    const bool match = block_.Trial(current_).Matches(kind);
    const NBackPress press{current_, kind,
                           match ? NBackPress::Outcome::Hit : NBackPress::Outcome::FalseAlarm,
                           int(std::lround(std::max(0.0, nowMs - onsetMs_)))};
    presses_.append(press);
    return press;
}

QVector<NBackPress> NBackScore::EndTrial() {
    QVector<NBackPress> missed;
    if (current_ < 0)
        return missed;
    for (NBackKind kind : {NBackKind::Place, NBackKind::Letter})
        if (block_.Trial(current_).Matches(kind) && !answered_[kind])
            missed.append({current_, kind, NBackPress::Outcome::Miss, std::nullopt});
    presses_.append(missed);
    current_ = -1;
    return missed;
}

int NBackScore::Percent() const {
    return NBackPercent(Tally(NBackKind::Place), Tally(NBackKind::Letter));
}
