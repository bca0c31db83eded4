// The data folder apart from the delivered files: where a file is read, where an edited list
// is written, and how the data an earlier version kept beside the executable moves in.
#include "FileBytes.h"
#include "OrdinaryUser.h"
#include "data/DataFolder.h"
#include "data/DeliveredLists.h"
#include "data/Dictionaries.h"
#include "data/FileLookup.h"
#include "data/FolderStart.h"
#include "data/Text1251.h"

#include <QtTest>

namespace {

void Put(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    WriteBytes(path, bytes);
}

// A start's choice of its folder, whose lock is let go again at once.
DataFolder::Choice Start(const QString& given, const QString& defaultDir, const QString& legacy,
                         const QString& delivered) {
    return FolderStart(given, defaultDir, legacy, delivered).Open();
}

// The folders under root, relative to it.
QStringList Folders(const QString& root) {
    QStringList folders;
    QDirIterator it(root, QDir::AllDirs | QDir::Hidden | QDir::NoDotAndDotDot | QDir::NoSymLinks,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        folders << QDir(root).relativeFilePath(it.next());
    folders.sort();
    return folders;
}

} // namespace

class TestDataFolder : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { FileLookup::SetDeliveredDir({}); }

    void editedListWinsAndUneditedComesFromTheInstallation() {
        QTemporaryDir delivered, data;
        FileLookup::SetDeliveredDir(delivered.path());
        const QByteArray original = WriteLines({"один"});
        Put(delivered.filePath("dic/rnum.dic"), original);
        Put(delivered.filePath("dic/rgipno.dic"), WriteLines({"заголовок"}));
        const Dictionaries dictionaries(data.path());
        QCOMPARE(dictionaries.LoadNumberList(2), QStringList({"один"}));

        dictionaries.SaveNumberList({"три"}, 2);
        QCOMPARE(ReadBytes(data.filePath("dic/rnum.dic")), WriteLines({"три"}));
        QCOMPARE(ReadBytes(delivered.filePath("dic/rnum.dic")), original);
        QCOMPARE(dictionaries.LoadNumberList(2), QStringList({"три"}));
        QCOMPARE(dictionaries.LoadHeadingList(2), QStringList({"заголовок"}));
        // Missing everywhere: reported under the installation's name.
        QCOMPARE(FileLookup::Find(data.path(), "hlp/x.rtf"), delivered.filePath("hlp/x.rtf"));
    }

    void foldersAreFoundFromTheEnvironmentAndTheExecutable() {
        QCOMPARE(DataFolder::DefaultPath("/data/anna/", "/home/anna"), "/data/anna/oxelium");
        for (const QString& unusable : {QString(), QStringLiteral("relative")})
            QCOMPARE(DataFolder::DefaultPath(unusable, "/home/anna"),
                     "/home/anna/.local/share/oxelium");

        QTemporaryDir root;
        const QDir r(root.path());
        for (const char* ladder : {"usr/share/oxelium", "build/share/oxelium", "build", "old"})
            Put(r.filePath(QLatin1String(ladder) + "/lessons.ini"), "");
        QDir().mkpath(r.filePath("usr/bin"));
        QDir().mkpath(r.filePath("none"));
        const QString up = "../share/oxelium";
        QCOMPARE(DataFolder::FindDelivered(r.filePath("usr/bin"), up),
                 r.filePath("usr/share/oxelium"));
        QCOMPARE(DataFolder::FindDelivered(r.filePath("build"), up),
                 r.filePath("build/share/oxelium"));
        QCOMPARE(DataFolder::FindDelivered(r.filePath("old"), up), r.filePath("old"));
        QCOMPARE(DataFolder::FindDelivered(r.filePath("none"), up), QString());
    }

    void earlierDataIsCopiedOnceAndLeftInPlace() {
        QTemporaryDir root;
        const QDir r(root.path());
        const QString legacy = r.filePath("build");
        const QString delivered = r.filePath("build/share/oxelium");
        const QString home = r.filePath("home/.local/share/oxelium");
        const QMap<QString, QByteArray> earlier = {
            {"oxel.ini", "settings"},       {"users/Anna.dat", "anna"},
            {"users/AnnaDB/shulte5.txt", "stats"}, {"rec/shulte.rec", "table"},
            {"dic/rnum.dic", "edited numbers"},
        };
        for (auto it = earlier.begin(); it != earlier.end(); ++it)
            Put(QDir(legacy).filePath(it.key()), it.value());
        Put(QDir(legacy).filePath("dic/rus.dic"), "words"); // unedited
        Put(QDir(delivered).filePath("dic/rus.dic"), "words");
        Put(QDir(delivered).filePath("dic/rnum.dic"), "numbers");
        Put(QDir(legacy).filePath("tmp"), "scratch");
        Put(r.filePath("outside/secret"), "not ours");
        QVERIFY(QFile::link(r.filePath("outside"), QDir(legacy).filePath("users/link")));
        const QMap<QString, QByteArray> before = FolderBytes(legacy);

        QVERIFY(QDir(legacy).mkpath("users/BorisDB")); // made for every new user, still empty
        QVERIFY(QDir(legacy).mkpath("rec/old/empty"));
        // What an interrupted move left beside the folder goes, and the move is made again.
        Put(DataFolder::MovingPath(home) + "/users/Half.dat", "half");
        const DataFolder::Choice first = Start({}, home, legacy, delivered);
        QCOMPARE(first.error, QString());
        QCOMPARE(QSet<QString>(first.moved.begin(), first.moved.end()),
                 QSet<QString>(earlier.keyBegin(), earlier.keyEnd()));
        QCOMPARE(FolderBytes(home), earlier);
        QCOMPARE(FolderBytes(legacy), before);
        QCOMPARE(Folders(home), QStringList({"dic", "rec", "rec/old", "rec/old/empty", "users",
                                             "users/AnnaDB", "users/BorisDB"}));
        QVERIFY(!QFileInfo::exists(DataFolder::MovingPath(home)));

        // The next start finds its folder: nothing is copied over it, nothing told again; a
        // leftover beside it goes too.
        Put(QDir(home).filePath("oxel.ini"), "changed since");
        Put(DataFolder::MovingPath(home) + "/oxel.ini", "half");
        const DataFolder::Choice second = Start({}, home, legacy, delivered);
        QVERIFY(second.error.isEmpty() && second.moved.isEmpty());
        QVERIFY(!QFileInfo::exists(DataFolder::MovingPath(home)));
        QCOMPARE(ReadBytes(QDir(home).filePath("oxel.ini")), QByteArray("changed since"));
        // A folder given with --dir is never filled from the earlier one.
        const DataFolder::Choice given = Start(r.filePath("given"), home, legacy, delivered);
        QVERIFY(given.error.isEmpty() && given.moved.isEmpty());
        QVERIFY(FolderBytes(r.filePath("given")).isEmpty());
    }

