// Statistics files on arbitrary bytes: reading the records and their values, appending one.
#include "FuzzScratch.h"
#include "data/Errors.h"
#include "data/FileCipher.h"
#include "data/StatsStore.h"

#include <QDateTime>
#include <QDir>
#include <QFile>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const QString folder = FuzzScratchDir(QStringLiteral("users/fuzzDB"));
    if (folder.isEmpty() || size < 1)
        return 0;
    QByteArray bytes(reinterpret_cast<const char*>(data + 1), static_cast<qsizetype>(size - 1));
    if (data[0] & 1)
        bytes = EncryptBytes(bytes);

    const StatsStore stats(folder);
    const QString path = stats.FilePath(QStringLiteral("fuzz"), 0, 5);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return 0;
    file.write(bytes);
    file.close();

    try {
        const QList<StatsStore::Record> before = stats.ReadRecords("fuzz", 0, 5);
        for (const StatsStore::Record& record : before) {
            try {
                record.Values();
            } catch (const OxelError&) {
            }
        }
        stats.Append("fuzz", 0, 5, QDateTime(QDate(2024, 1, 1), QTime(1, 2, 3)),
                     {"1", "2", "3", "4", "5"});
        const QList<StatsStore::Record> after = stats.ReadRecords("fuzz", 0, 5);
        if (after.size() != before.size() + 1 || after.first().Values()[4] != 5)
            __builtin_trap();
    } catch (const OxelError&) {
    }
    return 0;
}
