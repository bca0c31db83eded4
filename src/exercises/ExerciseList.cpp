#include "ExerciseList.h"

#include "ShulteExercise.h"
#include "TargetsExercise.h"

ExerciseSet CreateExercises(ExerciseHost& host) {
    ExerciseSet set;
    set[0] = std::make_unique<ShulteExercise>(host);
    set[3] = std::make_unique<TargetsExercise>(host);
    return set;
}
