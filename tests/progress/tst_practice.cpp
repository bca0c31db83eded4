#include "PracticeSamples.h"
#include "data/Texts.h"
#include "progress/PracticeCalendar.h"
#include "progress/PracticeSummary.h"
#include "progress/PracticeTexts.h"

#include <QtTest>
#include <ctime>

using practice::Local;
using practice::Run;

namespace {

// "runs/best/median", "-" for a value there is not.
QString Figures(const WeekFigures& f) {
    const auto value = [](const std::optional<double>& v) { return v ? QString::number(*v) : "-"; };
    return QStringLiteral("%1/%2/%3").arg(f.runs).arg(value(f.best), value(f.median));
}

} // namespace

class TestPractice : public QObject {
    Q_OBJECT

private slots:
    // Runs of 20 minutes each, started at the times given ("x" after one: stopped).
    void streaks_data() {
        QTest::addColumn<QStringList>("starts");
        QTest::addColumn<QString>("today");
        QTest::addColumn<int>("current");
        QTest::addColumn<int>("longest");
        QTest::addColumn<QString>("longestFrom");
        QTest::newRow("across a month end") << QStringList{"2026-01-30T18:00", "2026-01-31T09:00",
                                                           "2026-02-01T20:00", "2026-02-02T07:00"}
                                            << "2026-02-02" << 4 << 4 << "2026-01-30";
        QTest::newRow("across a year end")
            << QStringList{"2025-12-30T18:00", "2025-12-31T23:00", "2026-01-01T00:10"}
            << "2026-01-01" << 3 << 3 << "2025-12-30";
        QTest::newRow("a gap day")
            << QStringList{"2026-05-01T10:00", "2026-05-02T10:00", "2026-05-03T10:00",
                           "2026-05-05T10:00", "2026-05-06T10:00"}
            << "2026-05-06" << 2 << 3 << "2026-05-01";
        QTest::newRow("today not yet trained")
            << QStringList{"2026-05-04T10:00", "2026-05-05T10:00"} << "2026-05-06" << 2 << 2
            << "2026-05-04";
        QTest::newRow("yesterday missed too")
            << QStringList{"2026-05-04T10:00"} << "2026-05-06" << 0 << 1 << "2026-05-04";
        QTest::newRow("a stopped run keeps no streak")
            << QStringList{"2026-05-04T10:00", "2026-05-05T10:00x", "2026-05-06T10:00"}
            << "2026-05-06" << 1 << 1 << "2026-05-04";
        QTest::newRow("23:59 lasting past midnight")
            << QStringList{"2026-05-04T23:59", "2026-05-05T23:59"} << "2026-05-07" << 0 << 2
            << "2026-05-04";
        QTest::newRow("clocks forward: a 23-hour day")
            << QStringList{"2026-03-28T23:30", "2026-03-29T00:30", "2026-03-29T23:30",
                           "2026-03-30T00:05"}
            << "2026-03-30" << 3 << 3 << "2026-03-28";
        QTest::newRow("clocks back: a 25-hour day")
            << QStringList{"2026-10-24T23:50", "2026-10-25T02:30", "2026-10-25T23:50",
                           "2026-10-26T00:20"}
            << "2026-10-26" << 3 << 3 << "2026-10-24";
        QTest::newRow("a leap day")
            << QStringList{"2028-02-28T12:00", "2028-02-29T12:00", "2028-03-01T12:00"}
            << "2028-03-01" << 3 << 3 << "2028-02-28";
    }

    void streaks() {
        QFETCH(QStringList, starts);
        QFETCH(QString, today);
        QFETCH(int, current);
        QFETCH(int, longest);
        QFETCH(QString, longestFrom);
        PracticeSummary summary(QStringLiteral("Anna"), {}, {}, {}, {}, 0);
        QList<QDate> startDays;
        for (int i = 0; i < starts.size(); ++i) {
            const QDateTime start = Local(starts[i].left(16));
            QVERIFY2(start.isValid(), qPrintable(starts[i]));
            QVERIFY(summary.Add(Run(i + 1, "shulte", 5, start, "30.0", !starts[i].endsWith('x')))
                        .counted);
            if (!startDays.contains(QDate::fromString(starts[i].left(10), Qt::ISODate)))
                startDays << QDate::fromString(starts[i].left(10), Qt::ISODate);
        }
        // Each run counts for the day it started on, whatever its length or the clocks did.
        QCOMPARE(summary.Days().All().keys(), startDays);
        for (const QDate& day : startDays)
            QCOMPARE(summary.Days().On(day).ms,
                     qint64(20 * 60000) * starts.filter(day.toString(Qt::ISODate)).size());
        QCOMPARE(summary.Days().Current(QDate::fromString(today, Qt::ISODate)).days, current);
        const Streak best = summary.Days().Longest();
        QCOMPARE(best.days, longest);
        QCOMPARE(best.first, QDate::fromString(longestFrom, Qt::ISODate));
        QCOMPARE(best.last, best.first.addDays(longest - 1));
    }

