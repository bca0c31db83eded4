#include "PracticeSummary.h"

#include "data/NumberFormat.h"

PracticeSummary::PracticeSummary(const QString& user, PracticeDays days, PersonalBests bests,
                                 QVector<PracticeRun> recent, const QDate& recentFrom,
                                 qint64 lastRunId)
    : user_(user), days_(std::move(days)), bests_(std::move(bests)), recent_(std::move(recent)),
      recentFrom_(recentFrom), lastRunId_(lastRunId) {}

PracticeRun PracticeSummary::RunOf(const HistoryRun& run) {
    return {
        {run.exercise, run.mode}, run.started.date(), TryParseResult(run.result), run.completed};
}

RunEffect PracticeSummary::Add(const HistoryRun& run) {
    RunEffect effect;
    if (run.id <= lastRunId_ || run.user != user_)
        return effect;
    lastRunId_ = run.id;
    const PracticeRun practice = RunOf(run);
    effect.counted = true;
    effect.day = practice.day;
    effect.before = days_.On(practice.day);
    days_.Add(practice.day, {run.durationMs, 1, run.completed ? 1 : 0});
    effect.after = days_.On(practice.day);
    effect.streak = days_.Current(practice.day);
    if (!recentFrom_.isValid() || practice.day >= recentFrom_)
        recent_.append(practice);
    const std::optional<Better> better = PracticeKind::BetterOf(run.exercise);
    if (run.completed && practice.value && better)
        effect.best =
            bests_.Offer(practice.key, {*practice.value, run.result, practice.day}, *better);
    return effect;
}
