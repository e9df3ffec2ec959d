// Torque: tau = F d sin(theta), theta in degrees, solved for any of the four. Worked in double
// precision.
#include "calc/physics/rotation.h"
#include "calc/rotation/calculators.h"

namespace calc {
namespace {

using num::Double;
constexpr auto first = "Text1", second = "Text2", third = "Text3";
constexpr auto result = "Text4";

} // namespace

Definition frmTorque() {
    Definition d{.className = "frmTorque", .caption = "Torque"};
    d.inputs = {
        {first, "Label1", Profile::K1},
        {second, "Label2", Profile::K5},
        {third, "Label3", Profile::K1},
    };
    d.results = {{.label = "Label4", .box = result}};
    d.formula = QStringLiteral("Text5");
    // Switching options keeps what was typed: the next Ok works the new formula on it.
    d.choices = {
        {.options = {{.caption = "Torque",
                      .layout = {.prompts = {{first, "Enter the applied force."},
                                             {second, "Enter the distance."},
                                             {third, "Enter the angle."}},
                                 .resultPrefix = "The torque is ",
                                 .magnitudes = {second},
                                 .working = {{physics::torqueRelation, {first, second, third}}}},
                      .solve =
                          [](Sheet& w) {
                              const Double force = w.widened(first), arm = w.widened(second);
                              w.showResult(physics::torque(force, arm, w.widened(third)));
                          }},
                     {.caption = "Distance",
                      .layout = {.prompts = {{first, "Enter the torque."},
                                             {second, "Enter the force."},
                                             {third, "Enter the angle."}},
                                 .resultPrefix = "The distance is ",
                                 .working = {{physics::armFromTorqueRelation, {first, second, third}}}},
                      .solve =
                          [](Sheet& w) {
                              const Double tau = w.widened(first), force = w.widened(second);
                              w.showResult(physics::torqueFactor(tau, force, w.widened(third)));
                          }},
                     {.caption = "Force",
                      .layout = {.prompts = {{first, "Enter the torque."},
                                             {second, "Enter the distance."},
                                             {third, "Enter the angle."}},
                                 .resultPrefix = "The force is ",
                                 .magnitudes = {second},
                                 .working = {{physics::forceFromTorqueRelation, {first, second, third}}}},
                      .solve =
                          [](Sheet& w) {
                              const Double tau = w.widened(first), arm = w.widened(second);
                              w.showResult(physics::torqueFactor(tau, arm, w.widened(third)));
                          }},
                     // A torque of exactly F d acts at 90 degrees; one beyond it at no angle.
                     {.caption = "Angle",
                      .layout = {.prompts = {{first, "Enter the torque."},
                                             {second, "Enter the force."},
                                             {third, "Enter the distance."}},
                                 .resultPrefix = "The angle is ",
                                 .magnitudes = {third},
                                 .working = {{physics::leverAngleRelation, {first, second, third}}}},
                      .solve =
                          [](Sheet& w) {
                              const Double tau = w.real(first), force = w.real(second), arm = w.real(third);
                              w.showResult(physics::leverAngle(tau, force, arm));
                          }}},
         .perRow = 4,
         .clickEmptiesBoxes = false}};
    d.checks = {validData({first, second, third}, Icon::Information)};
    d.trap.icon = Icon::Information;
    d.help->text = concat({
        "Torque is defined as force times the lever arm. Torque also depends upon the angle at which the ",
        "force is applied. Torque is the quantity that measures the abililty of a force to rotate an",
        "object around an axis.",
    });
    return d;
}

} // namespace calc