    // This week is Monday 16 March 2026 to today, Wednesday 18th; last week 9 to 15 March.
    void weekRows_data() {
        QTest::addColumn<QString>("exercise");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("figures"); // runs/best/median this week, then last week
        QTest::addColumn<double>("change");   // NaN: none
        QTest::addColumn<int>("trend");
        const double none = qQNaN();
        QTest::newRow("time: a lower median is better")
            << "shulte" << 5 << "2/28/28.5 3/30/32" << -10.9375 << int(Trend::Better);
        QTest::newRow("score: a lower median is worse")
            << "targets" << 1 << "1/300/300 2/500/450" << -100.0 / 3 << int(Trend::Worse);
        QTest::newRow("score: a higher median is better")
            << "targets" << 2 << "1/150/150 1/100/100" << 50.0 << int(Trend::Better);
        QTest::newRow("the same median")
            << "rbshulte" << 5 << "1/20/20 1/20/20" << 0.0 << int(Trend::Same);
        QTest::newRow("this week only")
            << "mnemo" << 1 << "1/41/41 0/-/-" << none << int(Trend::None);
    }

    void weekRows() {
        QFETCH(QString, exercise);
        QFETCH(int, mode);
        QFETCH(QString, figures);
        QFETCH(double, change);
        QFETCH(int, trend);
        const auto run = [](const char* exercise, int mode, const char* day, const char* result,
                            bool completed = true) {
            return PracticeSummary::RunOf(
                Run(1, exercise, mode, Local(QLatin1String(day) + "T10:00"), result, completed));
        };
        const QVector<PracticeRun> runs = {
            run("shulte", 5, "2026-03-09", "30"),       run("shulte", 5, "2026-03-11", "34"),
            run("shulte", 5, "2026-03-15", "32"),       run("shulte", 5, "2026-03-16", "29"),
            run("shulte", 5, "2026-03-18", "28"),       run("shulte", 5, "2026-03-17", "1", false),
            run("shulte", 5, "2026-03-08", "10"),       run("shulte", 5, "2026-03-19", "10"),
            run("targets", 1, "2026-03-10", "400"),     run("targets", 1, "2026-03-12", "500"),
            run("targets", 1, "2026-03-17", "300"),     run("targets", 2, "2026-03-10", "100"),
            run("targets", 2, "2026-03-16", "150"),     run("rbshulte", 5, "2026-03-10", "20"),
            run("rbshulte", 5, "2026-03-17", "20"),     run("mnemo", 1, "2026-03-18", "41"),
            run("mnemo", 2, "2026-03-18", "abc"),       run("unknown", 1, "2026-03-18", "5"),
            run("mnemo", 3, "2026-03-18", "12", false),
        };
        const QVector<WeekRow> rows = WeekTable::Build(runs, QDate(2026, 3, 18));
        // Only exercises with a completed run that has a number, in list order.
        QStringList keys;
        for (const WeekRow& row : rows)
            keys << row.key.exercise + QString::number(row.key.mode);
        QCOMPARE(keys, QStringList({"shulte5", "rbshulte5", "targets1", "targets2", "mnemo1"}));
        const WeekRow& row = rows[keys.indexOf(exercise + QString::number(mode))];
        QCOMPARE(Figures(row.thisWeek) + ' ' + Figures(row.lastWeek), figures);
        QCOMPARE(row.changePercent.has_value(), !qIsNaN(change));
        if (row.changePercent)
            QCOMPARE(*row.changePercent, change);
        QCOMPARE(int(row.trend), trend);
    }

    // Results of one exercise and mode on successive days ("x" after one: stopped).
    void personalBest_data() {
        QTest::addColumn<QString>("exercise");
        QTest::addColumn<QStringList>("results");
        QTest::addColumn<QStringList>("notices"); // previous>new
        QTest::addColumn<QString>("best");        // text@day of the month it was first reached
        QTest::newRow("time: lower beats")
            << "shulte" << QStringList{"30.0", "31.2", "28.4", "28.4", "27.9x", "abc", "27.9"}
            << QStringList{"30.0>28.4", "28.4>27.9"} << "27.9@7";
        QTest::newRow("score: higher beats")
            << "targets" << QStringList{"350", "300", "420", "500x"} << QStringList{"350>420"}
            << "420@3";
        QTest::newRow("the first result beats nothing")
            << "targets" << QStringList{"350"} << QStringList{} << "350@1";
    }

