#include "TestSupport.h"
#include "data/DataFile.h"
#include "data/Errors.h"
#include "data/Text1251.h"

#include <QDir>
#include <QFile>
#include <QtEndian>
#include <QtTest>

#include <functional>

using namespace Qt::Literals::StringLiterals;

// The keyed store: its byte layout, lookups, typed values, and how it copes with damage.
class TestDataFile : public QObject {
    Q_OBJECT

private:
    static constexpr char KeyText[] = "Qwzr7TnbpXahkM2VdeLFyuo4s";

    // Each run is enciphered on its own: byte 0 kept, byte i XOR key[(i - 1) mod 25].
    static QByteArray cipher(QByteArray run) {
        for (qsizetype i = 1; i < run.size(); ++i)
            run[i] = static_cast<char>(run[i] ^ KeyText[(i - 1) % 25]);
        return run;
    }

    static QByteArray plainHeader(const QByteArray& section, const QByteArray& name, quint32 length,
                                  quint32 magic = 274) {
        QByteArray h(80, '\0');
        qToLittleEndian<quint32>(magic, h.data());
        h.replace(4, section.size(), section);
        h.replace(40, name.size(), name);
        qToLittleEndian<quint32>(length, h.data() + 76);
        return h;
    }

    // A stored entry as an independent writer would produce it.
    static QByteArray entry(const QByteArray& section, const QByteArray& name,
                            const QByteArray& data) {
        return cipher(plainHeader(section, name, quint32(data.size()))) + cipher(data);
    }

    static QByteArray le32(qint32 v) {
        QByteArray b(4, '\0');
        qToLittleEndian<qint32>(v, b.data());
        return b;
    }

    static QByteArray bytesOf(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

    static void put(const QString& path, const QByteArray& bytes) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(bytes), bytes.size());
    }

    static QString invalidFormatOf(const std::function<void()>& call) {
        try {
            call();
        } catch (const OxelError& e) {
            return e.text();
        }
        return QStringLiteral("<no error>");
    }

