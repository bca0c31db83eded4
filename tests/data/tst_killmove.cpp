#include "FileBytes.h"
#include "KillLoop.h"
#include "data/DataFolder.h"
#include "data/FolderStart.h"
#include "data/InstanceLock.h"
#include "data/InterfaceLanguage.h"

#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>

#include <sys/wait.h>
#include <unistd.h>

// The first start's move of an earlier version's data against other starts and kills: two
// starts at the same moment, and a start killed at a random moment of its move followed by
// one more start, must each leave the data folder absent or whole, never half.
namespace {

constexpr int Users = 10;
constexpr int StatsPerUser = 30; // 300 statistics files, each user with a folder

class Earlier {
public:
    Earlier() : legacy_(dir_.filePath("build")), home_(dir_.filePath("home/oxelium")) {
        Put("oxel.ini", "settings");
        for (int u = 0; u < Users; ++u) {
            const QString user = QStringLiteral("users/User%1").arg(u);
            Put(user + ".dat", user.toUtf8());
            for (int f = 0; f < StatsPerUser; ++f)
                Put(user + QStringLiteral("DB/shulte%1.db").arg(f), QByteArray(200 + f, char(u)));
        }
        QDir(legacy_).mkpath("users/EmptyDB");
        Put("rec/shulte.rec", "table");
        files_ = FolderBytes(legacy_);
    }
    const QString& legacy() const { return legacy_; }
    const QString& home() const { return home_; }
    // The data folder as the move must leave it, its lock aside.
    bool Whole() const {
        QMap<QString, QByteArray> files = FolderBytes(home_);
        files.remove(InstanceLock::FileName);
        return files == files_ && QFileInfo(home_ + "/users/EmptyDB").isDir();
    }
    void Reset() const { QDir(home_).removeRecursively(); }

private:
    void Put(const QString& relative, const QByteArray& bytes) {
        const QString path = QDir(legacy_).filePath(relative);
        QDir().mkpath(QFileInfo(path).path());
        WriteBytes(path, bytes);
    }
    QTemporaryDir dir_;
    QString legacy_;
    QString home_;
    QMap<QString, QByteArray> files_;
};

// What a start in a child process reports as its exit code.
enum Outcome { Ran = 0, Refused = 1, Failed = 2 };

} // namespace

class TestKillMove : public QObject {
    Q_OBJECT

private slots:
    void twoStartsAtTheSameMomentLeaveTheFolderWhole() {
        const Earlier earlier;
        for (int round = 0; round < 4 && !QTest::currentTestFailed(); ++round) {
            int go[2];
            QVERIFY(::pipe(go) == 0);
            pid_t children[2];
            for (pid_t& child : children) {
                child = ::fork();
                if (child == 0) {
                    char byte;
                    ::close(go[1]);
                    if (::read(go[0], &byte, 1) != 1)
                        ::_exit(Failed);
                    FolderStart start({}, earlier.home(), earlier.legacy(), {});
                    const DataFolder::Choice choice = start.Open();
                    if (!choice.error.isEmpty())
                        ::_exit(Failed);
                    if (choice.running)
                        ::_exit(Refused);
                    // The copy that runs writes its settings as the program does, and stays
                    // a while, so that the other one meets it.
                    InterfaceLanguage::Settle(earlier.home() + "/oxel.ini", "ru_RU");
                    QTest::qSleep(300);
                    ::_exit(Ran);
                }
            }
            ::close(go[0]);
            QCOMPARE(::write(go[1], "gg", 2), 2);
            ::close(go[1]);
            QList<int> outcomes;
            for (const pid_t child : children) {
                int status = 0;
                QCOMPARE(::waitpid(child, &status, 0), child);
                QVERIFY(WIFEXITED(status));
                outcomes << WEXITSTATUS(status);
            }
            std::sort(outcomes.begin(), outcomes.end());
            QVERIFY2(outcomes == QList<int>({Ran, Refused}) || outcomes == QList<int>({Ran, Ran}),
                     qPrintable(QStringLiteral("%1 %2").arg(outcomes[0]).arg(outcomes[1])));
            QVERIFY(earlier.Whole());
            earlier.Reset();
        }
    }

    void startWhileAnotherMovesChangesNothing() {
        const Earlier earlier;
        const QString parent = QFileInfo(earlier.home()).path();
        QVERIFY(QDir().mkpath(parent));
        InstanceLock moving(parent, DataFolder::LockBesideName(earlier.home()));
        QVERIFY(moving.Acquire() && moving.Held());
        FolderStart start({}, earlier.home(), earlier.legacy(), {});
        const DataFolder::Choice choice = start.Open();
        QVERIFY(choice.running && choice.error.isEmpty() && choice.moved.isEmpty());
        QVERIFY(!QFileInfo::exists(earlier.home()));
        QVERIFY(!QFileInfo::exists(DataFolder::MovingPath(earlier.home())));
    }

    void killedMoveIsWholeAfterOneMoreStart() {
        const Earlier earlier;
        // Kills spread over the whole move: from its start to a little after it ends.
        QElapsedTimer clock;
        clock.start();
        {
            FolderStart start({}, earlier.home(), earlier.legacy(), {});
            QVERIFY(start.Open().error.isEmpty());
        }
        const int moveMs = int(clock.elapsed());
        earlier.Reset();
        int absent = 0;
        const int kills = KillLoop(
            1, 2 + moveMs * 5 / 4,
            [&] {
                FolderStart start({}, earlier.home(), earlier.legacy(), {});
                start.Open();
                for (;;)
                    ::pause();
            },
            [&] {
                // Absent or whole, never half.
                if (QFileInfo::exists(earlier.home()))
                    QVERIFY(earlier.Whole());
                else
                    ++absent;
                {
                    FolderStart start({}, earlier.home(), earlier.legacy(), {});
                    const DataFolder::Choice choice = start.Open();
                    QCOMPARE(choice.error, QString());
                    QVERIFY(!choice.running);
                    QVERIFY(earlier.Whole());
                    QVERIFY(!QFileInfo::exists(DataFolder::MovingPath(earlier.home())));
                }
                earlier.Reset();
            },
            20);
        qInfo("%d kills over a move of %d ms, %d of them before the folder was in place", kills,
              moveMs, absent);
        QVERIFY(kills > 0);
    }
};

QTEST_GUILESS_MAIN(TestKillMove)
#include "tst_killmove.moc"
