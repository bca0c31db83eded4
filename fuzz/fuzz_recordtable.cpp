// Best-result tables on arbitrary file bytes: loading every mode and checking a result in.
#include "FuzzScratch.h"
#include "data/Errors.h"
#include "data/ExerciseInfo.h"
#include "data/FileCipher.h"
#include "data/RecordTables.h"

#include <QDir>
#include <QFile>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const QString folder = FuzzScratchDir(QStringLiteral("rec"));
    if (folder.isEmpty() || size < 2)
        return 0;
    const int exercise = data[0] % ExerciseCount;
    const bool plain = data[0] & 0x80; // the rest is the plain text rather than stored bytes
    const bool series = data[1] & 0x80;
    const ExerciseInfo& e = Exercise(exercise);
    const int mode = e.modes[data[1] % e.modes.size()];
    QByteArray bytes(reinterpret_cast<const char*>(data + 2), static_cast<qsizetype>(size - 2));
    if (plain)
        bytes = EncryptBytes(bytes);

    const RecordTables tables(folder);
    QFile file(tables.TablePath(exercise, series));
    if (!file.open(QIODevice::WriteOnly))
        return 0;
    file.write(bytes);
    file.close();

    try {
        for (int m : e.modes)
            tables.Load(exercise, m, series);
        const double result = e.result == ResultKind::Score ? 150 : 23.4;
        const int row = tables.CheckAndInsert(exercise, mode, series, result, "fuzz", " [x] ");
        if (row < 0 || row > RecordTables::RowCount)
            __builtin_trap();
        if (row > 0 && tables.Load(exercise, mode, series)[row - 1].name != QLatin1String("fuzz"))
            __builtin_trap();
    } catch (const OxelError&) {
    }
    return 0;
}
