#include "HistorySamples.h"
#include "KillLoop.h"
#include "history/HistoryDb.h"

#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

// History writes cut off at random moments: a child process appends runs without pause and
// is killed with SIGKILL; after every kill the database must pass PRAGMA integrity_check,
// open without being set aside, and hold every run it had before, each whole with all its
// presses.
namespace {

// Run n (from 1) has a press count that varies, so that runs span pages unevenly.
int PressCount(int n) {
    return 1 + (n * 37) % 160;
}

[[noreturn]] void Writer(const QString& dir, int runs) {
    HistoryDb db(dir);
    for (;;) {
        ++runs;
        HistoryRun run = samples::Run("Пётр", "shulte", 5, RunKind::Series, PressCount(runs),
                                      QString::number(runs));
        if (!db.Append(run) || run.id != runs)
            _exit(3);
        if (getppid() == 1)
            _exit(4); // the test is gone
    }
}

} // namespace

class TestKillHistory : public QObject {
    Q_OBJECT

    QTemporaryDir folder;

    // The number of whole runs in the database; fails unless every run is whole.
    void Check(int before, int& runs) {
        const QString path = folder.filePath("history.sqlite");
        QCOMPARE(samples::Query(path, "PRAGMA integrity_check").toString(), QStringLiteral("ok"));
        const HistoryDb db(folder.path());
        QCOMPARE(db.Problem(), QString());
        const QVector<HistoryRun> stored = db.Runs("Пётр", "shulte", 5);
        runs = static_cast<int>(stored.size());
        QVERIFY(runs >= before && (runs == 0 || stored.last().result == QString::number(runs)));
        int presses = 0;
        for (int n = 1; n <= runs; ++n)
            presses += PressCount(n);
        QCOMPARE(samples::Query(path, "SELECT count(*) FROM presses").toInt(), presses);
    }

private slots:
    void everyRunIsWholeOrAbsentAfterAKill() {
        QVERIFY(folder.isValid());
        int runs = 0;
        // The child takes tens of milliseconds to open the file and some more per run (far
        // more under the sanitizers): kill at any moment within the first runs.
        const auto write = [&] { Writer(folder.path(), runs); };
        const auto check = [&] {
            const int before = runs;
            Check(before, runs);
        };
        KillLoop(20, 160, write, check);
        KillUntil(320, write, check, [&] { return runs > 0; });
        qInfo("%d runs stored", runs);
        QVERIFY(runs > 0);
    }
};

QTEST_GUILESS_MAIN(TestKillHistory)
#include "tst_killhistory.moc"
