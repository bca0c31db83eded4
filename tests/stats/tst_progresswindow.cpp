#include "../progress/PracticeSamples.h"
#include "data/Texts.h"
#include "stats/CalendarView.h"
#include "stats/ProgressWindow.h"

#include <QEvent>
#include <QLabel>
#include <QProgressBar>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>

namespace {

const QDate Today(2026, 3, 18); // a Wednesday

// Anna's practice, runs of 15 minutes: one more than a year back, two last week, and one on
// each of the last five days, getting faster, with a targets run today.
PracticeSummary Summary() {
    PracticeSummary summary(QStringLiteral("Anna"), {}, {}, {}, {}, 0);
    qint64 id = 0;
    const auto add = [&](const char* exercise, int mode, const QDate& day, const char* result) {
        summary.Add(practice::Run(++id, exercise, mode, QDateTime(day, QTime(18, 0)), result, true,
                                  15 * 60000));
    };
    add("shulte", 5, QDate(2024, 11, 2), "40.0");
    add("shulte", 5, Today.addDays(-7), "34.0");
    add("targets", 1, Today.addDays(-6), "500");
    const char* results[] = {"29.5", "30.0", "31.0", "33.0", "33.0"};
    for (int back = 4; back >= 0; --back)
        add("shulte", 5, Today.addDays(-back), results[back]);
    add("targets", 1, Today, "450");
    return summary;
}

} // namespace

class TestProgressWindow : public QObject {
    Q_OBJECT

private slots:
    void init() { SetLanguage(1); }
    void cleanup() { SetLanguage(2); }

    void showsTodayStreaksWeeksAndBests() {
        ProgressWindow window;
        window.Show(Summary(), Today, 20);
        window.show();
        QCOMPARE(window.windowTitle(), QStringLiteral("Progress: Anna"));
        QCOMPARE(window.TodayL->text(),
                 QStringLiteral("Today: 30 min of the daily goal of 20 min"));
        QCOMPARE(window.GoalPB->value(), 20);
        QCOMPARE(window.CurrentStreakL->text(), QStringLiteral("Current streak: 5 days"));
        QCOMPARE(window.LongestStreakL->text(),
                 QStringLiteral("Longest streak: 5 days, 14.03.2026 to 18.03.2026"));

        // Shulte's median fell: better for a time; the targets' fell: worse for a score.
        QCOMPARE(window.WeekTW->rowCount(), 2);
        QCOMPARE(window.WeekTW->item(0, 0)->text(), QStringLiteral("Schulte 5x5"));
        QCOMPARE(window.WeekTW->item(0, 7)->text(), QStringLiteral("-9.1 %"));
        QCOMPARE(window.WeekTW->item(0, 7)->foreground().color(), ProgressWindow::BetterColour());
        QCOMPARE(window.WeekTW->item(1, 0)->text(), QStringLiteral("Targets [field]"));
        QCOMPARE(window.WeekTW->item(1, 7)->text(), QStringLiteral("-10.0 %"));
        QCOMPARE(window.WeekTW->item(1, 7)->foreground().color(), ProgressWindow::WorseColour());
        QVERIFY(window.WeekEmptyL->isHidden());

        QCOMPARE(window.BestsTW->rowCount(), 2);
        QCOMPARE(window.BestsTW->item(0, 1)->text(), QStringLiteral("29.5"));
        QCOMPARE(window.BestsTW->item(0, 2)->text(), QStringLiteral("18.03.2026"));
        QCOMPARE(window.BestsTW->item(1, 1)->text(), QStringLiteral("500"));

        // A new language takes effect in the open window.
        SetLanguage(2);
        QEvent change(QEvent::LanguageChange);
        QCoreApplication::sendEvent(&window, &change);
        QCOMPARE(window.CurrentStreakL->text(), QStringLiteral("Ударный режим: 5 дней"));
    }

    void calendarReachesTheYearsBefore() {
        ProgressWindow window;
        window.Show(Summary(), Today, 0);
        window.show();
        QVERIFY(window.GoalPB->isHidden());
        CalendarView& calendar = *window.Calendar;
        const QRect today = calendar.CellRect(PracticeCalendar::Weeks - 1, Today.dayOfWeek());
        QCOMPARE(calendar.DayAt(today.center())->date, Today);
        QCOMPARE(calendar.DayAt(today.center())->total.runs, 2);
        QVERIFY(!calendar.DayAt(today.center() + QPoint(0, CalendarView::Pitch)));
        QVERIFY(!window.LaterSB->isEnabled());

        QVERIFY(window.EarlierSB->isEnabled());
        QTest::mouseClick(window.EarlierSB, Qt::LeftButton);
        QCOMPARE(window.YearsBack(), 1);
        QCOMPARE(calendar.Grid().last, Today.addYears(-1));
        QCOMPARE(window.SpanL->text(), QStringLiteral("18 Mar 2024 to 18 Mar 2025"));
        // The run of November 2024 is inside, and there is nothing before it.
        QVERIFY(!window.EarlierSB->isEnabled());
        QVERIFY(window.LaterSB->isEnabled());
        int shaded = 0;
        for (const CalendarDay& day : calendar.Grid().days)
            shaded += day.level > 0;
        QCOMPARE(shaded, 1);
        QTest::mouseClick(window.LaterSB, Qt::LeftButton);
        QCOMPARE(window.YearsBack(), 0);
        QVERIFY(!window.LaterSB->isEnabled());
    }
};

QTEST_MAIN(TestProgressWindow)
#include "tst_progresswindow.moc"
