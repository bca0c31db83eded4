// The history database: appending a run of 400 presses on disk, opening a history of
// 10,000 runs (its quick check included), and exporting 10,000 runs with 400,000 presses.
#include "BenchSupport.h"
#include "data/UserFiles.h"
#include "history/HistoryDb.h"
#include "history/HistoryExport.h"

#include <QTemporaryDir>
#include <QTextStream>
#include <QTimeZone>

namespace {

HistoryRun Run(int presses, int n) {
    HistoryRun run;
    run.user = QStringLiteral("Anna");
    run.exercise = n % 2 ? QStringLiteral("shulte") : QStringLiteral("targets");
    run.mode = 5;
    run.kind = RunKind::Single;
    run.started = QDateTime(QDate(2026, 11, 28), QTime(19, 0, 10), QTimeZone(3600)).addSecs(n);
    run.durationMs = 23412;
    run.result = QStringLiteral("23.4");
    run.boardCols = 20;
    run.boardRows = 20;
    for (int i = 1; i <= presses; ++i) {
        HistoryPress press;
        press.seq = i;
        press.tMs = i * 130;
        press.item = QString::number(i);
        press.cell = i % 400;
        press.correct = i % 9 != 0;
        if (n % 2 == 0) {
            press.reactionMs = 250 + i % 200;
            press.stage = 1 + i / 40;
        }
        run.presses.append(press);
    }
    return run;
}

// A data folder with the user Anna and a history of 10,000 runs of 40 presses.
const QTemporaryDir& LargeHistory() {
    static QTemporaryDir dir;
    static bool made = false;
    if (!made) {
        QDir(dir.path()).mkdir(QStringLiteral("users"));
        UserFiles(dir.path()).CreateUser(QStringLiteral("Anna"), QString());
        HistoryDb db(dir.path());
        for (int n = 0; n < 10'000; ++n) {
            HistoryRun run = Run(40, n);
            db.Append(run);
        }
        made = true;
    }
    return dir;
}

void BM_HistoryAppendRun(benchmark::State& state) {
    QTemporaryDir dir;
    HistoryDb db(dir.path());
    HistoryRun run = Run(400, 1);
    for (auto _ : state) {
        if (!db.Append(run))
            state.SkipWithError("the run was not stored");
    }
}
BENCHMARK(BM_HistoryAppendRun)->Unit(benchmark::kMillisecond);

void BM_HistoryOpen10000(benchmark::State& state) {
    const QString path = LargeHistory().path();
    for (auto _ : state) {
        HistoryDb db(path);
        if (!db.IsOpen())
            state.SkipWithError("the history did not open");
    }
}
BENCHMARK(BM_HistoryOpen10000)->Unit(benchmark::kMillisecond);

void BM_ExportRuns10000(benchmark::State& state) {
    const QString path = LargeHistory().path();
    QTemporaryDir out;
    for (auto _ : state) {
        QString errors;
        QTextStream err(&errors);
        if (ExportFolder(path, out.path(), err) != 0)
            state.SkipWithError("the export failed");
    }
}
BENCHMARK(BM_ExportRuns10000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return bench::Main(argc, argv);
}
