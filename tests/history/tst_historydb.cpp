#include "HistorySamples.h"
#include "TestSupport.h"
#include "history/HistoryDb.h"
#include "history/HistorySchema.h"
#include "data/Texts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTest>

namespace {

void CompareRuns(const HistoryRun& got, const HistoryRun& want) {
    QCOMPARE(got.id, want.id);
    QCOMPARE(got.user, want.user);
    QCOMPARE(got.exercise, want.exercise);
    QCOMPARE(got.mode, want.mode);
    QCOMPARE(got.kind, want.kind);
    QCOMPARE(got.started, want.started);
    QCOMPARE(got.started.offsetFromUtc(), want.started.offsetFromUtc());
    QCOMPARE(got.durationMs, want.durationMs);
    QCOMPARE(got.result, want.result);
    QCOMPARE(got.errors, want.errors);
    QCOMPARE(got.completed, want.completed);
    QCOMPARE(got.boardCols, want.boardCols);
    QCOMPARE(got.boardRows, want.boardRows);
}

QByteArray FileBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

} // namespace

class TestHistoryDb : public QObject {
    Q_OBJECT

private slots:
    void runsAndPressesReadBackWithTheirKinds();
    void damagedFileIsSetAsideAndANewOneWorks_data();
    void damagedFileIsSetAsideAndANewOneWorks();
    void unusableFolderIsReportedNotThrown();
    void failedMigrationStepKeepsTheVersionBefore();
};

void TestHistoryDb::runsAndPressesReadBackWithTheirKinds() {
    ProgramFolder folder(false);
    QVector<HistoryRun> stored = {
        samples::Run("Пётр", "shulte", 5, RunKind::Single, 25),
        samples::Run("Пётр", "targets", 1, RunKind::Series, 40, "117"),
        samples::Run("Пётр", "shulte", 5, RunKind::Ladder, 0, "9999"),
        samples::Run("Anna", "shulte", 5, RunKind::Series, 3),
        samples::Run("Пётр", "shulte", 7, RunKind::Single, 3),
    };
    stored[2].started = QDateTime(QDate(2026, 3, 29), QTime(1, 59, 59), QTimeZone(-4 * 3600));
    {
        HistoryDb db(folder.path());
        QVERIFY(db.IsOpen());
        QCOMPARE(db.Problem(), QString());
        for (HistoryRun& run : stored) {
            QVERIFY(db.Append(run));
            QVERIFY(run.id > 0);
        }
    }
    const QString path = folder.file("history.sqlite");
    QCOMPARE(samples::Query(path, "PRAGMA journal_mode").toString(), QStringLiteral("wal"));
    QCOMPARE(samples::Query(path, "PRAGMA user_version").toInt(), HistorySchema::LatestVersion());
    QCOMPARE(samples::Query(path, "SELECT group_concat(kind) FROM runs").toString(),
             QStringLiteral("single,series,ladder,series,single"));
    QCOMPARE(samples::Query(path, "SELECT started FROM runs WHERE id = 3").toString(),
             QStringLiteral("2026-03-29T01:59:59-04:00"));

    // A second instance beside the first: each has its own connection.
    HistoryDb db(folder.path());
    HistoryDb other(folder.path());
    QVERIFY(db.IsOpen() && other.IsOpen());
    const QVector<HistoryRun> runs = db.Runs("Пётр", "shulte", 5);
    QCOMPARE(runs.size(), 2);
    CompareRuns(runs[0], stored[0]);
    CompareRuns(runs[1], stored[2]);
    QVERIFY(runs[0].presses.isEmpty());
    QCOMPARE(other.Runs("Пётр", "shulte", 7).size(), 1);

    for (const HistoryRun& want : stored) {
        const std::optional<HistoryRun> got = other.Run(want.id);
        QVERIFY(got);
        CompareRuns(*got, want);
        QCOMPARE(got->presses.size(), want.presses.size());
        for (int i = 0; i < want.presses.size(); ++i) {
            const HistoryPress& p = got->presses[i];
            const HistoryPress& w = want.presses[i];
            QCOMPARE(p.seq, w.seq);
            QCOMPARE(p.tMs, w.tMs);
            QCOMPARE(p.item, w.item);
            QCOMPARE(p.cell, w.cell);
            QCOMPARE(p.correct, w.correct);
            QCOMPARE(p.reactionMs, w.reactionMs);
            QCOMPARE(p.stage, w.stage);
        }
    }
    QVERIFY(!db.Run(stored.size() + 1));
}

void TestHistoryDb::damagedFileIsSetAsideAndANewOneWorks_data() {
    QTest::addColumn<QString>("damage");
    QTest::addColumn<QString>("reason");
    QTest::newRow("not a database") << "garbage" << "file is not a database";
    QTest::newRow("newer version") << "newer" << T(Tx::HistoryNewerVersion).arg(7);
    QTest::newRow("broken page") << "page" << T(Tx::HistoryCheckFailed).arg("*** in database");
}

