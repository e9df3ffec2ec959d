// Angular momentum of a point mass moving about an axis: L = m r v, the moment of inertia m r^2
// from a known momentum, and the angular speed omega = v / r = L / (m r^2). Worked in double
// precision.
#include "calc/physics/rotation.h"
#include "calc/rotation/calculators.h"

namespace calc {
namespace {

using num::Double;
constexpr auto first = "Text1", second = "Text2", third = "Text3";
constexpr auto result = "Text5";

} // namespace

Definition frmAngularMomentum() {
    Definition d{.className = "frmAngularMomentum", .caption = "Angular Momentum"};
    d.heading = {"Label4", "These problems deal with a point mass about an axis."};
    d.inputs = {
        {first, "Label1", Profile::K1},
        {second, "Label2", Profile::K1},
        {third, "Label3", Profile::K1},
    };
    d.results = {{.label = "Label5", .box = result}};
    d.formula = QStringLiteral("Text6");
    // Switching options keeps what was typed: the next Ok works the new formula on it.
    d.choices = {
        {.options = {{.caption = "Angular Momentum",
                      .layout = {.prompts = {{first, "Enter the mass."},
                                             {second, "Enter the radius."},
                                             {third, "Enter the speed."}},
                                 .resultPrefix = "The angular momentum is ",
                                 .magnitudes = {first, second},
                                 .working = {{physics::angularMomentumRelation, {first, second, third}}}},
                      .solve =
                          [](Sheet& w) {
                              const Double m = w.widened(first), r = w.widened(second), v = w.widened(third);
                              w.showResult(physics::angularMomentum(m, r, v));
                          }},
                     {.caption = "Moment of Inertia",
                      .layout = {.prompts = {{first, "Enter the momentum."},
                                             {second, "Enter the speed."},
                                             {third, "Enter the radius."}},
                                 .resultPrefix = "The moment of inertia is",
                                 .magnitudes = {third},
                                 .working = {{physics::inertiaFromMomentumRelation, {first, second, third}}}},
                      .solve =
                          [](Sheet& w) {
                              const Double L = w.widened(first), v = w.widened(second), r = w.widened(third);
                              w.showResult(physics::inertiaFromMomentum(L, v, r));
                          }},
                     {.caption = "Angular Speed",
                      .layout = {.prompts = {{first, "Enter the  momentum."},
                                             {second, "Enter the mass."},
                                             {third, "Enter the radius."}},
                                 .resultPrefix = "The angular speed is",
                                 .magnitudes = {second, third},
                                 .working = {{physics::angularSpeedFromMomentumRelation,
                                              {first, second, third}}}},
                      .solve =
                          [](Sheet& w) {
                              const Double L = w.widened(first), m = w.widened(second), r = w.widened(third);
                              w.showResult(physics::angularSpeedFromMomentum(L, m, r));
                          }}},
         .perRow = 3,
         .clickEmptiesBoxes = false}};
    d.checks = {validData({first, second, third}, Icon::Information)};
    d.trap.icon = Icon::Information;
    // Esc closes the window, as everywhere else.
    d.help->text = concat({
        "Angular momentum is the product of a rotating object's moment of inertia and its angular speed. ",
        "Every moving object has momentum which is basically mass time speed. ",
    });
    return d;
}

} // namespace calc
