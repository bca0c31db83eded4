#include "FileBytes.h"
#include "TestSupport.h"
#include "data/Errors.h"
#include "data/RecordTables.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

namespace {

QByteArray Plain(const QStringList& lines) {
    QByteArray out;
    for (const QString& line : lines)
        out += line.toLatin1() + "\r\n";
    return out;
}

// The plain lines of a table file, split at CR LF.
QStringList PlainLines(const QString& path) {
    const QByteArray plain = ReferenceCipher(ReadBytes(path), false);
    QStringList lines = QString::fromLatin1(plain).split(QStringLiteral("\r\n"));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

void WritePlainTable(const QString& path, const QStringList& lines) {
    WriteBytes(path, ReferenceCipher(Plain(lines), true));
}

// A table file of `total` empty lines whose rows from `start` hold the given results.
QStringList Rows(int total, int start, int rowLines, const QStringList& results) {
    QStringList lines(total, QString());
    for (int r = 0; r < results.size(); ++r) {
        lines[start + rowLines * r] = QStringLiteral("user%1").arg(r + 1);
        lines[start + rowLines * r + 1] = results[r];
        lines[start + rowLines * r + rowLines - 1] = QStringLiteral("01.01.2020");
    }
    return lines;
}

// A program folder with rec/ and all sixteen fresh tables, a clock on 7 March 2024.
struct Tables {
    TestSeams seams;
    ProgramFolder folder{false};
    RecordTables tables{folder.path()};
    Tables() {
        seams.clock.now = QDateTime(QDate(2024, 3, 7), QTime(12, 0)).toMSecsSinceEpoch();
        tables.CheckDataFiles(2);
    }
    QString rec(const QString& name) const { return folder.file("rec/" + name); }
};

const QString Today = QStringLiteral("07.03.2024");

} // namespace

class TestRecordTables : public QObject {
    Q_OBJECT

private slots:
    void freshTablesAreEmptyLinesEnciphered();
    void kindOutsideRangeWritesNothing();
    void firstStartCreatesFoldersAndTables();
    void missingWordListIsReported();
    void englishChecksEnglishFiles();
    void existingTablesAreNeverExamined();
    void firstTimeEntersAtRowOne();
    void clockSetBackTimeDoesNotEnterEmptyRows();
    void wholeSecondsAreStoredWithoutDecimals();
    void equalTimeEntersBelow();
    void insertPushesRowsDownAndDropsTheEleventh();
    void worseThanTenFullRowsChangesNothing();
    void rowTenReplacementKeepsOtherModes();
    void targetsLargerScoreRanksHigher();
    void nbackPercentRanksHigher();
    void targetsRowsCarryDetailAsHint();
    void seriesFlagChoosesTheSeriesFile();
    void unknownModeSelectsFirstTable();
    void shortFileReadsLenientlyAndFillsUp();
    void missingTableThrowsAndChangesNothing();
    void nonNumericRowThrowsAndWritesNothing();
    void badCurrentResultTouchesNoFile();
    void lineBreaksNeverBreakTheLayout();
    void scratchFileKeepsLastPlainTable();
};

void TestRecordTables::freshTablesAreEmptyLinesEnciphered() {
    ProgramFolder folder(false);
    QDir(folder.path()).mkdir("rec");
    RecordTables tables(folder.path());
    tables.NewRecordFile(1);
    QCOMPARE(ReadBytes(folder.file("rec/shulte.rec")),
             ReferenceCipher(QByteArray("\r\n").repeated(150), true));
    const int lines[] = {150, 90, 90, 160, 90, 60, 150, 60};
    const char* names[] = {"shulte",  "rbshulte", "mnemo",   "targets",
                           "counter", "dwords",   "numbers", "probe"};
    for (int kind = 1; kind <= 8; ++kind) {
        tables.NewRecordFile(kind);
        tables.NewSeriesRecordFile(kind);
        const QByteArray expected = ReferenceCipher(QByteArray("\r\n").repeated(lines[kind - 1]), true);
        QCOMPARE(ReadBytes(folder.file(QStringLiteral("rec/%1.rec").arg(names[kind - 1]))),
                 expected);
        QCOMPARE(ReadBytes(folder.file(QStringLiteral("rec/s%1.rec").arg(names[kind - 1]))),
                 expected);
    }
    QCOMPARE(ReadBytes(folder.file("tmp")), QByteArray("\r\n").repeated(60));
}

void TestRecordTables::kindOutsideRangeWritesNothing() {
    ProgramFolder folder(false);
    QDir(folder.path()).mkdir("rec");
    RecordTables tables(folder.path());
    tables.NewRecordFile(0);
    tables.NewSeriesRecordFile(10);
    tables.NewRecordFile(-1);
    QVERIFY(QDir(folder.file("rec")).isEmpty());
    QVERIFY(!QFile::exists(folder.file("tmp")));
}

void TestRecordTables::firstStartCreatesFoldersAndTables() {
    ProgramFolder folder(false);
    const QStringList missing = RecordTables(folder.path()).CheckDataFiles(2);
    QCOMPARE(missing,
             QStringList({"hlp/shulte.rtf", "hlp/rbshulte.rtf", "hlp/mnemo.rtf", "hlp/target.rtf",
                          "hlp/math.rtf", "hlp/dwords.rtf", "hlp/numbers.rtf", "dic/rus.dic",
                          "dic/rgipno.dic", "dic/rnum.dic"}));
    QVERIFY(QFileInfo(folder.file("users")).isDir());
    const QStringList tables = QDir(folder.file("rec")).entryList(QDir::Files, QDir::Name);
    QCOMPARE(tables, QStringList({"counter.rec", "dwords.rec", "mnemo.rec", "nback.rec",
                                  "numbers.rec", "probe.rec", "rbshulte.rec", "scounter.rec",
                                  "sdwords.rec", "shulte.rec", "smnemo.rec", "snback.rec",
                                  "snumbers.rec", "sprobe.rec", "srbshulte.rec", "sshulte.rec",
                                  "stargets.rec", "targets.rec"}));
    QCOMPARE(PlainLines(folder.file("rec/stargets.rec")).size(), 160);
}

void TestRecordTables::missingWordListIsReported() {
    ProgramFolder folder(false);
    QDir dir(folder.path());
    dir.mkpath("hlp");
    dir.mkpath("dic");
    for (const char* name : {"shulte", "rbshulte", "mnemo", "target", "math", "dwords", "numbers"})
        WriteBytes(folder.file(QStringLiteral("hlp/%1.rtf").arg(name)), "{\\rtf1}");
    WriteBytes(folder.file("dic/rus.dic"), "a\r\n");
    WriteBytes(folder.file("dic/rgipno.dic"), "a\r\n");
    QCOMPARE(RecordTables(folder.path()).CheckDataFiles(2), QStringList{"dic/rnum.dic"});
    WriteBytes(folder.file("dic/rnum.dic"), "a\r\n");
    QVERIFY(RecordTables(folder.path()).CheckDataFiles(2).isEmpty());
}

void TestRecordTables::englishChecksEnglishFiles() {
    ProgramFolder folder(false);
    const QStringList missing = RecordTables(folder.path()).CheckDataFiles(1);
    QCOMPARE(missing.first(), QStringLiteral("hlp/eshulte.rtf"));
    QVERIFY(missing.contains("dic/eng.dic"));
    QVERIFY(missing.contains("dic/egipno.dic"));
    QVERIFY(missing.contains("dic/enum.dic"));
    QVERIFY(!missing.contains("hlp/eprobe.rtf"));
    QCOMPARE(missing.size(), 10);
}

void TestRecordTables::existingTablesAreNeverExamined() {
    Tables t;
    WriteBytes(t.rec("shulte.rec"), "garbage");
    QFile::remove(t.rec("sprobe.rec"));
    t.tables.CheckDataFiles(2);
    QCOMPARE(ReadBytes(t.rec("shulte.rec")), QByteArray("garbage"));
    QCOMPARE(PlainLines(t.rec("sprobe.rec")).size(), 60);
}

void TestRecordTables::firstTimeEntersAtRowOne() {
    Tables t;
    QCOMPARE(t.tables.CheckAndInsert(0, 5, false, 23.4, "Anna"), 1);
    const QStringList lines = PlainLines(t.rec("shulte.rec"));
    QCOMPARE(lines.size(), 150);
    QCOMPARE(lines.mid(0, 4), QStringList({"Anna", "23.4", Today, ""}));
    const RecordTables::Table table = t.tables.Load(0, 5, false);
    QCOMPARE(table[0], (RecordTables::Row{"Anna", "23.4", "", Today}));
    QCOMPARE(table[1], RecordTables::Row());
    QVERIFY(t.seams.sounds.played.isEmpty());
}

void TestRecordTables::clockSetBackTimeDoesNotEnterEmptyRows() {
    Tables t;
    const QByteArray before = ReadBytes(t.rec("shulte.rec"));
    QCOMPARE(t.tables.CheckAndInsert(0, 5, false, 9999, "Anna"), 0);
    QCOMPARE(t.tables.CheckAndInsert(0, 5, false, 12000.5, "Anna"), 0);
    QCOMPARE(ReadBytes(t.rec("shulte.rec")), before);
    QCOMPARE(t.tables.CheckAndInsert(0, 5, false, 9998.9, "Anna"), 1);
}

void TestRecordTables::wholeSecondsAreStoredWithoutDecimals() {
    Tables t;
    QCOMPARE(t.tables.CheckAndInsert(4, 3, false, 30.0, "Anna"), 1);
    QCOMPARE(t.tables.Load(4, 3, false)[0].result, QStringLiteral("30"));
    QCOMPARE(t.tables.CheckAndInsert(4, 3, false, 29.90, "Bob"), 1);
    QCOMPARE(t.tables.Load(4, 3, false)[0].result, QStringLiteral("29.9"));
}

void TestRecordTables::equalTimeEntersBelow() {
    Tables t;
    QCOMPARE(t.tables.CheckAndInsert(0, 5, false, 20, "First"), 1);
    QCOMPARE(t.tables.CheckAndInsert(0, 5, false, 20.0, "Second"), 2);
    const RecordTables::Table table = t.tables.Load(0, 5, false);
    QCOMPARE(table[0].name, QStringLiteral("First"));
    QCOMPARE(table[1].name, QStringLiteral("Second"));
}

void TestRecordTables::insertPushesRowsDownAndDropsTheEleventh() {
    Tables t;
    WritePlainTable(t.rec("mnemo.rec"),
                    Rows(90, 0, 3, {"10", "20", "30", "40", "50", "60", "70", "80", "90", "100"}));
    QCOMPARE(t.tables.CheckAndInsert(2, 1, false, 25, "New"), 3);
    const RecordTables::Table table = t.tables.Load(2, 1, false);
    QStringList names, results;
    for (const auto& row : table) {
        names << row.name;
        results << row.result;
    }
    QCOMPARE(results, QStringList({"10", "20", "25", "30", "40", "50", "60", "70", "80", "90"}));
    QCOMPARE(names, QStringList({"user1", "user2", "New", "user3", "user4", "user5", "user6",
                                 "user7", "user8", "user9"}));
    QCOMPARE(PlainLines(t.rec("mnemo.rec")).size(), 90);
}

void TestRecordTables::worseThanTenFullRowsChangesNothing() {
    Tables t;
    WritePlainTable(t.rec("dwords.rec"),
                    Rows(60, 30, 3, {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}));
    const QByteArray before = ReadBytes(t.rec("dwords.rec"));
    QCOMPARE(t.tables.CheckAndInsert(5, 3, false, 10.1, "Anna"), 0);
    QCOMPARE(t.tables.CheckAndInsert(5, 3, false, 10, "Anna"), 0);
    QCOMPARE(ReadBytes(t.rec("dwords.rec")), before);
}

void TestRecordTables::rowTenReplacementKeepsOtherModes() {
    Tables t;
    QStringList lines = Rows(150, 0, 3, {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"});
    for (int i = 30; i < 150; ++i)
        lines[i] = QStringLiteral("other%1").arg(i);
    WritePlainTable(t.rec("shulte.rec"), lines);
    QCOMPARE(t.tables.CheckAndInsert(0, 5, false, 9.5, "Anna"), 10);
    const QStringList after = PlainLines(t.rec("shulte.rec"));
    QCOMPARE(after.size(), 150);
    QCOMPARE(after.mid(0, 27), lines.mid(0, 27));
    QCOMPARE(after.mid(27, 3), QStringList({"Anna", "9.5", Today}));
    QCOMPARE(after.mid(30), lines.mid(30));
}

void TestRecordTables::targetsLargerScoreRanksHigher() {
    Tables t;
    // mode 4 is the fourth table: lines 120..159
    QCOMPARE(t.tables.CheckAndInsert(3, 4, false, 0, "Zero"), 0);
    QCOMPARE(t.tables.CheckAndInsert(3, 4, false, 100, "A", " [a] "), 1);
    QCOMPARE(t.tables.CheckAndInsert(3, 4, false, 250, "B", " [b] "), 1);
    QCOMPARE(t.tables.CheckAndInsert(3, 4, false, 100, "C", " [c] "), 3);
    QCOMPARE(t.tables.CheckAndInsert(3, 4, false, 150, "D", " [d] "), 2);
    const QStringList lines = PlainLines(t.rec("targets.rec"));
    QCOMPARE(lines.size(), 160);
    QCOMPARE(lines.mid(120, 16),
             QStringList({"B", "250", " [b] ", Today, "D", "150", " [d] ", Today, "A", "100",
                          " [a] ", Today, "C", "100", " [c] ", Today}));
    QCOMPARE(lines.mid(0, 120), QStringList(120, QString()));
    QVERIFY_THROWS_EXCEPTION(OxelError, t.tables.CheckAndInsert(3, 4, false, 12.5, "E"));
}

// The dual n-back's percent is a score as the targets game's is: the higher ranks first.
void TestRecordTables::nbackPercentRanksHigher() {
    Tables t;
    QCOMPARE(t.tables.CheckAndInsert(8, 2, false, 70, "A"), 1);
    QCOMPARE(t.tables.CheckAndInsert(8, 2, false, 83, "B"), 1);
    QCOMPARE(t.tables.CheckAndInsert(8, 2, false, 50, "C"), 3);
    const QStringList lines = PlainLines(t.rec("nback.rec"));
    QCOMPARE(lines.size(), 150);
    // Mode 2 is the second table: lines 30..59.
    QCOMPARE(lines.mid(30, 9), QStringList({"B", "83", Today, "A", "70", Today, "C", "50", Today}));
}

void TestRecordTables::targetsRowsCarryDetailAsHint() {
    Tables t;
    QStringList lines(160, QString());
    lines[40] = "Anna";
    lines[41] = "77";
    lines[42] = "detail";
    lines[43] = "02.02.2022";
    WritePlainTable(t.rec("targets.rec"), lines);
    const RecordTables::Table table = t.tables.Load(3, 2, false);
    QCOMPARE(table[0], (RecordTables::Row{"Anna", "77", "detail", "02.02.2022"}));
    QCOMPARE(t.tables.CheckAndInsert(3, 2, false, 77, "Bob", "x"), 2);
    QCOMPARE(t.tables.Load(3, 2, false)[1], (RecordTables::Row{"Bob", "77", "x", Today}));
}

void TestRecordTables::seriesFlagChoosesTheSeriesFile() {
    Tables t;
    const QByteArray ordinary = ReadBytes(t.rec("rbshulte.rec"));
    QCOMPARE(t.tables.CheckAndInsert(1, 7, true, 41.2, "Anna"), 1);
    QCOMPARE(ReadBytes(t.rec("rbshulte.rec")), ordinary);
    QCOMPARE(t.tables.Load(1, 7, true)[0].name, QStringLiteral("Anna"));
    QCOMPARE(t.tables.Load(1, 7, false)[0].name, QString());
    QCOMPARE(PlainLines(t.rec("srbshulte.rec")).mid(30, 3), QStringList({"Anna", "41.2", Today}));
    QCOMPARE(t.tables.TablePath(1, true), t.rec("srbshulte.rec"));
}

void TestRecordTables::unknownModeSelectsFirstTable() {
    Tables t;
    QCOMPARE(t.tables.CheckAndInsert(7, 42, false, 15, "Anna"), 1);
    QCOMPARE(t.tables.Load(7, 1, false)[0].name, QStringLiteral("Anna"));
}

void TestRecordTables::shortFileReadsLenientlyAndFillsUp() {
    Tables t;
    WritePlainTable(t.rec("numbers.rec"), {"Old", "12", "01.01.2020", "Old2"});
    RecordTables::Table table = t.tables.Load(6, 1, false);
    QCOMPARE(table[0], (RecordTables::Row{"Old", "12", "", "01.01.2020"}));
    QCOMPARE(table[1], (RecordTables::Row{"Old2", "", "", ""}));
    QCOMPARE(t.tables.Load(6, 3, false)[9], RecordTables::Row());
    // mode 3 is the third table, lines 60..89
    QCOMPARE(t.tables.CheckAndInsert(6, 3, false, 44.4, "Anna"), 1);
    const QStringList lines = PlainLines(t.rec("numbers.rec"));
    QCOMPARE(lines.size(), 90);
    QCOMPARE(lines.mid(0, 4), QStringList({"Old", "12", "01.01.2020", "Old2"}));
    QCOMPARE(lines.mid(60, 3), QStringList({"Anna", "44.4", Today}));
    WritePlainTable(t.rec("numbers.rec"), {});
    QCOMPARE(t.tables.CheckAndInsert(6, 1, false, 50, "Bob"), 1);
    QCOMPARE(PlainLines(t.rec("numbers.rec")).size(), 30);
}

void TestRecordTables::missingTableThrowsAndChangesNothing() {
    Tables t;
    QVERIFY(QFile::remove(t.rec("probe.rec")));
    WriteBytes(t.folder.file("tmp"), "previous");
    for (int attempt = 0; attempt < 2; ++attempt) {
        try {
            if (attempt == 0)
                t.tables.Load(7, 1, false);
            else
                t.tables.CheckAndInsert(7, 1, false, 12.3, "Anna");
            QFAIL("a missing table was read");
        } catch (const OxelError& e) {
            QVERIFY2(e.text().contains("probe.rec"), qPrintable(e.text()));
        }
    }
    QVERIFY(!QFile::exists(t.rec("probe.rec")));
    QCOMPARE(ReadBytes(t.folder.file("tmp")), QByteArray("previous"));
}

void TestRecordTables::nonNumericRowThrowsAndWritesNothing() {
    Tables t;
    WritePlainTable(t.rec("counter.rec"), Rows(90, 30, 3, {"10", "abc", "30"}));
    const QByteArray before = ReadBytes(t.rec("counter.rec"));
    try {
        t.tables.CheckAndInsert(4, 6, false, 15, "Anna");
        QFAIL("a damaged row was compared");
    } catch (const OxelError& e) {
        QCOMPARE(e.text(), QStringLiteral("'abc' is not a valid floating point value"));
    }
    QCOMPARE(ReadBytes(t.rec("counter.rec")), before);
    // a result that ranks before the damaged row never reaches it
    QCOMPARE(t.tables.CheckAndInsert(4, 6, false, 5, "Anna"), 1);
}

void TestRecordTables::badCurrentResultTouchesNoFile() {
    Tables t;
    QFile::remove(t.folder.file("tmp"));
    const QByteArray before = ReadBytes(t.rec("shulte.rec"));
    QVERIFY_THROWS_EXCEPTION(OxelError, t.tables.CheckAndInsert(0, 5, false, qQNaN(), "Anna"));
    QVERIFY_THROWS_EXCEPTION(OxelError, t.tables.CheckAndInsert(0, 5, false, qInf(), "Anna"));
    QCOMPARE(ReadBytes(t.rec("shulte.rec")), before);
    QVERIFY(!QFile::exists(t.folder.file("tmp")));
}

void TestRecordTables::lineBreaksNeverBreakTheLayout() {
    Tables t;
    QCOMPARE(t.tables.CheckAndInsert(3, 1, false, 5, "An\r\nna", "a\nb"), 1);
    QCOMPARE(t.tables.Load(3, 1, false)[0], (RecordTables::Row{"An  na", "5", "a b", Today}));
    QCOMPARE(PlainLines(t.rec("targets.rec")).size(), 160);
}

void TestRecordTables::scratchFileKeepsLastPlainTable() {
    Tables t;
    t.tables.CheckAndInsert(0, 5, false, 23.4, QStringLiteral("Анна"));
    const QByteArray plain = ReadBytes(t.folder.file("tmp"));
    QVERIFY(plain.startsWith("\xC0\xED\xED\xE0\r\n23.4\r\n07.03.2024\r\n"));
    QCOMPARE(ReferenceCipher(plain, true), ReadBytes(t.rec("shulte.rec")));
    t.tables.Load(5, 2, false);
    QCOMPARE(ReadBytes(t.folder.file("tmp")), QByteArray("\r\n").repeated(60));
}

QTEST_GUILESS_MAIN(TestRecordTables)
#include "tst_recordtables.moc"