void TestHistoryDb::damagedFileIsSetAsideAndANewOneWorks() {
    QFETCH(QString, damage);
    QFETCH(QString, reason);
    TestSeams seams;
    seams.clock.now = QDateTime(QDate(2026, 12, 9), QTime(13, 45, 1)).toMSecsSinceEpoch();
    ProgramFolder folder(false);
    const QString path = folder.file("history.sqlite");
    if (damage == "garbage") {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(8192, 'x'));
    } else {
        {
            HistoryDb db(folder.path());
            for (int i = 0; i < 30; ++i) {
                HistoryRun run = samples::Run("Anna", "shulte", 5, RunKind::Single, 100);
                QVERIFY(db.Append(run));
            }
        }
        if (damage == "newer") {
            samples::Query(path, "PRAGMA user_version = 7");
        } else {
            // Overwrite the middle of the file: pages of the presses' tree.
            QFile f(path);
            QVERIFY(f.open(QIODevice::ReadWrite));
            QVERIFY(f.seek(f.size() / 2));
            f.write(QByteArray(8192, '\x5A'));
        }
    }
    QFile wal(path + "-wal");
    QVERIFY(wal.open(QIODevice::WriteOnly));
    wal.write("left over");
    wal.close();
    const QByteArray damaged = FileBytes(path);
    // A file set aside before in the same second is never replaced.
    const QString earlier = "history.sqlite.damaged-20261209-134501";
    QFile before(folder.file(earlier));
    QVERIFY(before.open(QIODevice::WriteOnly));
    before.write("earlier");
    before.close();

    {
        // Reading alone never moves a file.
        const HistoryDb reader(folder.path(), HistoryDb::Access::ReadOnly);
        QVERIFY(!reader.IsOpen());
        QVERIFY2(reader.Problem().contains(reason), qPrintable(reader.Problem()));
        QCOMPARE(FileBytes(path), damaged);
        QCOMPARE(FileBytes(path + "-wal"), QByteArray("left over"));
    }

    HistoryDb db(folder.path());
    QVERIFY(db.IsOpen());
    const QString aside = earlier + "-2";
    QVERIFY2(db.Problem().contains(aside) && db.Problem().contains(reason),
             qPrintable(db.Problem()));
    QCOMPARE(FileBytes(folder.file(earlier)), QByteArray("earlier"));
    QCOMPARE(FileBytes(folder.file(aside)), damaged);
    QCOMPARE(FileBytes(folder.file(aside + "-wal")), QByteArray("left over"));
    HistoryRun run = samples::Run("Anna", "mnemo", 2, RunKind::Series, 10);
    QVERIFY(db.Append(run));
    QCOMPARE(run.id, 1);
    QCOMPARE(db.Run(1)->presses.size(), 10);
}

void TestHistoryDb::unusableFolderIsReportedNotThrown() {
    ProgramFolder folder(false);
    const QString missing = folder.file("no/such/folder");
    HistoryDb db(missing);
    QVERIFY(!db.IsOpen());
    QVERIFY(db.Problem().contains("history.sqlite"));
    HistoryRun run = samples::Run("Anna", "shulte", 5, RunKind::Single, 3);
    QVERIFY(!db.Append(run));
    QCOMPARE(run.id, 0);
    QVERIFY(db.Runs("Anna", "shulte", 5).isEmpty());
    QVERIFY(!QFileInfo::exists(missing));

    const HistoryDb reader(folder.path(), HistoryDb::Access::ReadOnly);
    QVERIFY(!reader.IsOpen());
    QCOMPARE(reader.Problem(), QString());
    QVERIFY(!QFileInfo::exists(folder.file("history.sqlite")));
}

void TestHistoryDb::failedMigrationStepKeepsTheVersionBefore() {
    ProgramFolder folder(false);
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "steps");
        db.setDatabaseName(folder.file("steps.sqlite"));
        QVERIFY(db.open());
        const HistorySchema::Step steps[] = {
            {1, {"CREATE TABLE a (x)"}},
            {2, {"CREATE TABLE b (x)", "INSERT INTO b VALUES (1)"}},
            {3, {"CREATE TABLE c (x)", "NOT SQL"}},
        };
        QString error;
        QVERIFY(HistorySchema::Migrate(db, 0, std::span(steps, 1), error));
        QVERIFY(!HistorySchema::Migrate(db, 1, steps, error));
        QVERIFY(!error.isEmpty());
        QSqlQuery query("PRAGMA user_version", db);
        QVERIFY(query.next());
        QCOMPARE(query.value(0).toInt(), 2);
        QVERIFY(db.tables().contains("b"));
        QVERIFY(!db.tables().contains("c"));
        db.close();
    }
    QSqlDatabase::removeDatabase("steps");
}

QTEST_GUILESS_MAIN(TestHistoryDb)
#include "tst_historydb.moc"
