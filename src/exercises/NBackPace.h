#pragma once

#include <QObject>
#include <QTimer>
#include <functional>

// The pace of a dual n-back block on the monotonic clock: trial i is shown when
// start + i x 3000 ms is due, so a late step does not move the ones after it; its cell goes
// 500 ms after it was shown (never after the next onset), and the block ends when the last
// trial's time is over. No trial is skipped: a step whose time has passed comes at once.
// The timer and the painting of a shown cell take time of their own: the pace learns how late
// its shows end and starts the next ones that much earlier (half the lateness at a time, at
// most MaxLeadMs), so that the cell is on the screen when it is due.
class NBackPace : public QObject {
    Q_OBJECT
public:
    static constexpr int TrialMs = 3000;
    static constexpr int ShownMs = 500;
    static constexpr double MaxLeadMs = 20;

    // Show: trial i's onset (the trial before it is over). Hide: its cell goes. End: the
    // last trial's time is over; the pace has stopped.
    enum class Step { Show, Hide, End };
    explicit NBackPace(std::function<void(Step, int trial)> onStep);

    // Counts from now: trial 0 is due at once.
    void Start(int trials);
    void Stop();
    bool Running() const { return running_; }
    double StartMs() const { return startMs_; }
    double OnsetMs(int trial) const { return startMs_ + double(trial) * TrialMs; }
    // The step being handled, or the next one between steps, and its due time.
    Step NextStep() const { return step_; }
    int NextTrial() const { return trial_; }
    double DueMs() const { return dueMs_; }
    // The timer that waits for the next step (precise, single shot).
    const QTimer& Timer() const { return timer_; }
    // How much earlier than due a show is started now.
    double LeadMs() const { return leadMs_; }

    // The step as the timer delivers it.
    void Tick();

    // When a cell shown at shownMs goes, with the next trial due at nextOnsetMs.
    static double HideMs(double shownMs, double nextOnsetMs);

private:
    void Schedule(Step step, int trial, double dueMs, double nowMs);

    std::function<void(Step, int)> onStep_;
    QTimer timer_;
    bool running_ = false;
    int trials_ = 0;
    double startMs_ = 0;
    Step step_ = Step::Show;
    int trial_ = 0;
    double dueMs_ = 0;
    double leadMs_ = 0;
    // Counts starts and stops, so a step that restarted or stopped the pace schedules nothing.
    quint64 generation_ = 0;
};
