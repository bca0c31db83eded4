#include "PracticeDays.h"

DayTotal& DayTotal::operator+=(const DayTotal& other) {
    ms += other.ms;
    runs += other.runs;
    completed += other.completed;
    return *this;
}

void PracticeDays::Add(const QDate& day, const DayTotal& total) {
    if (day.isValid())
        days_[day] += total;
}

QDate PracticeDays::First() const {
    return days_.isEmpty() ? QDate() : days_.firstKey();
}

Streak PracticeDays::Current(const QDate& today) const {
    Streak streak;
    QDate day = Trained(today) ? today : today.addDays(-1);
    if (!Trained(day))
        return streak;
    streak.last = day;
    for (; Trained(day); day = day.addDays(-1)) {
        streak.first = day;
        ++streak.days;
    }
    return streak;
}

Streak PracticeDays::Longest() const {
    Streak longest, running;
    for (auto it = days_.cbegin(); it != days_.cend(); ++it) {
        if (it->completed == 0)
            continue;
        if (running.days > 0 && running.last.addDays(1) == it.key()) {
            ++running.days;
        } else {
            running = Streak{1, it.key(), it.key()};
        }
        running.last = it.key();
        if (running.days > longest.days)
            longest = running;
    }
    return longest;
}
