#include "FileBytes.h"
#include "HistorySamples.h"
#include "TestSupport.h"
#include "data/FileCipher.h"
#include "data/StatsStore.h"
#include "data/Text1251.h"
#include "data/Texts.h"
#include "data/UserFiles.h"
#include "history/HistoryDb.h"
#include "history/HistoryExport.h"

#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QTest>
#include <QTextStream>

#include <ctime>

namespace {

constexpr char SeriesHeader[] =
    "user,exercise,mode,mode_name,finished,result1,result2,result3,result4,result5,average\r\n";
constexpr char RunsHeader[] =
    "run,user,exercise,mode,mode_name,kind,started,duration_ms,result,errors,completed\r\n";
constexpr char PressesHeader[] = "run,seq,t_ms,item,correct,reaction_ms,stage\r\n";

// Every file under the folder with its size: what an export must leave as it was (SQLite's
// own -wal and -shm of a read connection aside).
QStringList Listing(const QString& dir) {
    QStringList entries;
    for (QDirIterator it(dir, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
         it.hasNext();)
        if (const QFileInfo f(it.next()); !f.fileName().contains(QRegularExpression("-(wal|shm)$")))
            entries << f.filePath() + ':' + QString::number(f.size());
    entries.sort();
    return entries;
}

// A data folder with users; `series` appends one series of the given results.
struct DataFolder {
    ProgramFolder folder{false};
    QString path() const { return folder.path(); }
    explicit DataFolder(const QStringList& users) {
        QDir(path()).mkdir("users");
        for (const QString& user : users)
            UserFiles(path()).CreateUser(user, "");
    }
    void series(const QString& user, int exercise, int mode, const QDateTime& finished,
                const QStringList& results) const {
        StatsStore(path()).Append(user, exercise, mode, finished, results);
        QFile::remove(folder.file("tmp"));
    }
};

struct Exported {
    int code = -1;
    QString err;
    QByteArray series, runs, presses;
};

Exported Export(const QString& dataDir, const QString& outDir) {
    Exported e;
    QTextStream err(&e.err);
    e.code = ExportFolder(dataDir, outDir, err);
    err.flush();
    for (const auto& [file, bytes] :
         {std::pair("series", &e.series), {"runs", &e.runs}, {"presses", &e.presses}})
        *bytes = ReadBytes(outDir + '/' + file + ".csv");
    return e;
}

const QDateTime Evening(QDate(2026, 11, 28), QTime(19, 0, 10));
const QDateTime Midnight(QDate(2026, 11, 29), QTime(0, 0));

} // namespace

class TestHistoryExport : public QObject {
    Q_OBJECT

private slots:
    // Local times in a zone with an offset, so that the offsets written are seen.
    void initTestCase() {
        qputenv("TZ", "MSK-3");
        tzset();
    }
    void everyUsersSeriesRunsAndPressesAreExported();
    void folderWithoutHistoryGivesHeadersOnly();
    void damagedFilesAreNamedAndTheRestExported();
    void exportReadsWhileTheProgramWrites();
};

void TestHistoryExport::everyUsersSeriesRunsAndPressesAreExported() {
    const DataFolder data({"Пётр", "Иванов, Пётр", "Anna"});
    data.series("Anna", 0, 5, Evening, {"23.4", "21.9", "22.0", "20.7", "19.8"});
    data.series("Anna", 0, 5, Midnight, {"19.1", "18.0", "20", "17.5", "18.2"});
    data.series("Anna", 0, 7, Evening, {"33", "31", "32", "30", "29"});
    data.series("Иванов, Пётр", 3, 4, Evening, {"117", "120", "98", "130", "101"});
    {
        HistoryDb db(data.path());
        HistoryRun targets = samples::Run("Пётр", "targets", 1, RunKind::Series, 2, "117");
        targets.presses[0].item = "\"ёж\", да";
        HistoryRun gone = samples::Run("Gone", "shulte", 5, RunKind::Single, 2);
        HistoryRun ladder = samples::Run("Anna", "shulte", 5, RunKind::Ladder, 3, "9999");
        QVERIFY(db.Append(targets) && db.Append(gone) && db.Append(ladder));
    }
    const QStringList before = Listing(data.path());
    ProgramFolder out(false);

    const Exported e = Export(data.path(), out.file("csv"));
    QCOMPARE(e.err, QString());
    QCOMPARE(e.code, 0);
    QCOMPARE(e.series,
             QByteArray(SeriesHeader) +
                 "Anna,shulte,5,5x5,2026-11-28T19:00:10+03:00,23.4,21.9,22.0,20.7,19.8,21.6\r\n"
                 "Anna,shulte,5,5x5,2026-11-29T00:00:00+03:00,19.1,18.0,20,17.5,18.2,18.6\r\n"
                 "Anna,shulte,7,7x7,2026-11-28T19:00:10+03:00,33,31,32,30,29,31.0\r\n"
                 "\"Иванов, Пётр\",targets,4,джокер,2026-11-28T19:00:10+03:00,117,120,98,130,101,"
                 "113.2\r\n");
    // The runs of a user no longer in the folder stay out.
    QCOMPARE(e.runs, QByteArray(RunsHeader) +
                         "1,Пётр,targets,1,поле,series,2026-11-28T19:00:10+01:00,23412,117,0,1\r\n"
                         "3,Anna,shulte,5,5x5,ladder,2026-11-28T19:00:10+01:00,23412,9999,1,0\r\n");
    QCOMPARE(e.presses, QByteArray(PressesHeader) + "1,1,251,\"\"\"ёж\"\", да\",1,301,1\r\n"
                                                    "1,2,502,2,1,302,1\r\n"
                                                    "3,1,251,1,1,,\r\n"
                                                    "3,2,502,2,1,,\r\n"
                                                    "3,3,753,3,0,,\r\n");
    QCOMPARE(Listing(data.path()), before);

    // One user's selection, as the statistics window asks for it.
    const ExportReport report = ExportUser(data.path(), {"Anna", "shulte", 5}, out.file("A.csv"));
    QCOMPARE(report.problems, QStringList());
    QCOMPARE(report.written, QStringList({out.file("A-series.csv"), out.file("A-runs.csv"),
                                          out.file("A-presses.csv")}));
    QCOMPARE(ReadBytes(report.written[0]), e.series.left(e.series.indexOf("Anna,shulte,7")));
    QCOMPARE(ReadBytes(report.written[1]), RunsHeader + e.runs.mid(e.runs.indexOf("3,Anna")));
    QCOMPARE(ReadBytes(report.written[2]),
             PressesHeader + e.presses.mid(e.presses.indexOf("3,1,")));
}

void TestHistoryExport::folderWithoutHistoryGivesHeadersOnly() {
    const DataFolder data({"Anna"});
    const QStringList before = Listing(data.path());
    ProgramFolder out(false);
    const Exported e = Export(data.path(), out.path());
    QCOMPARE(e.code, 0);
    QCOMPARE(e.series + e.runs + e.presses + e.err.toUtf8(),
             QByteArray(SeriesHeader) + RunsHeader + PressesHeader);
    QCOMPARE(Listing(data.path()), before); // no history.sqlite, no scratch file

    // An output folder that cannot be made, and a data folder that is not there.
    QVERIFY(Export(data.path(), out.file("series.csv/sub")).code == 1);
    const Exported missing = Export(out.file("nothing"), out.file("x"));
    QCOMPARE(missing.code, 1);
    QVERIFY(missing.err.contains("nothing") && !QFileInfo::exists(out.file("x")));
}

void TestHistoryExport::damagedFilesAreNamedAndTheRestExported() {
    const DataFolder data({"Anna"});
    data.series("Anna", 0, 5, Evening, {"23.4", "21.9", "22.0", "20.7", "19.8"});
    // shulte7.db: one sound record above one whose third result is not a number.
    const QString damaged = StatsStore(data.path()).FilePath("Anna", 0, 7);
    SaveFileBytes(damaged, EncryptBytes(WriteLines({"29.11.2026 10:00:00", "1/2/3/4/5",
                                                    "28.11.2026 10:00:00", "1/2/x/4/5"})));
    const QString history = data.folder.file("history.sqlite");
    SaveFileBytes(history, QByteArray(4096, 'x'));
    ProgramFolder out(false);

    const Exported e = Export(data.path(), out.path());
    QCOMPARE(e.code, 1);
    QVERIFY2(e.err.contains(damaged) && e.err.contains(history), qPrintable(e.err));
    QCOMPARE(e.series,
             QByteArray(SeriesHeader) +
                 "Anna,shulte,5,5x5,2026-11-28T19:00:10+03:00,23.4,21.9,22.0,20.7,19.8,21.6\r\n"
                 "Anna,shulte,7,7x7,2026-11-29T10:00:00+03:00,1,2,3,4,5,3.0\r\n");
    QCOMPARE(e.runs, QByteArray(RunsHeader));
    QCOMPARE(ReadBytes(history), QByteArray(4096, 'x')); // reported, never moved by an export
}

// The program keeps its connection open and writes on while an export reads: the export
// sees every run committed, with the mode named in the interface language.
void TestHistoryExport::exportReadsWhileTheProgramWrites() {
    const DataFolder data({"Anna"});
    HistoryDb program(data.path());
    for (const auto& [exercise, mode] : {std::pair("mnemo", 3), {"targets", 4}}) {
        HistoryRun run = samples::Run("Anna", exercise, mode, RunKind::Single, 0);
        QVERIFY(program.Append(run));
        SetLanguage(mode == 3 ? 1 : 2);
        const Exported e = Export(data.path(), data.folder.file("csv"));
        QVERIFY(e.runs.endsWith(
            mode == 3
                ? "1,Anna,mnemo,3,30,single,2026-11-28T19:00:10+01:00,23412,23.4,0,1\r\n"
                : "2,Anna,targets,4,джокер,single,2026-11-28T19:00:10+01:00,23412,23.4,0,1\r\n"));
    }
}

QTEST_GUILESS_MAIN(TestHistoryExport)
#include "tst_historyexport.moc"
