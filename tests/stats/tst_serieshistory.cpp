#include "data/NumberFormat.h"
#include "stats/SeriesHistory.h"
#include "stats/StatsLabels.h"

#include <QTest>

namespace {

using Bar = SeriesHistory::Bar;
using Kind = SeriesHistory::BarKind;

StatsStore::Record Rec(const QString& date, const QString& results, bool complete = true) {
    StatsStore::Record r;
    r.dateTime = date;
    r.complete = complete;
    if (complete)
        r.results = results.split('/');
    return r;
}

QList<double> Values(const QList<Bar>& bars) {
    QList<double> values;
    for (const Bar& b : bars)
        values.append(b.value);
    return values;
}

QStringList Labels(const QList<Bar>& bars) {
    QStringList labels;
    for (const Bar& b : bars)
        labels.append(b.label);
    return labels;
}

} // namespace

class TestSeriesHistory : public QObject {
    Q_OBJECT

private slots:
    void labelsFollowTheExerciseTableWithTheJokerMode() {
        const QStringList expected = {
            "Шульте (5x5)",         "Шульте (6x6)",         "Шульте (7x7)",
            "Шульте (8x8)",         "Шульте (9x9)",         "Шульте к/ч (5x5)",
            "Шульте к/ч (7x7)",     "Шульте к/ч (9x9)",     "Мнемоника слов (10)",
            "Мнемоника слов (20)",  "Мнемоника слов (30)",  "Мишени (поле)",
            "Мишени (ряд)",         "Мишени (круг)",        "Мишени (джокер)",
            "Считалка (3x3)",       "Считалка (6x6)",       "Считалка (9x9)",
            "Пары слов (2)",        "Пары слов (3)",        "Мнемоника чисел (10)",
            "Мнемоника чисел (20)", "Мнемоника чисел (30)", "Мнемоника чисел (40)",
            "Мнемоника чисел (50)", "Корректурка (буквы)",  "Корректурка (цифры)",
            "N-назад (1-назад)",    "N-назад (2-назад)",    "N-назад (3-назад)",
            "N-назад (4-назад)",    "N-назад (5-назад)"};
        QStringList texts;
        QStringList files;
        for (const StatsLabel& label : StatsLabels::All()) {
            texts.append(label.text);
            files.append(StatsStore::FileName(label.exercise, label.mode));
            QCOMPARE(StatsLabels::Of(label.exercise, label.mode), label.text);
            const std::optional<StatsLabel> back = StatsLabels::Find(label.text);
            QVERIFY(back);
            QCOMPARE(back->exercise, label.exercise);
            QCOMPARE(back->mode, label.mode);
        }
        QCOMPARE(texts, expected);
        QCOMPARE(files.mid(11, 4),
                 QStringList({"targets1.db", "targets2.db", "targets3.db", "targets4.db"}));
        QCOMPARE(files[26], QStringLiteral("probe2.db"));
        QCOMPARE(files.last(), QStringLiteral("nback5.db"));
        QVERIFY(!StatsLabels::Find("Шульте (10x10)"));
        QVERIFY(!StatsLabels::Find(QString()));
    }

    void labelsSortAlphabeticallyNotInExerciseOrder() {
        QStringList labels = {"Шульте (5x5)",         "Шульте к/ч (7x7)",    "Мишени (поле)",
                              "Мнемоника чисел (10)", "Мнемоника слов (30)", "Корректурка (цифры)",
                              "Мишени (джокер)",      "Пары слов (2)",       "Считалка (9x9)"};
        StatsLabels::Sort(labels);
        QCOMPARE(labels,
                 QStringList({"Корректурка (цифры)", "Мишени (джокер)", "Мишени (поле)",
                              "Мнемоника слов (30)", "Мнемоника чисел (10)", "Пары слов (2)",
                              "Считалка (9x9)", "Шульте (5x5)", "Шульте к/ч (7x7)"}));
    }

    void onlyTargetsCountScores() {
        QVERIFY(StatsLabels::IsScore("Мишени (ряд)"));
        QVERIFY(StatsLabels::IsScore("Мишени (джокер)"));
        QVERIFY(!StatsLabels::IsScore("Шульте (5x5)"));
        QVERIFY(!StatsLabels::IsScore("Корректурка (буквы)"));
    }

    // The average goes through single precision before its one decimal is rounded.
    void averagesRoundInSinglePrecisionHalvesAwayFromZero() {
        QCOMPARE(SeriesHistory::RoundAverage(23.45), 23.5);
        // 1.05 is just below the half as a float, just above it as a double.
        QCOMPARE(SeriesHistory::RoundAverage(1.05), 1.0);
        QCOMPARE(FormatOneDecimal(1.05), QStringLiteral("1.1"));
        QCOMPARE(SeriesHistory::RoundAverage(22.65), 22.6);
        QCOMPARE(SeriesHistory::RoundAverage(0.25), 0.3);
        QCOMPARE(SeriesHistory::RoundAverage(-0.25), -0.3);
        QCOMPARE(SeriesHistory::RoundAverage(23.44), 23.4);
        QCOMPARE(SeriesHistory::SeriesAverage({23.4, 21.9, 22.0, 20.7, 19.8}), 21.6);
        QCOMPARE(SeriesHistory::SeriesAverage({25, 24, 23, 22, 21}), 23.0);
        // 117.25 / 5 = 23.45.
        QCOMPARE(SeriesHistory::SeriesAverage({23.45, 23.45, 23.45, 23.45, 23.45}), 23.5);
    }

