// Power from the force, the distance it moves through and the time taken: P = F d / t.
#include "calc/energy/calculators.h"
#include "calc/physics/energy.h"

namespace calc {
namespace {

using num::Single;

constexpr auto force = "Text5", distance = "Text1", time = "Text2";

} // namespace

Definition frmPower() {
    Definition d{.className = "frmPower", .caption = "Power"};
    // The force comes first on screen and in the tab order; the distance box (Text1, the first
    // input box) enables Ok and takes the cursor on Clear. All three boxes take numbers only.
    d.inputs = {
        {force, "Label4", Profile::K1, "Enter the force."},
        {distance, "Label1", Profile::K1, "Enter the distance."},
        {time, "Label2", Profile::K1, "Enter the time change."},
    };
    d.results = {{.label = "Label3", .box = "Text3", .prefix = "The power is ", .unit = Unit::Watt}};
    d.formula = QStringLiteral("Text4");
    d.working = {{physics::powerRelation, {force, distance, time}}};
    d.checks = {validData({distance, time, force})};
    d.solve = [](Sheet& w) {
        const Single f = w.single(force), x = w.single(distance), t = w.single(time);
        w.showResult(physics::power(f, x, t));
    };
    d.help->text = concat({
        "Power is defined as work divided by the change in time. Work in turn is simply force time distance. ",
    });
    return d;
}

} // namespace calc
