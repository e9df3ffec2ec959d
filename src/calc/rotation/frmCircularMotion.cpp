// Circular motion: the centripetal acceleration a = v^2 / r, and the force F = m v^2 / r that keeps
// a mass on its circle. Squares are worked out in double precision.
#include "calc/physics/rotation.h"
#include "calc/rotation/calculators.h"

namespace calc {
namespace {

using num::Double;
constexpr auto first = "Text1", radius = "Text2", speed = "Text3"; // the speed box: for the force only
constexpr auto result = "Text4";

} // namespace

Definition frmCircularMotion() {
    Definition d{.className = "frmCircularMotion", .caption = "Circular Motion"};
    d.inputs = {
        {first, "Label1", Profile::K1},
        {.box = radius, .label = "Label2", .filter = Profile::K1, .magnitude = true},
        {speed, "Label3", Profile::K1},
    };
    d.results = {{.label = "Label4", .box = result}};
    d.formula = QStringLiteral("Text5");
    // Switching options keeps what was typed.
    d.choices = {
        {.options = {{.caption = "Centripetal Acceleration",
                      .layout = {.prompts = {{first, "Enter the speed."}, {radius, "Enter the radius."}},
                                 .resultPrefix = "The centripetal acceleration is ",
                                 .working = {{physics::centripetalAccelerationRelation, {first, radius}}}},
                      .solve =
                          [](Sheet& w) {
                              const Double v = w.widened(first), r = w.widened(radius);
                              w.showResult(num::narrow(physics::centripetalAcceleration(v, r)));
                          }},
                     {.caption = "Force of Circular Motion",
                      .layout = {.prompts = {{first, "Enter the mass."},
                                             {radius, "Enter the radius."},
                                             {speed, "Enter the speed."}},
                                 .resultPrefix = "The circular force is ",
                                 .magnitudes = {first},
                                 .working = {{physics::centripetalForceRelation, {first, radius, speed}}}},
                      .solve =
                          [](Sheet& w) {
                              const Double m = w.widened(first), r = w.widened(radius), v = w.widened(speed);
                              w.showResult(num::narrow(physics::centripetalForce(m, r, v)));
                          }}},
         .perRow = 2,
         .clickEmptiesBoxes = false}};
    d.checks = {validData({first, radius, speed}, Icon::Information)};
    d.trap.icon = Icon::Information;
    d.help->text = concat({
        "Centripetal acceleration is the acceleration directed towards the center of a circle. ",
        "For an object moving in a circular path, centripetal acceleration is caused only by a change in direction ",
        "assuming its velocity is constant. Centripetal acceleration is calculated by dividing the velocity ",
        "(or tangential velocity) squared by the distance from the axis. Another way to calculate centripetal ",
        "acceleration is to multiply the angular speed squared by the distance from the axis.",
        "\n\r",
        "The force that maintains circular motion is derived from Newton's second law F = ma. ",
        "This force is the mass of the object times the centripetal acceleration. If you know the mass of the object ",
        "you multiply that mass by the centripetal acceleration for that object. ",
    });
    return d;
}

} // namespace calc
