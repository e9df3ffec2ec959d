// The simple pendulum, T = 2 pi sqrt(L / g): the period, the frequency 1 / T, the length and the
// acceleration of gravity.
#include "calc/physics/rotation.h"
#include "calc/rotation/calculators.h"

namespace calc {
namespace {

using num::Double;
constexpr auto first = "Text1", second = "Text2"; // the second: not for the frequency
constexpr auto result = "Text3";

} // namespace

Definition frmPendulum() {
    Definition d{.className = "frmPendulum", .caption = "Simple Pendulum"};
    // Lengths, periods and the acceleration of gravity: magnitudes all.
    d.inputs = {{.box = first, .label = "Label1", .filter = Profile::K3, .magnitude = true},
                {.box = second, .label = "Label2", .filter = Profile::K3, .magnitude = true}};
    d.results = {{.label = "Label3", .box = result}};
    d.formula = QStringLiteral("Text4");
    // Switching options keeps what was typed, in the hidden box too.
    d.choices = {{.caption = "Select one of the following options",
                  .options = {{.caption = "Period",
                               .layout = {.prompts = {{first, "Enter the length of the pendulum."},
                                                      {second, "Enter the acceleration."}},
                                          .resultPrefix = "The period is ",
                                          .working = {{physics::pendulumPeriodRelation, {first, second}}}},
                               .solve =
                                   [](Sheet& w) {
                                       const Double length = w.widened(first), g = w.widened(second);
                                       w.showResult(num::narrow(physics::pendulumPeriod(length, g)));
                                   }},
                              {.caption = "Frequency",
                               .layout = {.prompts = {{first, "Enter the period of the pendulum."}},
                                          .resultPrefix = "The frequency is ",
                                          .working = {{physics::frequencyRelation, {first}}}},
                               .solve = [](Sheet& w) { w.showResult(num::Single(1.0f) / w.single(first)); }},
                              {.caption = "Length",
                               .layout = {.prompts = {{first, "Enter the period of the pendulum."},
                                                      {second, "Enter the acceleration."}},
                                          .resultPrefix = "The length is ",
                                          .working = {{physics::pendulumLengthRelation, {first, second}}}},
                               .solve =
                                   [](Sheet& w) {
                                       const Double period = w.widened(first), g = w.widened(second);
                                       w.showResult(num::narrow(physics::pendulumLength(period, g)));
                                   }},
                              {.caption = "Acceleration",
                               .layout = {.prompts = {{first, "Enter the period of the pendulum."},
                                                      {second, "Enter the length of the pendulum."}},
                                          .resultPrefix = "The acceleration is ",
                                          .working = {{physics::pendulumGravityRelation, {first, second}}}},
                               .solve =
                                   [](Sheet& w) {
                                       const Double period = w.widened(first), length = w.widened(second);
                                       w.showResult(num::narrow(physics::pendulumGravity(period, length)));
                                   }}},
                  .perRow = 4,
                  .clickEmptiesBoxes = false}};
    d.checks = {validData({first, second}, Icon::Information)};
    d.trap.icon = Icon::Information;
    d.help->text = concat({
        "A pendulum is a mass suspended by a rope or string. The mass swings back and forth. The period  ",
        "of the pendulum is the time it takes to make one complete movement back and forth. The ",
        "frequency is the number of complete cycles in a unit of time. The amplitude is the maximum ",
        "displacement form its equilibrium position. ",
    });
    return d;
}

} // namespace calc
