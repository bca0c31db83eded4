#include "ExerciseList.h"

#include "ShulteExercise.h"

ExerciseSet CreateExercises(ExerciseHost& host) {
    ExerciseSet set;
    set[0] = std::make_unique<ShulteExercise>(host);
    return set;
}