    void personalBest() {
        QFETCH(QString, exercise);
        QFETCH(QStringList, results);
        QFETCH(QStringList, notices);
        QFETCH(QString, best);
        PracticeSummary summary(QStringLiteral("Anna"), {}, {}, {}, {}, 0);
        QStringList told;
        for (int i = 0; i < results.size(); ++i) {
            QString result = results[i];
            const bool completed = !result.endsWith('x');
            result.remove('x');
            const RunEffect effect =
                summary.Add(Run(i + 1, exercise, 2, QDateTime(QDate(2026, 4, i + 1), QTime(9, 0)),
                                result, completed));
            if (effect.best)
                told << effect.best->previous.text + '>' + effect.best->now.text;
        }
        QCOMPARE(told, notices);
        const std::optional<BestResult> kept = summary.Bests().Of({exercise, 2});
        QVERIFY(kept);
        QCOMPARE(kept->text + '@' + QString::number(kept->day.day()), best);
    }

    // The minutes of each day are its date's day of the month; the most shown is the 31st's.
    void calendar_data() {
        QTest::addColumn<QDate>("last");
        QTest::addColumn<QDate>("first");
        QTest::addColumn<int>("datedDays");
        QTest::addColumn<QString>("months"); // column:month of the first three names
        QTest::newRow("ending on a Wednesday")
            << QDate(2026, 3, 18) << QDate(2025, 3, 17) << 52 * 7 + 3 << "0:3 3:4 7:5";
        QTest::newRow("ending on a Sunday, the first name crowded out")
            << QDate(2026, 3, 1) << QDate(2025, 2, 24) << 53 * 7 << "1:3 6:4 10:5";
    }

    void calendar() {
        QFETCH(QDate, last);
        QFETCH(QDate, first);
        QFETCH(int, datedDays);
        QFETCH(QString, months);
        PracticeDays days;
        for (QDate day = last.addYears(-2); day <= last.addDays(3); day = day.addDays(1))
            if (day.day() % 4 != 2)
                days.Add(day, {day.day() * 60000LL, 1, 1});
        const CalendarGrid grid = PracticeCalendar::Build(days, last);
        QCOMPARE(grid.first, first);
        QCOMPARE(grid.days.size(), PracticeCalendar::Weeks * 7);
        int dated = 0;
        for (int column = 0; column < PracticeCalendar::Weeks; ++column) {
            for (int weekday = 1; weekday <= 7; ++weekday) {
                const CalendarDay& day = grid.At(column, weekday);
                if (!day.date.isValid())
                    continue;
                ++dated;
                QCOMPARE(day.date, first.addDays(column * 7 + weekday - 1));
                QCOMPARE(day.date.dayOfWeek(), weekday);
                const int expected = day.date.day() % 4 == 2 ? 0 : (day.date.day() * 4 + 30) / 31;
                QCOMPARE(day.level, expected);
            }
        }
        QCOMPARE(dated, datedDays);
        QCOMPARE(grid.At(PracticeCalendar::Weeks - 1, last.dayOfWeek()).date, last);
        QStringList names;
        for (const CalendarMonth& month : grid.months.mid(0, 3))
            names << QStringLiteral("%1:%2").arg(month.column).arg(month.month);
        QCOMPARE(names.join(' '), months);
    }

    void countedForms_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("days");
        QTest::addColumn<QString>("runs");
        const QList<std::tuple<int, int, const char*, const char*>> rows = {
            {2, 1, "1 день", "1 попытка"},    {2, 3, "3 дня", "3 попытки"},
            {2, 5, "5 дней", "5 попыток"},    {2, 11, "11 дней", "11 попыток"},
            {2, 21, "21 день", "21 попытка"}, {2, 111, "111 дней", "111 попыток"},
            {1, 1, "1 day", "1 run"},         {1, 2, "2 days", "2 runs"},
        };
        for (const auto& [language, count, days, runs] : rows)
            QTest::addRow("%s %d", language == 1 ? "en" : "ru", count)
                << language << count << QString::fromUtf8(days) << QString::fromUtf8(runs);
    }

    void countedForms() {
        QFETCH(int, language);
        QFETCH(int, count);
        QFETCH(QString, days);
        QFETCH(QString, runs);
        SetLanguage(language);
        QCOMPARE(PracticeTexts::Days(count), days);
        QCOMPARE(PracticeTexts::Runs(count), runs);
        const QString tip =
            PracticeTexts::DayTip(QDate(2026, 3, 12), {14 * 60000 + 59999, count, 0});
        QCOMPARE(tip,
                 language == 1 ? "12 Mar 2026: 14 min, " + runs : "12 мар 2026: 14 мин, " + runs);
        SetLanguage(2);
    }
};

int main(int argc, char** argv) {
    // Days with 23 and 25 hours: the clocks change on 29 March and 25 October 2026.
    qputenv("TZ", "Europe/Berlin");
    tzset();
    QCoreApplication app(argc, argv);
    TestPractice test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_practice.moc"
