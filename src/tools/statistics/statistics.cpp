#include "tools/statistics/statistics.h"

#include <cfloat>
#include <cmath>

namespace statistics {

num::Single mean(num::Single sum, num::Single count) {
    return sum / count;
}

num::Double variance(std::int16_t n, num::Single sum, num::Single sumOfSquares) {
    const num::Double m = mean(sum, num::Single(n)).value();
    const num::Double squareOfMean = m * m;
    const num::Double difference = num::Double(sumOfSquares.value()) / num::Double(n) - squareOfMean;
    // The two sums each carry the rounding of a single, and the mean that of the sum and of the
    // division: together at most 2.5 FLT_EPSILON of the mean squared, to either side. A difference
    // that small is no spread at all, whichever side of zero the rounding put it (five readings of
    // 9.81 would otherwise show a standard deviation of 0.004).
    const double rounding = 3.0 * FLT_EPSILON * squareOfMean.value();
    if (std::fabs(difference.value()) <= rounding)
        return 0.0;
    return difference;
}

num::Double standardDeviation(std::int16_t n, num::Single sum, num::Single sumOfSquares) {
    return num::sqrt(variance(n, sum, sumOfSquares));
}

num::Single percentError(num::Single yours, num::Single correct) {
    return (yours - correct) / correct * 100.0f;
}

} // namespace statistics
