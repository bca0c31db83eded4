#pragma once

#include <QString>

// The arithmetic of the run timer: the moment a run started, the latest tick, and the text
// the timer display shows for it. A tick earlier than the start means the system clock was
// set back, which stops the timer with "9999" on the display.
class RunTimer {
public:
    struct Reading {
        bool clockSetBack = false;
        QString text;
    };

    // `TimerOn`: the run starts now.
    void Start(qint64 nowMs);
    // One tick of `SysTimer` at the given moment.
    Reading Tick(qint64 nowMs);

    qint64 StartTime() const { return startTime_; }
    qint64 TickTime() const { return tickTime_; }

    static constexpr const char* SetBackText = "9999";

private:
    qint64 startTime_ = 0;
    qint64 tickTime_ = 0;
};
