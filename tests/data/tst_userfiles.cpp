#include "TestSupport.h"
#include "data/DataFile.h"
#include "data/Errors.h"
#include "data/UserFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

namespace {

void WriteFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// A program folder with users/ in it.
struct Installation {
    ProgramFolder folder{false};
    UserFiles users{folder.path()};
    Installation() { QDir(folder.path()).mkdir("users"); }
    QString path(const QString& relative) const { return folder.file(relative); }
};

} // namespace

class TestUserFiles : public QObject {
    Q_OBJECT

private slots:
    void createdUserHasOnlyPasswordAndEmptyFolder();
    void newNamesAreCutTo18();
    void forbiddenCharactersAreRefused_data();
    void forbiddenCharactersAreRefused();
    void plainNamesAreAccepted();
    void passwordsOutsideTheCodePageAreRefused();
    void userListComesFromDataFiles();
    void namesDifferingInCaseAreOneUser();
    void deleteRemovesFileAndStatistics();
    void deleteFindsFilesWhateverCaseIsTyped();
    void deleteNeverFollowsLinksOutOfTheFolder();
    void deleteWithoutDataFileStillRemovesFolder();
    void unsafeNameDeletesNothing();
    void readingMissingUserCreatesNoFile();
    void ladderPositionIsSaved();
    void createWithoutUsersFolderFails();
};

void TestUserFiles::createdUserHasOnlyPasswordAndEmptyFolder() {
    Installation in;
    in.users.CreateUser("Anna", "secret");
    TDataFile file(in.path("users/Anna.dat"));
    QVERIFY(file.EntryExists("COMMON", "Password"));
    QCOMPARE(file.ReadString("COMMON", "$test", "none"), QStringLiteral("secret"));
    // one entry: header, text and its zero byte
    QCOMPARE(QFileInfo(file.FileName()).size(), 80 + 7);
    const QDir db(in.path("users/AnnaDB"));
    QVERIFY(db.exists());
    QVERIFY(db.isEmpty());
    const UserFiles::Record r = in.users.ReadUser("Anna");
    QCOMPARE(r.level, 0);
    QCOMPARE(r.subLevel, 0);
    QCOMPARE(r.password, QStringLiteral("secret"));
}

void TestUserFiles::newNamesAreCutTo18() {
    const QString typed = QStringLiteral("abcdefghijklmnopqrstuvwxy");
    QCOMPARE(UserFiles::CutNewUserName(typed), QStringLiteral("abcdefghijklmnopqr"));
    QCOMPARE(UserFiles::CutNewUserName("Anna"), QStringLiteral("Anna"));
}

void TestUserFiles::forbiddenCharactersAreRefused_data() {
    QTest::addColumn<QString>("name");
    for (const char* c : {"<", ">", "?", "*", "|", "\\", "/", "\"", ":"})
        QTest::newRow(c) << QStringLiteral("ab%1cd").arg(QLatin1String(c));
    QTest::newRow("dot") << ".";
    QTest::newRow("dot dot") << "..";
    QTest::newRow("line break") << "a\nb";
    QTest::newRow("tab") << "a\tb";
    QTest::newRow("outside the code page") << QStringLiteral("名前");
}

void TestUserFiles::forbiddenCharactersAreRefused() {
    QFETCH(QString, name);
    QVERIFY(!UserFiles::ValidUserName(name));
    Installation in;
    QVERIFY_THROWS_EXCEPTION(OxelError, in.users.CreateUser(name, ""));
    QCOMPARE(QDir(in.path("users")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).size(), 0);
}

void TestUserFiles::passwordsOutsideTheCodePageAreRefused() {
    Installation in;
    for (const QString& password :
         {QStringLiteral("é"), QStringLiteral("Ω1"),
          QString(QStringLiteral("a") + QChar(0) + QStringLiteral("b"))}) {
        QVERIFY(!UserFiles::ValidPassword(password));
        QVERIFY_THROWS_EXCEPTION(OxelError, in.users.CreateUser("Anna", password));
        QVERIFY(!in.users.UserExists("Anna"));
    }
    QVERIFY(UserFiles::ValidPassword(QString()));
    in.users.CreateUser("Anna", QStringLiteral("Пароль№1"));
    QCOMPARE(in.users.ReadUser("Anna").password, QStringLiteral("Пароль№1"));
}

