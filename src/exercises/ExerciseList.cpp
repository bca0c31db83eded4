#include "ExerciseList.h"

#include "MathExercise.h"
#include "ProbeExercise.h"
#include "RBShulteExercise.h"
#include "ShulteExercise.h"

ExerciseSet CreateExercises(ExerciseHost& host) {
    ExerciseSet set;
    set[0] = std::make_unique<ShulteExercise>(host);
    set[1] = std::make_unique<RBShulteExercise>(host);
    set[4] = std::make_unique<MathExercise>(host);
    set[7] = std::make_unique<ProbeExercise>(host);
    return set;
}
