#include "TestSupport.h"
#include "data/Dictionaries.h"
#include "data/Errors.h"

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

QByteArray ReadFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// "слово" in Windows-1251.
const QByteArray Slovo("\xF1\xEB\xEE\xE2\xEE");

} // namespace

class TestDictionaries : public QObject {
    Q_OBJECT

private slots:
    void filesFollowTheLanguage();
    void wordListFollowsTheLanguage();
    void shortHeadingListKeepsBuiltInHeadings();
    void longHeadingListUsesFirstEight();
    void numberListIsNotPadded();
    void lineEndsAndEmptyEntries();
    void savedListIsCodePageWithCrLf();
    void missingListNamesTheFile();
};

void TestDictionaries::filesFollowTheLanguage() {
    QCOMPARE(Dictionaries::WordListName(1), QStringLiteral("dic/eng.dic"));
    QCOMPARE(Dictionaries::NumberListName(1), QStringLiteral("dic/enum.dic"));
    QCOMPARE(Dictionaries::HeadingListName(1), QStringLiteral("dic/egipno.dic"));
    QCOMPARE(Dictionaries::WordListName(2), QStringLiteral("dic/rus.dic"));
    QCOMPARE(Dictionaries::NumberListName(2), QStringLiteral("dic/rnum.dic"));
    QCOMPARE(Dictionaries::HeadingListName(2), QStringLiteral("dic/rgipno.dic"));

    ProgramFolder folder(false);
    WriteFile(folder.file("dic/eng.dic"), "apple\r\n");
    WriteFile(folder.file("dic/rus.dic"), Slovo + "\r\n");
    const Dictionaries dic(folder.path());
    QCOMPARE(dic.LoadWordList(1), QStringList{"apple"});
    QCOMPARE(dic.LoadWordList(2), QStringList{QStringLiteral("слово")});
}

void TestDictionaries::wordListFollowsTheLanguage() {
    ProgramFolder folder(false);
    const Dictionaries dic(folder.path());
    QCOMPARE(dic.WordListPath(2), QDir(folder.path()).filePath("dic/rus.dic"));
    QCOMPARE(dic.WordListPath(1), QDir(folder.path()).filePath("dic/eng.dic"));
}

// A list of an earlier version has fewer lines than there are exercises now.
void TestDictionaries::shortHeadingListKeepsBuiltInHeadings() {
    ProgramFolder folder(false);
    WriteFile(folder.file("dic/rgipno.dic"), "h0\r\nh1\r\nh2\r\nh3\r\nh4\r\n");
    WriteFile(folder.file("dic/rnum.dic"), "zero\r\none\r\n");
    const Dictionaries::GipnoText text = Dictionaries(folder.path()).LoadGipnoText(2);
    for (int k = 0; k < Dictionaries::HeadingCount; ++k)
        QCOMPARE(text.headings[k], k < 5 ? QStringLiteral("h%1").arg(k)
                                         : T(Exercise(k).heading, 2));
    QCOMPARE(text.headings[8], QStringLiteral("развиваем рабочую память"));
    QCOMPARE(text.numbers, QStringList({"zero", "one"}));
}

void TestDictionaries::longHeadingListUsesFirstEight() {
    ProgramFolder folder(false);
    QByteArray list;
    for (int i = 0; i < 12; ++i)
        list += "line" + QByteArray::number(i) + "\r\n";
    WriteFile(folder.file("dic/egipno.dic"), list);
    WriteFile(folder.file("dic/enum.dic"), {});
    const Dictionaries::GipnoText text = Dictionaries(folder.path()).LoadGipnoText(1);
    QCOMPARE(text.headings[0], QStringLiteral("line0"));
    QCOMPARE(text.headings[7], QStringLiteral("line7"));
    QVERIFY(text.numbers.isEmpty());
}

void TestDictionaries::numberListIsNotPadded() {
    ProgramFolder folder(false);
    QByteArray list;
    for (int i = 0; i < 60; ++i)
        list += "w" + QByteArray::number(i) + "\r\n";
    WriteFile(folder.file("dic/rnum.dic"), list);
    WriteFile(folder.file("dic/rgipno.dic"), {});
    const Dictionaries::GipnoText text = Dictionaries(folder.path()).LoadGipnoText(2);
    QCOMPARE(text.numbers.size(), 60);
    QCOMPARE(text.numbers[42], QStringLiteral("w42"));
    // An empty heading list leaves the built-in headings.
    QCOMPARE(text.headings[0], T(Exercise(0).heading, 2));
}

void TestDictionaries::lineEndsAndEmptyEntries() {
    ProgramFolder folder(false);
    WriteFile(folder.file("dic/rus.dic"), "one\ntwo\n\nfour " + Slovo + "\n");
    WriteFile(folder.file("dic/eng.dic"), "one\r\ntwo\r\n\r\nfour " + Slovo + "\r\n");
    const Dictionaries dic(folder.path());
    const QStringList expected = {"one", "two", "", QStringLiteral("four слово")};
    QCOMPARE(dic.LoadWordList(2), expected);
    QCOMPARE(dic.LoadWordList(1), expected);
}

void TestDictionaries::savedListIsCodePageWithCrLf() {
    ProgramFolder folder(false);
    QDir(folder.path()).mkdir("dic");
    const Dictionaries dic(folder.path());
    dic.SaveHeadingList({QStringLiteral("слово"), "", "b"}, 2);
    QCOMPARE(ReadFile(folder.file("dic/rgipno.dic")), Slovo + "\r\n\r\nb\r\n");
    QStringList numbers;
    for (int i = 0; i < 100; ++i)
        numbers.append(i % 2 ? QString() : QStringLiteral("n%1").arg(i));
    dic.SaveNumberList(numbers, 2);
    QCOMPARE(dic.LoadNumberList(2), numbers);
    QCOMPARE(QDir(folder.file("dic")).entryList(QDir::Files),
             QStringList({"rgipno.dic", "rnum.dic"}));
}

void TestDictionaries::missingListNamesTheFile() {
    ProgramFolder folder(false);
    WriteFile(folder.file("dic/rnum.dic"), "x\r\n");
    try {
        Dictionaries(folder.path()).LoadGipnoText(2);
        QFAIL("a missing heading list loaded");
    } catch (const OxelError& e) {
        QVERIFY(e.text().contains("rgipno.dic"));
    }
}

QTEST_GUILESS_MAIN(TestDictionaries)
#include "tst_dictionaries.moc"
