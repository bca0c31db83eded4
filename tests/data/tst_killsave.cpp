#include "KillLoop.h"
#include "data/DataFile.h"
#include "data/Errors.h"
#include "data/NumberFormat.h"
#include "data/RecordTables.h"
#include "data/StatsStore.h"

#include <QDateTime>
#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

// Saves cut off at random moments: a child process writes settings entries, inserts into a
// best-result table and appends statistics records without pause and is killed with SIGKILL;
// after every kill each file must read cleanly and hold exactly the state before or after
// the write that was cut off.
namespace {

const QString User = QStringLiteral("Anna");
constexpr int TargetsIndex = 3; // a table with a detail line per row
constexpr int TargetsMode = 1;
constexpr int StatsExercise = 0;
constexpr int StatsMode = 5;
constexpr int Keys = 5; // settings entries written in turn

// Write n (from 1) of the settings goes to entry n % Keys: an integer or a string whose
// length varies, so that entries move and the store changes size.
QString KeyName(int key) {
    return key == 0 ? QStringLiteral("Steps") : QStringLiteral("Entry%1").arg(key);
}
QString StringValue(int n) {
    return QStringLiteral("v%1:").arg(n) + QString(n % 41, QChar(0x0416)); // "Ж" repeated
}
void WriteSetting(TDataFile& file, int n) {
    const int key = n % Keys;
    if (key == 0)
        file.WriteInteger(QStringLiteral("COMMON"), KeyName(key), n);
    else
        file.WriteString(QStringLiteral("OPTIONS"), KeyName(key), StringValue(n));
}

QString Name(int n) {
    return QStringLiteral("U%1").arg(n);
}
QString Detail(int n) {
    return QStringLiteral(" [%1 / %2] ").arg(n % 7).arg(n);
}
QStringList Results(int n) {
    QStringList results;
    for (int i = 1; i <= StatsStore::RunsPerSeries; ++i)
        results.append(QStringLiteral("%1.%2").arg(n).arg(i));
    return results;
}
QDateTime Finished(int n) {
    return QDateTime(QDate(2024, 1, 1), QTime(0, 0)).addSecs(n);
}

// How many writes of each kind a folder's files hold.
struct Counts {
    int settings = 0;
    int table = 0;
    int stats = 0;
};

// The child: goes on from the counts found, one write after the other in a fixed turn
// (a setting, then the table, then the statistics), until it is killed.
[[noreturn]] void Writer(const QString& dir, Counts c) {
    try {
        TDataFile settings(dir + QStringLiteral("/oxel.ini"));
        const RecordTables tables(dir + QLatin1Char('/'));
        const StatsStore stats(dir + QLatin1Char('/'));
        for (;;) {
            if (c.table < c.settings) {
                ++c.table;
                if (tables.CheckAndInsert(TargetsIndex, TargetsMode, false, c.table,
                                          Name(c.table), Detail(c.table)) != 1)
                    _exit(3);
            } else if (c.stats < c.table) {
                ++c.stats;
                stats.Append(User, StatsExercise, StatsMode, Finished(c.stats), Results(c.stats));
            } else {
                ++c.settings;
                WriteSetting(settings, c.settings);
            }
            if (getppid() == 1)
                _exit(4); // the test is gone
        }
    } catch (...) {
        _exit(2);
    }
}

} // namespace

class TestKillSave : public QObject {
    Q_OBJECT

    QTemporaryDir folder;
    QString dir;

