// Best-result tables: check-and-insert and load on a full Schulte table (ten rows in every
// mode), in a program folder on disk (arg 0) or in memory under /dev/shm (arg 1).
#include "data/FileCipher.h"
#include "data/RecordTables.h"
#include "data/Text1251.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

// A program folder with rec/ holding full tables; the bytes of the full shulte.rec.
struct FullTables {
    QTemporaryDir dir;
    RecordTables tables;
    QByteArray full;

    explicit FullTables(bool inMemory)
        : dir(inMemory && QDir(QStringLiteral("/dev/shm")).exists()
                  ? QStringLiteral("/dev/shm/oxel-bench-XXXXXX")
                  : QDir::tempPath() + QStringLiteral("/oxel-bench-XXXXXX")),
          tables(dir.path()) {
        QDir(dir.path()).mkdir(QStringLiteral("rec"));
        tables.CheckDataFiles(2);
        QStringList lines;
        for (int mode = 0; mode < 5; ++mode)
            for (int row = 1; row <= 10; ++row)
                lines << QStringLiteral("user%1").arg(row) << QString::number(10 * row)
                      << QStringLiteral("07.03.2024");
        full = EncryptBytes(WriteLines(lines));
        Reset();
    }

    void Reset() {
        QFile file(tables.TablePath(0, false));
        file.open(QIODevice::WriteOnly);
        file.write(full);
    }
};

void BM_CheckAndInsertEntering(benchmark::State& state) {
    FullTables t(state.range(0) == 1);
    for (auto _ : state) {
        state.PauseTiming();
        t.Reset();
        state.ResumeTiming();
        benchmark::DoNotOptimize(t.tables.CheckAndInsert(0, 7, false, 15.5, "Anna"));
    }
}

void BM_CheckAndInsertNotRanking(benchmark::State& state) {
    FullTables t(state.range(0) == 1);
    for (auto _ : state)
        benchmark::DoNotOptimize(t.tables.CheckAndInsert(0, 7, false, 123.4, "Anna"));
}

void BM_LoadTable(benchmark::State& state) {
    FullTables t(state.range(0) == 1);
    for (auto _ : state)
        benchmark::DoNotOptimize(t.tables.Load(0, 9, false));
}

} // namespace

BENCHMARK(BM_CheckAndInsertEntering)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CheckAndInsertNotRanking)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LoadTable)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
