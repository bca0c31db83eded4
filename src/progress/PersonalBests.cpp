#include "PersonalBests.h"

#include <algorithm>

std::optional<BestChange> PersonalBests::Offer(const PracticeKey& key, const BestResult& result,
                                               Better better) {
    const auto kept = bests_.find(key);
    if (kept == bests_.end()) {
        bests_.insert(key, result);
        return std::nullopt;
    }
    if (!PracticeKind::Beats(better, result.value, kept->value))
        return std::nullopt;
    BestChange change{key, *kept, result};
    *kept = result;
    return change;
}

std::optional<BestResult> PersonalBests::Of(const PracticeKey& key) const {
    const auto kept = bests_.constFind(key);
    return kept == bests_.cend() ? std::nullopt : std::optional<BestResult>(*kept);
}

QList<PracticeKey> PersonalBests::Keys() const {
    QList<PracticeKey> keys = bests_.keys();
    std::sort(keys.begin(), keys.end(), &PracticeKind::Before);
    return keys;
}
