#include "SignalDetection.h"

#include <algorithm>
#include <cmath>

namespace {

double NormalShare(double z) {
    return 0.5 * std::erfc(-z / std::sqrt(2.0));
}

// The rate of `count` in `trials`, kept half a trial off 0 and 1.
double Rate(int count, int trials) {
    const double half = 0.5 / trials;
    return std::clamp(double(count) / trials, half, 1.0 - half);
}

} // namespace

double NormalQuantile(double p) {
    // Bisection on the distribution function: it rises everywhere, and 200 halvings of
    // [-40, 40] end below the spacing of doubles.
    double low = -40;
    double high = 40;
    for (int step = 0; step < 200; ++step) {
        const double mid = 0.5 * (low + high);
        if (mid == low || mid == high)
            break;
        (NormalShare(mid) < p ? low : high) = mid;
    }
    return 0.5 * (low + high);
}

std::optional<double> DPrime(int hits, int signalTrials, int falseAlarms, int noiseTrials) {
    if (signalTrials <= 0 || noiseTrials <= 0)
        return std::nullopt;
    return NormalQuantile(Rate(hits, signalTrials)) -
           NormalQuantile(Rate(falseAlarms, noiseTrials));
}
