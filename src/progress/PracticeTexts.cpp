#include "PracticeTexts.h"

#include "data/NumberFormat.h"
#include "data/Texts.h"

namespace PracticeTexts {

namespace {

QString Item(Tx list, int position) {
    return T(list).split(QLatin1Char(' ')).value(position);
}

} // namespace

QString Counted(int count, Tx forms) {
    const QStringList words = T(forms).split(QLatin1Char('|'));
    int form = count == 1 ? 0 : 1;
    if (words.size() == 3) {
        const int tens = count % 100, ones = count % 10;
        form = ones == 1 && tens != 11                              ? 0
               : ones >= 2 && ones <= 4 && (tens < 12 || tens > 14) ? 1
                                                                    : 2;
    }
    return QString::number(count) + QLatin1Char(' ') + words.value(form);
}

QString Days(int count) {
    return Counted(count, Tx::DayForms);
}

QString Runs(int count) {
    return Counted(count, Tx::RunForms);
}

QString Minutes(const DayTotal& total) {
    return T(Tx::MinutesShort).arg(total.Minutes());
}

QString MonthName(int month) {
    return Item(Tx::MonthNames, month - 1);
}

QString WeekdayName(int weekday) {
    return Item(Tx::WeekdayNames, weekday - 1);
}

QString ShortDate(const QDate& date) {
    return QStringLiteral("%1 %2 %3").arg(date.day()).arg(MonthName(date.month())).arg(date.year());
}

QString DayTip(const QDate& date, const DayTotal& total) {
    return T(Tx::DayTip).arg(ShortDate(date), Minutes(total), Runs(total.runs));
}

QString KeyCaption(const PracticeKey& key) {
    return PracticeKind::Title(key) + QLatin1Char(' ') + PracticeKind::ModeText(key);
}

QStringList Lines(const Notices& notices) {
    QStringList lines;
    if (notices.goal)
        lines << T(Tx::GoalReached)
                     .arg(notices.goal->goalMinutes)
                     .arg(Days(notices.goal->streakDays));
    for (const BestChange& change : notices.bests)
        lines << T(Tx::NewBest)
                     .arg(KeyCaption(change.key), change.now.text, change.previous.text,
                          FormatDate(change.previous.day));
    return lines;
}

} // namespace PracticeTexts
