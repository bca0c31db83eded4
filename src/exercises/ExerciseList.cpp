#include "ExerciseList.h"

#include "DwordsExercise.h"
#include "MathExercise.h"
#include "MnemoExercise.h"
#include "NumbersExercise.h"
#include "ProbeExercise.h"
#include "RBShulteExercise.h"
#include "ShulteExercise.h"
#include "TargetsExercise.h"

namespace {

// The exercise classes in exercise index order: each is made with the host and brings the
// charts of its runs' analysis.
template <typename... Classes> struct ExerciseClasses {
    static_assert(sizeof...(Classes) == ExerciseCount, "one class per row of the exercise table");

    static ExerciseSet Create(ExerciseHost& host) { return {std::make_unique<Classes>(host)...}; }
    static constexpr std::array<ExerciseCharts, ExerciseCount> charts = {&Classes::Charts...};
};

using Exercises = ExerciseClasses<ShulteExercise, RBShulteExercise, MnemoExercise, TargetsExercise,
                                  MathExercise, DwordsExercise, NumbersExercise, ProbeExercise>;

} // namespace

ExerciseSet CreateExercises(ExerciseHost& host) {
    return Exercises::Create(host);
}

ExerciseCharts ChartsOf(int index) {
    return Exercises::charts.at(static_cast<std::size_t>(index));
}

RunAnalysis AnalyseRun(const HistoryRun& run) {
    const ExerciseInfo* info = ExerciseWithStatsBase(run.exercise);
    return RunAnalyser::Of(run, info ? ChartsOf(info->index) : nullptr);
}
