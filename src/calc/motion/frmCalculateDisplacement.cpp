// Displacement: the final position minus the initial one, with the subtraction written out.
#include "calc/motion/calculators.h"

namespace calc {
namespace {

constexpr auto finalPosition = "Text1", initialPosition = "Text2", displacement = "Text3";

} // namespace

Definition frmCalculateDisplacement() {
    const QString where = QStringLiteral("This refers to an object's postion on a coordinate scale.");
    Definition d{.className = "frmCalculateDisplacement", .caption = "Displacement"};
    d.inputs = {
        {.box = finalPosition,
         .label = "Label1",
         .filter = Profile::K3,
         .prompt = "Enter the final  position",
         .tooltip = where},
        {.box = initialPosition,
         .label = "Label2",
         .filter = Profile::K3,
         .prompt = "Enter the initial  position",
         .tooltip = where},
    };
    d.results = {
        {.label = "Label3", .box = displacement, .prefix = "The displacement is", .unit = Unit::Metre}};
    d.formula = QStringLiteral("Text4");
    d.checks = {required({finalPosition, initialPosition}, {"You must enter a valid number."})};
    d.solve = [](Sheet& w) {
        const num::Single x = w.single(finalPosition), x0 = w.single(initialPosition);
        // This window shows the difference in the plain form, not with three decimals.
        w.setText(displacement, num::plain(x - x0));
        w.showFormula(num::plain(x) + " - " + num::plain(x0));
    };
    d.close.show = QStringLiteral("frmMotion");
    d.help->text = concat({
        "Displacement is the distance between the starting position and the final ending position. It is ",
        "not the total distance traveled. ",
    });
    d.buttons.close.name = QStringLiteral("cmdClose");
    return d;
}

} // namespace calc
