// The mean of a set of measurements from their sum and their number, with the division written out.
#include "tools/statistics/calculators.h"
#include "tools/statistics/frmData.h"
#include "tools/statistics/statistics.h"

namespace calc {
namespace {

constexpr auto sum = "Text1", count = "Text2";

} // namespace

Definition frmMean() {
    Definition d{.className = "frmMean", .caption = "Mean "};
    d.inputs = {
        {sum, "Label1", Profile::K10, "Enter the sum of the measurements.",
         "Add all the measurements together and enter here."},
        {count, "Label2", Profile::K11, "Enter the number of measurements",
         "Put the total number of measurements here."},
    };
    d.results = {{.label = "Label3", .box = "Text3", .prefix = "The mean is "}};
    d.formula = QStringLiteral("Text4");
    d.checks = {required({sum, count}, {"You must enter a valid number", "Mean"})};
    d.solve = [](Sheet& w) {
        // Read as numbers first, for their failures and their range; then computed exactly as typed.
        w.single(sum);
        w.single(count);
        const QString total = w.text(sum).trimmed(), n = w.text(count).trimmed();
        w.setText(w.resultBox(), statistics::mean(total, n));
        w.showFormula(total + " / " + n);
    };
    d.close.show = QStringLiteral("frmStatistics");
    // The sum and the count from a list of the measurements.
    d.buttons.more = {{"cmdData", "Data...", [](Sheet&) {
                           statistics::openData({"frmMean", count, sum, {}});
                       }}};
    d.help->text = concat({
        "The mean is the average of the measurements. This average is calculated by adding all the measurements ",
        "together and dividing the total by the number of measurements. ",
    });
    return d;
}

} // namespace calc
