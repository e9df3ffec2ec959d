// Equilibrium: an object hanging from one force held by two supporting forces, for three
// arrangements of the two. Angles are measured from the horizontal.
#include "calc/framework/calculator.h"
#include "calc/framework/calculators.h"

namespace calc {

Definition frmEquilibrium() {
    using num::Single;
    Definition d;
    d.className = QStringLiteral("frmEquilibrium");
    d.caption = QStringLiteral("Equilibrium");
    d.headingLabel = QStringLiteral("Label1");
    d.heading = QStringLiteral(
        "These problems deal with an object suspended by a single force supported by 2 other forces.");
    const QString weight = QStringLiteral("Enter the weight in Newtons.");
    d.inputs = {
        {"Text1", "Label2", Profile::K3, {}, weight},
        {"Text3", "Label4", Profile::K3e, {}, {}, true}, // angle of force 1
        {"Text2", "Label3", Profile::K3e, {}, {}, true}, // angle of force 2
    };
    d.resultLabel = QStringLiteral("Label7");
    d.resultBox = QStringLiteral("Text6");
    // "at <angle> degrees" beside the first result; the second force below it.
    d.moreResults = {{"Label5", "Text4", "Label6", true}, {"Label8", "Text5"}};
    d.formulaBox = QStringLiteral("Text7");

    const QString both = QStringLiteral("The 2 forces required to reach equilibrium are ");
    const QList<std::pair<QString, QString>> atDegrees = {{"Label5", "at"}, {"Label6", "degrees"}};
    d.optionColumns = 3;
    d.options = {
        // Two vertical forces share the weight: W / 2 each, at 0 degrees.
        {.caption = "2 Equal Parallel Forces",
         .prompts = {weight, "", ""},
         .resultPrefix = both,
         .solve = [](CalculatorWindow& w) { w.showResult(w.single("Text1") / 2.0f); },
         .onClick = [](CalculatorWindow& w) { w.setText("Text4", QStringLiteral("0")); },
         .captions = atDegrees,
         .hiddenResults = {"Text5"}},
        // Each force carries half the weight in its vertical part: (W / 2) / sin(angle).
        {.caption = "2 Equal Concurrent Forces",
         .prompts = {weight, "Angle of force 1 ", ""},
         .resultPrefix = both,
         .solve =
             [](CalculatorWindow& w) {
                 w.showResult(w.single("Text1") / 2.0f / num::sin(num::radians(w.single("Text3"))));
             },
         .captions = atDegrees,
         .hiddenResults = {"Text5"}},
        // The horizontal parts balance (F1 cos a1 = F2 cos a2) and the vertical parts carry W.
        {.caption = "2 Unequal Concurrent Forces",
         .prompts = {weight, "Angle of force 1 ", "Angle of force 2"},
         .resultPrefix = "Force 1 is ",
         .solve =
             [](CalculatorWindow& w) {
                 const Single weight = w.single("Text1");
                 const Single a1 = num::radians(w.single("Text3")), a2 = num::radians(w.single("Text2"));
                 w.showResult(weight / (num::cos(a1) * num::tan(a2) + num::sin(a1)));
                 w.showResult("Text5", weight / (num::cos(a2) * num::tan(a1) + num::sin(a2)));
             },
         .captions = {{"Label8", "Force 2 is "}},
         .hiddenResults = {"Text4"}},
    };
    const Message invalid{"You must enter valid data.", QStringLiteral("Quellorin"), Icon::Information};
    d.checks = {required({"Text1", "Text3", "Text2"}, invalid)};
    d.clearFocusesFirstBox = false;
    d.closeButton = QStringLiteral("cmdCancel");
    d.help = concat({
        "Equilibrium refers to the forces necessary to support an object. In these problems, think of an ",
        "object being supported by a single force like a cable. The force (or cable) in turn is supported by ",
        "two other forces. Think of a capital Y with the object at the very bottom of the Y. In some cases the ",
        "two supporting forces are parallel and in some cases at an angle. Also in some cases the forces are ",
        "equal and in others they are not equal. ",
    });
    return d;
}

} // namespace calc
