#include "ExerciseList.h"

#include "DwordsExercise.h"
#include "MnemoExercise.h"
#include "NumbersExercise.h"
#include "ShulteExercise.h"

ExerciseSet CreateExercises(ExerciseHost& host) {
    ExerciseSet set;
    set[0] = std::make_unique<ShulteExercise>(host);
    set[2] = std::make_unique<MnemoExercise>(host);
    set[5] = std::make_unique<DwordsExercise>(host);
    set[6] = std::make_unique<NumbersExercise>(host);
    return set;
}
