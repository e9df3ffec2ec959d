// The population standard deviation of a set of measurements from three totals worked out
// beforehand: how many there are, their sum and the sum of their squares, with the arithmetic
// written out as the variation window writes it, under the square root.
#include "tools/statistics/calculators.h"
#include "tools/statistics/statistics.h"
#include "tools/statistics/totalscalculator.h"

namespace calc {

using statistics::count, statistics::sum, statistics::sumOfSquares;

Definition frmDeviations() {
    Definition d = statistics::totalsCalculator({
        .className = "frmDeviations",
        .caption = "Standard Deviation",
        .heading = "To calculate standard deviation:",
        .countTooltip = "Enter how many measurements there are.",
        .squaresTooltip = "Be sure to square each measurement and then add them together.",
        .resultPrefix = "The standard deviation is",
    });
    d.checks = {required({count, sum, sumOfSquares}, {"You must enter a valid number."})};
    d.solve = [](Sheet& w) {
        const auto [n, sx, sx2] = statistics::readTotals(w);
        const QString deviation = statistics::standardDeviation(n, sx, sx2);
        w.setText(w.resultBox(), deviation);
        w.showFormula("√(" + sx2 + " / " + QString::number(n) + " - " + statistics::writtenMean(n, sx) +
                      "²) = " + deviation);
    };
    d.help->text = concat({
        "The standard deviation is an extremely useful descriptive tool. It allows for analysis of data that ",
        "you are working on. The standard deviation is equal to the square root of the difference ",
        "between the sum of the raw scores squared, which is divided by the number of pieces of  ",
        "information, and the mean squared. ",
    });
    return d;
}

} // namespace calc
