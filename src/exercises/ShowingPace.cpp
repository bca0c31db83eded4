#include "ShowingPace.h"

#include "data/Clock.h"

#include <algorithm>

ShowingPace::ShowingPace(std::function<void()> onTick) : onTick_(std::move(onTick)) {
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &ShowingPace::Tick);
}

void ShowingPace::Start(int intervalMs) {
    ++generation_;
    enabled_ = true;
    interval_ = std::max(1, intervalMs);
    startMs_ = ProgramClock().MonotonicMs();
    slot_ = 1;
    ScheduleSlot(startMs_);
}

void ShowingPace::Stop() {
    ++generation_;
    enabled_ = false;
    timer_.stop();
}

qint64 ShowingPace::NextSlot(qint64 startMs, int intervalMs, qint64 slot, qint64 nowMs) {
    const qint64 firstToCome = (nowMs - startMs) / intervalMs + 1;
    return std::max(slot + 1, firstToCome);
}

void ShowingPace::ScheduleSlot(qint64 nowMs) {
    timer_.start(int(std::max<qint64>(0, DueMs() - nowMs)));
}

void ShowingPace::Tick() {
    if (!enabled_)
        return;
    const quint64 generation = generation_;
    onTick_();
    if (generation != generation_ || !enabled_)
        return;
    const qint64 now = ProgramClock().MonotonicMs();
    slot_ = NextSlot(startMs_, interval_, slot_, now);
    ScheduleSlot(now);
}
