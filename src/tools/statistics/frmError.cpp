// The percent of error of a measured value against the correct one, with the arithmetic written out.
#include "tools/statistics/calculators.h"
#include "tools/statistics/statistics.h"

namespace calc {
namespace {

constexpr auto yours = "Text1", correct = "Text2";

} // namespace

Definition frmError() {
    Definition d{.className = "frmError", .caption = "Percent Of Error"};
    d.inputs = {
        {.box = yours,
         .label = "Label2",
         .filter = Profile::K14,
         .prompt = "Enter your value",
         .tooltip = "Enter the value you actually received."},
        {.box = correct,
         .label = "Label3",
         .filter = Profile::K14,
         .prompt = "Enter the correct value",
         .tooltip = "Enter the value you were supposed to get."},
    };
    d.results = {
        {.label = "Label4", .box = "Text3", .prefix = "The percent of error is:", .unit = Unit::Percent}};
    d.formula = QStringLiteral("Text4");
    d.checks = {required({yours, correct}, {"You must enter a valid number.", "Percent Error"})};
    d.solve = [](Sheet& w) {
        // Read as numbers first, for their failures and their range; then computed exactly as typed.
        w.single(yours);
        w.single(correct);
        const QString measured = w.text(yours).trimmed(), accepted = w.text(correct).trimmed();
        w.setText(w.resultBox(), statistics::percentError(measured, accepted));
        w.showFormula("( " + measured + " - " + accepted + ") / " + accepted + " * 100%");
    };
    d.close.show = QStringLiteral("frmStatistics");
    d.help->text = concat({
        "Percent of error refers to what percent your answer was off of the correct answer. It does not refer to the actual ",
        "difference between values. ",
    });
    return d;
}

} // namespace calc
