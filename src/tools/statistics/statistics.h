#pragma once
// Summary statistics of a set of measurements, worked from the totals a student adds up by hand:
// the count n, the sum of the measurements and the sum of their squares. Population formulas
// (dividing by n). Every function fails with num::CalcError where the arithmetic does.

#include "core/numbers.h"

#include <cstdint>

namespace statistics {

// The mean: sum / count, in single precision.
num::Single mean(num::Single sum, num::Single count);

// The variance: sum of squares / n - mean^2, the mean kept in single precision, the rest in
// double. Rounding alone can move it a hair off zero for data with no spread (three values of 0.1
// fall a hair below, five of 9.81 a hair above); a value within that rounding is zero. Totals that
// no data can give (the sum of squares too small for the sum) stay negative.
num::Double variance(std::int16_t n, num::Single sum, num::Single sumOfSquares);

// The standard deviation: the square root of the variance (a negative variance fails).
num::Double standardDeviation(std::int16_t n, num::Single sum, num::Single sumOfSquares);

// The percent of error of a measured value against the correct one, signed: below the correct
// value is negative.
num::Single percentError(num::Single yours, num::Single correct);

} // namespace statistics
