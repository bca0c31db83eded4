#pragma once

#include <QString>

// The arithmetic of the run timer: the moment a run started, the latest tick, and the time
// it reads. A tick earlier than the start means the system clock was set back, which stops
// the timer with "9999" on the display.
class RunTimer {
public:
    struct Reading {
        bool clockSetBack = false;
        // Whole tenths of a second since the start, rounded to the nearest; a clock set back
        // reads 9999 seconds.
        qint64 tenths = 0;
        // As the display shows it: "12.3", or "9999".
        QString text = QStringLiteral("0.0");
    };

    // `TimerOn`: the run starts now.
    void Start(qint64 nowMs);
    // One tick of `SysTimer` at the given moment.
    Reading Tick(qint64 nowMs);

    qint64 StartTime() const { return startTime_; }
    qint64 TickTime() const { return tickTime_; }

    static constexpr const char* SetBackText = "9999";
    static constexpr qint64 SetBackTenths = 99990;

private:
    qint64 startTime_ = 0;
    qint64 tickTime_ = 0;
};
