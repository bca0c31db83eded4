// The analysis window of a run with 400 presses, and the every-run view of the statistics
// window with 10,000 runs: from their creation to their first paint (offscreen).
#include "BenchSupport.h"
#include "stats/AnalysisWindow.h"
#include "stats/EveryRunView.h"
#include "stats/RunHistory.h"

#include <QLineSeries>

namespace {

// A Schulte run on a 20×20 board: 400 presses, every tenth one wrong.
HistoryRun Run400() {
    HistoryRun run;
    run.user = QStringLiteral("Anna");
    run.exercise = QStringLiteral("shulte");
    run.mode = 9;
    run.started = QDateTime(QDate(2026, 12, 9), QTime(18, 0));
    run.result = QStringLiteral("412.5");
    run.boardCols = run.boardRows = 20;
    int number = 0;
    for (int i = 1; i <= 400; ++i) {
        const bool wrong = i % 10 == 0;
        if (!wrong)
            ++number;
        run.presses.append({i, i * 1031 + (i * 7919) % 900, QString::number(number),
                            (number * 37) % 400, !wrong, std::nullopt, std::nullopt});
    }
    return run;
}

QVector<HistoryRun> Runs10000() {
    QVector<HistoryRun> runs;
    const QDateTime first = QDateTime(QDate(2024, 1, 1), QTime(9, 0));
    for (int i = 0; i < 10'000; ++i) {
        HistoryRun run;
        run.started = first.addSecs(i * 9000LL);
        run.result = QString::number(30 + (i * 7919) % 200 / 10.0, 'f', 1);
        run.completed = i % 13 != 0;
        runs.append(run);
    }
    return runs;
}

void BM_AnalysisOpen400(benchmark::State& state) {
    const HistoryRun run = Run400();
    for (auto _ : state) {
        auto window = std::make_unique<AnalysisWindow>(run);
        window->show();
        QCoreApplication::processEvents();
        window->repaint();
        state.PauseTiming();
        if (window->Charts().size() != 1 || !window->Board())
            state.SkipWithError("the run was not charted");
        window.reset();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_AnalysisOpen400)->Unit(benchmark::kMillisecond);

void BM_EveryRunView10000(benchmark::State& state) {
    const QVector<HistoryRun> runs = Runs10000();
    RunHistory::Install([&](const QString&, const QString&, int) { return runs; });
    for (auto _ : state) {
        auto view = std::make_unique<EveryRunView>(QStringLiteral("Anna"));
        view->resize(900, 560);
        view->ShowLabel(0, 5);
        view->show();
        QCoreApplication::processEvents();
        view->repaint();
        state.PauseTiming();
        if (view->Shown().size() < 9000)
            state.SkipWithError("the runs were not shown");
        view.reset();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
    RunHistory::Install(nullptr);
}
BENCHMARK(BM_EveryRunView10000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return bench::Main(argc, argv);
}
