// The data folder apart from the delivered files: where a file is read, where an edited list
// is written, and how the data an earlier version kept beside the executable moves in.
#include "FileBytes.h"
#include "TestSupport.h"
#include "data/DataFolder.h"
#include "data/Dictionaries.h"
#include "data/FileLookup.h"
#include "data/Text1251.h"

#include <QDir>
#include <QFile>
#include <QtTest>

namespace {

void Put(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    WriteBytes(path, bytes);
}

// Every file under the folder with its bytes, to see what a start changed.
QMap<QString, QByteArray> Snapshot(const QString& root) {
    QMap<QString, QByteArray> files;
    QDirIterator it(root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        files.insert(QDir(root).relativeFilePath(path), ReadBytes(path));
    }
    return files;
}

// Points the lookup at a delivered folder for one test.
class Delivered {
public:
    QTemporaryDir dir;
    Delivered() { FileLookup::SetDeliveredDir(dir.path()); }
    ~Delivered() { FileLookup::SetDeliveredDir({}); }
    QString file(const QString& relative) const { return dir.filePath(relative); }
};

} // namespace

class TestDataFolder : public QObject {
    Q_OBJECT

private slots:
    void fileIsReadFromTheDataFolderFirst_data();
    void fileIsReadFromTheDataFolderFirst();
    void editedListIsSavedIntoTheDataFolderAndWins();
    void defaultFolderFollowsXdg_data();
    void defaultFolderFollowsXdg();
    void deliveredFilesAreFoundFromTheExecutable();
    void earlierDataIsCopiedOnceAndLeftInPlace();
    void givenFolderIsUsedAsItIs();
    void folderThatCannotBeMadeIsRefused();
};

void TestDataFolder::fileIsReadFromTheDataFolderFirst_data() {
    QTest::addColumn<bool>("inData");
    QTest::addColumn<bool>("inDelivered");
    QTest::addColumn<bool>("fromData");
    QTest::newRow("edited copy wins") << true << true << true;
    QTest::newRow("unedited from the installation") << false << true << false;
    QTest::newRow("only in the data folder") << true << false << true;
    // Reported missing under the installation's name, where it belongs.
    QTest::newRow("missing everywhere") << false << false << false;
}

void TestDataFolder::fileIsReadFromTheDataFolderFirst() {
    QFETCH(bool, inData);
    QFETCH(bool, inDelivered);
    QFETCH(bool, fromData);
    Delivered delivered;
    ProgramFolder data(false);
    if (inData)
        Put(data.file("hlp/shulte.rtf"), "edited");
    if (inDelivered)
        Put(delivered.file("hlp/shulte.rtf"), "delivered");
    QCOMPARE(FileLookup::Find(data.path(), "hlp/shulte.rtf"),
             fromData ? data.file("hlp/shulte.rtf") : delivered.file("hlp/shulte.rtf"));
}

void TestDataFolder::editedListIsSavedIntoTheDataFolderAndWins() {
    Delivered delivered;
    ProgramFolder data(false);
    const QByteArray original = WriteLines({"один", "два"});
    Put(delivered.file("dic/rnum.dic"), original);
    const Dictionaries dictionaries(data.path());
    QCOMPARE(dictionaries.LoadNumberList(2), QStringList({"один", "два"}));

    dictionaries.SaveNumberList({"три"}, 2);
    QCOMPARE(ReadBytes(data.file("dic/rnum.dic")), WriteLines({"три"}));
    QCOMPARE(ReadBytes(delivered.file("dic/rnum.dic")), original);
    QCOMPARE(dictionaries.LoadNumberList(2), QStringList({"три"}));
    // The other lists still come from the installation, upgrades included.
    Put(delivered.file("dic/rgipno.dic"), WriteLines({"новый"}));
    QCOMPARE(dictionaries.LoadHeadingList(2), QStringList({"новый"}));
}

void TestDataFolder::defaultFolderFollowsXdg_data() {
    QTest::addColumn<QString>("xdg");
    QTest::addColumn<QString>("expected");
    QTest::newRow("set") << "/data/anna/" << "/data/anna/oxelium";
    QTest::newRow("unset") << "" << "/home/anna/.local/share/oxelium";
    QTest::newRow("relative is ignored") << "data" << "/home/anna/.local/share/oxelium";
}

void TestDataFolder::defaultFolderFollowsXdg() {
    QFETCH(QString, xdg);
    QFETCH(QString, expected);
    QCOMPARE(DataFolder::DefaultPath(xdg, "/home/anna"), expected);
}

