// Figures for the byte-level data layer: keyed-store reads and writes on a store of 50
// entries, the whole-file cipher and the line-list reader.
#include "data/DataFile.h"
#include "data/FileCipher.h"
#include "data/Text1251.h"

#include <QDir>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

constexpr int StoreEntries = 50;
constexpr int CipherBytes = 64 * 1024;

// A settings-like store: integers, fonts and texts in turn, 50 entries.
void FillStore(TDataFile& store) {
    FontRecord font;
    font.face = "Times New Roman";
    for (int i = 0; i < StoreEntries; ++i) {
        const QString name = QString("Entry%1").arg(i);
        switch (i % 3) {
        case 0:
            store.WriteInteger("OPTIONS", name, i);
            break;
        case 1:
            store.WriteFont("OPTIONS", name, font);
            break;
        default:
            store.WriteString("COMMON", name, QString("значение %1").arg(i));
        }
    }
}

// The folder of the store: the ordinary temporary folder (a disk) or memory (/dev/shm).
QString BaseFolder(bool memory) {
    return memory && QDir("/dev/shm").exists() ? QStringLiteral("/dev/shm") : QDir::tempPath();
}

void BM_DataFileReadLast(benchmark::State& state) {
    QTemporaryDir dir(BaseFolder(false) + "/oxel-bench-XXXXXX");
    TDataFile store(dir.filePath("oxel.ini"));
    FillStore(store);
    for (auto _ : state)
        benchmark::DoNotOptimize(store.ReadInteger("options", "entry48", -1));
}
BENCHMARK(BM_DataFileReadLast);

void BM_DataFileReadFirst(benchmark::State& state) {
    QTemporaryDir dir(BaseFolder(false) + "/oxel-bench-XXXXXX");
    TDataFile store(dir.filePath("oxel.ini"));
    FillStore(store);
    for (auto _ : state)
        benchmark::DoNotOptimize(store.ReadInteger("OPTIONS", "Entry0", -1));
}
BENCHMARK(BM_DataFileReadFirst);

void BM_DataFileReadAbsent(benchmark::State& state) {
    QTemporaryDir dir(BaseFolder(false) + "/oxel-bench-XXXXXX");
    TDataFile store(dir.filePath("oxel.ini"));
    FillStore(store);
    for (auto _ : state)
        benchmark::DoNotOptimize(store.EntryExists("OPTIONS", "Missing"));
}
BENCHMARK(BM_DataFileReadAbsent);

// A write rewrites the whole store and syncs it to disk before the rename.
void BM_DataFileWrite(benchmark::State& state) {
    QTemporaryDir dir(BaseFolder(state.range(0) != 0) + "/oxel-bench-XXXXXX");
    TDataFile store(dir.filePath("oxel.ini"));
    FillStore(store);
    int value = 0;
    for (auto _ : state)
        store.WriteInteger("OPTIONS", "Entry0", ++value);
    state.SetLabel(state.range(0) != 0 ? "memory" : "disk");
}
BENCHMARK(BM_DataFileWrite)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

QByteArray RandomBytes(int size) {
    QRandomGenerator gen(1);
    QByteArray bytes(size, '\0');
    for (char& b : bytes)
        b = static_cast<char>(gen.bounded(256));
    return bytes;
}

void BM_CipherEncrypt(benchmark::State& state) {
    const QByteArray plain = RandomBytes(CipherBytes);
    for (auto _ : state)
        benchmark::DoNotOptimize(EncryptBytes(plain));
    state.SetBytesProcessed(state.iterations() * CipherBytes);
}
BENCHMARK(BM_CipherEncrypt);

void BM_CipherDecrypt(benchmark::State& state) {
    const QByteArray stored = EncryptBytes(RandomBytes(CipherBytes));
    for (auto _ : state)
        benchmark::DoNotOptimize(DecryptBytes(stored));
    state.SetBytesProcessed(state.iterations() * CipherBytes);
}
BENCHMARK(BM_CipherDecrypt);

void BM_ReadLines(benchmark::State& state) {
    QStringList words;
    for (int i = 0; words.size() < 8000; ++i)
        words.append(QString("слово%1").arg(i));
    const QByteArray bytes = WriteLines(words);
    for (auto _ : state)
        benchmark::DoNotOptimize(ReadLines(bytes));
    state.SetBytesProcessed(state.iterations() * bytes.size());
}
BENCHMARK(BM_ReadLines);

} // namespace

BENCHMARK_MAIN();
