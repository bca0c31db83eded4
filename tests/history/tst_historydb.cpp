#include "FileBytes.h"
#include "HistorySamples.h"
#include "OrdinaryUser.h"
#include "TestSupport.h"
#include "data/Texts.h"
#include "history/HistoryDb.h"
#include "history/HistoryJournal.h"
#include "history/HistorySchema.h"

#include <QDir>
#include <QFileInfo>
#include <QTest>

namespace {

// Every field of a run and its presses, so that one comparison shows what differs.
QString Describe(const HistoryRun& r) {
    QStringList parts = {r.user, r.exercise, RunKindName(r.kind), StartedText(r.started), r.result};
    for (const qint64 n : {r.id, qint64(r.mode), r.durationMs, qint64(r.errors),
                           qint64(r.completed), qint64(r.boardCols), qint64(r.boardRows)})
        parts << QString::number(n);
    for (const HistoryPress& p : r.presses) {
        parts << p.item;
        for (const qint64 n : {qint64(p.seq), p.tMs, qint64(p.cell), qint64(p.correct),
                               qint64(p.reactionMs.value_or(-1)), qint64(p.stage.value_or(-1))})
            parts << QString::number(n);
    }
    return parts.join(' ');
}

// Three-press runs of the users, one each, in a history of the folder.
void AppendRuns(const QString& dir, const QStringList& users) {
    HistoryDb db(dir);
    for (const QString& user : users) {
        HistoryRun run = samples::Run(user, "shulte", 5, RunKind::Single, 3);
        QVERIFY(db.Append(run));
    }
}

} // namespace

class TestHistoryDb : public QObject {
    Q_OBJECT

private slots:
    void runsAndPressesReadBackWithTheirKinds();
    void damagedFileIsSetAsideAndANewOneWorks_data();
    void damagedFileIsSetAsideAndANewOneWorks();
    void unusableFolderIsReportedNotThrown();
    void newerVersionIsReadAndNeverWritten();
    void readOnlyMediaAreRead();
    void deletingAUserRemovesTheirRunsAndPresses();
    void journalFollowsTheFileSystem();
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
        for (HistoryRun& run : stored)
            QVERIFY(db.Append(run));
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
    HistoryRun withoutPresses = stored[0];
    withoutPresses.presses.clear();
    QCOMPARE(Describe(runs[0]), Describe(withoutPresses));
    QCOMPARE(runs[1].id, stored[2].id);
    QCOMPARE(runs[1].started.offsetFromUtc(), -4 * 3600);
    QCOMPARE(other.Runs("Пётр", "shulte", 7).size(), 1);
    for (const HistoryRun& want : stored)
        QCOMPARE(Describe(other.Run(want.id).value_or(HistoryRun())), Describe(want));
    QVERIFY(!db.Run(stored.size() + 1));
}

void TestHistoryDb::damagedFileIsSetAsideAndANewOneWorks_data() {
    QTest::addColumn<QString>("damage");
    QTest::addColumn<QString>("reason");
    QTest::newRow("not a database") << "garbage"
                                    << "file is not a database";
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
        WriteBytes(path, QByteArray(8192, 'x'));
    } else {
        {
            HistoryDb db(folder.path());
            for (int i = 0; i < 30; ++i) {
                HistoryRun run = samples::Run("Anna", "shulte", 5, RunKind::Single, 100);
                QVERIFY(db.Append(run));
            }
        }
        // Overwrite the middle of the file: pages of the presses' tree.
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadWrite));
        QVERIFY(f.seek(f.size() / 2));
        f.write(QByteArray(8192, '\x5A'));
    }
    WriteBytes(path + "-wal", "left over");
    const QByteArray damaged = ReadBytes(path);
    // A file set aside before in the same second is never replaced.
    const QString earlier = "history.sqlite.damaged-20261209-134501";
    WriteBytes(folder.file(earlier), "earlier");

    {
        // Reading alone never moves a file.
        const HistoryDb reader(folder.path(), HistoryDb::Access::ReadOnly);
        QVERIFY(!reader.IsOpen());
        QVERIFY2(reader.Problem().contains(reason), qPrintable(reader.Problem()));
        QCOMPARE(ReadBytes(path), damaged);
        QCOMPARE(ReadBytes(path + "-wal"), QByteArray("left over"));
    }

    HistoryDb db(folder.path());
    QVERIFY(db.IsOpen());
    const QString aside = earlier + "-2";
    QVERIFY2(db.Problem().contains(aside) && db.Problem().contains(reason),
             qPrintable(db.Problem()));
    QCOMPARE(ReadBytes(folder.file(earlier)), QByteArray("earlier"));
    QCOMPARE(ReadBytes(folder.file(aside)), damaged);
    QCOMPARE(ReadBytes(folder.file(aside + "-wal")), QByteArray("left over"));
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
}

