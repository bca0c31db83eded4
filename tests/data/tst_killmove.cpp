#include "FileBytes.h"
#include "KillLoop.h"
#include "data/FolderStart.h"
#include "data/InterfaceLanguage.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>

#include <sys/wait.h>
#include <unistd.h>

// The first start's move of an earlier version's data against other starts and kills: two
// starts at once, and a start killed at a random moment of its move followed by one more,
// must leave the data folder absent or whole, never half. 300 statistics files, 10 users.
class TestKillMove : public QObject {
    Q_OBJECT

    QTemporaryDir root;
    QString legacy = root.filePath("build");
    QString home = root.filePath("home/oxelium");
    QMap<QString, QByteArray> files;

    DataFolder::Choice Start() const { return FolderStart({}, home, legacy, {}).Open(); }
    bool Whole() const {
        QMap<QString, QByteArray> now = FolderBytes(home);
        now.remove(InstanceLock::FileName);
        return now == files && QFileInfo(home + "/users/EmptyDB").isDir();
    }

private slots:
    void initTestCase() {
        for (int f = 0; f < 300; ++f) {
            const QString user = QStringLiteral("users/User%1").arg(f % 10);
            QDir(legacy).mkpath(user + "DB");
            WriteBytes(QDir(legacy).filePath(user + ".dat"), user.toUtf8());
            WriteBytes(QDir(legacy).filePath(user + QStringLiteral("DB/shulte%1.db").arg(f)),
                       QByteArray(200 + f, char(f)));
        }
        QDir(legacy).mkpath("users/EmptyDB");
        WriteBytes(QDir(legacy).filePath("oxel.ini"), "settings");
        files = FolderBytes(legacy);
    }

    void twoStartsAtTheSameMomentLeaveTheFolderWhole() {
        for (int round = 0; round < 4; ++round) {
            int go[2];
            QVERIFY(::pipe(go) == 0);
            pid_t children[2];
            for (pid_t& child : children)
                if ((child = ::fork()) == 0) {
                    char byte;
                    ::close(go[1]);
                    FolderStart start({}, home, legacy, {});
                    const DataFolder::Choice choice =
                        ::read(go[0], &byte, 1) == 1 ? start.Open() : DataFolder::Choice{};
                    if (!choice.error.isEmpty() || choice.path.isEmpty())
                        ::_exit(2);
                    if (choice.running)
                        ::_exit(1);
                    // The copy that runs writes its settings, and stays for the other to meet.
                    InterfaceLanguage::Settle(home + "/oxel.ini", "ru_RU");
                    QTest::qSleep(300);
                    ::_exit(0);
                }
            ::close(go[0]);
            QCOMPARE(::write(go[1], "gg", 2), 2);
            ::close(go[1]);
            int ran = 0;
            for (const pid_t child : children) {
                int status = 0;
                QCOMPARE(::waitpid(child, &status, 0), child);
                QVERIFY(WIFEXITED(status) && WEXITSTATUS(status) <= 1);
                ran += WEXITSTATUS(status) == 0;
            }
            QVERIFY(ran >= 1 && Whole());
            QDir(home).removeRecursively();
        }
        // A start while another holds the lock beside the folder (moving) changes nothing.
        InstanceLock moving(root.filePath("home"), DataFolder::LockBesideName(home));
        QVERIFY(moving.Acquire() && Start().running && !QFileInfo::exists(home));
    }

    void killedMoveIsWholeAfterOneMoreStart() {
        // Kills spread over the whole move and after it (a forked copy moves more slowly).
        QElapsedTimer clock;
        clock.start();
        QVERIFY(Start().error.isEmpty());
        const int moveMs = int(clock.elapsed());
        QDir(home).removeRecursively();
        int absent = 0;
        const int kills = KillLoop(
            1, 2 + moveMs * 3,
            [&] {
                FolderStart start({}, home, legacy, {});
                start.Open();
                for (;;)
                    ::pause();
            },
            [&] {
                const bool there = QFileInfo::exists(home);
                absent += !there;
                QVERIFY(!there || Whole());
                const DataFolder::Choice choice = Start();
                QVERIFY(choice.error.isEmpty() && !choice.running && Whole());
                QVERIFY(!QFileInfo::exists(DataFolder::MovingPath(home)));
                QDir(home).removeRecursively();
            },
            20);
        qInfo("%d kills over a move of %d ms, %d before the folder was in place", kills, moveMs,
              absent);
    }
};

QTEST_GUILESS_MAIN(TestKillMove)
#include "tst_killmove.moc"
