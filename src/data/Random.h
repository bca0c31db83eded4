#pragma once

#include <QtGlobal>
#include <random>

// The program's single random generator, seeded once from the clock at start-up.
// Tests seed it to get a fixed sequence.
class RandomGenerator {
public:
    void Seed(quint32 seed) { engine_.seed(seed); }
    // Uniform in 0..k-1; 0 when k <= 0.
    int Next(int k);

private:
    std::mt19937 engine_{5489u};
};

RandomGenerator& ProgramRandom();

// Shorthand for ProgramRandom().Next(k).
inline int Random(int k) { return ProgramRandom().Next(k); }
