#include "FileBytes.h"
#include "TestSupport.h"
#include "data/Errors.h"
#include "data/StatsStore.h"
#include "data/UserFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

namespace {

const QDateTime Finished(QDate(2024, 3, 7), QTime(14, 5, 9));
const QStringList Series1 = {"23.4", "21.9", "22.0", "20.7", "19.8"};
const QStringList Series2 = {"19.1", "18.0", "20", "17.5", "18.2"};

// A program folder with the user Anna.
struct Store {
    ProgramFolder folder{false};
    StatsStore stats{folder.path()};
    Store() {
        QDir(folder.path()).mkdir("users");
        UserFiles(folder.path()).CreateUser("Anna", "");
    }
    QByteArray plain(const QString& relative) const {
        return ReferenceCipher(ReadBytes(folder.file(relative)), false);
    }
};

} // namespace

class TestStatsStore : public QObject {
    Q_OBJECT

private slots:
    void fileNamesFollowExerciseAndMode();
    void firstSeriesMakesTwoLineFile();
    void nextSeriesGoesOnTop();
    void resultsAreStoredAsShown();
    void modesGoToDifferentFiles();
    void midnightSeriesHasNoTime();
    void missingFolderThrowsNamingTheFile();
    void seriesNeedsFiveResults();
    void userFolderFoundWhateverCase();
    void recordsReadNewestFirst();
    void valuesThrowOnDamagedResults();
    void oddFileLacksLastResults();
    void garbageStaysBelowNewRecord();
    void appendKeepsEveryByteAfterAZeroByte();
    void missingFileHasNoRecords();
};

void TestStatsStore::fileNamesFollowExerciseAndMode() {
    QCOMPARE(StatsStore::FileName(0, 5), QStringLiteral("shulte5.db"));
    QCOMPARE(StatsStore::FileName(1, 9), QStringLiteral("rbshulte9.db"));
    QCOMPARE(StatsStore::FileName(2, 3), QStringLiteral("mnemo3.db"));
    QCOMPARE(StatsStore::FileName(3, 4), QStringLiteral("targets4.db"));
    QCOMPARE(StatsStore::FileName(4, 6), QStringLiteral("counter6.db"));
    QCOMPARE(StatsStore::FileName(5, 2), QStringLiteral("dwords2.db"));
    QCOMPARE(StatsStore::FileName(6, 5), QStringLiteral("numbers5.db"));
    QCOMPARE(StatsStore::FileName(7, 1), QStringLiteral("probe1.db"));
    Store s;
    QCOMPARE(s.stats.FilePath("Anna", 0, 5),
             QDir(s.folder.path()).filePath("users/AnnaDB/shulte5.db"));
}

void TestStatsStore::firstSeriesMakesTwoLineFile() {
    Store s;
    QVERIFY(!s.stats.Exists("Anna", 0, 5));
    s.stats.Append("Anna", 0, 5, Finished, Series1);
    QVERIFY(s.stats.Exists("Anna", 0, 5));
    QCOMPARE(s.plain("users/AnnaDB/shulte5.db"),
             QByteArray("07.03.2024 14:05:09\r\n23.4/21.9/22.0/20.7/19.8\r\n"));
    QCOMPARE(ReadBytes(s.folder.file("tmp")), s.plain("users/AnnaDB/shulte5.db"));
}

void TestStatsStore::nextSeriesGoesOnTop() {
    Store s;
    s.stats.Append("Anna", 0, 5, Finished, Series1);
    s.stats.Append("Anna", 0, 5, Finished.addDays(1), Series2);
    QCOMPARE(s.plain("users/AnnaDB/shulte5.db"),
             QByteArray("08.03.2024 14:05:09\r\n19.1/18.0/20/17.5/18.2\r\n"
                        "07.03.2024 14:05:09\r\n23.4/21.9/22.0/20.7/19.8\r\n"));
}

void TestStatsStore::resultsAreStoredAsShown() {
    Store s;
    const QString longText(40, u'7');
    s.stats.Append("Anna", 3, 1, Finished, {"9999", "120", "0", longText, "5/6"});
    const QList<StatsStore::Record> records = s.stats.ReadRecords("Anna", 3, 1);
    QCOMPARE(records.size(), 1);
    QCOMPARE(records[0].results, QStringList({"9999", "120", "0", QString(32, u'7'), "5 6"}));
}

void TestStatsStore::modesGoToDifferentFiles() {
    Store s;
    s.stats.Append("Anna", 0, 5, Finished, Series1);
    s.stats.Append("Anna", 0, 7, Finished, Series2);
    QCOMPARE(s.stats.ReadRecords("Anna", 0, 5).size(), 1);
    QCOMPARE(s.stats.ReadRecords("Anna", 0, 7)[0].results, Series2);
    QCOMPARE(QDir(s.folder.file("users/AnnaDB")).entryList(QDir::Files),
             QStringList({"shulte5.db", "shulte7.db"}));
}

void TestStatsStore::midnightSeriesHasNoTime() {
    Store s;
    s.stats.Append("Anna", 5, 2, QDateTime(QDate(2024, 1, 2), QTime(0, 0)), Series1);
    QCOMPARE(s.stats.ReadRecords("Anna", 5, 2)[0].dateTime, QStringLiteral("02.01.2024"));
}

void TestStatsStore::missingFolderThrowsNamingTheFile() {
    Store s;
    QVERIFY(QDir(s.folder.file("users")).rmdir("AnnaDB"));
    try {
        s.stats.Append("Anna", 0, 5, Finished, Series1);
        QFAIL("a record was written without the statistics folder");
    } catch (const OxelError& e) {
        QVERIFY2(e.text().startsWith("Cannot create file"), qPrintable(e.text()));
        QVERIFY2(e.text().contains("shulte5.db"), qPrintable(e.text()));
    }
    QVERIFY(!QFileInfo::exists(s.folder.file("users/AnnaDB")));
}

