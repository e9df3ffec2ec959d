// Newton's laws: weight, force, acceleration and mass from F = m a; the net force of up to four
// forces with its direction; the components of one force; the normal force on a slope.
#include "calc/framework/calculator.h"
#include "calc/framework/calculators.h"

namespace calc {
namespace {

using num::Single;

// A force given by its magnitude and its angle in degrees, as components.
struct Components {
    Single x, y;
};
Components components(Single magnitude, Single angleDegrees) {
    const Single theta = num::radians(angleDegrees);
    return {magnitude * num::cos(theta), magnitude * num::sin(theta)};
}

// The sum of the forces in boxes 1 to 4 (the fourth only when it is filled in): the magnitude,
// then its direction in degrees from -180 to 180. Forces that cancel have no direction: the
// direction box stays empty.
void netForce(CalculatorWindow& w) {
    const Components f1 = components(w.single("Text1"), w.single("Text5"));
    const Components f2 = components(w.single("Text2"), w.single("Text6"));
    const Components f3 = components(w.single("Text8"), w.single("Text10"));
    Components f4{0.0f, 0.0f};
    if (!w.isEmpty("Text9"))
        f4 = components(w.single("Text9"), w.single("Text11"));
    const Single sumX = f2.x + f1.x + f3.x + f4.x;
    const Single sumY = f2.y + f1.y + f3.y + f4.y;
    const Single r = num::sqrt(sumX * sumX + sumY * sumY);
    w.showResult(r);
    // What is left of forces that cancel is the rounding of their components.
    const Single scale = num::abs(w.single("Text1")) + num::abs(w.single("Text2")) +
                         num::abs(w.single("Text8")) +
                         (w.isEmpty("Text9") ? Single(0.0f) : num::abs(w.single("Text9")));
    if (r.value() == 0.0f || r.value() <= scale.value() * 1e-6f)
        w.setText("Text7", QString());
    else
        w.showResult("Text7", num::degrees(num::atan2(sumY, sumX)));
}

// The unit Ok writes beside the first result.
Formula withUnit(const char* unit, Formula solve) {
    return [unit, solve = std::move(solve)](CalculatorWindow& w) {
        w.setCaption("Label6", QString::fromLatin1(unit));
        solve(w);
    };
}

} // namespace

Definition frmForces() {
    Definition d;
    d.className = QStringLiteral("frmForces");
    d.caption = QStringLiteral("Newton's Laws");
    // Each magnitude with its angle beside it.
    d.inputs = {
        {"Text1", "Label1", Profile::K3}, {"Text5", "Label4", Profile::K9, {}, {}, true},
        {"Text2", "Label2", Profile::K3}, {"Text6", "Label5", Profile::K9, {}, {}, true},
        {"Text8", "Label7", Profile::K3}, {"Text10", "Label9", Profile::K9, {}, {}, true},
        {"Text9", "Label8", Profile::K3}, {"Text11", "Label10", Profile::K9, {}, {}, true},
    };
    d.resultLabel = QStringLiteral("Label3");
    d.resultBox = QStringLiteral("Text3");
    d.resultUnit = QStringLiteral("Label6");
    d.moreResults = {{"Label11", "Text7", "Label12"}};
    d.formulaBox = QStringLiteral("Text4");

    const auto two = [](const char* first, const char* second) {
        return QStringList{first, "", second, "", "", "", "", ""};
    };
    const QStringList second = {"Text7"};
    const Single g = 9.8f;
    d.optionColumns = 4;
    d.options = {
        {.caption = "Weight",
         .prompts = two("Enter the mass in kilograms.", "Enter the acceleration."),
         .resultPrefix = "The weight is ",
         .solve = withUnit("Newtons",
                           [](CalculatorWindow& w) { w.showResult(w.single("Text1") * w.single("Text2")); }),
         .hiddenResults = second},
        {.caption = "Force",
         .prompts = two("Enter the mass in kilograms.", "Enter the acceleration."),
         .resultPrefix = "The force is ",
         .solve = withUnit("Newtons",
                           [](CalculatorWindow& w) { w.showResult(w.single("Text1") * w.single("Text2")); }),
         .hiddenResults = second},
        {.caption = "Acceleration",
         .prompts = two("Enter the force in Newtons.", "Enter the mass in kilograms."),
         .resultPrefix = "The acceleration is ",
         .solve = [](CalculatorWindow& w) { w.showResult(w.single("Text1") / w.single("Text2")); },
         .hiddenResults = second},
        {.caption = "Mass",
         .prompts = two("Enter the force in Newtons.", "Enter the acceleration."),
         .resultPrefix = "The mass is ",
         .solve = withUnit("kilograms",
                           [](CalculatorWindow& w) { w.showResult(w.single("Text1") / w.single("Text2")); }),
         .hiddenResults = second},
        {.caption = "Net External force",
         .prompts = {"Enter magnitude of force 1.", "Angle", "Enter magnitude of force 2.", "Angle",
                     "Enter magnitude of force 3.", "Angle", "Enter magnitude of force 4.", "Angle"},
         .resultPrefix = "The net external force is",
         .solve = netForce,
         .captions = {{"Label6", "Newtons"}, {"Label11", "The direction is"}, {"Label12", "degrees"}}},
        {.caption = "XY-Components",
         .prompts = two("Enter the magnitude of the force.", "Enter the angle."),
         .resultPrefix = "The X-component is ",
         .solve =
             [](CalculatorWindow& w) {
                 const Components c = components(w.single("Text1"), w.single("Text2"));
                 w.setCaption("Label6", "Newtons");
                 w.setCaption("Label12", "Newtons");
                 w.showResult(c.x);
                 w.showResult("Text7", c.y);
             },
         .captions = {{"Label11", "The Y-component is "}}},
        // N = m g cos(slope)
        {.caption = "Normal force",
         .prompts = two("Enter the mass in kilograms.", "Enter the angle of the slope."),
         .resultPrefix = "The Normal force is ",
         .solve = withUnit("Newtons",
                           [g](CalculatorWindow& w) {
                               w.showResult(w.single("Text1") * g *
                                            num::cos(num::radians(w.single("Text2"))));
                           }),
         .hiddenResults = second},
    };

    const Message validNumber{"You must enter a valid number,"};
    const Message positiveNumber{"You must enter a positive number,"};
    const Message value{"You must enter a value."};
    d.checks = {
        required({"Text1"}, validNumber),    aboveZero("Text1", positiveNumber),
        required({"Text2"}, validNumber),    aboveZero("Text2", positiveNumber),
        required({"Text5"}, value),          required({"Text6"}, value),
        required({"Text8"}, positiveNumber), required({"Text10"}, value),
    };
    // Clear empties the boxes and puts back the selected option's own layout.
    d.clearRestoresLayout = true;
    d.clearFocusesFirstBox = false;
    d.closeButton = QStringLiteral("cmdCancel");
    d.closeButtonFirst = true;
    d.helpButton = false;
    d.helpKey = false;
    d.okEnabledAtLoad = true;
    return d;
}

} // namespace calc
