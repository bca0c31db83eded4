#pragma once

#include "NoticePlanner.h"

#include "data/Texts.h"

#include <QStringList>

// The words of daily practice in the current language: counts with the right form of their
// noun, the calendar's dates and the notices' sentences.
namespace PracticeTexts {

// The form of a noun for a count: English one/other, Russian one/few/many
// ("1 день", "3 дня", "5 дней", "11 дней", "21 день").
QString Counted(int count, Tx forms);
QString Days(int count);
QString Runs(int count);
QString Minutes(const DayTotal& total);
// "Jan" .. "Dec", "Mon" .. "Sun".
QString MonthName(int month);
QString WeekdayName(int weekday);
// "12 Mar 2026".
QString ShortDate(const QDate& date);
// "12 Mar 2026: 14 min, 9 runs".
QString DayTip(const QDate& date, const DayTotal& total);
// "Schulte 5x5".
QString KeyCaption(const PracticeKey& key);
// One sentence per notice: the goal first, then the bests.
QStringList Lines(const Notices& notices);

} // namespace PracticeTexts
