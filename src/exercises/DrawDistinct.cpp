#include "DrawDistinct.h"

#include "data/Random.h"

#include <vector>

std::optional<QList<int>> DrawDistinct(int range, int count) {
    if (range == 0)
        range = count;
    if (count < 0 || range < count)
        return std::nullopt;
    QList<int> drawn;
    drawn.reserve(count);
    // The same draws as a scan of the numbers placed so far, answered in constant time.
    std::vector<bool> taken(static_cast<std::size_t>(range) + 1, false);
    while (drawn.size() < count) {
        const int r = Random(range) + 1;
        if (taken[static_cast<std::size_t>(r)])
            continue;
        taken[static_cast<std::size_t>(r)] = true;
        drawn.append(r);
    }
    return drawn;
}
