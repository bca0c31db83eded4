#include "PracticeKey.h"

#include "data/ExerciseInfo.h"

#include <tuple>

size_t qHash(const PracticeKey& key, size_t seed) noexcept {
    return qHashMulti(seed, key.exercise, key.mode);
}

namespace PracticeKind {

std::optional<Better> BetterOf(const QString& exercise) {
    const ExerciseInfo* info = ExerciseOfStatsBase(exercise);
    if (!info)
        return std::nullopt;
    return info->result == ResultKind::Time ? Better::Lower : Better::Higher;
}

bool Beats(Better better, double a, double b) {
    return better == Better::Lower ? a < b : a > b;
}

QString Title(const PracticeKey& key) {
    const ExerciseInfo* info = ExerciseOfStatsBase(key.exercise);
    return info ? T(info->title) : key.exercise;
}

QString ModeText(const PracticeKey& key) {
    const ExerciseInfo* info = ExerciseOfStatsBase(key.exercise);
    return info ? info->modeText(key.mode) : QString::number(key.mode);
}

bool Before(const PracticeKey& a, const PracticeKey& b) {
    const auto rank = [](const PracticeKey& key) {
        const ExerciseInfo* info = ExerciseOfStatsBase(key.exercise);
        return info ? std::make_tuple(info->listPosition, QString(), info->modePosition(key.mode),
                                      key.mode)
                    : std::make_tuple(ExerciseCount, key.exercise, 0, key.mode);
    };
    return rank(a) < rank(b);
}

} // namespace PracticeKind
