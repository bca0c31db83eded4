#include "Clock.h"

#include <QDateTime>
#include <QElapsedTimer>

qint64 Clock::NowMs() const { return QDateTime::currentMSecsSinceEpoch(); }

qint64 Clock::MonotonicMs() const {
    static QElapsedTimer timer = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    return timer.elapsed();
}

namespace {
Clock systemClock;
Clock* installed = nullptr;
} // namespace

Clock& ProgramClock() { return installed ? *installed : systemClock; }

void InstallClock(Clock* clock) { installed = clock; }
