#include "progress/NoticePlanner.h"

#include <QtTest>

class TestPracticeNotices : public QObject {
    Q_OBJECT

private slots:
    void whenNoticesShow_data();
    void whenNoticesShow();
};

// Events one after the other:
//   single, series, ladder, stopped-series   a run ended (RunEnded)
//   best:P>N      a run stored that beat the best P with N
//   day:D:B>A     a run stored that took day D from B to A minutes; the streak is D days
//   plain         a run stored that changed nothing
//   over, judged  the series is over, the ladder judged its step
//   goal=M        the goal is set to M minutes
// What each event showed: "index:goal D streak S" and "index:best P>N".
void TestPracticeNotices::whenNoticesShow_data() {
    QTest::addColumn<QStringList>("events");
    QTest::addColumn<QStringList>("shown");
    QTest::newRow("a single run at once")
        << QStringList{"single", "best:30>28"} << QStringList{"1:best 30>28"};
    QTest::newRow("a series at its end, a best beaten twice as one")
        << QStringList{"series", "best:30>28", "series", "plain", "series", "best:28>27", "over"}
        << QStringList{"6:best 30>27"};
    QTest::newRow("the ladder judging before the run is stored")
        << QStringList{"ladder", "judged", "best:30>28"} << QStringList{"2:best 30>28"};
    QTest::newRow("the ladder judging after the run is stored")
        << QStringList{"ladder", "best:30>28", "judged"} << QStringList{"2:best 30>28"};
    QTest::newRow("a stopped run ends the series")
        << QStringList{"series", "best:30>28", "stopped-series", "plain"}
        << QStringList{"3:best 30>28"};
    QTest::newRow("a series dropped before its next run")
        << QStringList{"series", "best:30>28", "single", "plain"} << QStringList{"3:best 30>28"};
    QTest::newRow("the goal once a day")
        << QStringList{"goal=10",    "single",      "day:1:5>9",   "single",
                       "day:1:9>12", "single",      "day:1:12>20", "goal=20",
                       "single",     "day:1:19>25", "single",      "day:2:0>20"}
        << QStringList{"4:goal 1 streak 1", "11:goal 2 streak 2"};
    QTest::newRow("no goal, no notice") << QStringList{"single", "day:1:0>90"} << QStringList{};
    QTest::newRow("the goal waits for the series with the best")
        << QStringList{"goal=10", "series", "day:1:5>12", "best:30>28", "over"}
        << QStringList{"4:goal 1 streak 1", "4:best 30>28"};
}

void TestPracticeNotices::whenNoticesShow() {
    QFETCH(QStringList, events);
    QFETCH(QStringList, shown);
    NoticePlanner planner;
    QStringList told;
    for (int i = 0; i < events.size(); ++i) {
        const QString event = events[i];
        const QStringList parts = event.split(QRegularExpression("[:>=]"));
        Notices notices;
        if (const std::optional<RunKind> kind = RunKindOfName(event)) {
            planner.RunEnded(*kind, true);
        } else if (event == "stopped-series") {
            planner.RunEnded(RunKind::Series, false);
        } else if (event == "over") {
            notices = planner.SeriesOver();
        } else if (event == "judged") {
            notices = planner.StepJudged();
        } else if (parts[0] == "goal") {
            planner.SetGoal(parts[1].toInt());
        } else {
            RunEffect effect;
            effect.counted = true;
            effect.day = QDate(2026, 6, 1);
            if (parts[0] == "best") {
                effect.best = BestChange{{"shulte", 5},
                                         {parts[1].toDouble(), parts[1], effect.day},
                                         {parts[2].toDouble(), parts[2], effect.day}};
            } else if (parts[0] == "day") {
                effect.day = QDate(2026, 6, parts[1].toInt());
                effect.before.ms = parts[2].toInt() * 60000LL;
                effect.after.ms = parts[3].toInt() * 60000LL;
                effect.streak.days = parts[1].toInt();
            }
            notices = planner.RunStored(effect);
        }
        if (const std::optional<GoalNotice>& goal = notices.goal)
            told << QStringLiteral("%1:goal %2 streak %3")
                        .arg(i)
                        .arg(goal->day.day())
                        .arg(goal->streakDays);
        for (const BestChange& best : notices.bests)
            told << QStringLiteral("%1:best %2>%3").arg(i).arg(best.previous.text, best.now.text);
    }
    QCOMPARE(told, shown);
}

QTEST_GUILESS_MAIN(TestPracticeNotices)
#include "tst_practicenotices.moc"
