#include "FileBytes.h"
#include "OptionsReference.h"
#include "TestSupport.h"
#include "data/DataFile.h"
#include "data/Errors.h"
#include "data/Settings.h"

#include <QFile>
#include <QTest>

namespace {

// A store as a running program leaves it: switches and the last user first, some options
// from an earlier save, the statistics window size last.
QByteArray LivedInStore(const QString& path) {
    {
        TDataFile file(path);
        file.WriteBool("COMMON", "FullScreen", true);
        file.WriteString("COMMON", "LastUser", QStringLiteral("Анна"));
        file.WriteInteger("OPTIONS", "ShulteBGColor", 0x112233);
        file.WriteFont("OPTIONS", "rbshultefont1", Settings::Large12Font());
        file.WriteInteger("OPTIONS", "TargetColor4", 0x445566);
        file.WriteInteger("Lessons", "Height", 420);
    }
    return ReadBytes(path);
}

Settings Edited() {
    Settings s;
    s.ShulteBGColor = 0x0A0B0C;
    s.NumbersShowJordano = true;
    s.TargetColor[9] = 0x123456;
    s.ProbeFont2.face = QStringLiteral("Liberation Mono");
    s.ProbeFont2.size = 17;
    return s;
}

// A store that notes whether the file on disk changed while a save was still reading it.
class WatchingStore : public TDataFile {
public:
    explicit WatchingStore(const QString& path) : TDataFile(path), before(ReadBytes(path)) {}
    void Decode(char* buffer, int count) override {
        if (ReadBytes(FileName()) != before)
            changedMidway = true;
        TDataFile::Decode(buffer, count);
    }
    const QByteArray before;
    bool changedMidway = false;
};

} // namespace

class TestDataFileBatch : public QObject {
    Q_OBJECT

private slots:
    // The settings window's one replacement and the entry-by-entry writes leave the same
    // bytes, on a fresh store and on one that already holds entries in another order.
    void savedOptionsEqualTheWritesOneByOne() {
        ProgramFolder folder(false);
        for (bool lived : {false, true}) {
            const QString single = folder.file(QStringLiteral("single%1.ini").arg(lived));
            const QString batched = folder.file(QStringLiteral("batched%1.ini").arg(lived));
            if (lived) {
                const QByteArray before = LivedInStore(single);
                WriteBytes(batched, before);
            }
            {
                TDataFile file(single);
                WriteOptionsOneByOne(file, Edited());
            }
            {
                TDataFile file(batched);
                Edited().SaveOptions(file);
            }
            QCOMPARE(ReadBytes(batched), ReadBytes(single));
        }
    }

    // The 38 entries go to the file in one replacement: no write of the save sees the file
    // already changed by an earlier one.
    void settingsSaveReplacesTheFileOnce() {
        ProgramFolder folder(false);
        const QString path = folder.file("oxel.ini");
        LivedInStore(path);
        WatchingStore file(path);
        Edited().SaveOptions(file);
        QVERIFY(!file.changedMidway);
        QVERIFY(ReadBytes(path) != file.before);
        QCOMPARE(TDataFile(path).ReadInteger("OPTIONS", "TargetColor10", 0), 0x123456);
    }

    void fileStaysAsItWasUntilCommit() {
        ProgramFolder folder(false);
        const QString path = folder.file("oxel.ini");
        const QByteArray before = LivedInStore(path);
        TDataFile file(path);
        {
            TDataFile::Batch batch(file);
            file.WriteInteger("OPTIONS", "ShulteBGColor", 7);
            file.DeleteEntry("COMMON", "FullScreen");
            // Reads inside the batch see its writes; the file does not yet.
            QCOMPARE(file.ReadInteger("OPTIONS", "ShulteBGColor", 0), 7);
            QVERIFY(!file.EntryExists("COMMON", "FullScreen"));
            QCOMPARE(ReadBytes(path), before);
            batch.Commit();
        }
        QVERIFY(ReadBytes(path) != before);
        TDataFile reopened(path);
        QCOMPARE(reopened.ReadInteger("OPTIONS", "ShulteBGColor", 0), 7);
        QVERIFY(!reopened.EntryExists("COMMON", "FullScreen"));
        QCOMPARE(reopened.ReadString("COMMON", "LastUser", {}), QStringLiteral("Анна"));
    }

    // A batch cut off by an error, or left without Commit, writes nothing; the store works
    // entry by entry again afterwards.
    void batchCutOffWritesNothing() {
        ProgramFolder folder(false);
        const QString path = folder.file("oxel.ini");
        const QByteArray before = LivedInStore(path);
        TDataFile file(path);
        try {
            TDataFile::Batch batch(file);
            file.WriteInteger("OPTIONS", "ShulteBGColor", 7);
            file.WriteInteger("OPTIONS", QString(40, QLatin1Char('x')), 1);
            batch.Commit();
            QFAIL("a name of 40 characters was stored");
        } catch (const OxelError&) {
        }
        QCOMPARE(ReadBytes(path), before);
        {
            TDataFile::Batch batch(file);
            file.WriteInteger("OPTIONS", "ShulteBGColor", 8);
        }
        QCOMPARE(ReadBytes(path), before);
        QCOMPARE(file.ReadInteger("OPTIONS", "ShulteBGColor", 0), 0x112233);
        file.WriteInteger("OPTIONS", "ShulteBGColor", 9);
        QCOMPARE(TDataFile(path).ReadInteger("OPTIONS", "ShulteBGColor", 0), 9);
    }

    void damagedStoreRefusesTheSaveAndKeepsItsBytes() {
        ProgramFolder folder(false);
        const QString path = folder.file("oxel.ini");
        QByteArray damaged = LivedInStore(path);
        damaged[0] = '\x13';
        WriteBytes(path, damaged);
        TDataFile file(path);
        QVERIFY_THROWS_EXCEPTION(OxelError, Edited().SaveOptions(file));
        QCOMPARE(ReadBytes(path), damaged);
    }
};

QTEST_GUILESS_MAIN(TestDataFileBatch)
#include "tst_datafile_batch.moc"
