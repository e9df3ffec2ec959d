// Hooke's law for a spring: the spring constant k = -F / x, the displacement and the force.
#include "calc/forces/calculators.h"
#include "calc/physics/forces.h"

namespace calc {
namespace {

using num::Single;
constexpr auto first = "Text1", second = "Text2";
constexpr auto result = "Text3";

} // namespace

Definition frmHookes() {
    Definition d{.className = "frmHookes", .caption = "Spring - Mass System (Hooke's Law)"};
    d.inputs = {
        {first, "Label1", Profile::K17},
        {.box = second, .label = "Label2", .filter = Profile::K17, .tooltip = "Be careful of the sign."},
    };
    d.results = {{.label = "Label3", .box = result}};
    d.formula = QStringLiteral("Text4");
    // An option only changes the prompts.
    d.choices = {{.options =
                      {
                          {.caption = "Spring Constant",
                           .layout = {.prompts = {{first, "Enter the force in Newtons."},
                                                  {second, "Enter the displacement in meters."}},
                                      .resultPrefix = "The spring constant is ",
                                      .working = {{physics::springConstantRelation, {first, second}}}},
                           .solve =
                               [](Sheet& w) {
                                   const Single force = w.single(first), x = w.single(second);
                                   w.showResult(physics::springConstant(force, x));
                               }},
                          // The size of the stretch a force gives: x = F / k.
                          {.caption = "Displacement",
                           .layout = {.prompts = {{first, "Enter the force in Newtons."},
                                                  {second, "Enter the spring constant."}},
                                      .resultPrefix = "The displacement is ",
                                      .magnitudes = {second},
                                      .working = {{physics::stretchRelation, {first, second}}}},
                           .solve =
                               [](Sheet& w) {
                                   const Single force = w.single(first), k = w.single(second);
                                   w.showResult(force / k);
                               }},
                          // The force that holds the spring stretched: F = k x.
                          {.caption = "Force",
                           .layout = {.prompts = {{first, "Enter the spring constant."},
                                                  {second, "Enter the displacement in meters."}},
                                      .resultPrefix = "The force is ",
                                      .magnitudes = {first},
                                      .working = {{physics::springForceRelation, {first, second}}}},
                           .solve =
                               [](Sheet& w) {
                                   const Single k = w.single(first), x = w.single(second);
                                   w.showResult(x * k);
                               }},
                      },
                  .perRow = 3,
                  .clickEmptiesBoxes = false}};
    const Message invalid = invalidData(Icon::Information);
    d.checks = {required({first, second}, invalid)};
    d.trap.icon = Icon::Information;
    d.help->text = concat({
        "A mass-spring system, involves  what is known as Hooke's Law . Hooke's Law states that their is a ",
        "relationship between force and displacement. The equation is stated as the negative of the spring ",
        "constant  times displacement. The spring constant is negative because the movement of the spring is ",
        "always opposite the direction of the force. the spring constant is a measure of the stiffness of the ",
        "spring. ",
    });
    return d;
}

} // namespace calc
