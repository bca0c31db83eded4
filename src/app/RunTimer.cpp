#include "RunTimer.h"

#include "data/NumberFormat.h"

void RunTimer::Start(qint64 nowMs) {
    startTime_ = nowMs;
    tickTime_ = nowMs;
}

RunTimer::Reading RunTimer::Tick(qint64 nowMs) {
    tickTime_ = nowMs;
    if (tickTime_ < startTime_)
        return {true, QString::fromLatin1(SetBackText)};
    return {false, FormatTenths(tickTime_ - startTime_)};
}
