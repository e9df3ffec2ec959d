#include "tools/statistics/totalscalculator.h"

#include "tools/statistics/frmData.h"

namespace statistics {

using calc::Profile;

calc::Definition totalsCalculator(const TotalsCalculator& w) {
    calc::Definition d{.className = w.className, .caption = w.caption};
    d.heading = {"Label1", w.heading};
    d.inputs = {
        {count, "Label2", Profile::K13, "Enter the number of measurements.", w.countTooltip},
        {sum, "Label3", Profile::K13, "Add all measurements together and enter here.",
         "Enter the sum of all the measurements."},
        {sumOfSquares, "Label4", Profile::K13,
         "Square each measurement, add them all together and enter here.", w.squaresTooltip},
    };
    d.results = {
        {.label = "Label5",
         .box = "Text6",
         .prefix = w.resultPrefix,
         .tooltip =
             "The standard deviation tells you, on the average, how far a value is from the mean value.",
         .filter = Profile::K13}};
    d.formula = {QStringLiteral("Text1"), Profile::K13};
    d.buttons.close.name = QStringLiteral("cdmCancel");
    d.clear.focus = QStringLiteral("Text1");
    d.close.show = QStringLiteral("frmStatistics");
    // The three totals from a list of the measurements.
    d.buttons.more = {{"cmdData", "Data...", [window = w.className](calc::Sheet&) {
                           statistics::openData({window, count, sum, sumOfSquares});
                       }}};
    return d;
}

Totals readTotals(const calc::Sheet& w) {
    const std::int16_t n = num::inBox(count, [&] { return num::toInteger(w.single(count)); });
    // Read as singles first only for their range and their failures, in box order.
    w.single(sum);
    w.single(sumOfSquares);
    return {n, w.real(sum), w.real(sumOfSquares)};
}

} // namespace statistics
