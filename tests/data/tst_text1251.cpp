#include "TestSupport.h"
#include "data/Errors.h"
#include "data/Text1251.h"

#include <QDir>
#include <QFile>
#include <QtTest>

// Windows-1251 text, the line-list rules of the plain data files and whole-file load and save.
class TestText1251 : public QObject {
    Q_OBJECT

private:
    template <std::size_t N> static QByteArray raw(const char (&text)[N]) {
        return QByteArray(text, N - 1);
    }
    static QByteArray bytesOf(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

private slots:
    void startUpCheckOfTheCodePage() {
        TestSeams seams;
        QVERIFY(CheckCodePage());
        QVERIFY(CheckCodePage("Windows-1251"));
        QVERIFY(seams.dialogs.messages.isEmpty());
        // A machine without the code page: told once, clearly, instead of empty files.
        QVERIFY(!CheckCodePage("x-oxel-no-such-code-page"));
        QCOMPARE(seams.dialogs.messages,
                 QStringList{QStringLiteral("В системе нет кодовой страницы Windows-1251: "
                                            "Oxelium не сможет читать и записывать свои файлы.")});
    }

    void encodesCyrillicAsSingleBytes() {
        // Code page 1251: П=CF р=F0 и=E8 в=E2 е=E5 т=F2, Ё=A8, ё=B8.
        QCOMPARE(EncodeText(QStringLiteral("Привет Ёё")),
                 QByteArray::fromHex("cff0e8e2e5f220a8b8"));
        QCOMPARE(EncodeText(QStringLiteral("Abc 12")), QByteArray("Abc 12"));
    }

    void decodesCyrillicBytes() {
        QCOMPARE(DecodeText(QByteArray::fromHex("c0e1e2fddeff")), QStringLiteral("АбвэЮя"));
        const QString all =
            QStringLiteral("АБВГДЕЁЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯабвгдеёжзийклмнопрстуфхцчшщъыьэюя");
        QCOMPARE(DecodeText(EncodeText(all)), all);
        QCOMPARE(EncodeText(all).size(), all.size());
    }

    void readLinesAcceptsEveryLineEnd() {
        QCOMPARE(ReadLines("a\rb\nc\r\nd"), (QStringList{"a", "b", "c", "d"}));
    }

    void readLinesKeepsLastLineWithoutEnd() {
        QCOMPARE(ReadLines("one\r\ntwo"), (QStringList{"one", "two"}));
        QCOMPARE(ReadLines("single"), (QStringList{"single"}));
    }

    void readLinesAddsNoEntryForFinalLineEnd() {
        QCOMPARE(ReadLines("one\r\ntwo\r\n"), (QStringList{"one", "two"}));
        QCOMPARE(ReadLines("one\n"), (QStringList{"one"}));
        QCOMPARE(ReadLines("one\r"), (QStringList{"one"}));
        QVERIFY(ReadLines(QByteArray()).isEmpty());
    }

    void readLinesKeepsEmptyLinesAndBlanks() {
        QCOMPARE(ReadLines("a\r\n\r\n b \r\n"), (QStringList{"a", "", " b "}));
        QCOMPARE(ReadLines("\r\n"), (QStringList{""}));
        // LF then CR are two line ends, not one pair.
        QCOMPARE(ReadLines("x\n\ry"), (QStringList{"x", "", "y"}));
    }

    void readLinesStopsAtZeroByte() {
        const QByteArray bytes = raw("first\r\nsec\0ond\r\nthird\r\n");
        QCOMPARE(ReadLines(bytes), (QStringList{"first", "sec"}));
        QVERIFY(ReadLines(raw("\0abc")).isEmpty());
    }

    void readLinesWithLfOnlyEqualsCrLf() {
        const QByteArray crlf = EncodeText(QStringLiteral("слово\r\n\r\nдом\r\n"));
        const QByteArray lf = EncodeText(QStringLiteral("слово\n\nдом\n"));
        QCOMPARE(ReadLines(lf), ReadLines(crlf));
        QCOMPARE(ReadLines(lf), (QStringList{"слово", "", "дом"}));
    }

    void writeLinesEndsEveryEntryWithCrLf() {
        QCOMPARE(WriteLines({"a", "", "Я"}), QByteArray("a\r\n\r\n\xdf\r\n"));
        QVERIFY(WriteLines({}).isEmpty());
        const QStringList lines{"12.3", "", "Анна", " x "};
        QCOMPARE(ReadLines(WriteLines(lines)), lines);
    }

    void loadingMissingFileNamesIt() {
        ProgramFolder folder(false);
        const QString path = folder.file("absent.dic");
        try {
            LoadFileBytes(path);
            QFAIL("no error for a missing file");
        } catch (const OxelError& e) {
            QVERIFY2(e.text().contains(path), qPrintable(e.text()));
            QVERIFY(e.text().startsWith("Cannot open file"));
        }
        QVERIFY_THROWS_EXCEPTION(OxelError, LoadLinesFile(path));
    }

    void loadingFolderFails() {
        ProgramFolder folder(false);
        QVERIFY(QDir(folder.path()).mkdir("dic"));
        QVERIFY_THROWS_EXCEPTION(OxelError, LoadFileBytes(folder.file("dic")));
    }

    void saveAndLoadRoundTrip() {
        ProgramFolder folder(false);
        const QString path = folder.file("rus.dic");
        SaveLinesFile(path, {"кот", "", "пёс"});
        QCOMPARE(bytesOf(path), QByteArray("\xea\xee\xf2\r\n\r\n\xef\xb8\xf1\r\n"));
        QCOMPARE(LoadLinesFile(path), (QStringList{"кот", "", "пёс"}));
        const QByteArray binary = raw("\x00\xff\r\n\x01");
        SaveFileBytes(path, binary);
        QCOMPARE(LoadFileBytes(path), binary);
    }

    void saveReplacesWithoutStrayFiles() {
        ProgramFolder folder(false);
        const QString path = folder.file("table.rec");
        SaveFileBytes(path, QByteArray(1000, 'x'));
        SaveFileBytes(path, "short");
        QCOMPARE(bytesOf(path), QByteArray("short"));
        QCOMPARE(
            QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
            QStringList{"table.rec"});
    }

    void saveIntoMissingFolderNamesFile() {
        ProgramFolder folder(false);
        const QString path = folder.file("nowhere/table.rec");
        try {
            SaveFileBytes(path, "x");
            QFAIL("no error for a missing folder");
        } catch (const OxelError& e) {
            QVERIFY2(e.text().contains(path), qPrintable(e.text()));
        }
        QVERIFY(!QFile::exists(path));
    }

    void saveOverFolderFailsAndKeepsIt() {
        ProgramFolder folder(false);
        QVERIFY(QDir(folder.path()).mkdir("rec"));
        const QString path = folder.file("rec");
        try {
            SaveLinesFile(path, {"x"});
            QFAIL("no error when saving over a folder");
        } catch (const OxelError& e) {
            QVERIFY2(e.text().contains(path), qPrintable(e.text()));
        }
        QVERIFY(QFileInfo(path).isDir());
        QCOMPARE(
            QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
            QStringList{"rec"});
    }
};

QTEST_GUILESS_MAIN(TestText1251)
#include "tst_text1251.moc"
