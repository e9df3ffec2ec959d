// Average acceleration (this class is the window captioned "Average Acceleration"): the change in
// velocity divided by the change in time, written out with the student's numbers.
#include "calc/framework/calculator.h"
#include "calc/framework/calculators.h"

namespace calc {

Definition frmConstantAcceleration() {
    Definition d;
    d.className = QStringLiteral("frmConstantAcceleration");
    d.caption = QStringLiteral("Average Acceleration");
    d.inputs = {
        {"Text1", "Label1", Profile::K3, {}, "Enter the initial velocity."},
        {"Text2", "Label3", Profile::K3, {}, "Enter the final velocity."},
        {"Text4", "Label4", Profile::K3, {}, "Enter the change in time."},
    };
    d.resultLabel = QStringLiteral("Label2");
    d.resultPrefix = QStringLiteral("The average acceleration is");
    d.resultBox = QStringLiteral("Text3");
    d.formulaBox = QStringLiteral("Text5");
    d.checks = {
        required({"Text1", "Text2", "Text4"}, {"You must enter a valid number."}),
        aboveZero("Text4", {"You must enter a positive number for the time."}),
    };
    d.solve = [](CalculatorWindow& w) {
        const num::Single v0 = w.single("Text1"), v = w.single("Text2"), t = w.single("Text4");
        w.showResult((v - v0) / t);
        w.showFormula("(" + num::plain(v) + " - " + num::plain(v0) + ") / " + num::plain(t));
    };
    d.closeButton = QStringLiteral("cmdCancel");
    d.closeCaption = QStringLiteral("Cancel");
    d.showAfterClose = QStringLiteral("frmAccelerationChoice");
    d.help = concat({
        "Average acceleration is the change in velocity divided by the change in time. ",
    });
    return d;
}

} // namespace calc
