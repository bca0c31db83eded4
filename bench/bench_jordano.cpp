// The consonant-code word search of number mnemonics for one number over the delivered
// Russian word list, the reading of the file included.
#include "exercises/ConsonantSearch.h"

#include <benchmark/benchmark.h>

namespace {

void BM_Jordano(benchmark::State& state) {
    const QString programDir = QStringLiteral(OXEL_PROGRAMFILES_DIR);
    int n = 0;
    for (auto _ : state) {
        const QString digits = QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
        const ConsonantSearch::Result result = ConsonantSearch::Jordano(digits, programDir, 2);
        benchmark::DoNotOptimize(result.found.size());
        n = (n + 1) % 100;
    }
}
BENCHMARK(BM_Jordano)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