// A newer version's file, with a column and a table this build does not know: read as far as
// it is understood, never written, moved or changed, whatever this program does with it.
void TestHistoryDb::newerVersionIsReadAndNeverWritten() {
    ProgramFolder folder(false);
    const QString path = folder.file("history.sqlite");
    AppendRuns(folder.path(), {"Anna", "Anna", "Anna"});
    for (const char* step :
         {"ALTER TABLE runs ADD COLUMN rating INTEGER",
          "CREATE TABLE goals (user TEXT, target REAL)", "PRAGMA user_version = 7"})
        samples::Query(path, step);
    const QByteArray newer = ReadBytes(path);
    {
        HistoryDb db(folder.path());
        QVERIFY(db.IsOpen() && db.IsReadOnly());
        QCOMPARE(db.Problem(), T(Tx::HistoryNewerReadOnly).arg(path).arg(7));
        QCOMPARE(db.Runs("Anna", "shulte", 5).size(), 3);
        QCOMPARE(db.Run(2)->presses.size(), 3);
        HistoryRun run = samples::Run("Anna", "shulte", 5, RunKind::Single, 4);
        QVERIFY(!db.Append(run) && run.id == 0 && !db.DeleteUser("Anna"));
        QVERIFY(HistoryDb(folder.path(), HistoryDb::Access::ReadOnly).Problem().isEmpty());
    }
    QVERIFY(HistoryDb::DeleteUserRuns(folder.path(), "Anna").contains(path));
    QCOMPARE(ReadBytes(path), newer);
    QCOMPARE(QDir(folder.path()).entryList({"*damaged*"}), QStringList());
}

// A backup on media nobody may write: WAL's shared-memory file cannot be made beside it.
void TestHistoryDb::readOnlyMediaAreRead() {
    ProgramFolder folder(false);
    AppendRuns(folder.path(), {"Anna", "Anna"});
    const int runs = RunAsOrdinaryUser(folder.path(), [&] {
        QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::ExeOwner);
        const HistoryDb db(folder.path(), HistoryDb::Access::ReadOnly);
        return int(db.Runs("Anna", "shulte", 5).size());
    });
    QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QCOMPARE(runs, 2);
}

void TestHistoryDb::deletingAUserRemovesTheirRunsAndPresses() {
    ProgramFolder folder(false);
    // No history: nothing to delete, and none is made for it.
    QCOMPARE(HistoryDb::DeleteUserRuns(folder.path(), "Bob"), QString());
    QVERIFY(!QFileInfo::exists(folder.file("history.sqlite")));
    AppendRuns(folder.path(), {"Пётр", "Anna", "пётр", "ПЁТР", "Пётра"});
    QCOMPARE(HistoryDb::DeleteUserRuns(folder.path(), "пЁтр"), QString());
    QStringList users;
    int presses = 0;
    QVERIFY(HistoryDb(folder.path(), HistoryDb::Access::ReadOnly)
                .Scan(
                    {}, [&](const HistoryRun& run) { users << run.user; },
                    [&](qint64, const HistoryPress&) { ++presses; }));
    QCOMPARE(users, QStringList({"Anna", "Пётра"}));
    QCOMPARE(presses, 6);
}

void TestHistoryDb::journalFollowsTheFileSystem() {
    // ext4, tmpfs, unknown; NFS, SMB, CIFS, SMB2, FUSE.
    for (const long local : {0xEF53L, 0x01021994L, 0L})
        QCOMPARE(HistoryJournal::ModeFor(local), QStringLiteral("WAL"));
    for (const long network : {0x6969L, 0x517BL, 0xFF534D42L, 0xFE534D42L, 0x65735546L})
        QCOMPARE(HistoryJournal::ModeFor(network), QStringLiteral("DELETE"));
    QVERIFY(HistoryJournal::FileSystemType(QDir::tempPath()) != 0);
}

QTEST_GUILESS_MAIN(TestHistoryDb)
#include "tst_historydb.moc"
