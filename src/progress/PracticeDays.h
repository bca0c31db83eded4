#pragma once

#include <QDate>
#include <QMap>

// What one calendar day holds: the time of its runs, and how many there were and completed.
struct DayTotal {
    qint64 ms = 0;
    int runs = 0;
    int completed = 0;

    DayTotal& operator+=(const DayTotal& other);
    bool operator==(const DayTotal&) const = default;
    // Whole minutes, as the calendar and the goal show them.
    int Minutes() const { return int(ms / 60000); }
};

// Consecutive days with at least one completed run; an empty streak has no dates.
struct Streak {
    int days = 0;
    QDate first;
    QDate last;

    bool operator==(const Streak&) const = default;
};

// A user's practice by local calendar day. A run counts for the day it started on, however
// long it lasts and whatever the clocks did that day: days are dates, never spans of hours.
class PracticeDays {
public:
    void Add(const QDate& day, const DayTotal& total);
    DayTotal On(const QDate& day) const { return days_.value(day); }
    const QMap<QDate, DayTotal>& All() const { return days_; }
    bool IsEmpty() const { return days_.isEmpty(); }
    QDate First() const;

    // The streak still alive on `today`: up to today, or up to yesterday while today has no
    // completed run yet, since the day is not over.
    Streak Current(const QDate& today) const;
    // The longest streak there was, the earliest of equal ones.
    Streak Longest() const;

private:
    bool Trained(const QDate& day) const { return days_.value(day).completed > 0; }

    QMap<QDate, DayTotal> days_;
};
