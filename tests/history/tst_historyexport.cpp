#include "HistorySamples.h"
#include "TestSupport.h"
#include "data/FileCipher.h"
#include "data/StatsStore.h"
#include "data/Text1251.h"
#include "data/UserFiles.h"
#include "history/CsvWriter.h"
#include "history/HistoryDb.h"
#include "history/HistoryExport.h"

#include <QDirIterator>
#include <QFile>
#include <QTest>
#include <QTextStream>

namespace {

constexpr char SeriesHeader[] =
    "user,exercise,mode,finished,result1,result2,result3,result4,result5,average\r\n";
constexpr char RunsHeader[] =
    "run,user,exercise,mode,kind,started,duration_ms,result,errors,completed\r\n";
constexpr char PressesHeader[] = "run,seq,t_ms,item,correct,reaction_ms,stage\r\n";

QByteArray Bytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

// Every file under the folder with its size: what an export must leave as it was (SQLite's
// own -wal and -shm of a read connection aside).
QStringList Listing(const QString& dir) {
    QStringList entries;
    QDirIterator it(dir, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        if (!it.fileName().endsWith("-wal") && !it.fileName().endsWith("-shm"))
            entries << it.filePath() + ':' + QString::number(it.fileInfo().size());
    }
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
    e.series = Bytes(outDir + "/series.csv");
    e.runs = Bytes(outDir + "/runs.csv");
    e.presses = Bytes(outDir + "/presses.csv");
    return e;
}

const QDateTime Evening(QDate(2026, 11, 28), QTime(19, 0, 10));
const QDateTime Midnight(QDate(2026, 11, 29), QTime(0, 0));

} // namespace

class TestHistoryExport : public QObject {
    Q_OBJECT

private slots:
    void fieldsAreQuotedAsCsvWants_data();
    void fieldsAreQuotedAsCsvWants();
    void everyUsersSeriesRunsAndPressesAreExported();
    void folderWithoutHistoryGivesHeadersOnly();
    void damagedFilesAreNamedAndTheRestExported();
    void oneUsersSelectionGoesToThreeFiles();
};

void TestHistoryExport::fieldsAreQuotedAsCsvWants_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("field");
    QTest::newRow("plain") << "23.4" << QByteArray("23.4");
    QTest::newRow("empty") << "" << QByteArray("");
    QTest::newRow("cyrillic") << "Пётр" << QByteArray("Пётр");
    QTest::newRow("comma") << "Иванов, Пётр" << QByteArray("\"Иванов, Пётр\"");
    QTest::newRow("quote") << "say \"ёж\"" << QByteArray("\"say \"\"ёж\"\"\"");
    QTest::newRow("line break") << "a\r\nb" << QByteArray("\"a\r\nb\"");
    QTest::newRow("blanks kept") << " a " << QByteArray(" a ");
}

void TestHistoryExport::fieldsAreQuotedAsCsvWants() {
    QFETCH(QString, text);
    QFETCH(QByteArray, field);
    QByteArray out;
    CsvWriter csv(out);
    csv.Text(text).Number(-5).Decimal(18.56).Optional(std::nullopt).Text(text);
    csv.EndRow();
    QCOMPARE(out, field + ",-5,18.6,," + field + "\r\n");
}

void TestHistoryExport::everyUsersSeriesRunsAndPressesAreExported() {
    const DataFolder data({"Пётр", "Иванов, Пётр", "Anna"});
    data.series("Anna", 0, 5, Evening, {"23.4", "21.9", "22.0", "20.7", "19.8"});
    data.series("Anna", 0, 5, Midnight, {"19.1", "18.0", "20", "17.5", "18.2"});
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
    QCOMPARE(e.series, QByteArray(SeriesHeader) +
                           "Anna,shulte,5,2026-11-28T19:00:10,23.4,21.9,22.0,20.7,19.8,21.6\r\n"
                           "Anna,shulte,5,2026-11-29T00:00:00,19.1,18.0,20,17.5,18.2,18.6\r\n"
                           "\"Иванов, Пётр\",targets,4,2026-11-28T19:00:10,117,120,98,130,101,"
                           "113.2\r\n");
    // The runs of a user no longer in the folder stay out.
    QCOMPARE(e.runs, QByteArray(RunsHeader) +
                         "1,Пётр,targets,1,series,2026-11-28T19:00:10+01:00,23412,117,0,1\r\n"
                         "3,Anna,shulte,5,ladder,2026-11-28T19:00:10+01:00,23412,9999,1,0\r\n");
    QCOMPARE(e.presses, QByteArray(PressesHeader) +
                            "1,1,251,\"\"\"ёж\"\", да\",1,301,1\r\n"
                            "1,2,502,2,1,302,1\r\n"
                            "3,1,251,1,1,,\r\n"
                            "3,2,502,2,1,,\r\n"
                            "3,3,753,3,0,,\r\n");
    QCOMPARE(Listing(data.path()), before);
}

