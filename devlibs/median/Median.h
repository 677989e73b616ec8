#pragma once
// The middle of a set of measurements: what the benchmarks and pace-check
// report, since a single slow run (the machine busy elsewhere) moves it
// little.

#include <vector>

// The middle value, or the mean of the two middle ones of an even count; 0
// for none.
double median(std::vector<double> values);
