// The data folder apart from the delivered files: where a file is read, where an edited list
// is written, and how the data an earlier version kept beside the executable moves in.
#include "FileBytes.h"
#include "data/DataFolder.h"
#include "data/Dictionaries.h"
#include "data/FileLookup.h"
#include "data/Text1251.h"

#include <QtTest>

namespace {

void Put(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    WriteBytes(path, bytes);
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

        const DataFolder::Choice first = DataFolder::Choose({}, home, legacy, delivered);
        QCOMPARE(first.error, QString());
        QCOMPARE(QSet<QString>(first.moved.begin(), first.moved.end()),
                 QSet<QString>(earlier.keyBegin(), earlier.keyEnd()));
        QCOMPARE(FolderBytes(home), earlier);
        QCOMPARE(FolderBytes(legacy), before);

        // The next start finds its folder: nothing is copied over it, nothing told again.
        Put(QDir(home).filePath("oxel.ini"), "changed since");
        const DataFolder::Choice second = DataFolder::Choose({}, home, legacy, delivered);
        QVERIFY(second.error.isEmpty() && second.moved.isEmpty());
        QCOMPARE(ReadBytes(QDir(home).filePath("oxel.ini")), QByteArray("changed since"));
        // A folder given with --dir is never filled from the earlier one.
        const DataFolder::Choice given =
            DataFolder::Choose(r.filePath("given"), home, legacy, delivered);
        QVERIFY(given.error.isEmpty() && given.moved.isEmpty());
        QVERIFY(FolderBytes(r.filePath("given")).isEmpty());
    }

    void folderThatCannotBeMadeIsRefused() {
        // A folder below a file cannot be made even by root (the installation check also
        // refuses a read-only one as an ordinary user).
        QTemporaryDir root;
        Put(root.filePath("file"), "x");
        const QString below = root.filePath("file/data");
        for (const QString& given : {below, QString()})
            QVERIFY(DataFolder::Choose(given, below, root.filePath("build"), {})
                        .error.contains(below));
    }
};

QTEST_GUILESS_MAIN(TestDataFolder)
#include "tst_datafolder.moc"
