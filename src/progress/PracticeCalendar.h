#pragma once

#include "PracticeDays.h"

#include <QVector>

// One square of the calendar.
struct CalendarDay {
    QDate date;
    DayTotal total;
    int level = 0; // 0 no run; 1 to 4 from little to the most time of the weeks shown
};

// Where a month's name stands above the calendar.
struct CalendarMonth {
    int column = 0;
    int month = 1;
};

// The weeks of the calendar, Monday to Sunday: days[column * 7 + weekday - 1]; the days after
// the last one shown have no date.
struct CalendarGrid {
    QDate first; // the Monday of the first column
    QDate last;  // the last day shown
    QVector<CalendarDay> days;
    QVector<CalendarMonth> months;

    const CalendarDay& At(int column, int weekday) const { return days[column * 7 + weekday - 1]; }
};

class PracticeCalendar {
public:
    static constexpr int Weeks = 53;
    static constexpr int Levels = 4;
    // A month's name needs this many columns before the next one.
    static constexpr int MonthLabelColumns = 3;

    // The 53 weeks up to and including the week of `last`.
    static CalendarGrid Build(const PracticeDays& days, const QDate& last);
    // The shade of a day's time against the most time of a day shown.
    static int Level(const DayTotal& total, qint64 mostMs);
};
