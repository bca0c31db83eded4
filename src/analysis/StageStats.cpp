#include "StageStats.h"

#include <cmath>
#include <map>

namespace {

struct Sums {
    int hits = 0;
    double total = 0;
    double squares = 0;
    int misses = 0;
};

} // namespace

QVector<StageReaction> StageStats::Of(const HistoryRun& run) {
    std::map<int, Sums> stages;
    for (const HistoryPress& press : run.presses) {
        if (!press.stage)
            continue;
        Sums& sums = stages[*press.stage];
        if (!press.correct) {
            ++sums.misses;
        } else if (press.reactionMs) {
            const double ms = *press.reactionMs;
            ++sums.hits;
            sums.total += ms;
            sums.squares += ms * ms;
        }
    }
    QVector<StageReaction> result;
    for (const auto& [stage, sums] : stages) {
        StageReaction r;
        r.stage = stage;
        r.hits = sums.hits;
        r.misses = sums.misses;
        if (sums.hits > 0) {
            r.meanMs = sums.total / sums.hits;
            // Rounding may leave a tiny negative variance for equal reactions.
            r.spreadMs = std::sqrt(std::max(0.0, sums.squares / sums.hits - r.meanMs * r.meanMs));
        }
        result.append(r);
    }
    return result;
}
