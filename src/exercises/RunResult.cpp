#include "RunResult.h"

#include <algorithm>

void RunRecorder::Start(qint64 monotonicMs, const QDateTime& started) {
    startMs_ = monotonicMs;
    started_ = started;
    running_ = true;
    presses_.clear();
}

void RunRecorder::Add(qint64 monotonicMs, RunPress press) {
    if (!running_)
        return;
    press.tMs = monotonicMs - startMs_;
    presses_.append(std::move(press));
}

RunResult RunRecorder::Finish(qint64 monotonicMs, bool completed) {
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