void TestUserFiles::plainNamesAreAccepted() {
    for (const QString& name : {QStringLiteral("a.b c"), QStringLiteral("Пётр Иванов"),
                                QStringLiteral("..."), QStringLiteral("x..y")})
        QVERIFY2(UserFiles::ValidUserName(name), qPrintable(name));
    Installation in;
    in.users.CreateUser(QStringLiteral("Пётр Иванов"), "");
    QVERIFY(QFile::exists(in.path(QStringLiteral("users/Пётр Иванов.dat"))));
    QCOMPARE(in.users.FindUsers(), QStringList{QStringLiteral("Пётр Иванов")});
}

void TestUserFiles::userListComesFromDataFiles() {
    Installation in;
    QVERIFY(in.users.FindUsers().isEmpty());
    in.users.CreateUser("zoe", "");
    in.users.CreateUser("Bob", "");
    WriteFile(in.path("users/Carl.DAT"), {});
    QDir().mkpath(in.path("users/folder.dat"));
    WriteFile(in.path("users/notes.txt"), "x");
    WriteFile(in.path("users/.dat"), {});
    QCOMPARE(in.users.FindUsers(), QStringList({"Bob", "Carl", "zoe"}));
}

void TestUserFiles::namesDifferingInCaseAreOneUser() {
    Installation in;
    in.users.CreateUser("Anna", "pw");
    QVERIFY(in.users.UserExists("anna"));
    QVERIFY(in.users.UserExists(QStringLiteral("ANNA")));
    QVERIFY(!in.users.UserExists("Ann"));
    QCOMPARE(in.users.StoredName("aNNa"), QStringLiteral("Anna"));
    try {
        in.users.CreateUser("ANNA", "other");
        QFAIL("a second user differing only in case was created");
    } catch (const OxelError& e) {
        QCOMPARE(e.text(), QStringLiteral("Такой пользователь уже есть!"));
    }
    QCOMPARE(in.users.ReadUser("anna").password, QStringLiteral("pw"));
    in.users.SaveSubLevel("ANNA", 2);
    QCOMPARE(in.users.ReadUser("Anna").subLevel, 2);
    QCOMPARE(in.users.FindUsers(), QStringList{"Anna"});

    in.users.CreateUser(QStringLiteral("Ёжик"), "");
    QVERIFY(in.users.UserExists(QStringLiteral("ёЖИК")));
}

void TestUserFiles::deleteRemovesFileAndStatistics() {
    Installation in;
    in.users.CreateUser("Anna", "");
    in.users.CreateUser("Bob", "");
    WriteFile(in.path("users/AnnaDB/shulte5.db"), "x");
    WriteFile(in.path("users/AnnaDB/sub/deeper/a.db"), "y");
    WriteFile(in.path("users/AnnaDB/dotted.dir/b.db"), "z");
    WriteFile(in.path("users/AnnaDB/.hidden"), "h");
    QVERIFY(in.users.DeleteUser("Anna"));
    QVERIFY(!QFile::exists(in.path("users/Anna.dat")));
    QVERIFY(!QFileInfo::exists(in.path("users/AnnaDB")));
    QVERIFY(QFile::exists(in.path("users/Bob.dat")));
    QVERIFY(QFileInfo(in.path("users/BobDB")).isDir());
}

void TestUserFiles::deleteFindsFilesWhateverCaseIsTyped() {
    Installation in;
    in.users.CreateUser("Anna", "");
    WriteFile(in.path("users/AnnaDB/shulte5.db"), "x");
    QVERIFY(in.users.DeleteUser("aNNA"));
    QVERIFY(!QFile::exists(in.path("users/Anna.dat")));
    QVERIFY(!QFileInfo::exists(in.path("users/AnnaDB")));
}

