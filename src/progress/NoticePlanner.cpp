#include "NoticePlanner.h"

void NoticePlanner::RunEnded(RunKind kind, bool completed) {
    seriesHold_ = kind == RunKind::Series && completed;
    ladderHold_ = kind == RunKind::Ladder && completed;
}

Notices NoticePlanner::RunStored(const RunEffect& effect) {
    if (effect.counted) {
        const qint64 goalMs = qint64(goal_) * 60000;
        if (goal_ > 0 && effect.before.ms < goalMs && effect.after.ms >= goalMs &&
            goalAnnounced_ != effect.day) {
            goalAnnounced_ = effect.day;
            held_.goal = GoalNotice{effect.day, goal_, effect.streak.days};
        }
        if (effect.best)
            Keep(*effect.best);
    }
    return Holding() ? Notices() : Release();
}

Notices NoticePlanner::SeriesOver() {
    seriesHold_ = false;
    return Holding() ? Notices() : Release();
}

Notices NoticePlanner::StepJudged() {
    ladderHold_ = false;
    return Holding() ? Notices() : Release();
}

Notices NoticePlanner::Release() {
    Notices out = std::move(held_);
    held_ = Notices();
    return out;
}

void NoticePlanner::Keep(const BestChange& change) {
    for (BestChange& kept : held_.bests) {
        if (kept.key == change.key) {
            kept.now = change.now;
            return;
        }
    }
    held_.bests.append(change);
}
