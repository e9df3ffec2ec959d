// Constant acceleration (this class is the window captioned "Constant Acceleration"): displacement,
// velocity, time or acceleration from the other quantities.
#include "calc/motion/calculators.h"
#include "calc/physics/motion.h"

namespace calc {
namespace {

using num::plain;
using num::Single;

// The three inputs serve every option, with the prompts of each.
constexpr auto first = "Text1", second = "Text2", third = "Text3";

} // namespace

Definition frmAcceleration() {
    Definition d{.className = "frmAcceleration", .caption = "Constant Acceleration"};
    d.inputs = {
        {first, "Label1", Profile::K3},
        {second, "Label2", Profile::K3, {}, "Be careful of  signs when entering acceleration!"},
        {third, "Label3", Profile::K3},
    };
    d.results = {{.label = "Label4",
                  .box = "Text4",
                  .units = {Unit::Metre, Unit::MetrePerSecond, Unit::Second, Unit::MetrePerSecondSquared}}};
    d.formula = QStringLiteral("Text8");
    const Captions velocities = {{first, "Enter the initial velocity."},
                                 {second, "Enter the final velocity."},
                                 {third, "Enter the change in time."}};
    d.choices = {{
        .caption = "Select one of the following options",
        .options =
            {
                {"Find displacement",
                 {velocities, "The displacement is"},
                 [](Sheet& w) {
                     const Single v0 = w.single(first), v = w.single(second), t = w.single(third);
                     w.showResult(physics::displacement(v0, v, t));
                     w.showFormula("(" + plain(v) + " + " + plain(v0) + ") * " + plain(t) + " / 2");
                 }},
                {"Find velocity",
                 {{{first, "Enter the initial velocity."},
                   {second, "Enter the acceleration."},
                   {third, "Enter the time."}},
                  "The velocity is"},
                 [](Sheet& w) {
                     const Single v0 = w.single(first), a = w.single(second), t = w.single(third);
                     w.showResult(physics::velocityAfter(v0, a, t));
                     w.showFormula(plain(t) + " * " + plain(a) + " + " + plain(v0));
                 }},
                {"Find time",
                 {{{first, "Enter the acceleration."}, {second, "Enter the distance."}}, "The time is"},
                 [](Sheet& w) {
                     const Single a = w.single(first), distance = w.single(second);
                     w.showResult(physics::timeFromRest(distance, a));
                     w.showFormula("sqrt(2 * " + plain(distance) + " / " + plain(a) + ")");
                 }},
                // Signed: the acceleration is negative while the object slows down.
                {"Acceleration",
                 {velocities, "The acceleration is"},
                 [](Sheet& w) {
                     const Single v0 = w.single(first), v = w.single(second), t = w.single(third);
                     w.showResult(physics::acceleration(v0, v, t));
                     w.showFormula("(" + plain(v) + " - " + plain(v0) + ") / " + plain(t));
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
