#include "TestSupport.h"
#include "data/FolderStart.h"
#include "data/InstanceLock.h"

#include <QDir>
#include <QFile>
#include <QSysInfo>
#include <QtTest>

class TestInstanceLock : public QObject {
    Q_OBJECT

private slots:
    void firstCopyTakesTheLock();
    void secondCopyInTheSameFolderIsRefused();
    void lockCanBeTakenAgainAfterRelease();
    void endingTheFirstCopyReleasesTheLock();
    void copiesInOtherFoldersDoNotMeet();
    void oldLockOfARunningCopyIsNotTakenOver();
    void lockOfACrashedCopyIsTakenOver();
    void folderThatCannotHoldALockDoesNotClaimASecondCopy();
    void secondCopyIsWarned();
};

void TestInstanceLock::firstCopyTakesTheLock() {
    ProgramFolder folder(false);
    InstanceLock lock(folder.path());
    QVERIFY(lock.Acquire());
    QVERIFY(lock.Held());
    QVERIFY(QFile::exists(folder.file(InstanceLock::FileName)));
    QVERIFY(lock.Acquire()); // asking again keeps it
}

void TestInstanceLock::secondCopyInTheSameFolderIsRefused() {
    ProgramFolder folder(false);
    InstanceLock first(folder.path());
    InstanceLock second(folder.path());
    QVERIFY(first.Acquire());
    QVERIFY(!second.Acquire());
    QVERIFY(!second.Held());
    QVERIFY(first.Held());
}

void TestInstanceLock::lockCanBeTakenAgainAfterRelease() {
    ProgramFolder folder(false);
    InstanceLock first(folder.path());
    InstanceLock second(folder.path());
    QVERIFY(first.Acquire());
    first.Release();
    QVERIFY(!first.Held());
    QVERIFY(!QFile::exists(folder.file(InstanceLock::FileName)));
    QVERIFY(second.Acquire());
    QVERIFY(!first.Acquire());
}

void TestInstanceLock::endingTheFirstCopyReleasesTheLock() {
    ProgramFolder folder(false);
    {
        InstanceLock first(folder.path());
        QVERIFY(first.Acquire());
    }
    InstanceLock second(folder.path());
    QVERIFY(second.Acquire());
}

void TestInstanceLock::copiesInOtherFoldersDoNotMeet() {
    ProgramFolder one(false);
    ProgramFolder two(false);
    InstanceLock first(one.path());
    InstanceLock second(two.path());
    QVERIFY(first.Acquire());
    QVERIFY(second.Acquire());
}

void TestInstanceLock::oldLockOfARunningCopyIsNotTakenOver() {
    // A copy that has run for hours still holds its folder.
    ProgramFolder folder(false);
    InstanceLock first(folder.path());
    QVERIFY(first.Acquire());
    QFile file(folder.file(InstanceLock::FileName));
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(-6 * 3600),
                             QFileDevice::FileModificationTime));
    file.close();
    InstanceLock second(folder.path());
    QVERIFY(!second.Acquire());
}

void TestInstanceLock::lockOfACrashedCopyIsTakenOver() {
    // The lock file of a copy that ended without removing it: its process id no longer runs
    // (larger than any process id the system hands out).
    ProgramFolder folder(false);
    QFile file(folder.file(InstanceLock::FileName));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("1073741823\n" + QCoreApplication::applicationName().toUtf8() + '\n' +
               QSysInfo::machineHostName().toUtf8() + '\n');
    file.close();
    InstanceLock lock(folder.path());
    QVERIFY(lock.Acquire());
    QVERIFY(lock.Held());
}

void TestInstanceLock::folderThatCannotHoldALockDoesNotClaimASecondCopy() {
    ProgramFolder folder(false);
    InstanceLock lock(folder.file("missing/folder"));
    QVERIFY(lock.Acquire());
    QVERIFY(!lock.Held());
}

void TestInstanceLock::secondCopyIsWarned() {
    TestSeams seams;
    ProgramFolder folder(false);
    FolderStart first(folder.path(), {}, {}, {});
    FolderStart second(folder.path(), {}, {}, {});
    QVERIFY(FolderStart::MayRun(first.Open()));
    QVERIFY(seams.dialogs.messages.isEmpty());
    QVERIFY(!FolderStart::MayRun(second.Open()));
    QCOMPARE(seams.dialogs.messages, QStringList({QString::fromUtf8("Oxelium уже запущенО!")}));
}

QTEST_GUILESS_MAIN(TestInstanceLock)
#include "tst_instancelock.moc"
