// Falling objects: final velocity, time or distance of a fall. Every input counts by its size:
// students may type downward quantities as negative.
#include "calc/motion/calculators.h"
#include "calc/physics/motion.h"

namespace calc {
namespace {

using num::Single;

constexpr auto initialVelocity = "Text1", acceleration = "Text2", third = "Text3";
constexpr auto result = "Text4";

// The sizes of the three inputs.
struct Fall {
    Single v0, a, third;
};
Fall sizes(const Sheet& w) {
    const Single v0 = num::abs(w.single(initialVelocity)), a = num::abs(w.single(acceleration)),
                 x = num::abs(w.single(third));
    return {v0, a, x};
}

} // namespace

Definition frmFallingObject() {
    Definition d{.className = "frmFallingObject", .caption = "Falling Objects"};
    d.inputs = {
        {.box = initialVelocity,
         .label = "Label1",
         .filter = Profile::K3,
         .tooltip = "Be careful of signs. "},
        {.box = acceleration,
         .label = "Label2",
         .filter = Profile::K3,
         .tooltip = "Up is positive and down is negative."},
        {.box = third, .label = "Label3", .filter = Profile::K3, .tooltip = "Check your signs."},
    };
    d.results = {{.label = "Label4", .box = result, .tooltip = "Positive or negative?"}};
    d.formula = QStringLiteral("Text8");
    const auto fall = [](const char* last) {
        return Captions{{initialVelocity, "Enter the initial velocity."},
                        {acceleration, "Enter the acceleration."},
                        {third, last}};
    };
    d.choices = {{
        .caption = "Select one of the following options",
        .options =
            {
                {.caption = "Find velocity",
                 .layout = {.prompts = fall("Enter the distance."),
                            .resultPrefix = "The final velocity is ",
                            .working = {{physics::speedAfterFallRelation,
                                         {initialVelocity, acceleration, third}}}},
                 .solve =
                     [](Sheet& w) {
                         const auto [v0, a, s] = sizes(w);
                         w.showResult(physics::speedAfterFall(v0, a, s));
                     }},
                {.caption = "Find time",
                 .layout = {.prompts = fall("Enter the distance."),
                            .resultPrefix = "The time is ",
                            .working = {{physics::timeOfFallRelation,
                                         {initialVelocity, acceleration, third}}}},
                 .solve =
                     [](Sheet& w) {
                         const auto [v0, a, s] = sizes(w);
                         w.showResult(physics::timeOfFall(v0, a, s));
                     }},
                {.caption = "Find distance",
                 .layout = {.prompts = fall("Enter the time."),
                            .resultPrefix = "The distance is ",
                            .working = {{physics::distanceOfFallRelation,
                                         {initialVelocity, acceleration, third}}}},
                 .solve =
                     [](Sheet& w) {
                         const auto [v0, a, t] = sizes(w);
                         w.showResult(physics::distanceOfFall(v0, a, t));
                     }},
            },
    }};
    d.checks = {required({initialVelocity, acceleration, third}, {"You must enter a valid number."})};
    // Clear goes back to "Find velocity".
    d.clear.then = [](Sheet& w) { w.select(1); };
    d.buttons.close.caption = QStringLiteral("Cancel");
    d.close.show = QStringLiteral("frmAccelerationChoice");
    d.help->text = concat({
        "The free fall of falling objects is caused by acceleration towards the center of the Earth by the force ",
        "of gravity. On Earth, the downward acceleration is -9.81 meters per second per second. The ",
        "negative sign reflects downward acceleration. The downward acceleration remains constant ",
        "and does not change. ",
    });
    return d;
}

} // namespace calc
