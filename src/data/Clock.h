#pragma once

#include <QtGlobal>

// The one source of "now" for the whole program. Tests install a clock they move by hand.
class Clock {
public:
    virtual ~Clock() = default;
    // Wall-clock time in milliseconds since the epoch; it may jump back when the user sets
    // the system clock back, which the run timer detects.
    virtual qint64 NowMs() const;
    // Monotonic milliseconds, for measuring reaction times.
    virtual qint64 MonotonicMs() const;
    // The same monotonic time with its fraction of a millisecond, for pacing and measuring
    // below a millisecond. A clock that keeps whole milliseconds gives those.
    virtual double MonotonicFineMs() const;
};

Clock& ProgramClock();
// Replaces the program clock; nullptr restores the system clock. The caller keeps ownership.
void InstallClock(Clock* clock);
