// Displacement: the final position minus the initial one, with the subtraction written out.
#include "calc/framework/calculator.h"
#include "calc/framework/calculators.h"

namespace calc {

Definition frmCalculateDisplacement() {
    const QString where = QStringLiteral("This refers to an object's postion on a coordinate scale.");
    Definition d;
    d.className = QStringLiteral("frmCalculateDisplacement");
    d.caption = QStringLiteral("Displacement");
    d.inputs = {
        {"Text1", "Label1", Profile::K3, where, "Enter the final  position"},
        {"Text2", "Label2", Profile::K3, where, "Enter the initial  position"},
    };
    d.resultLabel = QStringLiteral("Label3");
    d.resultPrefix = QStringLiteral("The displacement is");
    d.resultBox = QStringLiteral("Text3");
    d.formulaBox = QStringLiteral("Text4");
    d.checks = {required({"Text1", "Text2"}, {"You must enter a valid number."})};
    d.solve = [](CalculatorWindow& w) {
        const num::Single x = w.single("Text1");
        const num::Single x0 = w.single("Text2");
        // This window shows the difference in the plain form, not with three decimals.
        w.setText("Text3", num::plain(x - x0));
        w.showFormula(num::plain(x) + " - " + num::plain(x0));
    };
    d.showAfterClose = QStringLiteral("frmMotion");
    d.help = concat({
        "Displacement is the distance between the starting position and the final ending position. It is ",
        "not the total distance traveled. ",
    });
    return d;
}

} // namespace calc
