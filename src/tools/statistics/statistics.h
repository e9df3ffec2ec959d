#pragma once
// Summary statistics of a set of measurements, worked from the totals a student adds up by hand:
// the count n, the sum of the measurements and the sum of their squares. Population formulas
// (dividing by n). Every function fails with num::CalcError where the arithmetic does.

#include "core/numbers.h"

#include <cstdint>

namespace statistics {

// The mean: sum / count, in single precision.
num::Single mean(num::Single sum, num::Single count);

// The variance: sum of squares / n - mean^2, in double precision from the two sums as typed (read
// as doubles, not through single precision). Reading the decimal sums and dividing can still move
// it a hair off zero for data with no spread (three values of 0.1 fall a hair below): a difference
// within that double rounding, a few parts in 10^16 of the mean squared, is zero. Any larger one
// is a real spread and is kept, however small beside the mean (1000 and 1001 have 0.25). Totals
// that no data can give (the sum of squares too small for the sum) stay negative.
num::Double variance(std::int16_t n, num::Double sum, num::Double sumOfSquares);

// The standard deviation: the square root of the variance (a negative variance fails).
num::Double standardDeviation(std::int16_t n, num::Double sum, num::Double sumOfSquares);

// The percent of error of a measured value against the correct one, signed: below the correct
// value is negative.
num::Single percentError(num::Single yours, num::Single correct);

} // namespace statistics
