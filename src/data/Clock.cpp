#include "Clock.h"

#include <QDateTime>
#include <QElapsedTimer>

namespace {

const QElapsedTimer& Monotonic() {
    static const QElapsedTimer timer = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    return timer;
}

// The system's clocks; the monotonic one read to the nanosecond.
class SystemClock : public Clock {
public:
    double MonotonicFineMs() const override { return double(Monotonic().nsecsElapsed()) / 1e6; }
};

SystemClock systemClock;
Clock* installed = nullptr;

} // namespace

qint64 Clock::NowMs() const {
    return QDateTime::currentMSecsSinceEpoch();
}

qint64 Clock::MonotonicMs() const {
    return Monotonic().elapsed();
}

double Clock::MonotonicFineMs() const {
    return double(MonotonicMs());
}

Clock& ProgramClock() {
    return installed ? *installed : systemClock;
}

void InstallClock(Clock* clock) {
    installed = clock;
}
