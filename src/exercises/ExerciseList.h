#pragma once

#include "ExerciseLogic.h"

#include <array>
#include <memory>

class ExerciseHost;

// The eight exercises by exercise index. An entry is empty while that exercise is not part
// of the program yet; its page is shown with the start button disabled.
using ExerciseSet = std::array<std::unique_ptr<ExerciseLogic>, ExerciseCount>;

// The one place that lists the exercises.
ExerciseSet CreateExercises(ExerciseHost& host);