void TestStatsStore::seriesNeedsFiveResults() {
    Store s;
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument,
                             s.stats.Append("Anna", 0, 5, Finished, {"1", "2", "3", "4"}));
    QVERIFY(!s.stats.Exists("Anna", 0, 5));
}

void TestStatsStore::userFolderFoundWhateverCase() {
    Store s;
    s.stats.Append("ANNA", 6, 2, Finished, Series1);
    QVERIFY(QFile::exists(s.folder.file("users/AnnaDB/numbers2.db")));
    QCOMPARE(s.stats.ReadRecords("anna", 6, 2).size(), 1);
}

void TestStatsStore::recordsReadNewestFirst() {
    Store s;
    s.stats.Append("Anna", 4, 3, Finished, Series1);
    s.stats.Append("Anna", 4, 3, Finished.addSecs(60), Series2);
    const QList<StatsStore::Record> records = s.stats.ReadRecords("Anna", 4, 3);
    QCOMPARE(records.size(), 2);
    QCOMPARE(records[0].dateTime, QStringLiteral("07.03.2024 14:06:09"));
    QCOMPARE(records[0].results, Series2);
    QCOMPARE(records[1].results, Series1);
    QVERIFY(records[0].complete && records[1].complete);
    const std::array<double, 5> expected = {23.4, 21.9, 22.0, 20.7, 19.8};
    QVERIFY(records[1].Values() == expected);
}

void TestStatsStore::valuesThrowOnDamagedResults() {
    StatsStore::Record record;
    record.results = QStringList({"1", "2", "abc", "4", "5"});
    try {
        record.Values();
        QFAIL("a damaged results line converted");
    } catch (const OxelError& e) {
        QCOMPARE(e.text(), QStringLiteral("'abc' is not a valid floating point value"));
    }
    record.results = QStringList({"1", "2", "3", "4"});
    QVERIFY_THROWS_EXCEPTION(OxelError, record.Values());
}

void TestStatsStore::oddFileLacksLastResults() {
    Store s;
    WriteBytes(s.folder.file("users/AnnaDB/probe1.db"),
               ReferenceCipher("01.01.2024 10:00:00\r\n1/2/3/4/5\r\n02.01.2024\r\n", true));
    const QList<StatsStore::Record> records = s.stats.ReadRecords("Anna", 7, 1);
    QCOMPARE(records.size(), 2);
    QVERIFY(records[0].complete);
    QVERIFY(!records[1].complete);
    QCOMPARE(records[1].dateTime, QStringLiteral("02.01.2024"));
    QVERIFY(records[1].results.isEmpty());
    QVERIFY_THROWS_EXCEPTION(OxelError, records[1].Values());
}

void TestStatsStore::garbageStaysBelowNewRecord() {
    Store s;
    QByteArray garbage;
    for (int i = 0; i < 300; ++i)
        garbage += static_cast<char>((i * 37 + 11) % 251 + 1);
    const QString path = s.folder.file("users/AnnaDB/mnemo2.db");
    WriteBytes(path, garbage);
    const QList<StatsStore::Record> before = s.stats.ReadRecords("Anna", 2, 2);
    QVERIFY(!before.isEmpty());
    s.stats.Append("Anna", 2, 2, Finished, Series1);
    const QByteArray plain = ReferenceCipher(ReadBytes(path), false);
    QVERIFY(plain.startsWith("07.03.2024 14:05:09\r\n23.4/21.9/22.0/20.7/19.8\r\n"));
    const QList<StatsStore::Record> after = s.stats.ReadRecords("Anna", 2, 2);
    QCOMPARE(after.size(), before.size() + 1);
    QCOMPARE(after.first().results, Series1);
    for (int i = 0; i < before.size(); ++i) {
        QCOMPARE(after[i + 1].dateTime, before[i].dateTime);
        QCOMPARE(after[i + 1].results, before[i].results);
        QCOMPARE(after[i + 1].complete, before[i].complete);
    }
}

void TestStatsStore::appendKeepsEveryByteAfterAZeroByte() {
    Store s;
    QByteArray older("01.01.2024 10:00:00\r\n1/2/3/4/5\r\n");
    older.append('\0');
    older.append("02.01.2024\r\n6/7/8/9/10\rlone end\n\xff\x01 no line end");
    const QString path = s.folder.file("users/AnnaDB/shulte6.db");
    WriteBytes(path, ReferenceCipher(older, true));
    s.stats.Append("Anna", 0, 6, Finished, Series1);
    QCOMPARE(ReferenceCipher(ReadBytes(path), false),
             "07.03.2024 14:05:09\r\n23.4/21.9/22.0/20.7/19.8\r\n" + older);
    s.stats.Append("Anna", 0, 6, Finished.addDays(1), Series2);
    const QByteArray plain = ReferenceCipher(ReadBytes(path), false);
    QVERIFY(plain.endsWith(older));
    QCOMPARE(plain.size(), 47 + 45 + older.size());
    const QList<StatsStore::Record> records = s.stats.ReadRecords("Anna", 0, 6);
    QCOMPARE(records.size(), 3);
    QCOMPARE(records[2].results, QStringList({"1", "2", "3", "4", "5"}));
}

void TestStatsStore::missingFileHasNoRecords() {
    Store s;
    QVERIFY(s.stats.ReadRecords("Anna", 1, 5).isEmpty());
    QVERIFY(s.stats.ReadRecords("Nobody", 1, 5).isEmpty());
    QVERIFY(!QFile::exists(s.folder.file("tmp")));
}

QTEST_GUILESS_MAIN(TestStatsStore)
#include "tst_statsstore.moc"
