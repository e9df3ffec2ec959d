// The variance ("variation") of a set of measurements from how many there are, their sum and the
// sum of their squares, with the arithmetic written out.
#include "tools/statistics/calculators.h"
#include "tools/statistics/statistics.h"
#include "tools/statistics/totalscalculator.h"

namespace calc {

using statistics::count, statistics::sum, statistics::sumOfSquares;

Definition frmVariation() {
    Definition d = statistics::totalsCalculator({
        .className = "frmVariation",
        .caption = "Variation",
        .heading = "To calculate variation:",
        .countTooltip = "How many measurements?",
        .squaresTooltip = "Be sure to square each measurement then add them together.",
        .resultPrefix = "The variation is",
    });
    d.checks = {
        required({count, sum, sumOfSquares}, {"You must enter a valid number.", "Standard Deviation"})};
    // Totals that no data can give show their negative variation.
    d.solve = [](Sheet& w) {
        const auto [n, sx, sx2] = statistics::readTotals(w);
        const QString variation = statistics::variance(n, sx, sx2);
        w.setText(w.resultBox(), variation);
        w.showFormula(sx2 + " / " + QString::number(n) + " - " + statistics::writtenMean(n, sx) + " ^2 ");
    };
    d.trap.title = QStringLiteral("Standard Deviation");
    d.help->text = concat({
        "The variation is easy to calculate. Once you have the standard deviation, you simply square it. It is ",
        "a measure of variability that tells how much the values you are working with vary from the ",
        "mean.",
    });
    return d;
}

} // namespace calc