void TestHistoryExport::folderWithoutHistoryGivesHeadersOnly() {
    const DataFolder data({"Anna"});
    const QStringList before = Listing(data.path());
    ProgramFolder out(false);
    const Exported e = Export(data.path(), out.path());
    QCOMPARE(e.code, 0);
    QCOMPARE(e.err, QString());
    QCOMPARE(e.series, QByteArray(SeriesHeader));
    QCOMPARE(e.runs, QByteArray(RunsHeader));
    QCOMPARE(e.presses, QByteArray(PressesHeader));
    QCOMPARE(Listing(data.path()), before); // no history.sqlite, no scratch file

    // An output folder that cannot be made, and a data folder that is not there.
    QVERIFY(Export(data.path(), out.file("series.csv/sub")).code == 1);
    const Exported missing = Export(out.file("nothing"), out.file("x"));
    QCOMPARE(missing.code, 1);
    QVERIFY(missing.err.contains("nothing"));
    QVERIFY(!QFileInfo::exists(out.file("x")));
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
    QCOMPARE(e.series, QByteArray(SeriesHeader) +
                           "Anna,shulte,5,2026-11-28T19:00:10,23.4,21.9,22.0,20.7,19.8,21.6\r\n"
                           "Anna,shulte,7,2026-11-29T10:00:00,1,2,3,4,5,3.0\r\n");
    QCOMPARE(e.runs, QByteArray(RunsHeader));
    QCOMPARE(Bytes(history), QByteArray(4096, 'x')); // reported, never moved by an export
}

void TestHistoryExport::oneUsersSelectionGoesToThreeFiles() {
    const DataFolder data({"Anna", "Boris"});
    data.series("Anna", 0, 5, Evening, {"23.4", "21.9", "22.0", "20.7", "19.8"});
    data.series("Anna", 0, 7, Evening, {"33", "31", "32", "30", "29"});
    {
        HistoryDb db(data.path());
        for (const auto& [user, mode] : {std::pair("Anna", 7), {"Anna", 5}, {"Boris", 5}}) {
            HistoryRun run = samples::Run(user, "shulte", mode, RunKind::Single, 1);
            QVERIFY(db.Append(run));
        }
    }
    ProgramFolder out(false);
    const ExportReport report =
        ExportUser(data.path(), {"Anna", "shulte", 5}, out.file("Anna.csv"));
    QCOMPARE(report.problems, QStringList());
    QCOMPARE(report.written, QStringList({out.file("Anna-series.csv"), out.file("Anna-runs.csv"),
                                          out.file("Anna-presses.csv")}));
    QCOMPARE(Bytes(report.written[0]),
             QByteArray(SeriesHeader) +
                 "Anna,shulte,5,2026-11-28T19:00:10,23.4,21.9,22.0,20.7,19.8,21.6\r\n");
    QCOMPARE(Bytes(report.written[1]),
             QByteArray(RunsHeader) +
                 "2,Anna,shulte,5,single,2026-11-28T19:00:10+01:00,23412,23.4,0,1\r\n");
    QCOMPARE(Bytes(report.written[2]), QByteArray(PressesHeader) + "2,1,251,1,1,,\r\n");
}

QTEST_GUILESS_MAIN(TestHistoryExport)
#include "tst_historyexport.moc"