private slots:
    void newStoreIsEmptyFileWithDefaults() {
        ProgramFolder folder(false);
        const QString path = folder.file("oxel.ini");
        TDataFile store(path);
        QVERIFY(QFile::exists(path));
        QCOMPARE(QFileInfo(path).size(), 0);
        QVERIFY(!store.EntryExists("COMMON", "LastUser"));
        QCOMPARE(store.ReadInteger("OPTIONS", "ShulteBGColor", 0xF0FBFF), 0xF0FBFF);
        QCOMPARE(store.ReadString("COMMON", "LastUser", "без имени"), u"без имени"_s);
        QCOMPARE(store.ReadBool("OPTIONS", "LightClick", true), true);
        FontRecord font;
        font.face = "Times New Roman";
        const FontRecord before = font;
        store.ReadFont("OPTIONS", "ShulteFont1", font);
        QCOMPARE(font, before);
        QByteArray stream("old");
        QCOMPARE(store.ReadStream("A", "B", stream), -1);
        QCOMPARE(stream, QByteArray("old"));
    }

    void writeIntegerStoresHeaderAndFourBytes() {
        ProgramFolder folder(false);
        const QString path = folder.file("Anna.dat");
        TDataFile store(path);
        store.WriteInteger("COMMON", "UprLevel", 3);

        const QByteArray file = bytesOf(path);
        QCOMPARE(file.size(), 84);
        QCOMPARE(static_cast<quint8>(file[0]), quint8(0x12));
        const QByteArray header = cipher(file.left(80));
        QCOMPARE(qFromLittleEndian<quint32>(header.constData()), quint32(274));
        QCOMPARE(header.mid(4, 36), QByteArray("COMMON") + QByteArray(30, '\0'));
        QCOMPARE(header.mid(40, 36), QByteArray("UprLevel") + QByteArray(28, '\0'));
        QCOMPARE(qFromLittleEndian<quint32>(header.constData() + 76), quint32(4));
        QCOMPARE(cipher(file.mid(80)), QByteArray::fromHex("03000000"));
        QCOMPARE(file, entry("COMMON", "UprLevel", le32(3)));
        QCOMPARE(store.ReadInteger("COMMON", "UprLevel", 0), 3);
    }

    void lookupIgnoresLetterCase() {
        ProgramFolder folder(false);
        TDataFile store(folder.file("oxel.ini"));
        store.WriteInteger("COMMON", "UprLevel", -7);
        QVERIFY(store.EntryExists("common", "uprlevel"));
        QCOMPARE(store.ReadInteger("common", "uprlevel", 0), -7);
        QCOMPARE(store.ReadInteger("COMMON", "UprLevel2", 5), 5);
        QCOMPARE(store.ReadInteger("OPTIONS", "UprLevel", 5), 5);
    }

    void cyrillicNamesIgnoreLetterCase() {
        ProgramFolder folder(false);
        const QString path = folder.file("store.dat");
        TDataFile store(path);
        store.WriteString(u"Настройки"_s, u"Ёлка"_s, u"зелёная"_s);
        QCOMPARE(store.ReadString(u"НАСТРОЙКИ"_s, u"ёЛКА"_s, {}), u"зелёная"_s);
        QVERIFY(!store.EntryExists(u"Настройки"_s, u"Елка"_s));
        // Names and values are stored in Windows-1251.
        const QByteArray header = cipher(bytesOf(path).left(80));
        QCOMPARE(header.mid(40, 5), QByteArray::fromHex("a8ebeae000"));
        QCOMPARE(cipher(bytesOf(path).mid(80)), QByteArray::fromHex("e7e5ebb8ede0ff00"));
    }

    void textStoresCharactersAndZero() {
        ProgramFolder folder(false);
        const QString path = folder.file("store.dat");
        TDataFile store(path);
        store.WriteString("COMMON", "Password", "abcde");
        QCOMPARE(QFileInfo(path).size(), 86);
        QCOMPARE(bytesOf(path), entry("COMMON", "Password", "abcde\0"_ba));
        QCOMPARE(store.ReadString("COMMON", "Password", "x"), u"abcde"_s);
        store.WriteString("COMMON", "Password", "");
        QCOMPARE(store.ReadString("COMMON", "Password", "x"), QString());
        QCOMPARE(QFileInfo(path).size(), 81);
    }

    void readStringStopsAtZeroOrDataEnd() {
        ProgramFolder folder(false);
        const QString path = folder.file("store.dat");
        put(path,
            entry("S", "a", "one\0two"_ba) + entry("S", "b", "\xc4\xe0") + entry("S", "c", {}));
        TDataFile store(path);
        QCOMPARE(store.ReadString("S", "a", "d"), u"one"_s);
        QCOMPARE(store.ReadString("S", "b", "d"), u"Да"_s);
        QCOMPARE(store.ReadString("S", "c", "d"), QString());
    }

    void rewriteMovesEntryToEnd() {
        ProgramFolder folder(false);
        const QString path = folder.file("store.dat");
        TDataFile store(path);
        store.WriteInteger("S", "A", 1);
        store.WriteInteger("S", "B", 2);
        store.WriteInteger("s", "a", 3);
        QCOMPARE(bytesOf(path), entry("S", "B", le32(2)) + entry("s", "a", le32(3)));
        QCOMPARE(store.ReadInteger("S", "A", 0), 3);
        QCOMPARE(store.ReadInteger("S", "B", 0), 2);
    }

    void writeReplacesEveryCopyOfDuplicatedEntry() {
        ProgramFolder folder(false);
        const QString path = folder.file("store.dat");
        const QByteArray other = entry("S", "B", le32(5));
        put(path, entry("S", "A", le32(1)) + other + entry("s", "a", le32(2)));
        TDataFile store(path);
        QCOMPARE(store.ReadInteger("S", "A", 0), 1);
        store.WriteInteger("S", "A", 3);
        QCOMPARE(bytesOf(path), other + entry("S", "A", le32(3)));
        QCOMPARE(store.ReadInteger("S", "A", 0), 3);
        // A delete removes only the first copy.
        put(path, entry("S", "A", le32(1)) + other + entry("s", "a", le32(2)));
        store.DeleteEntry("S", "A");
        QCOMPARE(store.ReadInteger("S", "A", 0), 2);
    }

    void deleteMovesFollowingEntriesUnchanged() {
        ProgramFolder folder(false);
        const QString path = folder.file("store.dat");
        const QByteArray first = entry("S", "first", "12345");
        const QByteArray rest = entry("S", "second", le32(2)) + entry("T", "third", "xyz\0"_ba);
        put(path, first + rest);
        TDataFile store(path);
        store.DeleteEntry("s", "FIRST");
        QCOMPARE(bytesOf(path), rest);
        QCOMPARE(QFileInfo(path).size(), (first + rest).size() - (80 + 5));
        store.DeleteEntry("S", "absent");
        QCOMPARE(bytesOf(path), rest);
        QCOMPARE(store.ReadString("T", "third", {}), u"xyz"_s);
    }

    void integerNeedsFourBytes() {
        ProgramFolder folder(false);
        const QString path = folder.file("store.dat");
        put(path, entry("S", "one", "\x05") + entry("S", "eight", le32(-2) + le32(9)));
        TDataFile store(path);
        QCOMPARE(store.ReadInteger("S", "one", 77), 77);
        QCOMPARE(store.ReadInteger("S", "eight", 77), -2);
    }

    void boolTakesFirstByte() {
        ProgramFolder folder(false);
        const QString path = folder.file("store.dat");
        put(path, entry("S", "four", le32(0x0100)) + entry("S", "seven", "\x07") +
                      entry("S", "empty", {}));
        TDataFile store(path);
        QCOMPARE(store.ReadBool("S", "four", true), false);
        QCOMPARE(store.ReadBool("S", "seven", false), true);
        QCOMPARE(store.ReadBool("S", "empty", true), true);
        store.WriteBool("S", "flag", true);
        QCOMPARE(bytesOf(path).right(81), entry("S", "flag", "\x01"));
        store.WriteBool("S", "flag", false);
        QCOMPARE(store.ReadBool("S", "flag", true), false);
    }

    void fontRecordLayout() {
        FontRecord font;
        font.charset = 204;
        font.colour = 0x80000005;
        font.pitch = 2;
        font.size = 0x0114;
        font.style = FontRecord::Bold | FontRecord::Underline;
        font.face = u"Ариал"_s;
        QCOMPARE(TDataFile::EncodeFont(font),
                 QByteArray::fromHex("cc0500008002140105c0f0e8e0eb00"));
    }

    void fontRoundTripKeepsEveryField() {
        ProgramFolder folder(false);
        TDataFile store(folder.file("oxel.ini"));
        FontRecord font;
        font.charset = 204;
        font.colour = 0x80000008;
        font.pitch = 1;
        font.size = 26;
        font.style = FontRecord::Italic | FontRecord::StrikeOut;
        font.face = "Times New Roman";
        store.WriteFont("OPTIONS", "ShulteFont1", font);
        FontRecord back;
        store.ReadFont("options", "shultefont1", back);
        QCOMPARE(back, font);

        font.colour = 0x0000FF;
        font.style = FontRecord::Bold;
        font.face = "Arial";
        store.WriteFont("OPTIONS", "ShulteFont1", font);
        store.ReadFont("OPTIONS", "ShulteFont1", back);
        QCOMPARE(back, font);
    }

    void shortFontEntryLeavesFontUnchanged() {
        ProgramFolder folder(false);
        const QString path = folder.file("store.dat");
        put(path, entry("OPTIONS", "Font", QByteArray::fromHex("cc0500008002140105")));
        TDataFile store(path);
        FontRecord font;
        font.face = "Courier";
        const FontRecord before = font;
        store.ReadFont("OPTIONS", "Font", font);
        QCOMPARE(font, before);
        QVERIFY(!TDataFile::DecodeFont(QByteArray::fromHex("cc0500008002140105"), font));
        // Ten bytes are a record with an empty face name.
        QVERIFY(TDataFile::DecodeFont(QByteArray::fromHex("cc050000800214010500"), font));
        QCOMPARE(font.face, QString());
        QCOMPARE(font.size, quint16(0x0114));
    }

    void badMagicRefusesReadsWritesAndDeletes() {
        ProgramFolder folder(false);
        const QString path = folder.file("store.dat");
        const QByteArray damaged = cipher(plainHeader("S", "A", 4, 275)) + cipher(le32(1));
        put(path, damaged);
        TDataFile store(path);
        const QString invalid = u"Invalid file format."_s;
        char buffer[4];
        QByteArray stream;
        FontRecord font;
        QCOMPARE(invalidFormatOf([&] { store.EntryExists("S", "A"); }), invalid);
        QCOMPARE(invalidFormatOf([&] { store.ReadData("S", "A", buffer, 4); }), invalid);
        QCOMPARE(invalidFormatOf([&] { store.ReadStream("S", "A", stream); }), invalid);
        QCOMPARE(invalidFormatOf([&] { store.ReadString("S", "A", {}); }), invalid);
        QCOMPARE(invalidFormatOf([&] { store.ReadInteger("S", "A", 0); }), invalid);
        QCOMPARE(invalidFormatOf([&] { store.ReadBool("S", "A", false); }), invalid);
        QCOMPARE(invalidFormatOf([&] { store.ReadFont("S", "A", font); }), invalid);
        QCOMPARE(invalidFormatOf([&] { store.WriteInteger("S", "A", 1); }), invalid);
        QCOMPARE(invalidFormatOf([&] { store.WriteString("T", "B", "x"); }), invalid);
        QCOMPARE(invalidFormatOf([&] { store.DeleteEntry("S", "A"); }), invalid);
        QCOMPARE(bytesOf(path), damaged);
    }

    void entryBeforeDamagedHeaderIsStillFound() {
        ProgramFolder folder(false);
        const QString path = folder.file("store.dat");
        const QByteArray good = entry("S", "A", le32(8));
        const QByteArray damaged = cipher(plainHeader("S", "B", 0, 0));
        put(path, good + damaged);
        TDataFile store(path);
        QCOMPARE(store.ReadInteger("S", "A", 0), 8);
        QVERIFY_THROWS_EXCEPTION(OxelError, store.ReadInteger("S", "B", 0));
        // A write would land behind the damaged header, where no lookup reaches it.
        QVERIFY_THROWS_EXCEPTION(OxelError, store.WriteInteger("S", "A", 9));
        QCOMPARE(bytesOf(path), good + damaged);
        store.DeleteEntry("S", "A");
        QCOMPARE(bytesOf(path), damaged);
    }

    void partialHeaderIsEndOfStore() {
        ProgramFolder folder(false);
        const QString path = folder.file("store.dat");
        const QByteArray partial = cipher(plainHeader("S", "A", 0)).left(79);
        put(path, partial);
        TDataFile store(path);
        QVERIFY(!store.EntryExists("S", "A"));
        QCOMPARE(store.ReadInteger("S", "A", 4), 4);
        // The new entry replaces the unusable tail so that it can be read back.
        store.WriteInteger("S", "B", 6);
        QCOMPARE(bytesOf(path), entry("S", "B", le32(6)));
        QCOMPARE(store.ReadInteger("S", "B", 0), 6);
    }

    void truncatedDataGivesBytesPresent() {
        ProgramFolder folder(false);
        const QString path = folder.file("store.dat");
        const QByteArray intact = entry("S", "ok", le32(5));
        put(path, intact + cipher(plainHeader("S", "cut", 10)) + cipher("abc"));
        TDataFile store(path);
        char buffer[10] = {};
        QCOMPARE(store.ReadData("S", "cut", buffer, sizeof buffer), 3);
        QCOMPARE(QByteArray(buffer, 3), QByteArray("abc"));
        QByteArray stream;
        QCOMPARE(store.ReadStream("S", "cut", stream), 3);
        QCOMPARE(stream, QByteArray("abc"));
        QCOMPARE(store.ReadInteger("S", "cut", -1), -1);
        QCOMPARE(store.ReadString("S", "cut", {}), u"abc"_s);
        QCOMPARE(store.ReadInteger("S", "ok", 0), 5);
    }

    void lengthPastEndEndsSearch() {
        ProgramFolder folder(false);
        const QString path = folder.file("store.dat");
        const QByteArray hidden = entry("S", "B", le32(2));
        put(path, cipher(plainHeader("S", "A", 0xFFFFFFF0u)) + hidden);
        TDataFile store(path);
        QVERIFY(!store.EntryExists("S", "B"));
        QCOMPARE(store.ReadInteger("S", "B", -5), -5);
        QVERIFY(store.EntryExists("S", "A"));
        QByteArray stream;
        QCOMPARE(store.ReadStream("S", "A", stream), hidden.size());
    }

    void writeAfterTruncatedEntryStaysReachable() {
        ProgramFolder folder(false);
        const QString path = folder.file("store.dat");
        const QByteArray intact = entry("S", "ok", le32(5));
        put(path, intact + cipher(plainHeader("S", "cut", 10)) + cipher("abc"));
        TDataFile store(path);
        store.WriteInteger("S", "new", 12);
        QCOMPARE(bytesOf(path), intact + entry("S", "new", le32(12)));
        QCOMPARE(store.ReadInteger("S", "new", 0), 12);
    }

    void deleteTruncatedEntryKeepsEarlierEntries() {
        ProgramFolder folder(false);
        const QString path = folder.file("store.dat");
        const QByteArray intact = entry("S", "ok", "0123456789");
        put(path, intact + cipher(plainHeader("S", "cut", 1000)) + cipher("abc"));
        TDataFile store(path);
        store.DeleteEntry("S", "cut");
        QCOMPARE(bytesOf(path), intact);
    }

    void testNameMatchesFirstEntryOfSection() {
        ProgramFolder folder(false);
        TDataFile store(folder.file("store.dat"));
        store.WriteInteger("S", "x", 1);
        store.WriteInteger("T", "y", 2);
        store.WriteInteger("S", "z", 3);
        QCOMPARE(store.ReadInteger("s", "$test", 0), 1);
        QCOMPARE(store.ReadInteger("T", "$test", 0), 2);
        QVERIFY(!store.EntryExists("U", "$test"));
        QVERIFY(!store.EntryExists("S", "$TEST"));
        store.WriteInteger("S", "$test", 9);
        QCOMPARE(store.ReadInteger("S", "x", 0), 0);
        QCOMPARE(store.ReadInteger("S", "z", 0), 3);
        QCOMPARE(store.ReadInteger("S", "$test", 0), 3);
    }

    void unterminatedNameFieldIsThirtySixCharacters() {
        ProgramFolder folder(false);
        const QString path = folder.file("store.dat");
        const QByteArray name36(36, 'N');
        const QByteArray section36 = QByteArray(35, 's') + 'S';
        put(path, entry(section36, name36, le32(36)));
        TDataFile store(path);
        QCOMPARE(store.ReadInteger(QString(section36).toUpper(), QString(name36).toLower(), 0), 36);
        QVERIFY(!store.EntryExists(QString(section36), QString(name36.left(35))));
    }

    void overlongNamesAreRefused() {
        ProgramFolder folder(false);
        const QString path = folder.file("store.dat");
        TDataFile store(path);
        store.WriteInteger("S", QString(35, 'n'), 35);
        const QByteArray before = bytesOf(path);
        QVERIFY_THROWS_EXCEPTION(OxelError, store.WriteInteger("S", QString(36, 'n'), 1));
        QVERIFY_THROWS_EXCEPTION(OxelError, store.WriteString(QString(40, 's'), "n", "v"));
        QVERIFY_THROWS_EXCEPTION(OxelError, store.WriteBool("S", u"名前"_s, true));
        QCOMPARE(bytesOf(path), before);
        QCOMPARE(store.ReadInteger("S", QString(35, 'N'), 0), 35);
    }

    void rawDataRoundTripLeavesCallerBytes() {
        ProgramFolder folder(false);
        TDataFile store(folder.file("store.dat"));
        const QByteArray data = "\x00\xff\r\n\x12payload"_ba;
        QByteArray caller = data;
        QCOMPARE(store.WriteData("S", "raw", int(caller.size()), caller.constData()), data.size());
        QCOMPARE(caller, data);
        char buffer[32] = {};
        QCOMPARE(store.ReadData("S", "raw", buffer, sizeof buffer), data.size());
        QCOMPARE(QByteArray(buffer, data.size()), data);
        char small[3] = {};
        QCOMPARE(store.ReadData("S", "raw", small, sizeof small), 3);
        QCOMPARE(QByteArray(small, 3), data.left(3));
        QByteArray stream("previous content that is longer");
        QCOMPARE(store.ReadStream("S", "raw", stream), data.size());
        QCOMPARE(stream, data);
    }

    void openErrorsNameTheFile() {
        ProgramFolder folder(false);
        const QString missing = folder.file("users/Anna.dat");
        try {
            TDataFile store(missing);
            QFAIL("no error for a file in a missing folder");
        } catch (const OxelError& e) {
            QVERIFY2(e.text().startsWith(u"Cannot create file \""_s + missing + '"'),
                     qPrintable(e.text()));
        }
        QVERIFY(QDir(folder.path()).mkdir("dir.dat"));
        const QString dir = folder.file("dir.dat");
        try {
            TDataFile store(dir);
            QFAIL("no error for a folder");
        } catch (const OxelError& e) {
            QVERIFY2(e.text().startsWith(u"Cannot open file \""_s + dir + '"'),
                     qPrintable(e.text()));
        }
    }

    void writesLeaveNoStrayFiles() {
        ProgramFolder folder(false);
        TDataFile store(folder.file("oxel.ini"));
        for (int i = 0; i < 20; ++i)
            store.WriteInteger("OPTIONS", QString("Colour%1").arg(i % 5), i);
        store.DeleteEntry("OPTIONS", "Colour0");
        QCOMPARE(
            QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
            QStringList{"oxel.ini"});
        QCOMPARE(QFileInfo(folder.file("oxel.ini")).size(), 4 * 84);
        QCOMPARE(store.ReadInteger("OPTIONS", "Colour4", 0), 19);
    }

    void decodeOverrideChangesBothDirections() {
        // A store whose cipher does nothing writes its headers in plain form.
        class PlainStore : public TDataFile {
        public:
            using TDataFile::TDataFile;
            void Decode(char*, int) override {}
        };
        ProgramFolder folder(false);
        const QString path = folder.file("plain.dat");
        PlainStore store(path);
        store.WriteString("COMMON", "Password", "pw");
        QCOMPARE(bytesOf(path), plainHeader("COMMON", "Password", 3) + "pw\0"_ba);
        QCOMPARE(store.ReadString("COMMON", "Password", {}), u"pw"_s);
    }
};

QTEST_GUILESS_MAIN(TestDataFile)
#include "tst_datafile.moc"
