#include "RunTimer.h"

#include "data/NumberFormat.h"

void RunTimer::Start(qint64 nowMs) {
    startTime_ = nowMs;
    tickTime_ = nowMs;
}

RunTimer::Reading RunTimer::Tick(qint64 nowMs) {
    tickTime_ = nowMs;
    if (tickTime_ < startTime_)
        return {true, SetBackTenths, QString::fromLatin1(SetBackText)};
    const qint64 elapsed = tickTime_ - startTime_;
    return {false, (elapsed + 50) / 100, FormatTenths(elapsed)};
}
