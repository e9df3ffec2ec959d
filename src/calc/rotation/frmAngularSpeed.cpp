// Angular speed: omega = theta / t, the angular displacement in radians over the time, solved for
// any of the three.
#include "calc/physics/rotation.h"
#include "calc/rotation/calculators.h"

namespace calc {
namespace {

using num::Single;
constexpr auto first = "Text1", second = "Text2";
constexpr auto result = "Text3";

} // namespace

Definition frmAngularSpeed() {
    Definition d{.className = "frmAngularSpeed", .caption = "Angular Speed"};
    d.inputs = {
        {.box = first,
         .label = "Label1",
         .filter = Profile::K1,
         .tooltip = "There are 2 Pi radians in a circle or 6.28 radians."},
        {second, "Label2", Profile::K1},
    };
    d.results = {{.label = "Label3", .box = result}};
    d.formula = QStringLiteral("Text4");
    // Switching options keeps what was typed: the next Ok works the new formula on it.
    d.choices = {{.options = {{.caption = "Speed",
                               .layout = {.prompts = {{first, "Angular displacement in radians"},
                                                      {second, "Time interval"}},
                                          .resultPrefix = "The angular speed is ",
                                          .working = {{physics::angularSpeedRelation, {first, second}}}},
                               .solve =
                                   [](Sheet& w) {
                                       const Single theta = w.single(first), t = w.single(second);
                                       w.showResult(theta / t);
                                   }},
                              // In radians, as the other two options take it.
                              {.caption = "Displacement",
                               .layout = {.prompts = {{first, "Speed"}, {second, "Time interval"}},
                                          .resultPrefix = "The displacement is ",
                                          .working = {{physics::angleTurnedRelation, {first, second}}}},
                               .solve =
                                   [](Sheet& w) {
                                       const Single omega = w.single(first), t = w.single(second);
                                       w.showResult(t * omega);
                                   }},
                              {.caption = "Time Interval",
                               .layout = {.prompts = {{first, "Speed"}, {second, "Displacement"}},
                                          .resultPrefix = "The time is ",
                                          .working = {{physics::timeToTurnRelation, {first, second}}}},
                               .solve =
                                   [](Sheet& w) {
                                       const Single omega = w.single(first), theta = w.single(second);
                                       w.showResult(theta / omega);
                                   }}},
                  .perRow = 3,
                  .clickEmptiesBoxes = false}};
    d.checks = {validData({first, second}, Icon::Information)};
    d.trap.icon = Icon::Information;
    d.help->text = concat({
        "Angular speed is the rate at which a body rotates about an axis usually in radians per second. ",
        "The displacement is the distance an object moves. Angular speed is the same as the regular ",
        "speed of an object moving in a straight line except that  you are moving around a central axis.",
    });
    d.buttons.close.name = QStringLiteral("cmdClose");
    return d;
}

} // namespace calc
