// The variance ("variation") of a set of measurements from how many there are, their sum and the
// sum of their squares, with the arithmetic written out.
#include "calc/framework/definition.h"
#include "tools/statistics/statistics.h"

namespace calc {
namespace {

using num::plain;
using num::Single;

constexpr auto count = "Text2", sum = "Text3", sumOfSquares = "Text4";

} // namespace

Definition frmVariation() {
    Definition d{.className = "frmVariation", .caption = "Variation"};
    d.heading = {"Label1", "To calculate variation:"};
    d.inputs = {
        {count, "Label2", Profile::K13, "Enter the number of measurements.", "How many measurements?"},
        {sum, "Label3", Profile::K13, "Add all measurements together and enter here.",
         "Enter the sum of all the measurements."},
        {sumOfSquares, "Label4", Profile::K13,
         "Square each measurement, add them all together and enter here.",
         "Be sure to square each measurement then add them together."},
    };
    // Every box of this window, the result and the formula box too, takes typing through the same
    // filter; Clear puts the cursor in the formula box.
    d.results = {
        {.label = "Label5",
         .box = "Text6",
         .prefix = "The variation is",
         .tooltip =
             "The standard deviation tells you, on the average, how far a value is from the mean value.",
         .filter = Profile::K13}};
    d.formulaBox = QStringLiteral("Text1");
    d.formulaFilter = Profile::K13;
    d.checks = {
        required({count, sum, sumOfSquares}, {"You must enter a valid number.", "Standard Deviation"})};
    // Totals that no data can give show their negative variation.
    d.solve = [](Sheet& w) {
        const std::int16_t n = statistics::wholeCount(w.single(count));
        const Single sx = w.single(sum), sx2 = w.single(sumOfSquares);
        const Single variation = Single::checked(float(statistics::variance(n, sx, sx2).value()));
        const Single mean = statistics::mean(sx, Single(n));
        w.showResult(variation);
        w.showFormula(plain(sx2) + " / " + QString::number(n) + " - " + plain(mean) + " ^2 ");
    };
    d.trap.title = QStringLiteral("Standard Deviation");
    d.buttons.closeName = QStringLiteral("cdmCancel");
    d.clear.focus = QStringLiteral("Text1");
    d.close.show = QStringLiteral("frmStatistics");
    d.help.text = concat({
        "The variation is easy to calculate. Once you have the standard deviation, you simply square it. It is ",
        "a measure of variability that tells how much the values you are working with vary from the ",
        "mean.",
    });
    return d;
}

} // namespace calc
