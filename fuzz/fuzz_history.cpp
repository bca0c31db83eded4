// The history reader given the bytes of a damaged history.sqlite: every read gives runs or a
// problem, never a crash, and reading never changes the file. For half of the inputs the
// program's own opening follows: a damaged file is set aside, and a run stored reads back.
#include "FuzzScratch.h"
#include "history/HistoryDb.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTimeZone>

#include <cstddef>
#include <cstdint>

namespace {

QByteArray Bytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

// The database drivers are plugins, which need an application object.
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    static QCoreApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const QString base = FuzzScratchDir(QStringLiteral("history"));
    const QString dir = QDir(base).filePath(QStringLiteral("history"));
    if (base.isEmpty())
        return 0;
    QDir(dir).removeRecursively();
    QDir().mkpath(dir);
    const QString path = QDir(dir).filePath(QLatin1String(HistoryDb::FileName));
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            return 0;
        file.write(bytes);
    }
    {
        const HistoryDb reader(dir, HistoryDb::Access::ReadOnly);
        if (reader.IsOpen()) {
            QList<qint64> ids;
            reader.Scan(
                {}, [&](const HistoryRun& run) { ids << run.id; },
                [](qint64, const HistoryPress& press) { press.item.size(); });
            for (const qint64 id : ids.mid(0, 4))
                reader.Run(id);
            reader.Runs(QStringLiteral("Anna"), QStringLiteral("shulte"), 5);
        } else if (size > 0 && reader.Problem().isEmpty()) {
            // A file that is there and cannot be read is always reported.
            __builtin_trap();
        }
    }
    if (Bytes(path) != bytes)
        __builtin_trap();
    if (size == 0 || (data[size - 1] & 1) == 0)
        return 0;
    HistoryDb db(dir);
    HistoryRun run;
    run.user = QStringLiteral("Anna");
    run.exercise = QStringLiteral("shulte");
    run.mode = 5;
    run.started = QDateTime(QDate(2026, 12, 1), QTime(10, 0), QTimeZone(3600));
    run.presses = {{1, 250, QStringLiteral("1"), 0, true, {}, {}}};
    if (db.IsOpen() && !db.IsReadOnly() && db.Append(run)) {
        const std::optional<HistoryRun> back = db.Run(run.id);
        if (!back || back->presses.size() != 1 || back->user != run.user)
            __builtin_trap();
    }
    return 0;
}
