// Angular displacement: theta = s / r, the arc length over the distance from the axis, solved for
// any of the three.
#include "calc/physics/rotation.h"
#include "calc/rotation/calculators.h"

namespace calc {
namespace {

using num::Single;
constexpr auto first = "Text1", second = "Text2";
constexpr auto result = "Text3";

} // namespace

Definition frmAngularDisplacement() {
    Definition d{.className = "frmAngularDisplacement", .caption = "Angular Displacement"};
    d.inputs = {{first, "Label1", Profile::K1}, {second, "Label2", Profile::K1}};
    d.results = {{.label = "Label3", .box = result}};
    d.formula = QStringLiteral("Text4");
    // Switching options keeps what was typed: the next Ok works the new formula on it.
    d.choices = {
        {.options = {{.caption = "Displacement",
                      .layout = {.prompts = {{first, "Change in arc length"}, {second, "Distance from axis"}},
                                 .resultPrefix = "The displacement is ",
                                 .magnitudes = {second},
                                 .working = {{physics::angleOfArcRelation, {first, second}}}},
                      .solve =
                          [](Sheet& w) {
                              const Single s = w.single(first), r = w.single(second);
                              w.showResult(s / r);
                          }},
                     {.caption = "Arc Length",
                      .layout = {.prompts = {{first, "Angular displacement"}, {second, "Distance from axis"}},
                                 .resultPrefix = "The arc length is ",
                                 .magnitudes = {second},
                                 .working = {{physics::arcLengthRelation, {first, second}}}},
                      .solve =
                          [](Sheet& w) {
                              const Single theta = w.single(first), r = w.single(second);
                              w.showResult(theta * r);
                          }},
                     {.caption = "Radius",
                      .layout = {.prompts = {{first, "Change in arc length"},
                                             {second, "Angular displacement"}},
                                 .resultPrefix = "The radius is ",
                                 .working = {{physics::radiusOfArcRelation, {first, second}}}},
                      .solve =
                          [](Sheet& w) {
                              const Single s = w.single(first), theta = w.single(second);
                              w.showResult(s / theta);
                          }}},
         .perRow = 3,
         .clickEmptiesBoxes = false}};
    d.checks = {validData({first, second}, Icon::Information)};
    d.help->text = concat({
        "Angular displacement is the change in arc length divided by the distance from the axis. It is the angle ",
        "through which a body rotates around an axis. Think of a seat on a Ferris wheel or any object ",
        "on a rotating wheel or disk. The angle a seat on the Ferris wheel moves through is the angular ",
        "displacement. ",
    });
    return d;
}

} // namespace calc