    void readingStopsAtTheFirstRecordThatCannotBeRead() {
        const QList<StatsStore::Record> records = {Rec("03.01.2024", "10/10/10/10/10"),
                                                   Rec("02.01.2024", "20/20/x/20/20"),
                                                   Rec("01.01.2024", "30/30/30/30/30")};
        const SeriesHistory::Reading reading = SeriesHistory::Read(records);
        QVERIFY(reading.damaged);
        QCOMPARE(reading.dates, QStringList({"03.01.2024", "02.01.2024"}));
        QCOMPARE(reading.averages, QList<double>{10.0});

        const SeriesHistory::Reading cut =
            SeriesHistory::Read({Rec("02.01.2024", "1/2/3/4/5"), Rec("01.01.2024", {}, false)});
        QVERIFY(cut.damaged);
        QCOMPARE(cut.dates.size(), 2);
        QCOMPARE(cut.averages, QList<double>{3.0});

        const SeriesHistory::Reading four = SeriesHistory::Read({Rec("01.01.2024", "1/2/3/4")});
        QVERIFY(four.damaged);

        const SeriesHistory::Reading whole = SeriesHistory::Read(records.mid(0, 1));
        QVERIFY(!whole.damaged);
        QCOMPARE(whole.dates, QStringList{"03.01.2024"});
    }

    void beginningIsTheBestOfTheThreeOldest() {
        const QList<double> averages = {90, 10, 30, 50, 40};
        QCOMPARE(SeriesHistory::Beginning(averages, true), 50.0);
        QCOMPARE(SeriesHistory::Beginning(averages, false), 30.0);
        QCOMPARE(SeriesHistory::Beginning({12, 7}, true), 12.0);
        QCOMPARE(SeriesHistory::Beginning({12, 7}, false), 7.0);
        QCOMPARE(SeriesHistory::OverallAverage({23.4, 21.9}), 22.6); // 22.65 as a float is below
        QCOMPARE(SeriesHistory::OverallAverage({10, 10, 11}), 10.3);
    }

    void zeroAveragesGetNoBar() {
        const QList<Bar> bars = SeriesHistory::ProgressBars({5, 0, 7}, true);
        QCOMPARE(Labels(bars), QStringList({"начало", ">>", ">>", "среднее"}));
        QCOMPARE(Values(bars), QList<double>({7, 7, 5, 4}));
        QCOMPARE(bars[1].record, 2);
        QCOMPARE(bars[2].record, 0);
    }

    void selectedSeriesFindsItsOwnBar() {
        QList<double> averages;
        for (int i = 0; i < 12; ++i)
            averages.append(20 + i);
        const QList<Bar> bars = SeriesHistory::ProgressBars(averages, false);
        // The fourth item is the fourth bar left of "среднее".
        QCOMPARE(SeriesHistory::SelectedBar(bars, 3), int(bars.size()) - 5);
        QCOMPARE(SeriesHistory::SelectedBar(bars, 0), int(bars.size()) - 2);
        // The tenth is the oldest bar shown; from the eleventh on none is.
        QCOMPARE(SeriesHistory::SelectedBar(bars, 9), 1);
        QCOMPARE(SeriesHistory::SelectedBar(bars, 10), -1);
        QCOMPARE(SeriesHistory::SelectedBar(bars, -1), -1);

        // A series left out for its zero average has no bar; the others keep theirs.
        const QList<Bar> gap = SeriesHistory::ProgressBars({5, 0, 7, 8}, false);
        QCOMPARE(SeriesHistory::SelectedBar(gap, 1), -1);
        QCOMPARE(gap[SeriesHistory::SelectedBar(gap, 2)].value, 7.0);
        QCOMPARE(gap[SeriesHistory::SelectedBar(gap, 0)].value, 5.0);
    }

    void seriesTitleHasTotalAndAverage() {
        QCOMPARE(SeriesHistory::SeriesTitle({25.1, 23.0, 22.7, 23.3, 23.0}, false),
                 QStringList({"Общее время = 117.1", "Среднее значение = 23.4"}));
        QCOMPARE(SeriesHistory::SeriesTitle({120, 80, 100, 95, 105}, true),
                 QStringList({"Всего очков = 500.0", "Среднее значение = 100.0"}));
    }
};

QTEST_GUILESS_MAIN(TestSeriesHistory)
#include "tst_serieshistory.moc"
