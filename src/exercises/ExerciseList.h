#pragma once

#include "ExerciseLogic.h"

#include <array>
#include <memory>

class ExerciseHost;

// The eight exercises by exercise index; every entry is set.
using ExerciseSet = std::array<std::unique_ptr<ExerciseLogic>, ExerciseCount>;

// The one place that lists the exercises.
ExerciseSet CreateExercises(ExerciseHost& host);
