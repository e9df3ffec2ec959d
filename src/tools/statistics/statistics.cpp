#include "tools/statistics/statistics.h"

#include <cfloat>
#include <cmath>

namespace statistics {

num::Single mean(num::Single sum, num::Single count) {
    return sum / count;
}

num::Double variance(std::int16_t n, num::Double sum, num::Double sumOfSquares) {
    const num::Double count(n);
    const num::Double m = sum / count;
    const num::Double squareOfMean = m * m;
    const num::Double meanOfSquares = sumOfSquares / count;
    const num::Double difference = meanOfSquares - squareOfMean;
    // For readings that all agree the two terms are equal before rounding. Reading each sum and
    // dividing rounds each by at most half an epsilon, squaring the mean doubles that of the mean,
    // and the product rounds once more: seven half epsilons of the mean squared at most. Only a
    // difference within that bound can be rounding alone.
    const double rounding = 4.0 * DBL_EPSILON * std::fmax(meanOfSquares.value(), squareOfMean.value());
    if (std::fabs(difference.value()) <= rounding)
        return 0.0;
    return difference;
}

num::Double standardDeviation(std::int16_t n, num::Double sum, num::Double sumOfSquares) {
    return num::sqrt(variance(n, sum, sumOfSquares));
}

num::Single percentError(num::Single yours, num::Single correct) {
    return (yours - correct) / correct * 100.0f;
}

} // namespace statistics
