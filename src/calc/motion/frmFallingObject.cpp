// Falling objects: final velocity, time or distance of a fall. Every input counts by its size:
// students may type downward quantities as negative.
#include "calc/motion/calculators.h"
#include "calc/physics/motion.h"

namespace calc {
namespace {

using num::plain;
using num::Single;

constexpr auto initialVelocity = "Text1", acceleration = "Text2", third = "Text3";

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
        {initialVelocity, "Label1", Profile::K3, {}, "Be careful of signs. "},
        {acceleration, "Label2", Profile::K3, {}, "Up is positive and down is negative."},
        {third, "Label3", Profile::K3, {}, "Check your signs."},
    };
    d.results = {{.label = "Label4",
                  .box = "Text4",
                  .tooltip = "Positive or negative?",
                  .units = {Unit::MetrePerSecond, Unit::Second, Unit::Metre}}};
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
                {"Find velocity",
                 {fall("Enter the distance."), "The final velocity is "},
                 [](Sheet& w) {
                     const auto [v0, a, s] = sizes(w);
                     w.showResult(physics::speedAfterFall(v0, a, s));
                     w.showFormula("sqrt(" + plain(v0) + "^2 + 2 * " + plain(a) + " * " + plain(s) + ")");
                 }},
                {"Find time",
                 {fall("Enter the distance."), "The time is "},
                 [](Sheet& w) {
                     const auto [v0, a, s] = sizes(w);
                     w.showResult(physics::timeOfFall(v0, a, s));
                     w.showFormula("(sqrt(" + plain(v0) + "^2 + 2 * " + plain(a) + " * " + plain(s) + ") - " +
                                   plain(v0) + ") / " + plain(a));
                 }},
                {"Find distance",
                 {fall("Enter the time."), "The distance is "},
                 [](Sheet& w) {
                     const auto [v0, a, t] = sizes(w);
                     w.showResult(physics::distanceOfFall(v0, a, t));
                     w.showFormula(plain(t) + "^2 * (" + plain(a) + " * 0.5) + " + plain(t) + " * " +
                                   plain(v0));
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
