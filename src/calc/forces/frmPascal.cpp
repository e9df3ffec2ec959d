// Pascal's principle: pressure from force and area, and the hydraulic press, where the pressure
// is the same under both pistons (F1 / A1 = F2 / A2).
#include "calc/framework/calculator.h"
#include "calc/framework/calculators.h"

namespace calc {

Definition frmPascal() {
    Definition d;
    d.className = QStringLiteral("frmPascal");
    d.caption = QStringLiteral("Pascal's Principle");
    d.inputs = {
        {"Text1", "Label1", Profile::K1}, {"Text2", "Label2", Profile::K1}, {"Text5", "Label4"}, // area 2
    };
    d.resultLabel = QStringLiteral("Label3");
    d.resultBox = QStringLiteral("Text3");
    d.formulaBox = QStringLiteral("Text4");
    d.optionColumns = 3;
    d.options = {
        {.caption = "Pressure",
         .prompts = {"Enter the force in Newtons.", "Enter the area in meters.", ""},
         .resultPrefix = "The pressure is ",
         .solve = [](CalculatorWindow& w) { w.showResult(w.single("Text1") / w.single("Text2")); }},
        // F2 = F1 * A2 / A1
        {.caption = "Force",
         .prompts = {"Enter force 1 in Newtons.", "Enter area 1.", "Enter area 2."},
         .resultPrefix = "Force 2 is ",
         .solve =
             [](CalculatorWindow& w) {
                 w.showResult(w.single("Text1") * w.single("Text5") / w.single("Text2"));
             }},
        // A1 = F1 / F2 * A2
        {.caption = "Area",
         .prompts = {"Enter force 1 in Newtons.", "Enter force 2 in Newtons.", "Enter area 2 in meters."},
         .resultPrefix = "Area 1 is  ",
         .solve =
             [](CalculatorWindow& w) {
                 w.showResult(w.single("Text1") / w.single("Text2") * w.single("Text5"));
             }},
    };
    const Message invalid{"You must enter valid data.", QStringLiteral("Quellorin"), Icon::Information};
    d.checks = {required({"Text1", "Text2"}, invalid)};
    d.trap.icon = Icon::Information;
    d.closeButton = QStringLiteral("cmdCancel");
    d.help = concat({
        "Pascal's principle refers to pressure applied to fluid enclosed in a container. The pressure applied ",
        "to the fluid  is transmitted to every part of the fluid. In a hydraulic lift, a small pressure applied ",
        "to a small area translates to a large pressure over a large area. Given the initial pressure and the ",
        "two areas, you can calculate the pressure applied to the second area. ",
    });
    return d;
}

} // namespace calc
