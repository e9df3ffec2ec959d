// The percent of error of a measured value against the correct one, with the arithmetic written out.
#include "tools/statistics/calculators.h"
#include "tools/statistics/statistics.h"

namespace calc {
namespace {

using num::plain;
using num::Single;

constexpr auto yours = "Text1", correct = "Text2";

} // namespace

Definition frmError() {
    Definition d{.className = "frmError", .caption = "Percent Of Error"};
    d.inputs = {
        {yours, "Label2", Profile::K14, "Enter your value", "Enter the value you actually received."},
        {correct, "Label3", Profile::K14, "Enter the correct value",
         "Enter the value you were supposed to get."},
    };
    d.results = {
        {.label = "Label4", .box = "Text3", .prefix = "The percent of error is:", .units = {Unit::Percent}}};
    d.formula = QStringLiteral("Text4");
    d.checks = {required({yours, correct}, {"You must enter a valid number.", "Percent Error"})};
    d.solve = [](Sheet& w) {
        const Single measured = w.single(yours), accepted = w.single(correct);
        w.showResult(statistics::percentError(measured, accepted));
        w.showFormula("( " + plain(measured) + " - " + plain(accepted) + ") / " + plain(accepted) +
                      " * 100%");
    };
    d.close.show = QStringLiteral("frmStatistics");
    d.help->text = concat({
        "Percent of error refers to what percent your answer was off of the correct answer. It does not refer to the actual ",
        "difference between values. ",
    });
    return d;
}

} // namespace calc
