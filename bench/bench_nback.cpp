// The dual n-back block on the real timer and event loop (offscreen): how far each trial's
// onset, its cell painted, lands from its schedule, start + i x 3000 ms.
#include "BenchSupport.h"
#include "board/OxelPanel.h"
#include "data/Random.h"
#include "exercises/NBackBlock.h"
#include "exercises/NBackPace.h"

#include <QEventLoop>

namespace {

using bench::FineClock;

// A 3x3 board the size of a main window's board; a trial's letter is put in its cell and
// that cell painted before the onset is taken, as a shown trial is.
void BM_NBackTrialDrift(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    FineClock clock;
    InstallClock(&clock);
    ProgramRandom().Seed(29);
    TOxelPanel board;
    board.resize(900, 700);
    board.SetColCount(NBackBlock::Side);
    board.SetRowCount(NBackBlock::Side);
    board.SetLinesList(QStringList(NBackBlock::Cells));
    board.show();
    QCoreApplication::processEvents();

    std::vector<double> onsets;
    std::vector<double> hides;
    for (auto _ : state) {
        const NBackBlock block = NBackBlock::Draw(n);
        QEventLoop loop;
        NBackPace* pace = nullptr;
        NBackPace paced([&](NBackPace::Step step, int trial) {
            const NBackTrial& t = block.Trial(trial);
            if (step == NBackPace::Step::End) {
                loop.quit();
                return;
            }
            const bool show = step == NBackPace::Step::Show;
            board.SetLine(t.cell, show ? QString(t.letter) : QString());
            board.repaint(board.CellRect(t.cell));
            (show ? onsets : hides).push_back(clock.Fine() - pace->DueMs());
        });
        pace = &paced;
        paced.Start(block.TrialCount());
        loop.exec();
    }
    state.counters["drift_median_ms"] = bench::Median(onsets);
    state.counters["drift_p99_ms"] = bench::Percentile(onsets, 0.99);
    state.counters["drift_max_ms"] = bench::Percentile(onsets, 1.0);
    state.counters["hide_drift_median_ms"] = bench::Median(hides);
    state.counters["onsets"] = double(onsets.size());
    InstallClock(nullptr);
}
// One block of 2-back: 22 trials, 66 s.
BENCHMARK(BM_NBackTrialDrift)->Arg(2)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv) {
    return bench::Main(argc, argv);
}
