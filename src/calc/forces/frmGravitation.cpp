// Newton's law of universal gravitation, F = G m1 m2 / d^2, solved for the force, the second mass
// or the distance. G is applied first and the distance one factor at a time, so that planets and
// stars (an Earth and a Moon multiply to 4.4E47) stay within single precision.
#include "calc/framework/calculator.h"
#include "calc/framework/calculators.h"

namespace calc {
namespace {

// Forces run from 1E-9 N between everyday things to 1E20 N between planets: results are written
// in the scientific form wherever three decimals would hide them.
void showWide(CalculatorWindow& w, num::Single value) {
    w.setText("Text4", num::wideResult(value));
}

} // namespace

Definition frmGravitation() {
    using num::Single;
    const Single G = 6.673e-11f;
    Definition d;
    d.className = QStringLiteral("frmGravitation");
    d.caption = QStringLiteral("Newton's Universal Law Of Gravitation");
    d.inputs = {
        {"Text1", "Label1", Profile::K16},
        {"Text2", "Label2", Profile::K16},
        {"Text3", "Label3", Profile::K16},
    };
    d.resultLabel = QStringLiteral("Label4");
    d.resultBox = QStringLiteral("Text4");
    d.formulaBox = QStringLiteral("Text5");
    d.optionColumns = 3;
    d.options = {
        // F = G m1 m2 / d^2
        {.caption = "Gravitational Force",
         .prompts = {"Enter Mass 1.", "Enter Mass 2.", "Enter distance between objects."},
         .resultPrefix = "The gravitational force is ",
         .solve =
             [G](CalculatorWindow& w) {
                 const Single distance = w.single("Text3");
                 showWide(w, G * w.single("Text1") / distance * w.single("Text2") / distance);
             }},
        // m2 = F d^2 / (G m1)
        {.caption = "Mass",
         .prompts = {"Enter Mass 1.", "Enter the distance.", "Enter gravitational force."},
         .resultPrefix = "The other mass is ",
         .solve =
             [G](CalculatorWindow& w) {
                 const Single distance = w.single("Text2");
                 showWide(w, w.single("Text3") / (G * w.single("Text1")) * distance * distance);
             }},
        // d = sqrt(G m1 m2 / F)
        {.caption = "Distance",
         .prompts = {"Enter Mass 1.", "Enter Mass 2.", "Enter gravitational force."},
         .resultPrefix = "The distance is ",
         .solve =
             [G](CalculatorWindow& w) {
                 showWide(w, num::sqrt(G * w.single("Text1") / w.single("Text3") * w.single("Text2")));
             }},
    };
    const Message invalid{"You must enter valid data."};
    const Message positive{"You  must enter positive data."};
    d.checks = {
        required({"Text1"}, invalid), aboveZero("Text1", positive), required({"Text2"}, invalid),
        aboveZero("Text2", positive), required({"Text3"}, invalid), aboveZero("Text3", positive),
    };
    // An option only changes the prompts; Clear goes back to the force.
    d.optionClickEmptiesBoxes = false;
    d.afterClear = [](CalculatorWindow& w) { w.select(1); };
    d.closeButton = QStringLiteral("cmdCancel");
    d.help = concat({
        "Gravity is the force of attraction between any two objects in the universe. The masses of the two ",
        "objects are required as well as the distance between them. ",
    });
    return d;
}

} // namespace calc
