#pragma once

#include "ExerciseLogic.h"

#include <array>
#include <memory>

struct ExerciseRoles;

// Every exercise of the exercise table, by exercise index; every entry is set.
using ExerciseSet = std::array<std::unique_ptr<ExerciseLogic>, ExerciseCount>;

// The one place that lists the exercise classes; each takes the roles of the main window it
// uses.
ExerciseSet CreateExercises(const ExerciseRoles& roles);
