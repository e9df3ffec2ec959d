// The population standard deviation of a set of measurements from three totals worked out
// beforehand: how many there are, their sum and the sum of their squares.
#include "calc/framework/definition.h"
#include "tools/statistics/statistics.h"

namespace calc {
namespace {

constexpr auto count = "Text2", sum = "Text3", sumOfSquares = "Text4";

} // namespace

Definition frmDeviations() {
    Definition d{.className = "frmDeviations", .caption = "Standard Deviation"};
    d.heading = {"Label1", "To calculate standard deviation:"};
    d.inputs = {
        {count, "Label2", Profile::K13, "Enter the number of measurements.",
         "Enter how many measurements there are."},
        {sum, "Label3", Profile::K13, "Add all measurements together and enter here.",
         "Enter the sum of all the measurements."},
        {sumOfSquares, "Label4", Profile::K13,
         "Square each measurement, add them all together and enter here.",
         "Be sure to square each measurement and then add them together."},
    };
    // Every box of this window, the result and the formula box too, takes typing through the same
    // filter; the formula box stays empty, and Clear puts the cursor there.
    d.results = {
        {.label = "Label5",
         .box = "Text6",
         .prefix = "The standard deviation is",
         .tooltip =
             "The standard deviation tells you, on the average, how far a value is from the mean value.",
         .filter = Profile::K13}};
    d.formulaBox = QStringLiteral("Text1");
    d.formulaFilter = Profile::K13;
    d.checks = {required({count, sum, sumOfSquares}, {"You must enter a valid number."})};
    d.solve = [](Sheet& w) {
        const std::int16_t n = statistics::wholeCount(w.single(count));
        const num::Single sx = w.single(sum), sx2 = w.single(sumOfSquares);
        w.showResult(statistics::standardDeviation(n, sx, sx2));
    };
    d.buttons.closeName = QStringLiteral("cdmCancel");
    d.clear.focus = QStringLiteral("Text1");
    d.close.show = QStringLiteral("frmStatistics");
    d.help.text = concat({
        "The standard deviation is an extremely useful descriptive tool. It allows for analysis of data that ",
        "you are working on. The standard deviation is equal to the square root of the difference ",
        "between the sum of the raw scores squared, which is divided by the number of pieces of  ",
        "information, and the mean squared. ",
    });
    return d;
}

} // namespace calc
