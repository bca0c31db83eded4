#include "ShowingPace.h"

#include "data/Clock.h"

#include <algorithm>
#include <cmath>

ShowingPace::ShowingPace(std::function<void()> onTick) : onTick_(std::move(onTick)) {
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &ShowingPace::Tick);
}

void ShowingPace::Start(int intervalMs) {
    ++generation_;
    enabled_ = true;
    interval_ = std::max(1, intervalMs);
    startMs_ = ProgramClock().MonotonicFineMs();
    slot_ = 1;
    ScheduleSlot(startMs_);
}

void ShowingPace::Stop() {
    ++generation_;
    enabled_ = false;
    timer_.stop();
}

qint64 ShowingPace::NextSlot(double startMs, int intervalMs, qint64 slot, double nowMs) {
    const auto firstToCome = qint64(std::floor((nowMs - startMs) / intervalMs)) + 1;
    return std::max(slot + 1, firstToCome);
}

void ShowingPace::ScheduleSlot(double nowMs) {
    // The timer counts whole milliseconds: rounded, a tick lands within half a millisecond
    // of its due time before the event loop's own delay.
    timer_.start(int(std::max(0L, std::lround(DueMs() - nowMs))));
}

void ShowingPace::Tick() {
    if (!enabled_)
        return;
    const quint64 generation = generation_;
    onTick_();
    if (generation != generation_ || !enabled_)
        return;
    const double now = ProgramClock().MonotonicFineMs();
    slot_ = NextSlot(startMs_, interval_, slot_, now);
    ScheduleSlot(now);
}