    // A list counts as the user's own only when it differs from every version ever delivered.
    void listsOfAnyDeliveredVersionStayBehind_data() {
        const QByteArray older = WriteLines({"старый заголовок"});
        const QByteArray today = WriteLines({"новый заголовок"});
        const QByteArray sum = DeliveredLists::Checksum(older);
        QTest::addColumn<QByteArray>("earlier");
        QTest::addColumn<QByteArray>("recorded"); // dic/delivered.sha256; "-" for none
        QTest::addColumn<bool>("copied");
        QTest::newRow("today's") << today << QByteArray("-") << false;
        QTest::newRow("an earlier one") << older << sum + "  rgipno.dic\n" << false;
        QTest::newRow("edited") << WriteLines({"мой"}) << sum + "  rgipno.dic\n" << true;
        QTest::newRow("another list's") << older << sum + "  egipno.dic\n" << true;
        QTest::newRow("no record") << older << QByteArray("-") << true;
        QTest::newRow("damaged record") << older << "zz" + sum.mid(2) + "  rgipno.dic\r\n" << true;
    }

    void listsOfAnyDeliveredVersionStayBehind() {
        QFETCH(QByteArray, earlier);
        QFETCH(QByteArray, recorded);
        QFETCH(bool, copied);
        QTemporaryDir root;
        Put(root.filePath("build/dic/rgipno.dic"), earlier);
        Put(root.filePath("share/dic/rgipno.dic"), WriteLines({"новый заголовок"}));
        if (recorded != "-")
            Put(root.filePath("share/") + DeliveredLists::FileName, recorded);
        const QString home = root.filePath("home/oxelium");
        Start({}, home, root.filePath("build"), root.filePath("share"));
        QCOMPARE(ReadBytes(home + "/dic/rgipno.dic"), copied ? earlier : "<missing>");
    }

    void unreadableFileIsNamedAndTheRestMoved() {
        QTemporaryDir root;
        const QString legacy = root.filePath("build");
        const QString home = root.filePath("home/oxelium");
        for (const char* file : {"oxel.ini", "users/Anna.dat", "users/AnnaDB/shulte5.db",
                                 "users/Boris.dat", "users/CarlDB/mnemo1.db"})
            Put(QDir(legacy).filePath(file), file);
        const QString unreadable = QDir(legacy).filePath("users/Boris.dat");
        const QString closed = QDir(legacy).filePath("users/CarlDB");
        const int code = RunAsOrdinaryUser(root.path(), [&] {
            QFile::setPermissions(unreadable, {});
            QFile::setPermissions(closed, {});
            FolderStart start({}, home, legacy, {});
            const DataFolder::Choice choice = start.Open();
            WriteBytes(root.filePath("report.txt"), start.MovedText(choice).toUtf8());
            return choice.error.isEmpty() && !choice.running ? 0 : 1;
        });
        QCOMPARE(code, 0);
        const QString text = QString::fromUtf8(ReadBytes(root.filePath("report.txt")));
        QVERIFY2(text.contains(unreadable) && text.contains(closed), qPrintable(text));
        QCOMPARE(FolderBytes(home).keys(),
                 QStringList({"oxel.ini", "users/Anna.dat", "users/AnnaDB/shulte5.db"}));
        // The closed folder is there for new statistics; its files stayed where they were.
        QCOMPARE(Folders(home), QStringList({"users", "users/AnnaDB", "users/CarlDB"}));
        QVERIFY(QFileInfo::exists(unreadable));
        QFile::setPermissions(closed, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    void folderThatCannotBeMadeIsRefused() {
        // A folder below a file cannot be made even by root (the installation check also
        // refuses a read-only one as an ordinary user).
        QTemporaryDir root;
        Put(root.filePath("file"), "x");
        const QString below = root.filePath("file/data");
        for (const QString& given : {below, QString()})
            QVERIFY(Start(given, below, root.filePath("build"), {}).error.contains(below));
    }
};

QTEST_GUILESS_MAIN(TestDataFolder)
#include "tst_datafolder.moc"
