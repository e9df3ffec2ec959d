// Average acceleration (this class is the window captioned "Average Acceleration"): the change in
// velocity divided by the change in time, worked out with the student's numbers.
#include "calc/motion/calculators.h"
#include "calc/physics/motion.h"

namespace calc {
namespace {

constexpr auto initialVelocity = "Text1", finalVelocity = "Text2", time = "Text4";

} // namespace

Definition frmConstantAcceleration() {
    Definition d{.className = "frmConstantAcceleration", .caption = "Average Acceleration"};
    d.inputs = {
        {initialVelocity, "Label1", Profile::K3, "Enter the initial velocity."},
        {finalVelocity, "Label3", Profile::K3, "Enter the final velocity."},
        {time, "Label4", Profile::K3, "Enter the change in time."},
    };
    d.results = {{.label = "Label2",
                  .box = "Text3",
                  .prefix = "The average acceleration is",
                  .unit = Unit::MetrePerSecondSquared}};
    d.formula = QStringLiteral("Text5");
    d.checks = {
        required({initialVelocity, finalVelocity, time}, {"You must enter a valid number."}),
        aboveZero(time, {"You must enter a positive number for the time."}),
    };
    d.solve = [](Sheet& w) {
        const num::Single v0 = w.single(initialVelocity), v = w.single(finalVelocity), t = w.single(time);
        w.showResult(physics::acceleration(v0, v, t));
    };
    d.working = {{physics::accelerationRelation, {initialVelocity, finalVelocity, time}}};
    d.buttons.close.caption = QStringLiteral("Cancel");
    d.close.show = QStringLiteral("frmAccelerationChoice");
    d.help->text = concat({
        "Average acceleration is the change in velocity divided by the change in time. ",
    });
    return d;
}

} // namespace calc