void TestUserFiles::deleteNeverFollowsLinksOutOfTheFolder() {
    Installation in;
    WriteFile(in.path("outside/keep.db"), "keep");
    WriteFile(in.path("outside2/keep.db"), "keep");
    WriteFile(in.path("single.db"), "keep");
    in.users.CreateUser("Anna", "");
    QVERIFY(QFile::link(in.path("outside"), in.path("users/AnnaDB/linkdir")));
    QVERIFY(QFile::link(in.path("single.db"), in.path("users/AnnaDB/linkfile.db")));
    QVERIFY(QFile::link(in.path("nowhere"), in.path("users/AnnaDB/broken")));
    in.users.CreateUser("Bob", "");
    QVERIFY(QDir(in.path("users")).rmdir("BobDB"));
    QVERIFY(QFile::link(in.path("outside2"), in.path("users/BobDB")));

    QVERIFY(in.users.DeleteUser("Anna"));
    QVERIFY(in.users.DeleteUser("Bob"));
    QVERIFY(!QFileInfo::exists(in.path("users/AnnaDB")));
    QVERIFY(!QFileInfo(in.path("users/BobDB")).isSymLink());
    QVERIFY(QFile::exists(in.path("outside/keep.db")));
    QVERIFY(QFile::exists(in.path("outside2/keep.db")));
    QVERIFY(QFile::exists(in.path("single.db")));
}

void TestUserFiles::deleteWithoutDataFileStillRemovesFolder() {
    Installation in;
    WriteFile(in.path("users/GhostDB/shulte5.db"), "x");
    QVERIFY(!in.users.DeleteUser("Ghost"));
    QVERIFY(!QFileInfo::exists(in.path("users/GhostDB")));
}

void TestUserFiles::unsafeNameDeletesNothing() {
    Installation in;
    WriteFile(in.path("x.dat"), "keep");
    WriteFile(in.path("xDB/keep.db"), "keep");
    QVERIFY(!in.users.DeleteUser("../x"));
    QVERIFY(!in.users.DeleteUser(".."));
    QVERIFY(!in.users.DeleteUser(""));
    QVERIFY(QFile::exists(in.path("x.dat")));
    QVERIFY(QFile::exists(in.path("xDB/keep.db")));
    QVERIFY(QDir(in.path("users")).exists());
}

void TestUserFiles::readingMissingUserCreatesNoFile() {
    Installation in;
    try {
        in.users.ReadUser("Nobody");
        QFAIL("reading a missing user succeeded");
    } catch (const OxelError& e) {
        QVERIFY(e.text().contains("Nobody.dat"));
    }
    QVERIFY_THROWS_EXCEPTION(OxelError, in.users.SaveSubLevel("Nobody", 1));
    QVERIFY_THROWS_EXCEPTION(OxelError, in.users.ReadUser("../x"));
    QVERIFY(!QFile::exists(in.path("users/Nobody.dat")));
    QVERIFY(in.users.FindUsers().isEmpty());
}

void TestUserFiles::ladderPositionIsSaved() {
    Installation in;
    in.users.CreateUser("Anna", "pw");
    in.users.SaveSubLevel("Anna", 1);
    UserFiles::Record r = in.users.ReadUser("Anna");
    QCOMPARE(r.level, 0);
    QCOMPARE(r.subLevel, 1);
    in.users.SaveLadderPosition("Anna", 3, 0);
    r = in.users.ReadUser("Anna");
    QCOMPARE(r.level, 3);
    QCOMPARE(r.subLevel, 0);
    QCOMPARE(r.password, QStringLiteral("pw"));
}

void TestUserFiles::createWithoutUsersFolderFails() {
    ProgramFolder folder(false);
    UserFiles users(folder.path());
    try {
        users.CreateUser("Anna", "");
        QFAIL("a user was created without the users folder");
    } catch (const OxelError& e) {
        QVERIFY(e.text().contains("Anna.dat"));
    }
    QVERIFY(!QFileInfo::exists(folder.file("users")));
}

QTEST_GUILESS_MAIN(TestUserFiles)
#include "tst_userfiles.moc"
