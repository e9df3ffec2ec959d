// Falling objects: final velocity, time or distance of a fall. Every input counts by its size:
// students may type downward quantities as negative.
#include "calc/framework/calculator.h"
#include "calc/framework/calculators.h"

namespace calc {

Definition frmFallingObject() {
    using num::plain;
    Definition d;
    d.className = QStringLiteral("frmFallingObject");
    d.caption = QStringLiteral("Falling Objects");
    d.inputs = {
        {"Text1", "Label1", Profile::K3, "Be careful of signs. "},
        {"Text2", "Label2", Profile::K3, "Up is positive and down is negative."},
        {"Text3", "Label3", Profile::K3, "Check your signs."},
    };
    d.resultLabel = QStringLiteral("Label4");
    d.resultBox = QStringLiteral("Text4");
    d.resultTooltip = QStringLiteral("Positive or negative?");
    d.formulaBox = QStringLiteral("Text8");
    d.frameCaption = QStringLiteral("Select one of the following options");
    const QStringList fall = {"Enter the initial velocity.", "Enter the acceleration.",
                              "Enter the distance."};
    d.options = {
        // v = sqrt(v0^2 + 2as)
        {"Find velocity", fall, "The final velocity is ",
         [](CalculatorWindow& w) {
             const num::Single v0 = num::abs(w.single("Text1")), a = num::abs(w.single("Text2")),
                               s = num::abs(w.single("Text3"));
             w.showResult(num::sqrt(v0 * v0 + 2.0f * a * s));
             w.showFormula("sqrt(" + plain(v0) + "^2 + 2 * " + plain(a) + " * " + plain(s) + ")");
         }},
        // t = (sqrt(v0^2 + 2as) - v0) / a
        {"Find time", fall, "The time is ",
         [](CalculatorWindow& w) {
             const num::Single v0 = num::abs(w.single("Text1")), a = num::abs(w.single("Text2")),
                               s = num::abs(w.single("Text3"));
             w.showResult((num::sqrt(v0 * v0 + 2.0f * a * s) - v0) / a);
             w.showFormula("(sqrt(" + plain(v0) + "^2 + 2 * " + plain(a) + " * " + plain(s) + ") - " +
                           plain(v0) + ") / " + plain(a));
         }},
        // d = t^2 (a / 2) + t v0
        {"Find distance",
         {"Enter the initial velocity.", "Enter the acceleration.", "Enter the time."},
         "The distance is ",
         [](CalculatorWindow& w) {
             const num::Single v0 = num::abs(w.single("Text1")), a = num::abs(w.single("Text2")),
                               t = num::abs(w.single("Text3"));
             w.showResult(t * t * (a * 0.5f) + t * v0);
             w.showFormula(plain(t) + "^2 * (" + plain(a) + " * 0.5) + " + plain(t) + " * " + plain(v0));
         }},
    };
    d.checks = {required({"Text1", "Text2", "Text3"}, {"You must enter a valid number."})};
    // Clear goes back to "Find velocity".
    d.afterClear = [](CalculatorWindow& w) { w.select(1); };
    d.closeButton = QStringLiteral("cmdCancel");
    d.closeCaption = QStringLiteral("Cancel");
    d.showAfterClose = QStringLiteral("frmAccelerationChoice");
    d.help = concat({
        "The free fall of falling objects is caused by acceleration towards the center of the Earth by the force ",
        "of gravity. On Earth, the downward acceleration is -9.81 meters per second per second. The ",
        "negative sign reflects downward acceleration. The downward acceleration remains constant ",
        "and does not change. ",
    });
    return d;
}

} // namespace calc
