#include "PracticeCalendar.h"

#include "WeekTable.h"

#include <algorithm>

int PracticeCalendar::Level(const DayTotal& total, qint64 mostMs) {
    if (total.runs == 0)
        return 0;
    if (mostMs <= 0 || total.ms <= 0)
        return 1;
    const qint64 level = (total.ms * Levels + mostMs - 1) / mostMs; // rounded up
    return int(std::clamp<qint64>(level, 1, Levels));
}

CalendarGrid PracticeCalendar::Build(const PracticeDays& days, const QDate& last) {
    CalendarGrid grid;
    grid.last = last;
    grid.first = WeekTable::WeekStart(last).addDays(-7 * (Weeks - 1));
    grid.days.resize(Weeks * 7);
    qint64 most = 0;
    for (int i = 0; i < Weeks * 7; ++i) {
        const QDate date = grid.first.addDays(i);
        if (date > last)
            break;
        CalendarDay& day = grid.days[i];
        day.date = date;
        day.total = days.On(date);
        most = std::max(most, day.total.ms);
    }
    for (CalendarDay& day : grid.days)
        day.level = Level(day.total, most);

    for (int column = 0; column < Weeks; ++column) {
        const QDate monday = grid.first.addDays(7 * column);
        if (column == 0 || monday.month() != monday.addDays(-7).month())
            grid.months.append({column, monday.month()});
    }
    // The first column's month is left out when the next name would crowd it.
    if (grid.months.size() > 1 && grid.months[1].column < MonthLabelColumns)
        grid.months.removeFirst();
    return grid;
}
