// Feeds arbitrary bytes to the keyed store as its file: lookups, typed reads, a write and a
// delete must never crash, and a write that succeeds must be readable straight after.
#include "FuzzScratch.h"
#include "data/DataFile.h"
#include "data/Errors.h"

#include <QDir>
#include <QFile>

#include <cstdint>
#include <cstdlib>

namespace {

const QString& StorePath() {
    static const QString path = QDir(FuzzScratchDir()).filePath(QStringLiteral("store.dat"));
    return path;
}

void Check(bool condition) {
    if (!condition)
        std::abort();
}

// Lookups and typed reads of the names a damaged store most likely holds.
void ReadAll(TDataFile& store) {
    static const char* const names[][2] = {{"COMMON", "UprLevel"},
                                           {"COMMON", "Password"},
                                           {"OPTIONS", "ShulteFont1"},
                                           {"S", "A"},
                                           {"S", "$test"},
                                           {"", ""}};
    for (const auto& n : names) {
        try {
            const bool exists = store.EntryExists(n[0], n[1]);
            QByteArray stream;
            const int length = store.ReadStream(n[0], n[1], stream);
            Check(exists == (length >= 0));
            Check(length < 0 || length == stream.size());
            char buffer[16];
            const int read = store.ReadData(n[0], n[1], buffer, sizeof buffer);
            Check(read <= static_cast<int>(sizeof buffer) && (read < 0) == !exists);
            store.ReadString(n[0], n[1], "default");
            store.ReadInteger(n[0], n[1], 0);
            store.ReadBool(n[0], n[1], false);
            FontRecord font;
            store.ReadFont(n[0], n[1], font);
        } catch (const OxelError&) {
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    {
        QFile file(StorePath());
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    }
    TDataFile store(StorePath());
    ReadAll(store);

    // The name of the written entry comes from the input, so writes meet their own copies.
    const QString name = size > 0 ? QString("A%1").arg(data[0] % 4) : QString("A");
    try {
        store.WriteInteger("S", name, 12345);
    } catch (const OxelError&) {
        return 0; // a damaged header refuses the write
    }
    Check(store.ReadInteger("s", name.toLower(), 0) == 12345);
    FontRecord font;
    font.face = "Arial";
    store.WriteFont("OPTIONS", "Font", font);
    FontRecord back;
    back.face.clear();
    store.ReadFont("OPTIONS", "Font", back);
    Check(back == font);
    store.DeleteEntry("S", name);
    Check(!store.EntryExists("S", name));
    return 0;
}
