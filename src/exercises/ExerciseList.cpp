#include "ExerciseList.h"

#include "DwordsExercise.h"
#include "MathExercise.h"
#include "MnemoExercise.h"
#include "NumbersExercise.h"
#include "ProbeExercise.h"
#include "RBShulteExercise.h"
#include "ShulteExercise.h"
#include "TargetsExercise.h"

ExerciseSet CreateExercises(ExerciseHost& host) {
    ExerciseSet set;
    set[0] = std::make_unique<ShulteExercise>(host);
    set[1] = std::make_unique<RBShulteExercise>(host);
    set[2] = std::make_unique<MnemoExercise>(host);
    set[3] = std::make_unique<TargetsExercise>(host);
    set[4] = std::make_unique<MathExercise>(host);
    set[5] = std::make_unique<DwordsExercise>(host);
    set[6] = std::make_unique<NumbersExercise>(host);
    set[7] = std::make_unique<ProbeExercise>(host);
    return set;
}
