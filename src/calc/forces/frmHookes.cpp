// Hooke's law for a spring: the spring constant k = -F / x, the displacement and the force.
#include "calc/framework/calculator.h"
#include "calc/framework/calculators.h"

namespace calc {

Definition frmHookes() {
    Definition d;
    d.className = QStringLiteral("frmHookes");
    d.caption = QStringLiteral("Spring - Mass System (Hooke's Law)");
    d.inputs = {
        {"Text1", "Label1", Profile::K17},
        {"Text2", "Label2", Profile::K17, "Be careful of the sign."},
    };
    d.resultLabel = QStringLiteral("Label3");
    d.resultBox = QStringLiteral("Text3");
    d.formulaBox = QStringLiteral("Text4");
    d.optionColumns = 3;
    d.options = {
        {.caption = "Spring Constant",
         .prompts = {"Enter the force in Newtons.", "Enter the displacement in meters."},
         .resultPrefix = "The spring constant is ",
         .solve = [](CalculatorWindow& w) { w.showResult(-w.single("Text1") / w.single("Text2")); }},
        // The size of the stretch a force gives: x = F / k.
        {.caption = "Displacement",
         .prompts = {"Enter the force in Newtons.", "Enter the spring constant."},
         .resultPrefix = "The displacement is ",
         .solve = [](CalculatorWindow& w) { w.showResult(w.single("Text1") / w.single("Text2")); }},
        // The force that holds the spring stretched: F = k x.
        {.caption = "Force",
         .prompts = {"Enter the spring constant.", "Enter the displacement in meters."},
         .resultPrefix = "The force is ",
         .solve = [](CalculatorWindow& w) { w.showResult(w.single("Text2") * w.single("Text1")); }},
    };
    const Message invalid{"You must enter valid data.", QStringLiteral("Quellorin"), Icon::Information};
    d.checks = {required({"Text1", "Text2"}, invalid)};
    d.trap.icon = Icon::Information;
    d.optionClickEmptiesBoxes = false;
    d.closeButton = QStringLiteral("cmdCancel");
    d.help = concat({
        "A mass-spring system, involves  what is known as Hooke's Law . Hooke's Law states that their is a ",
        "relationship between force and displacement. The equation is stated as the negative of the spring ",
        "constant  times displacement. The spring constant is negative because the movement of the spring is ",
        "always opposite the direction of the force. the spring constant is a measure of the stiffness of the ",
        "spring. ",
    });
    return d;
}

} // namespace calc
