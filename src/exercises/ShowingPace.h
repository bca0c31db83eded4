#pragma once

#include <QObject>
#include <QTimer>
#include <functional>

// `DXTimer1`, the pace of the targets game: a tick on the user-interface thread every
// interval, each one due k x interval after the start on the monotonic clock. A late tick
// does not move the ones after it; a tick later than a whole interval skips the showings
// whose time has passed instead of bunching them up.
class ShowingPace : public QObject {
    Q_OBJECT
public:
    explicit ShowingPace(std::function<void()> onTick);

    // Counts from now: the first tick is due one interval from now.
    void Start(int intervalMs);
    void Stop();
    bool Enabled() const { return enabled_; }
    int Interval() const { return interval_; }
    // The start on the monotonic clock (fractions of a millisecond) and the due time of the
    // tick being handled (or of the next one between ticks).
    double StartMs() const { return startMs_; }
    double DueMs() const { return startMs_ + double(slot_) * interval_; }
    // The timer that waits for the next tick (precise, single shot).
    const QTimer& Timer() const { return timer_; }

    // The tick as the timer delivers it.
    void Tick();

    // The slot of the next tick after slot k at time now: k + 1, or the first one still to
    // come when its time has passed.
    static qint64 NextSlot(double startMs, int intervalMs, qint64 slot, double nowMs);

private:
    void ScheduleSlot(double nowMs);

    std::function<void()> onTick_;
    QTimer timer_;
    bool enabled_ = false;
    int interval_ = 0;
    double startMs_ = 0;
    qint64 slot_ = 0;
    // Counts starts and stops, so a tick that restarted or stopped the pace schedules nothing.
    quint64 generation_ = 0;
};
