// Friction on a level surface, where the normal force is the weight m * 9.81: the coefficient of
// friction, the friction force, the mass, and the acceleration a push gives against friction.
#include "calc/framework/calculator.h"
#include "calc/framework/calculators.h"

namespace calc {

Definition frmFriction() {
    using num::Single;
    const Single g = 9.81f;
    Definition d;
    d.className = QStringLiteral("frmFriction");
    d.caption = QStringLiteral("Friction");
    d.inputs = {
        {"Text1", "Label1", Profile::K3},
        {"Text2", "Label2", Profile::K3},
        {"Text5", "Label5"}, // the mass, for the acceleration only
    };
    d.resultLabel = QStringLiteral("Label3");
    d.resultBox = QStringLiteral("Text3");
    d.resultUnit = QStringLiteral("Label4");
    d.formulaBox = QStringLiteral("Text4");
    d.optionColumns = 2;
    d.options = {
        // mu = F / (m g)
        {.caption = "Coefficient of friction",
         .prompts = {"Force exerted on object", "Mass of object", ""},
         .resultPrefix = "The coefficient of friction is ",
         .solve = [g](CalculatorWindow& w) { w.showResult(w.single("Text1") / (w.single("Text2") * g)); }},
        // F = mu m g
        {.caption = "Force",
         .prompts = {"Coefficient of friction", "Mass of object", ""},
         .resultPrefix = "The force is ",
         .solve = [g](CalculatorWindow& w) { w.showResult(w.single("Text2") * w.single("Text1") * g); },
         .captions = {{"Label4", "Newtons"}}},
        // m = F / (mu g)
        {.caption = "Mass",
         .prompts = {"Force exerted on object", "Coefficient of friction", ""},
         .resultPrefix = "The mass is ",
         .solve = [g](CalculatorWindow& w) { w.showResult(w.single("Text1") / (w.single("Text2") * g)); }},
        // a = (F - mu m g) / m: the push less the friction moves the mass. A negative answer means
        // friction wins: a sliding object slows down.
        {.caption = "Acceleration",
         .prompts = {"Force exerted on object", "Coefficient of friction", "Mass of object"},
         .resultPrefix = "The acceleration is ",
         .solve =
             [g](CalculatorWindow& w) {
                 const Single mass = w.single("Text5");
                 w.showResult((w.single("Text1") - w.single("Text2") * mass * g) / mass);
             },
         .captions = {{"Label4", "m/s/s"}}},
    };
    const Message invalid{"You must enter valid data."};
    d.checks = {
        required({"Text1"}, invalid),
        aboveZero("Text1", invalid),
        required({"Text2"}, invalid),
        aboveZero("Text2", invalid),
        whenOption(4, required({"Text5"}, invalid)),
        whenOption(4, aboveZero("Text5", invalid)),
    };
    // Clear empties every box, the mass too, and puts back the selected option's layout.
    d.clearRestoresLayout = true;
    d.clearFocusesFirstBox = false;
    d.closeButton = QStringLiteral("cmdCancel");
    d.help = concat({
        "Friction is a force that resists motion due to contact between an object and its environment. ",
        "There are different types of friction depending on whether the object is moving or not. The ",
        "coefficient of friction is the ratio of the force of friction to the normal force acting between ",
        "the two objects. ",
    });
    return d;
}

} // namespace calc
