#include "PracticeSamples.h"
#include "data/UserFiles.h"
#include "progress/DaysCsv.h"
#include "progress/PracticeLoader.h"

#include <QtTest>

using practice::Run;

namespace {

QDateTime At(int month, int day, int hour, int minute, int offsetHours) {
    return QDateTime(QDate(2026, month, day), QTime(hour, minute), QTimeZone(offsetHours * 3600));
}

// A data folder with the users Anna and Boris and the runs in its history.
struct Folder {
    QTemporaryDir dir;
    explicit Folder(QVector<HistoryRun>& runs) {
        QDir(dir.path()).mkdir(QStringLiteral("users"));
        for (const char* user : {"Anna", "Boris"})
            UserFiles(dir.path()).CreateUser(QLatin1String(user), QStringLiteral("pw"));
        HistoryDb db(dir.path());
        for (HistoryRun& run : runs)
            QVERIFY(db.Append(run));
    }
    QString path() const { return dir.path(); }
};

} // namespace

class TestPracticeHistory : public QObject {
    Q_OBJECT

private slots:
    // What the grouped statements read is what adding the runs one by one gives: days by
    // the local date the run started on (the offsets kept with the starts are those of the
    // run, whatever the zone of the reader), bests with the day first reached.
    void loadedSummaryAgreesWithRunByRun() {
        QVector<HistoryRun> runs = {
            Run(0, "shulte", 5, At(3, 20, 9, 0, 1), "30.5"),
            Run(0, "shulte", 5, At(3, 21, 23, 59, 1), "29.0"),
            Run(0, "shulte", 5, At(3, 29, 0, 30, 1), "29.0"),
            Run(0, "shulte", 5, At(3, 29, 23, 30, 2), "12.0", false),
            Run(0, "targets", 1, At(3, 24, 18, 0, 1), "350"),
            Run(0, "targets", 1, At(3, 25, 18, 0, 1), "410"),
            Run(0, "targets", 1, At(3, 26, 18, 0, 1), "abc"),
            Run(0, "shulte", 5, At(3, 25, 8, 0, 1), "10.0", true, 60000, "Boris"),
            Run(0, "mnemo", 2, At(3, 30, 0, 10, 2), "44.1"),
        };
        const Folder folder(runs);
        PracticeSummary byRun(QStringLiteral("Anna"), {}, {}, {}, {}, 0);
        for (const HistoryRun& run : runs)
            byRun.Add(run);
        const HistoryDb db(folder.path(), HistoryDb::Access::ReadOnly);
        const QDate recentFrom(2026, 3, 23);
        const PracticeSummary loaded = PracticeLoader::Load(db, "Anna", recentFrom);
        QCOMPARE(loaded.Days().All(), byRun.Days().All());
        QCOMPARE(loaded.Bests().Keys(), byRun.Bests().Keys());
        for (const PracticeKey& key : byRun.Bests().Keys())
            QCOMPARE(loaded.Bests().Of(key), byRun.Bests().Of(key));
        QCOMPARE(loaded.Bests().Of({"shulte", 5})->day, QDate(2026, 3, 21));
        QStringList recent;
        for (const PracticeRun& run : loaded.Recent())
            recent << run.key.exercise + run.day.toString("dd");
        QCOMPARE(recent, QStringList({"shulte29", "shulte29", "targets24", "targets25", "targets26",
                                      "mnemo30"}));
        // The stored runs are counted once; a summary read up to a run takes it afterwards.
        QVERIFY(!PracticeSummary(loaded).Add(runs.last()).counted);
        PracticeSummary before = PracticeLoader::Load(db, "Anna", recentFrom, runs.last().id);
        QVERIFY(before.Add(runs.last()).counted);
        QCOMPARE(before.Days().All(), loaded.Days().All());
        QCOMPARE(before.Recent().size(), loaded.Recent().size());
    }

    void daysCsv_data() {
        QTest::addColumn<bool>("folder");
        QTest::addColumn<QByteArray>("csv");
        const QByteArray header = "user,date,minutes,runs,completed_runs\r\n";
        QTest::newRow("every user of the folder")
            << true
            << header + "Anna,2026-03-20,2.0,2,1\r\nAnna,2026-03-22,1.0,1,1\r\n"
                        "Boris,2026-03-21,2.0,1,1\r\n";
        QTest::newRow("one user, exercise and mode")
            << false << header + "Anna,2026-03-20,1.5,1,1\r\nAnna,2026-03-22,1.0,1,1\r\n";
    }

    void daysCsv() {
        QFETCH(bool, folder);
        QFETCH(QByteArray, csv);
        QVector<HistoryRun> runs = {
            Run(0, "shulte", 5, At(3, 20, 10, 0, 1), "30.0", true, 90000),
            Run(0, "targets", 1, At(3, 20, 11, 0, 1), "0", false, 30000, "anna"),
            Run(0, "shulte", 5, At(3, 22, 23, 59, 1), "29.0", true, 60000),
            Run(0, "shulte", 5, At(3, 21, 9, 0, 1), "31.0", true, 120000, "Boris"),
            Run(0, "shulte", 5, At(3, 21, 9, 0, 1), "31.0", true, 120000, "Gone"),
        };
        const Folder data(runs);
        QTemporaryDir out;
        QString path;
        if (folder) {
            QString errors;
            QTextStream err(&errors);
            QCOMPARE(DaysCsv::ExportFolder(data.path(), out.path(), err), 0);
            QCOMPARE(errors, QString());
            path = out.filePath("days.csv");
        } else {
            const ExportReport report =
                DaysCsv::ExportUser(data.path(), {"Anna", "shulte", 5}, out.filePath("a.csv"));
            path = out.filePath("a-days.csv");
            QCOMPARE(report.written, QStringList{path});
        }
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), csv);
    }
};

QTEST_GUILESS_MAIN(TestPracticeHistory)
#include "tst_practicehistory.moc"
