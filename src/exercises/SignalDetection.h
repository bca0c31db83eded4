#pragma once

#include <optional>

// The point of the standard normal distribution below which lies the share p (0 < p < 1).
double NormalQuantile(double p);

// Sensitivity d' = z(hit rate) - z(false-alarm rate) of a yes/no task: `hits` among the
// trials with a signal, `falseAlarms` among those without. A rate of 0 or 1 would make it
// infinite, so it is taken as 1/(2N) or 1 - 1/(2N) of its N trials (Macmillan and Kaplan).
// None without trials of either sort.
std::optional<double> DPrime(int hits, int signalTrials, int falseAlarms, int noiseTrials);
