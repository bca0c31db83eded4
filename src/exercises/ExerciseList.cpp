#include "ExerciseList.h"

#include "DwordsExercise.h"
#include "ExerciseRoles.h"
#include "MathExercise.h"
#include "MnemoExercise.h"
#include "NBackExercise.h"
#include "NumbersExercise.h"
#include "ProbeExercise.h"
#include "RBShulteExercise.h"
#include "ShulteExercise.h"
#include "TargetsExercise.h"

#include <stdexcept>

namespace {

// Each exercise goes in at its own exercise index; a place set twice is a fault of this list.
void Put(ExerciseSet& set, std::unique_ptr<ExerciseLogic> exercise) {
    std::unique_ptr<ExerciseLogic>& place = set.at(std::size_t(exercise->Index()));
    if (place)
        throw std::logic_error("two exercises with one index");
    place = std::move(exercise);
}

// The charts of each exercise class's run analysis, by exercise index.
constexpr std::array<ExerciseCharts, ExerciseCount> Charts = {
    &ShulteExercise::Charts, &RBShulteExercise::Charts, &MnemoExercise::Charts,
    &TargetsExercise::Charts, &MathExercise::Charts,    &DwordsExercise::Charts,
    &NumbersExercise::Charts, &ProbeExercise::Charts,   &NBackExercise::Charts};

} // namespace

ExerciseSet CreateExercises(const ExerciseRoles& roles) {
    ExerciseBoard& board = roles.board;
    RunControl& run = roles.run;
    ExerciseWindow& window = roles.window;
    ExerciseSet set;
    Put(set, std::make_unique<ShulteExercise>(board));
    Put(set, std::make_unique<RBShulteExercise>(board, run));
    Put(set, std::make_unique<MnemoExercise>(board, run, window));
    Put(set, std::make_unique<TargetsExercise>(board, run));
    Put(set, std::make_unique<MathExercise>(board, run, window));
    Put(set, std::make_unique<DwordsExercise>(board, run, window));
    Put(set, std::make_unique<NumbersExercise>(board, run, window));
    Put(set, std::make_unique<ProbeExercise>(board, run));
    Put(set, std::make_unique<NBackExercise>(board, run));
    for (const auto& exercise : set)
        if (!exercise)
            throw std::logic_error("an exercise of the table is missing from the list");
    return set;
}

ExerciseCharts ChartsOf(int index) {
    return Charts.at(static_cast<std::size_t>(index));
}

RunAnalysis AnalyseRun(const HistoryRun& run) {
    const ExerciseInfo* info = ExerciseOfStatsBase(run.exercise);
    return RunAnalyser::Of(run, info ? ChartsOf(info->index) : nullptr);
}
