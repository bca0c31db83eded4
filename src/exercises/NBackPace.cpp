#include "NBackPace.h"

#include "data/Clock.h"

#include <algorithm>
#include <cmath>

NBackPace::NBackPace(std::function<void(Step, int)> onStep) : onStep_(std::move(onStep)) {
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &NBackPace::Tick);
}

void NBackPace::Start(int trials) {
    ++generation_;
    running_ = true;
    trials_ = std::max(0, trials);
    startMs_ = ProgramClock().MonotonicFineMs();
    Schedule(trials_ > 0 ? Step::Show : Step::End, 0, startMs_, startMs_);
}

void NBackPace::Stop() {
    ++generation_;
    running_ = false;
    timer_.stop();
}

double NBackPace::HideMs(double shownMs, double nextOnsetMs) {
    return std::min(shownMs + ShownMs, nextOnsetMs);
}

void NBackPace::Schedule(Step step, int trial, double dueMs, double nowMs) {
    step_ = step;
    trial_ = trial;
    dueMs_ = dueMs;
    // The timer counts whole milliseconds: rounded, a step lands within half a millisecond
    // of its due time before the event loop's own delay.
    const double lead = step == Step::Show ? leadMs_ : 0;
    timer_.start(int(std::max(0L, std::lround(dueMs - lead - nowMs))));
}

void NBackPace::Tick() {
    if (!running_)
        return;
    const quint64 generation = generation_;
    const Step step = step_;
    const int trial = trial_;
    if (step == Step::End) {
        running_ = false;
        timer_.stop();
    }
    onStep_(step, trial);
    if (generation != generation_ || !running_)
        return;
    // Taken after the step's handler, so a shown cell stays for its whole time once painted.
    const double now = ProgramClock().MonotonicFineMs();
    if (step == Step::Show) {
        leadMs_ = std::clamp(leadMs_ + (now - dueMs_) / 2, 0.0, MaxLeadMs);
        Schedule(Step::Hide, trial, HideMs(now, OnsetMs(trial + 1)), now);
    } else if (trial + 1 < trials_) {
        Schedule(Step::Show, trial + 1, OnsetMs(trial + 1), now);
    } else {
        Schedule(Step::End, trial, OnsetMs(trials_), now);
    }
}
