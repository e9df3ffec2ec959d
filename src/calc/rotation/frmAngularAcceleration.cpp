// Angular acceleration: alpha = (omega_f - omega_i) / t, solved for the acceleration, the time or
// the final speed.
#include "calc/physics/rotation.h"
#include "calc/rotation/calculators.h"

namespace calc {
namespace {

using num::Single;
// The initial speed always comes first; the third box takes no minus sign.
constexpr auto initial = "Text1", second = "Text2", third = "Text3";
constexpr auto result = "Text4";

Layout prompts(const char* two, const char* three, const char* resultPrefix,
               const working::Relation& relation) {
    return {.prompts = {{initial, "Initial angular speed"}, {second, two}, {third, three}},
            .resultPrefix = resultPrefix,
            .working = {{relation, {initial, second, third}}}};
}

} // namespace

Definition frmAngularAcceleration() {
    Definition d{.className = "frmAngularAcceleration", .caption = "Angular Acceleration"};
    d.inputs = {
        {initial, "Label1", Profile::K1},
        {second, "Label2", Profile::K1},
        {third, "Label3", Profile::K2},
    };
    d.results = {{.label = "Label4", .box = result}};
    d.formula = QStringLiteral("Text5");
    // Switching options keeps what was typed: the next Ok works the new formula on it.
    d.choices = {
        {.caption = "Choose one of the following",
         .options = {{.caption = "Acceleration",
                      .layout = prompts("Final angular speed", "Time interval",
                                        "The angular acceleration is ", physics::angularAccelerationRelation),
                      .solve =
                          [](Sheet& w) {
                              const Single w0 = w.single(initial), w1 = w.single(second);
                              const Single t = w.single(third);
                              w.showResult(physics::angularAcceleration(w0, w1, t));
                          }},
                     {.caption = "Time Change",
                      .layout = prompts("Final angular speed", "Acceleration", "The time is ",
                                        physics::accelerationTimeRelation),
                      .solve =
                          [](Sheet& w) {
                              const Single w0 = w.single(initial), w1 = w.single(second);
                              const Single alpha = w.single(third);
                              w.showResult(physics::accelerationTime(w0, w1, alpha));
                          }},
                     {.caption = "Final Speed",
                      .layout = prompts("Change in time", "Acceleration", "The final speed is ",
                                        physics::finalAngularSpeedRelation),
                      .solve =
                          [](Sheet& w) {
                              const Single w0 = w.single(initial), t = w.single(second);
                              const Single alpha = w.single(third);
                              w.showResult(physics::finalAngularSpeed(w0, t, alpha));
                          }}},
         .perRow = 3,
         .clickEmptiesBoxes = false}};
    d.checks = {validData({initial, second, third}, Icon::Information)};
    d.trap.icon = Icon::Information;
    // Clear starts the window over at the acceleration.
    d.clear.then = [](Sheet& w) { w.select(1); };
    d.help->text = concat({
        "Angular acceleration is the change in angular speed divided by the time interval. It is similar to the ",
        "other types of acceleration you have encountered. Instead of going in a linear direction  ",
        "you are going around a central axis. As a wheel spins around its axis, it accelerates and  ",
        "decelerates. Angular acceleration is usually expressed in radians per second per second. ",
    });
    return d;
}

} // namespace calc