void TestDataFolder::deliveredFilesAreFoundFromTheExecutable() {
    QTemporaryDir root;
    const QDir r(root.path());
    Put(r.filePath("usr/share/oxelium/lessons.ini"), "");
    Put(r.filePath("build/share/oxelium/lessons.ini"), "");
    Put(r.filePath("build/lessons.ini"), "");
    Put(r.filePath("old/lessons.ini"), "");
    QDir().mkpath(r.filePath("usr/bin"));
    QDir().mkpath(r.filePath("none"));
    const QString up = "../share/oxelium";
    QCOMPARE(DataFolder::FindDelivered(r.filePath("usr/bin"), up), r.filePath("usr/share/oxelium"));
    QCOMPARE(DataFolder::FindDelivered(r.filePath("build"), up),
             r.filePath("build/share/oxelium"));
    QCOMPARE(DataFolder::FindDelivered(r.filePath("old"), up), r.filePath("old"));
    QCOMPARE(DataFolder::FindDelivered(r.filePath("none"), up), QString());
}

void TestDataFolder::earlierDataIsCopiedOnceAndLeftInPlace() {
    QTemporaryDir root;
    const QDir r(root.path());
    const QString legacy = r.filePath("build");
    const QString delivered = r.filePath("build/share/oxelium");
    const QString home = r.filePath("home/.local/share/oxelium");
    const QMap<QString, QByteArray> earlier = {
        {"oxel.ini", "settings"},
        {"users/Anna.dat", "anna"},
        {"users/AnnaDB/shulte5.txt", "stats"},
        {"rec/shulte.rec", "table"},
        {"dic/rnum.dic", "edited numbers"},
    };
    for (auto it = earlier.begin(); it != earlier.end(); ++it)
        Put(QDir(legacy).filePath(it.key()), it.value());
    Put(QDir(legacy).filePath("dic/rus.dic"), "words");
    Put(QDir(delivered).filePath("dic/rus.dic"), "words");
    Put(QDir(delivered).filePath("dic/rnum.dic"), "numbers");
    Put(QDir(legacy).filePath("tmp"), "scratch");
    Put(r.filePath("outside/secret"), "not ours");
    QVERIFY(QFile::link(r.filePath("outside"), QDir(legacy).filePath("users/link")));
    const QMap<QString, QByteArray> before = Snapshot(legacy);

    const DataFolder::Choice first = DataFolder::Choose({}, home, legacy, delivered);
    QCOMPARE(first.error, QString());
    QCOMPARE(first.path, home);
    QStringList moved = first.moved;
    moved.sort();
    QCOMPARE(moved, QStringList(earlier.keys()));
    QCOMPARE(Snapshot(home), earlier);
    QCOMPARE(Snapshot(legacy), before);

    // The next start finds its folder: nothing is copied and nothing told again.
    Put(QDir(home).filePath("oxel.ini"), "changed since");
    const DataFolder::Choice second = DataFolder::Choose({}, home, legacy, delivered);
    QCOMPARE(second.error, QString());
    QVERIFY(second.moved.isEmpty());
    QCOMPARE(ReadBytes(QDir(home).filePath("oxel.ini")), QByteArray("changed since"));
}

void TestDataFolder::givenFolderIsUsedAsItIs() {
    QTemporaryDir root;
    const QDir r(root.path());
    Put(r.filePath("build/oxel.ini"), "earlier");
    Put(r.filePath("given/oxel.ini"), "own");
    const QMap<QString, QByteArray> before = Snapshot(r.filePath("given"));
    const DataFolder::Choice choice =
        DataFolder::Choose(r.filePath("given"), r.filePath("default"), r.filePath("build"), {});
    QCOMPARE(choice.error, QString());
    QCOMPARE(choice.path, r.filePath("given"));
    QVERIFY(choice.moved.isEmpty());
    QCOMPARE(Snapshot(r.filePath("given")), before);
    QVERIFY(!QFileInfo::exists(r.filePath("default")));

    // A new folder is made, with nothing moved into it.
    const DataFolder::Choice fresh =
        DataFolder::Choose(r.filePath("new/folder"), {}, r.filePath("build"), {});
    QCOMPARE(fresh.error, QString());
    QVERIFY(QFileInfo(r.filePath("new/folder")).isDir());
    QVERIFY(Snapshot(r.filePath("new/folder")).isEmpty());
}

void TestDataFolder::folderThatCannotBeMadeIsRefused() {
    // The installation check runs the program unprivileged on a read-only folder; a folder
    // below a file cannot be made even by root.
    QTemporaryDir root;
    Put(QDir(root.path()).filePath("file"), "x");
    const QString below = QDir(root.path()).filePath("file/data");
    for (const QString& given : {below, QString()}) {
        const DataFolder::Choice choice =
            DataFolder::Choose(given, below, QDir(root.path()).filePath("build"), {});
        QVERIFY(choice.error.contains(below));
    }
}

QTEST_GUILESS_MAIN(TestDataFolder)
#include "tst_datafolder.moc"
