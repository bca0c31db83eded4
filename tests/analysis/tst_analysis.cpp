#include "analysis/BoardRegions.h"
#include "analysis/PressTimes.h"
#include "analysis/RunAnalysis.h"
#include "analysis/RunProgress.h"
#include "analysis/StageStats.h"
#include "exercises/ExerciseList.h"

#include <QTest>

namespace {

struct Press {
    qint64 tMs;
    const char* item;
    int cell;
    bool correct;
};

HistoryRun Run(const char* exercise, int mode, int size, const QVector<Press>& presses) {
    HistoryRun run;
    run.exercise = QLatin1String(exercise);
    run.mode = mode;
    run.boardCols = run.boardRows = size;
    run.started = QDateTime(QDate(2026, 12, 1), QTime(18, 0));
    for (const Press& p : presses)
        run.presses.append({int(run.presses.size()) + 1, p.tMs, QString::fromUtf8(p.item), p.cell,
                            p.correct, std::nullopt, std::nullopt});
    return run;
}

HistoryRun Finished(int day, const char* result, bool completed = true) {
    HistoryRun run;
    run.started = QDateTime(QDate(2026, 11, 1).addDays(day), QTime(12, 0));
    run.result = QLatin1String(result);
    run.completed = completed;
    return run;
}

} // namespace

class TestAnalysis : public QObject {
    Q_OBJECT

private slots:
    void numberTimesAreGapsBetweenCorrectPresses() {
        // Stored out of order; the wrong presses on 3 and 9 belong to the gap before 2.
        HistoryRun run = Run("shulte", 5, 2,
                             {{1200, "1", 3, true},
                              {2000, "3", 0, false},
                              {2600, "9", 7, false},
                              {4100, "2", 1, true},
                              {4500, "3", 0, true},
                              {9000, "4", 2, true}});
        std::swap(run.presses[0], run.presses[4]);
        const QVector<ItemTime> items = PressTimes::Items(run);
        QCOMPARE(items.size(), 4);
        QVector<qint64> ms;
        QVector<int> wrong;
        for (const ItemTime& item : items) {
            ms.append(item.ms);
            wrong.append(item.wrongPresses);
        }
        QCOMPARE(ms, (QVector<qint64>{1200, 2900, 400, 4500}));
        QCOMPARE(wrong, (QVector<int>{0, 2, 0, 0}));
        QCOMPARE(PressTimes::Slowest(items, 2), (QVector<int>{3, 1}));
        QCOMPARE(PressTimes::Slowest(items, 9).size(), 4);
        QCOMPARE(PressTimes::CellTimes(run, items), (QVector<qint64>{400, 2900, 4500, 1200}));
        // A cell beyond the board, or a board of a damaged size, is not placed.
        run.presses[3].cell = 40;
        QCOMPARE(PressTimes::CellTimes(run, PressTimes::Items(run)).count(-1), 1);
        run.boardCols = 1 << 20;
        QVERIFY(PressTimes::CellTimes(run, items).isEmpty());
    }

    void groupsAndMemorisingShapeTheItemChart() {
        const HistoryRun counter = Run("counter", 3, 3,
                                       {{1000, "2", 0, true},
                                        {1500, "5", 1, true},
                                        {2000, "6", 2, false},
                                        {3000, "7", 4, true},
                                        {3500, "1", 5, true}});
        RunAnalysis analysis = AnalyseRun(counter);
        QCOMPARE(analysis.charts.size(), 1);
        QCOMPARE(analysis.charts[0].categories, QStringList{"2+5=7"});
        QCOMPARE(analysis.charts[0].bars[0].values, QVector<double>{3.0});
        QCOMPARE(analysis.charts[0].points.values, QVector<double>{1});

        // The first word's time holds the memorising: told in the sentence, not charted.
        const HistoryRun mnemo =
            Run("mnemo", 1, 1,
                {{30000, "кот", 0, true}, {32500, "дом", 1, true}, {33000, "лес", 2, true}});
        analysis = AnalyseRun(mnemo);
        QCOMPARE(analysis.charts[0].categories, (QStringList{"дом", "лес"}));
        QCOMPARE(analysis.charts[0].bars[0].values, (QVector<double>{2.5, 0.5}));
        QVERIFY(analysis.charts[0].text.contains("30.0"));

        // Repeated names number the places instead.
        const HistoryRun rb =
            Run("rbshulte", 5, 5, {{500, "2", 0, true}, {900, "1", 1, true}, {1200, "1", 2, true}});
        analysis = AnalyseRun(rb);
        QVERIFY(analysis.charts[0].categories.isEmpty());
        QCOMPARE(analysis.charts[0].places, 3);
        QVERIFY(analysis.board);
        QCOMPARE(analysis.board->labels.mid(0, 3), (QStringList{"2", "1", "1"}));
    }

