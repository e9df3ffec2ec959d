#pragma once
// The layout the standard deviation and variation windows share: the three totals a student works
// out beforehand (the number of measurements, their sum, the sum of their squares), the result
// box and the worked-formula box at the foot. Every box, the result and formula boxes too, takes
// typing through the same key filter; Clear puts the cursor in the formula box; Close goes back
// to the Statistics window. "Data..." opens the data window, which fills in the three totals.

#include "calc/framework/definition.h"
#include "tools/statistics/statistics.h"

namespace statistics {

// The boxes, named once for both windows.
inline constexpr auto count = "Text2", sum = "Text3", sumOfSquares = "Text4";

// What sets the two windows apart.
struct TotalsCalculator {
    QString className;
    QString caption;
    QString heading;
    QString countTooltip;
    QString squaresTooltip;
    QString resultPrefix;
};

calc::Definition totalsCalculator(const TotalsCalculator& w);

// The totals as Ok reads them: the count as a 16-bit whole number (halves to even), the two sums as
// typed, for exact arithmetic. Each box is first read as every box of these windows is, in box
// order, so that its failures come first: a sum beyond the single-precision range is too large.
struct TypedTotals {
    std::int16_t count = 0;
    QString sum;
    QString sumOfSquares;
};
TypedTotals readTotals(const calc::Sheet& w);

} // namespace statistics
