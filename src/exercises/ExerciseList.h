#pragma once

#include "ExerciseLogic.h"
#include "analysis/RunAnalysis.h"

#include <array>
#include <memory>

struct ExerciseRoles;

// Every exercise of the exercise table, by exercise index; every entry is set.
using ExerciseSet = std::array<std::unique_ptr<ExerciseLogic>, ExerciseCount>;

// The one place that lists the exercise classes; each takes the roles of the main window it
// uses.
ExerciseSet CreateExercises(const ExerciseRoles& roles);
// The charts of the analysis of a run of the exercise (index); out of range throws.
ExerciseCharts ChartsOf(int index);
// The analysis of a run with the charts of its exercise; a run of no exercise in the table
// gets no charts.
RunAnalysis AnalyseRun(const HistoryRun& run);
