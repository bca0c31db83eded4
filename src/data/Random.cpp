#include "Random.h"

int RandomGenerator::Next(int k) {
    if (k <= 0)
        return 0;
    std::uniform_int_distribution<int> dist(0, k - 1);
    return dist(engine_);
}

RandomGenerator& ProgramRandom() {
    static RandomGenerator generator;
    return generator;
}
