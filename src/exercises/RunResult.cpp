#include "RunResult.h"

#include <algorithm>

void RunRecorder::Start(qint64 monotonicMs, const QDateTime& started) {
    startMs_ = monotonicMs;
    started_ = started;
    running_ = true;
    held_.reset();
    presses_.clear();
}

void RunRecorder::Pressed(qint64 monotonicMs, const QString& item, int cell) {
    if (!running_)
        return;
    held_ = RunPress{monotonicMs - startMs_, item, cell, true, {}, {}};
}

void RunRecorder::Judged(bool correct) {
    if (!held_)
        return;
    held_->correct = correct;
    presses_.append(*held_);
    held_.reset();
}

void RunRecorder::Add(qint64 monotonicMs, RunPress press) {
    if (!running_)
        return;
    press.tMs = monotonicMs - startMs_;
    presses_.append(std::move(press));
}

RunResult RunRecorder::Finish(qint64 monotonicMs, bool completed, bool lastVerdict) {
    Judged(lastVerdict);
    RunResult result;
    result.completed = completed;
    result.started = started_;
    result.durationMs = running_ ? std::max<qint64>(0, monotonicMs - startMs_) : 0;
    result.errors = int(std::count_if(presses_.cbegin(), presses_.cend(),
                                      [](const RunPress& p) { return !p.correct; }));
    result.presses = std::move(presses_);
    presses_.clear();
    running_ = false;
    return result;
}
