#include "FileBytes.h"
#include "TestSupport.h"
#include "data/ExerciseInfo.h"
#include "stats/SeriesStatistics.h"

#include <QDir>
#include <QTest>

namespace {

// Anna's statistics folder in a fresh program folder; files are written with the tests' own
// cipher from plain lines.
struct Folder {
    ProgramFolder folder{false};
    Folder() { QDir(folder.path()).mkpath("users/AnnaDB"); }
    void write(const QString& name, const QStringList& lines) {
        WriteBytes(folder.file("users/AnnaDB/" + name),
                   ReferenceCipher((lines.join("\r\n") + "\r\n").toLatin1(), true));
    }
    SeriesStatistics model() const { return SeriesStatistics(folder.path() + "/", "Anna"); }
};

StatsLabel Label(int exercise, int mode) {
    return {exercise, mode, StatsLabels::Of(exercise, mode)};
}

QList<double> ProgressValues(const QList<SeriesHistory::Bar>& bars) {
    QList<double> values;
    for (const SeriesHistory::Bar& bar : bars)
        values.append(bar.value);
    return values;
}

} // namespace

class TestSeriesStatistics : public QObject {
    Q_OBJECT

private slots:
    void labelsWithAFileAreListedAlphabetically() {
        Folder f;
        for (const char* name : {"shulte6.db", "probe1.db", "shulte7.db", "targets4.db"})
            f.write(name, {"01.01.2024 10:00:00", "1/2/3/4/5"});
        QStringList present;
        for (const StatsLabel& label : f.model().Present())
            present.append(label.text);
        // Looked for by exercise, the modes in table order; listed by their texts.
        QCOMPARE(present, QStringList({"Шульте (6x6)", "Шульте (7x7)", "Мишени (джокер)",
                                       "Корректурка (буквы)"}));
        QCOMPARE(f.model().Listed(), QStringList({"Корректурка (буквы)", "Мишени (джокер)",
                                                  "Шульте (6x6)", "Шульте (7x7)"}));
    }

    void aFileIsReadIntoDatesAveragesAndProgress_data() {
        QTest::addColumn<int>("exercise");
        QTest::addColumn<QStringList>("lines"); // newest first
        QTest::addColumn<QStringList>("dates");
        QTest::addColumn<QList<double>>("averages");
        QTest::addColumn<bool>("damaged");
        QTest::addColumn<QList<double>>("progress");

        const QStringList three = {"03.01.2024 10:00:00", "30/30/30/30/30",
                                   "02.01.2024 10:00:00", "20/20/20/20/21",
                                   "01.01.2024 10:00:00", "40/40/40/40/40"};
        // Times: the beginning is the best (smallest) of the three oldest averages.
        QTest::newRow("times") << 0 << three << QStringList{three[0], three[2], three[4]}
                               << QList<double>{30, 20.2, 40} << false
                               << QList<double>{20.2, 40, 20.2, 30, 30.1};
        // Scores: the largest.
        QTest::newRow("scores") << 3 << three << QStringList{three[0], three[2], three[4]}
                                << QList<double>{30, 20.2, 40} << false
                                << QList<double>{40, 40, 20.2, 30, 30.1};
        // A record that is no number ends the reading there: no progress.
        QTest::newRow("damaged") << 0 << QStringList{"03.01.2024", "1/2/3/4/5",  "02.01.2024",
                                                     "1/2/x/4/5",  "01.01.2024", "1/2/3/4/5"}
                                 << QStringList{"03.01.2024", "02.01.2024"} << QList<double>{3}
                                 << true << QList<double>{};
        QTest::newRow("cut after a date line")
            << 0 << QStringList{"02.01.2024", "5/5/5/5/5", "01.01.2024"}
            << QStringList{"02.01.2024", "01.01.2024"} << QList<double>{5} << true
            << QList<double>{};
    }

    void aFileIsReadIntoDatesAveragesAndProgress() {
        QFETCH(int, exercise);
        QFETCH(QStringList, lines);
        Folder f;
        const StatsLabel label = Label(exercise, Exercise(exercise).modes.front());
        f.write(StatsStore::FileName(label.exercise, label.mode), lines);
        const SeriesStatistics::LabelSeries series = f.model().Read(label);
        QCOMPARE(series.path, f.model().FilePath(label));
        QCOMPARE(series.score, exercise == 3);
        QTEST(series.reading.dates, "dates");
        QTEST(series.reading.averages, "averages");
        QTEST(series.reading.damaged, "damaged");
        QTEST(ProgressValues(series.progress), "progress");
    }

    void oneSeriesIsChartedByItsDateLine_data() {
        QTest::addColumn<QString>("date");
        QTest::addColumn<bool>("found");
        QTest::addColumn<bool>("damaged");
        QTest::addColumn<QList<double>>("values");
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<QStringList>("title");

        // Of equal date lines the newest record; results shown as they were written.
        QTest::newRow("equal date lines")
            << "02.01.2024" << true << false << QList<double>{11, 12, 13, 14, 15}
            << QStringList{"11", "12.0", "13", "14", "15"}
            << QStringList{"Общее время = 65.0", "Среднее значение = 13.0"};
        QTest::newRow("no number")
            << "01.01.2024" << true << true << QList<double>{} << QStringList{} << QStringList{};
        QTest::newRow("no such line")
            << "05.05.2024" << false << false << QList<double>{} << QStringList{} << QStringList{};
    }

    void oneSeriesIsChartedByItsDateLine() {
        QFETCH(QString, date);
        QFETCH(bool, found);
        Folder f;
        f.write("mnemo1.db", {"02.01.2024", "11/12.0/13/ 14/15", "02.01.2024", "1/1/1/1/1",
                              "01.01.2024", "1/2/-/4/5"});
        const StatsLabel label = Label(2, 1);
        const std::optional<SeriesStatistics::SeriesChart> chart =
            SeriesStatistics::Series(f.model().Read(label), date);
        QCOMPARE(chart.has_value(), found);
        if (!chart)
            return;
        QTEST(chart->damaged, "damaged");
        QTEST(chart->values, "values");
        QTEST(chart->shown, "shown");
        QTEST(chart->title, "title");
    }
};

QTEST_GUILESS_MAIN(TestSeriesStatistics)
#include "tst_seriesstatistics.moc"