    // Reads every file back; fails unless each holds exactly the state after some number
    // of writes, and those numbers fit the writer's turn.
    void Check(const Counts& before, Counts& c) {
        c = Counts();
        [&] {
            TDataFile file(dir + QStringLiteral("/oxel.ini"));
            // The latest write is the largest number any entry holds.
            c.settings = file.ReadInteger(QStringLiteral("COMMON"), KeyName(0), 0);
            for (int key = 1; key < Keys; ++key) {
                const QString value =
                    file.ReadString(QStringLiteral("OPTIONS"), KeyName(key), QString());
                if (!value.isEmpty())
                    c.settings = qMax(c.settings, value.mid(1, value.indexOf(':') - 1).toInt());
            }
            for (int key = 0; key < Keys; ++key) {
                // The last write to this entry at or before the latest one.
                int n = c.settings - ((c.settings - key) % Keys + Keys) % Keys;
                if (key == 0) {
                    QCOMPARE(file.ReadInteger(QStringLiteral("COMMON"), KeyName(0), 0),
                             n > 0 ? n : 0);
                } else {
                    QCOMPARE(file.ReadString(QStringLiteral("OPTIONS"), KeyName(key), "-"),
                             n > 0 ? StringValue(n) : QStringLiteral("-"));
                }
            }
        }();
        if (QTest::currentTestFailed())
            return;

        const RecordTables::Table table =
            RecordTables(dir + QLatin1Char('/')).Load(TargetsIndex, TargetsMode, false);
        c.table = table[0].result.isEmpty() ? 0 : table[0].result.toInt();
        for (int r = 0; r < RecordTables::RowCount; ++r) {
            const int n = c.table - r;
            QCOMPARE(table[r].name, n > 0 ? Name(n) : QString());
            QCOMPARE(table[r].result, n > 0 ? QString::number(n) : QString());
            QCOMPARE(table[r].hint, n > 0 ? Detail(n) : QString());
        }

        const QList<StatsStore::Record> records =
            StatsStore(dir + QLatin1Char('/')).ReadRecords(User, StatsExercise, StatsMode);
        c.stats = static_cast<int>(records.size());
        for (int i = 0; i < records.size(); ++i) {
            const int n = c.stats - i;
            QCOMPARE(records[i].dateTime, FormatDateTime(Finished(n)));
            QCOMPARE(records[i].results, Results(n));
        }

        // Nothing is lost, and the writes are in the writer's turn: at most one of the three
        // files is a write ahead of the next.
        QVERIFY(c.settings >= before.settings && c.table >= before.table &&
                c.stats >= before.stats);
        QVERIFY2(c.settings >= c.table && c.table >= c.stats && c.stats >= c.settings - 1,
                 qPrintable(QStringLiteral("%1 %2 %3").arg(c.settings).arg(c.table).arg(c.stats)));
    }

private slots:
    void initTestCase() {
        QVERIFY(folder.isValid());
        dir = folder.path();
        QVERIFY(QDir(dir).mkpath(QStringLiteral("users/") + User + QStringLiteral("DB")));
        QVERIFY(QDir(dir).mkpath(QStringLiteral("rec")));
        RecordTables(dir + QLatin1Char('/')).NewRecordFile(TargetsIndex + 1);
    }

    void everyFileHoldsTheStateBeforeOrAfterTheCutWrite() {
        Counts counts;
        int between = 0; // kills that left the three files at different counts
        // Every save is synced to disk and takes some milliseconds: kill at any moment
        // within the first dozen writes or so.
        const auto write = [&] { Writer(dir, counts); };
        const auto check = [&] {
            const Counts before = counts;
            Check(before, counts);
            between += counts.settings != counts.stats;
        };
        const int kills = KillLoop(1, 60, write, check);
        KillUntil(120, write, check, [&] { return counts.stats > 0; });
        if (QTest::currentTestFailed())
            return;
        // Files left beside the real ones by saves that were cut off before their rename.
        int leftovers = 0;
        for (const QString& sub : {QStringLiteral("."), QStringLiteral("rec"),
                                   QStringLiteral("users/") + User + QStringLiteral("DB")}) {
            const QDir d(dir + QLatin1Char('/') + sub);
            leftovers += static_cast<int>(
                d.entryList(QDir::Files).filter(QRegularExpression("\\.[^.]{6}$")).size());
        }
        qInfo("%d kills: %d settings writes, %d table inserts, %d statistics records; "
              "%d kills between two files' writes, %d cut-off saves left a temporary file",
              kills, counts.settings, counts.table, counts.stats, between, leftovers);
        QVERIFY(counts.stats > 0);
    }
};

QTEST_GUILESS_MAIN(TestKillSave)
#include "tst_killsave.moc"