    void reactionStatisticsPerStage() {
        HistoryRun run = Run("targets", 1, 1, {});
        const struct {
            int stage;
            std::optional<int> reaction;
            bool correct;
        } presses[] = {{2, 300, true},           {1, 400, true}, {2, 500, true},
                       {2, std::nullopt, false}, {2, 700, true}, {4, std::nullopt, false},
                       {4, 900, false}};
        for (const auto& p : presses)
            run.presses.append({1, 0, {}, -1, p.correct, p.reaction, p.stage});
        run.presses.append({1, 0, {}, -1, true, 100, std::nullopt}); // no stage: left out

        const QVector<StageReaction> stages = StageStats::Of(run);
        QCOMPARE(stages.size(), 3);
        const struct {
            int stage, hits, misses;
            double mean, spread;
        } expected[] = {{1, 1, 0, 400, 0}, {2, 3, 1, 500, std::sqrt(80000.0 / 3)}, {4, 0, 2, 0, 0}};
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(stages[i].stage, expected[i].stage);
            QCOMPARE(stages[i].hits, expected[i].hits);
            QCOMPARE(stages[i].misses, expected[i].misses);
            QCOMPARE(stages[i].meanMs, expected[i].mean);
            QVERIFY(qAbs(stages[i].spreadMs - expected[i].spread) < 1e-9);
        }
        const RunAnalysis analysis = AnalyseRun(run);
        QCOMPARE(analysis.charts.size(), 2);
        QCOMPARE(analysis.charts[1].bars[0].values, (QVector<double>{0, 1, 2}));
    }

    void proofreadingMissesByRegion() {
        // A 6×6 board: the targets are the symbols of the correct presses (A and B).
        const HistoryRun run = Run("probe", 1, 6,
                                   {{100, "A", 0, true},
                                    {200, "K", 1, false},
                                    {300, "B", 35, true},
                                    {300, "A", 14, false},
                                    {300, "B", 30, false},
                                    {400, "T", 99, false}});
        const QVector<RegionCount> regions = BoardRegions::Count(run);
        QCOMPARE(regions.size(), 9);
        QCOMPARE(regions[0].wrong, 1);
        QCOMPARE(regions[4].missed, 1); // row 3, column 3: the middle
        QCOMPARE(regions[6].missed, 1); // row 6, column 1: bottom left
        int total = 0;
        for (const RegionCount& r : regions)
            total += r.missed + r.wrong;
        QCOMPARE(total, 3);
    }

    void movingAverageOverFewerThanTenRuns() {
        const QVector<HistoryRun> runs = {Finished(2, "30"), Finished(0, "10"),
                                          Finished(1, "20.5", false), Finished(3, "bad"),
                                          Finished(4, "20")};
        const QVector<ProgressPoint> points = RunProgress::Points(runs);
        QVector<double> values, averages;
        for (const ProgressPoint& p : points) {
            values.append(p.value);
            averages.append(p.movingAverage);
        }
        QCOMPARE(values, (QVector<double>{10, 30, 20}));
        QCOMPARE(averages, (QVector<double>{10, 20, 20}));
    }

    void movingAverageKeepsTheLastTenAndPeriodsFilter() {
        QVector<HistoryRun> runs;
        for (int day = 0; day < 100; ++day)
            runs.append(Finished(day, QByteArray::number(day).constData()));
        const QVector<ProgressPoint> points = RunProgress::Points(runs);
        QCOMPARE(points.last().movingAverage, 94.5);
        const QDateTime now = runs.last().started;
        QCOMPARE(RunProgress::Within(points, RunProgress::Period::Last30Days, now).size(), 31);
        QCOMPARE(RunProgress::Within(points, RunProgress::Period::Last90Days, now).first().value,
                 9);
        QCOMPARE(RunProgress::Within(points, RunProgress::Period::All, now).size(), 100);
    }

    void longHistoriesAreDrawnByTheExtremesOfEachSpan() {
        QVector<ProgressPoint> points;
        for (int i = 0; i < 1000; ++i)
            points.append({{}, i * 1000LL, double(i % 7 == 3 ? 90 : 50 + i % 5), double(i)});
        const RunProgress::Drawn few = RunProgress::ForDrawing(points.mid(0, 20), 10);
        QCOMPARE(few.runs.size(), 20);
        QCOMPARE(few.averages.at(19), QPointF(19000, 19));
        const RunProgress::Drawn many = RunProgress::ForDrawing(points, 100);
        QVERIFY(many.runs.size() <= 200 && many.averages.size() <= 100);
        // Every span of ten runs holds a 90 and a 50: both are kept, in time order.
        int highs = 0;
        for (int i = 0; i < many.runs.size(); ++i) {
            highs += many.runs[i].y() == 90;
            QVERIFY(i == 0 || many.runs[i].x() > many.runs[i - 1].x());
        }
        QCOMPARE(highs, many.averages.size());
        QCOMPARE(many.averages.last(), QPointF(999000, 999));
    }

    void dateAxisLabelsDistinctDaysAtAReadableStep_data() {
        QTest::addColumn<QDate>("first");
        QTest::addColumn<QDate>("last");
        QTest::addColumn<int>("labels");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("step");
        const QDate day(2026, 12, 9);
        QTest::newRow("one day") << day << day << 7 << 1 << 1;
        QTest::newRow("three days") << day << day.addDays(2) << 7 << 3 << 1;
        QTest::newRow("a week, one a day") << day << day.addDays(6) << 7 << 7 << 1;
        QTest::newRow("eight days") << day << day.addDays(7) << 7 << 5 << 2;
        QTest::newRow("four months") << day << day.addDays(119) << 7 << 6 << 28;
        QTest::newRow("ten years") << day << day.addYears(10) << 7 << 7 << 728;
        QTest::newRow("one label asked") << day << day.addDays(4) << 1 << 2 << 7;
        QTest::newRow("last before first") << day << day.addDays(-3) << 7 << 1 << 1;
    }

    void dateAxisLabelsDistinctDaysAtAReadableStep() {
        QFETCH(QDate, first);
        QFETCH(QDate, last);
        QFETCH(int, labels);
        QFETCH(int, step);
        const RunProgress::DateAxis axis = RunProgress::DateTicks(first, last, labels);
        QTEST(int(axis.days.size()), "count");
        QCOMPARE(axis.dayMs.size(), axis.days.size());
        QCOMPARE(axis.days.front(), first);
        QVERIFY(axis.days.back() >= last);
        for (int i = 0; i < axis.days.size(); ++i) {
            QVERIFY(i == 0 || axis.days[i - 1].daysTo(axis.days[i]) == step);
            // Each label at the middle of its own day, inside the axis.
            const QDateTime middle = QDateTime::fromMSecsSinceEpoch(axis.dayMs[i]);
            QCOMPARE(middle.date(), axis.days[i]);
            QCOMPARE(middle.time(), QTime(12, 0));
            QVERIFY(axis.fromMs < axis.dayMs[i] && axis.dayMs[i] < axis.toMs);
        }
        QCOMPARE(axis.fromMs, first.startOfDay().toMSecsSinceEpoch());
        QCOMPARE(axis.toMs, axis.days.back().addDays(1).startOfDay().toMSecsSinceEpoch());
    }

    void emptyHistoryAndRunWithoutPresses() {
        QVERIFY(RunProgress::Points({}).isEmpty());
        for (const char* exercise : {"shulte", "targets", "probe", "dwords", "nonsense"}) {
            const RunAnalysis analysis = AnalyseRun(Run(exercise, 2, 5, {}));
            QVERIFY(analysis.charts.isEmpty());
            QVERIFY(!analysis.board);
            QVERIFY(!analysis.nothing.isEmpty());
        }
    }
};

QTEST_GUILESS_MAIN(TestAnalysis)
#include "tst_analysis.moc"
