#include "TestSupport.h"
#include "data/Errors.h"
#include "data/FileCipher.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QtTest>

using namespace Qt::Literals::StringLiterals;

// The whole-file cipher of the tables and statistics files, on buffers and on files.
class TestFileCipher : public QObject {
    Q_OBJECT

private:
    // The key stream written out with plain integers, independently of the program's loop.
    static QByteArray referenceEncrypt(const QByteArray& plain, qint64 key) {
        QByteArray out;
        for (char ch : plain) {
            const qint64 c = (static_cast<unsigned char>(ch) ^ (key / 256)) & 0xFF;
            out.append(static_cast<char>(c));
            key = (((key + c) % 65536) * 38219 + 27431) % 65536;
        }
        return out;
    }

    static QByteArray randomBytes(int size, quint32 seed) {
        QRandomGenerator gen(seed);
        QByteArray bytes(size, '\0');
        for (char& b : bytes)
            b = static_cast<char>(gen.bounded(256));
        return bytes;
    }

    static void writeFile(const QString& path, const QByteArray& bytes) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(bytes), bytes.size());
    }

    static QByteArray readFile(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

    static QStringList entries(const QString& folder) {
        return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                                      QDir::Name);
    }

private slots:
    void enciphersKnownVector() {
        // Worked by hand: 41^5E = 1F; k = ((24089 + 31) * 38219 + 27431) mod 65536 = 9D8F;
        // 42^9D = DF.
        QCOMPARE(EncryptBytes("AB"), QByteArray::fromHex("1fdf"));
    }

    void matchesReferenceKeyStream() {
        const QByteArray plain = randomBytes(4096, 7);
        QCOMPARE(EncryptBytes(plain), referenceEncrypt(plain, ProgramKey));
        QCOMPARE(EncryptBytes(plain, 1), referenceEncrypt(plain, 1));
        QCOMPARE(EncryptBytes(plain, 0xFFFF), referenceEncrypt(plain, 0xFFFF));
    }

    void masksFirstByteWithHighByteOfKey() {
        for (int plain : {0x00, 0x31, 0x5E, 0xC0, 0xFF}) {
            const QByteArray stored = EncryptBytes(QByteArray(1, char(plain)) + "tail");
            QCOMPARE(static_cast<quint8>(stored[0]), static_cast<quint8>(plain ^ 0x5E));
        }
    }

    void roundTripsEveryByteValue() {
        QByteArray plain;
        for (int i = 0; i < 256; ++i)
            plain.append(static_cast<char>(i));
        plain += "1\r\n2\r\n\r\n\n\r\0\xff"_ba;
        for (quint16 key : {ProgramKey, quint16(0), quint16(0xFFFF)}) {
            const QByteArray stored = EncryptBytes(plain, key);
            QCOMPARE(stored.size(), plain.size());
            QVERIFY(stored != plain);
            QCOMPARE(DecryptBytes(stored, key), plain);
        }
    }

    void emptyStaysEmpty() {
        QVERIFY(EncryptBytes({}).isEmpty());
        QVERIFY(DecryptBytes({}).isEmpty());
    }

    void samePlainGivesSameCipher() {
        const QByteArray plain = "Анна;12.5;01.02.2024"_ba;
        QCOMPARE(EncryptBytes(plain), EncryptBytes(plain));
        QVERIFY(EncryptBytes(plain, ProgramKey) != EncryptBytes(plain, ProgramKey + 1));
    }

    void keyFollowsStoredBytes() {
        // A changed stored byte changes the deciphered bytes from there on, never before.
        const QByteArray plain = randomBytes(64, 3);
        QByteArray stored = EncryptBytes(plain);
        stored[10] = static_cast<char>(stored[10] ^ 0x01);
        const QByteArray garbled = DecryptBytes(stored);
        QCOMPARE(garbled.left(10), plain.left(10));
        QCOMPARE(static_cast<quint8>(garbled[10]), static_cast<quint8>(plain[10] ^ 0x01));
        QVERIFY(garbled.mid(11) != plain.mid(11));
    }

    void fileRoundTripLeavesSourceUnchanged() {
        ProgramFolder folder(false);
        const QString plainPath = folder.file("tmp");
        const QString storedPath = folder.file("shulte.rec");
        const QByteArray plain = "Иван\r\n23.4\r\n\0\xff\r\n"_ba;
        writeFile(plainPath, plain);
        EncryptFile(plainPath, storedPath);
        QCOMPARE(readFile(plainPath), plain);
        QCOMPARE(readFile(storedPath), referenceEncrypt(plain, ProgramKey));

        writeFile(plainPath, QByteArray(500, 'z'));
        DecryptFile(storedPath, plainPath);
        QCOMPARE(readFile(plainPath), plain);
        QCOMPARE(readFile(storedPath), referenceEncrypt(plain, ProgramKey));
        QCOMPARE(entries(folder.path()), (QStringList{"shulte.rec", "tmp"}));
    }

    void emptyFileGivesEmptyFile() {
        ProgramFolder folder(false);
        writeFile(folder.file("empty"), {});
        EncryptFile(folder.file("empty"), folder.file("stored"));
        QVERIFY(QFile::exists(folder.file("stored")));
        QCOMPARE(QFileInfo(folder.file("stored")).size(), 0);
        DecryptFile(folder.file("stored"), folder.file("plain"));
        QCOMPARE(QFileInfo(folder.file("plain")).size(), 0);
    }

    void fileMayBeItsOwnDestination() {
        ProgramFolder folder(false);
        const QByteArray plain = randomBytes(300, 11);
        writeFile(folder.file("f"), plain);
        EncryptFile(folder.file("f"), folder.file("f"));
        QCOMPARE(readFile(folder.file("f")), EncryptBytes(plain));
        DecryptFile(folder.file("f"), folder.file("f"));
        QCOMPARE(readFile(folder.file("f")), plain);
    }

    void missingSourceNamesItAndWritesNothing() {
        ProgramFolder folder(false);
        const QString source = folder.file("rec/absent.rec");
        try {
            DecryptFile(source, folder.file("tmp"));
            QFAIL("no error for a missing source");
        } catch (const OxelError& e) {
            QVERIFY2(e.text().contains(source), qPrintable(e.text()));
        }
        QVERIFY(entries(folder.path()).isEmpty());
    }

    void unwritableDestinationNamesIt() {
        ProgramFolder folder(false);
        writeFile(folder.file("tmp"), "data");
        const QString destination = folder.file("users/AnnaDB/shulte5.dat");
        try {
            EncryptFile(folder.file("tmp"), destination);
            QFAIL("no error for a destination in a missing folder");
        } catch (const OxelError& e) {
            QVERIFY2(e.text().contains(destination), qPrintable(e.text()));
        }
        QCOMPARE(entries(folder.path()), QStringList{"tmp"});
        QCOMPARE(readFile(folder.file("tmp")), QByteArray("data"));
    }
};

QTEST_GUILESS_MAIN(TestFileCipher)
#include "tst_filecipher.moc"
