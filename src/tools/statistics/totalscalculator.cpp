#include "tools/statistics/totalscalculator.h"

#include "tools/statistics/frmData.h"

namespace statistics {

using calc::Profile;

calc::Definition totalsCalculator(const TotalsCalculator& w) {
    calc::Definition d{.className = w.className, .caption = w.caption};
    d.heading = {"Label1", w.heading};
    d.inputs = {
        {.box = count,
         .label = "Label2",
         .filter = Profile::K13,
         .prompt = "Enter the number of measurements.",
         .tooltip = w.countTooltip},
        {.box = sum,
         .label = "Label3",
         .filter = Profile::K13,
         .prompt = "Add all measurements together and enter here.",
         .tooltip = "Enter the sum of all the measurements."},
        {.box = sumOfSquares,
         .label = "Label4",
         .filter = Profile::K13,
         .prompt = "Square each measurement, add them all together and enter here.",
         .tooltip = w.squaresTooltip},
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

TypedTotals readTotals(const calc::Sheet& w) {
    w.single(count);
    const std::int16_t n = num::inBox(count, [&] { return wholeCount(w.text(count)); });
    w.single(sum);
    w.single(sumOfSquares);
    return {n, w.text(sum).trimmed(), w.text(sumOfSquares).trimmed()};
}

} // namespace statistics
