// Pascal's principle: pressure from force and area, and the hydraulic press, where the pressure
// is the same under both pistons (F1 / A1 = F2 / A2).
#include "calc/forces/calculators.h"
#include "calc/physics/forces.h"

namespace calc {
namespace {

constexpr auto first = "Text1", second = "Text2", area2 = "Text5";
constexpr auto result = "Text3";

} // namespace

Definition frmPascal() {
    Definition d{.className = "frmPascal", .caption = "Pascal's Principle"};
    d.inputs = {{first, "Label1", Profile::K1},
                {second, "Label2", Profile::K1},
                {.box = area2, .label = "Label4", .magnitude = true}};
    d.results = {{.label = "Label3", .box = result}};
    d.formula = QStringLiteral("Text4");
    d.choices = {{.options =
                      {
                          {.caption = "Pressure",
                           .layout = {.prompts = {{first, "Enter the force in Newtons."},
                                                  {second, "Enter the area in meters."}},
                                      .resultPrefix = "The pressure is ",
                                      .magnitudes = {second},
                                      .working = {{physics::pressureRelation, {first, second}}}},
                           .solve = [](Sheet& w) { w.showResult(w.single(first) / w.single(second)); }},
                          {.caption = "Force",
                           .layout = {.prompts = {{first, "Enter force 1 in Newtons."},
                                                  {second, "Enter area 1."},
                                                  {area2, "Enter area 2."}},
                                      .resultPrefix = "Force 2 is ",
                                      .magnitudes = {second},
                                      .working = {{physics::pressForceRelation, {first, second, area2}}}},
                           .solve =
                               [](Sheet& w) {
                                   const num::Single f1 = w.single(first), a1 = w.single(second),
                                                     a2 = w.single(area2);
                                   w.showResult(physics::pressForce(f1, a1, a2));
                               }},
                          {.caption = "Area",
                           .layout = {.prompts = {{first, "Enter force 1 in Newtons."},
                                                  {second, "Enter force 2 in Newtons."},
                                                  {area2, "Enter area 2 in meters."}},
                                      .resultPrefix = "Area 1 is  ",
                                      .working = {{physics::pressAreaRelation, {first, second, area2}}}},
                           .solve =
                               [](Sheet& w) {
                                   const num::Single f1 = w.single(first), f2 = w.single(second),
                                                     a2 = w.single(area2);
                                   w.showResult(physics::pressArea(f1, f2, a2));
                               }},
                      },
                  .perRow = 3}};
    const Message invalid = invalidData(Icon::Information);
    d.checks = {required({first, second}, invalid)};
    d.trap.icon = Icon::Information;
    d.help->text = concat({
        "Pascal's principle refers to pressure applied to fluid enclosed in a container. The pressure applied ",
        "to the fluid  is transmitted to every part of the fluid. In a hydraulic lift, a small pressure applied ",
        "to a small area translates to a large pressure over a large area. Given the initial pressure and the ",
        "two areas, you can calculate the pressure applied to the second area. ",
    });
    return d;
}

} // namespace calc
