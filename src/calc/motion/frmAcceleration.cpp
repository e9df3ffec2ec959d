// Constant acceleration (this class is the window captioned "Constant Acceleration"): displacement,
// velocity, time or acceleration from the other quantities.
#include "calc/motion/calculators.h"
#include "calc/physics/motion.h"

namespace calc {
namespace {

using num::Single;

// The three inputs serve every option, with the prompts of each.
constexpr auto first = "Text1", second = "Text2", third = "Text3";
constexpr auto result = "Text4";

} // namespace

Definition frmAcceleration() {
    Definition d{.className = "frmAcceleration", .caption = "Constant Acceleration"};
    d.inputs = {
        {first, "Label1", Profile::K3},
        {.box = second,
         .label = "Label2",
         .filter = Profile::K3,
         .tooltip = "Be careful of  signs when entering acceleration!"},
        {third, "Label3", Profile::K3},
    };
    d.results = {{.label = "Label4", .box = result}};
    d.formula = QStringLiteral("Text8");
    const Captions velocities = {{first, "Enter the initial velocity."},
                                 {second, "Enter the final velocity."},
                                 {third, "Enter the change in time."}};
    d.choices =
        {
            {
                .caption = "Select one of the following options",
                .options =
                    {
                        {.caption = "Find displacement",
                         .layout = {.prompts = velocities,
                                    .resultPrefix = "The displacement is",
                                    .working = {{physics::displacementRelation, {first, second, third}}}},
                         .solve =
                             [](Sheet& w) {
                                 const Single v0 = w.single(first), v = w.single(second), t = w.single(third);
                                 w.showResult(physics::displacement(v0, v, t));
                             }},
                        {.caption = "Find velocity",
                         .layout = {.prompts = {{first, "Enter the initial velocity."},
                                                {second, "Enter the acceleration."},
                                                {third, "Enter the time."}},
                                    .resultPrefix = "The velocity is",
                                    .working = {{physics::velocityAfterRelation, {first, second, third}}}},
                         .solve =
                             [](Sheet& w) {
                                 const Single v0 = w.single(first), a = w.single(second), t = w.single(third);
                                 w.showResult(physics::velocityAfter(v0, a, t));
                             }},
                        {.caption = "Find time",
                         .layout = {.prompts = {{first, "Enter the acceleration."},
                                                {second, "Enter the distance."}},
                                    .resultPrefix = "The time is",
                                    .magnitudes = {second},
                                    .working = {{physics::timeFromRestRelation, {first, second}}}},
                         .solve =
                             [](Sheet& w) {
                                 const Single a = w.single(first), distance = w.single(second);
                                 w.showResult(physics::timeFromRest(distance, a));
                             }},
                        // Signed: the acceleration is negative while the object slows down.
                        {
                            .caption = "Acceleration",
                            .layout = {.prompts = velocities,
                                       .resultPrefix = "The acceleration is",
                                       .working = {{physics::accelerationRelation, {first, second, third}}}},
                            .solve =
                                [](Sheet& w) {
                                    const Single v0 = w.single(first), v = w.single(second),
                                                 t = w.single(third);
                                    w.showResult(physics::acceleration(v0, v, t));
                                }},
                    },
            }};
    const Message initial{"Initial velocity must be 0 or greater."};
    const Message final{"Final velocity must be 0 or greater."};
    const Message time{"The time must be greater than 0."};
    d.checks = {
        required({first, second, third}, {"You must enter a valid number."}),
        whenOption(1, atLeastZero(first, initial)),
        whenOption(1, atLeastZero(second, final)),
        whenOption(1, aboveZero(third, time)),
        whenOption(2, atLeastZero(first, initial)),
        whenOption(2, aboveZero(third, time)),
        whenOption(3, aboveZero(second, {"Distance must be greater than 0."})),
        whenOption(4, atLeastZero(first, initial)),
        whenOption(4, atLeastZero(second, final)),
        whenOption(4, aboveZero(third, time)),
    };
    d.buttons.close.caption = QStringLiteral("Cancel");
    d.close.show = QStringLiteral("frmAccelerationChoice");
    d.help->text = concat({
        "Constant acceleration means that the rate of increase or decrease will stay the same. Your acceleration will ",
        "not change. Remember that acceleration is negative when you are slowing down and ",
        "positive when you are speeding up.",
    });
    return d;
}

} // namespace calc
