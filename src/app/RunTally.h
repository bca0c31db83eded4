#pragma once

#include "RunTimer.h"

#include <QString>
#include <optional>

// The numbers of the run in progress, which the run timer's display and the penalty display
// show and the run's result is made of: the mode the run was drawn in, the time of the
// timer's last tick, the seconds of penalty and a scored exercise's points.
class RunTally {
public:
    // A new run in the mode: no time, no penalty, no score.
    void Start(int mode);
    int Mode() const { return mode_; }

    // The run timer counts from 0 again; the penalty stays.
    void ResetTime() { time_ = {}; }
    void SetTime(const RunTimer::Reading& reading) { time_ = reading; }
    void AddPenalty(int seconds) { penalty_ += seconds; }
    int Penalty() const { return penalty_; }
    // The common end of a run of an exercise with a penalty display: from then on the time
    // counts the penalty too.
    void AddPenaltyToTime() { penaltyInTime_ = true; }
    void SetScore(qint32 points, const QString& shown);

    // What the run timer's display shows: the time of the last tick ("12.3", or "9999" once
    // the clock was set back), the time with the penalty added in general format ("38.4"),
    // or the score as the exercise writes it.
    QString TimerText() const;
    // The result as a number: seconds, the penalty included once added; or the points.
    double Value() const;
    // The result as the stored files keep it: the time as the display shows it, or the
    // points in decimal.
    QString ResultText() const;

private:
    int mode_ = 0;
    RunTimer::Reading time_;
    int penalty_ = 0;
    bool penaltyInTime_ = false;
    std::optional<qint32> score_;
    QString scoreShown_;
};
