#pragma once

#include <QList>
#include <optional>

// Draws `count` different integers, each in 1..range, by rejection on the program's random
// generator: each place draws until it gets a number not placed yet. The result is a
// uniformly random selection in random order; with range equal to count it is a random
// permutation of 1..count. A range of 0 means range = count.
//
// A request that cannot be met (count larger than range, or negative) is refused before
// anything is drawn: the result is empty and the generator is left untouched, so the draw
// never loops for ever.
std::optional<QList<int>> DrawDistinct(int range, int count);
