// Constant acceleration (this class is the window captioned "Constant Acceleration"): displacement,
// velocity, time or acceleration from the other quantities.
#include "calc/framework/calculator.h"
#include "calc/framework/calculators.h"

namespace calc {

Definition frmAcceleration() {
    using num::plain;
    Definition d;
    d.className = QStringLiteral("frmAcceleration");
    d.caption = QStringLiteral("Constant Acceleration");
    d.inputs = {
        {"Text1", "Label1", Profile::K3},
        {"Text2", "Label2", Profile::K3, "Be careful of  signs when entering acceleration!"},
        {"Text3", "Label3", Profile::K3},
    };
    d.resultLabel = QStringLiteral("Label4");
    d.resultBox = QStringLiteral("Text4");
    d.formulaBox = QStringLiteral("Text8");
    d.frameCaption = QStringLiteral("Select one of the following options");
    const QStringList velocities = {"Enter the initial velocity.", "Enter the final velocity.",
                                    "Enter the change in time."};
    d.options = {
        {"Find displacement", velocities, "The displacement is",
         [](CalculatorWindow& w) {
             const num::Single v0 = w.single("Text1"), v = w.single("Text2"), t = w.single("Text3");
             w.showResult((v + v0) * t / 2.0f);
             w.showFormula("(" + plain(v) + " + " + plain(v0) + ") * " + plain(t) + " / 2");
         }},
        {"Find velocity",
         {"Enter the initial velocity.", "Enter the acceleration.", "Enter the time."},
         "The velocity is",
         [](CalculatorWindow& w) {
             const num::Single v0 = w.single("Text1"), a = w.single("Text2"), t = w.single("Text3");
             w.showResult(t * a + v0);
             w.showFormula(plain(t) + " * " + plain(a) + " + " + plain(v0));
         }},
        {"Find time",
         {"Enter the acceleration.", "Enter the distance.", ""},
         "The time is",
         [](CalculatorWindow& w) {
             const num::Single a = w.single("Text1"), dist = w.single("Text2");
             w.showResult(num::sqrt(2.0f * dist / a));
             w.showFormula("sqrt(2 * " + plain(dist) + " / " + plain(a) + ")");
         }},
        // Signed: the acceleration is negative while the object slows down.
        {"Acceleration", velocities, "The acceleration is",
         [](CalculatorWindow& w) {
             const num::Single v0 = w.single("Text1"), v = w.single("Text2"), t = w.single("Text3");
             w.showResult((v - v0) / t);
             w.showFormula("(" + plain(v) + " - " + plain(v0) + ") / " + plain(t));
         }},
    };
    const Message initial{"Initial velocity must be 0 or greater."};
    const Message final{"Final velocity must be 0 or greater."};
    const Message time{"The time must be greater than 0."};
    d.checks = {
        required({"Text1", "Text2", "Text3"}, {"You must enter a valid number."}),
        whenOption(1, atLeastZero("Text1", initial)),
        whenOption(1, atLeastZero("Text2", final)),
        whenOption(1, aboveZero("Text3", time)),
        whenOption(2, atLeastZero("Text1", initial)),
        whenOption(2, aboveZero("Text3", time)),
        whenOption(3, aboveZero("Text2", {"Distance must be greater than 0."})),
        whenOption(4, atLeastZero("Text1", initial)),
        whenOption(4, atLeastZero("Text2", final)),
        whenOption(4, aboveZero("Text3", time)),
    };
    d.closeButton = QStringLiteral("cmdCancel");
    d.closeCaption = QStringLiteral("Cancel");
    d.showAfterClose = QStringLiteral("frmAccelerationChoice");
    d.help = concat({
        "Constant acceleration means that the rate of increase or decrease will stay the same. Your acceleration will ",
        "not change. Remember that acceleration is negative when you are slowing down and ",
        "positive when you are speeding up.",
    });
    return d;
}

} // namespace calc
