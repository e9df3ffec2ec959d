// Momentum p = m v, solved for any of its three quantities, and the net force that changes an
// object's momentum over a time: F = (m vf - m vi) / t, written out with the student's numbers.
#include "calc/energy/calculators.h"
#include "calc/physics/momentum.h"

namespace calc {
namespace {

using num::plain;
using num::Single;

constexpr auto first = "Text1", second = "Text2";
// The net force only: the final velocity and the change in time.
constexpr auto finalVelocity = "Text3", time = "Text6";
constexpr auto result = "Text4";

// Every option empties the boxes it shares with the others; the change in time keeps what was
// typed while the net force stays chosen, and is emptied by the options that hide it.
Formula emptying(QStringList boxes) {
    return [boxes = std::move(boxes)](Sheet& w) {
        for (const QString& box : boxes)
            w.setText(box, QString());
    };
}
const QStringList shared = {"Text1", "Text2", "Text3", "Text4", "Text5"};

} // namespace

Definition frmMomentum() {
    Definition d{.className = "frmMomentum", .caption = "Momentum"};
    // Momentum, mass and velocity cannot be typed negative; the change in time takes any key.
    d.inputs = {
        {first, "Label1", Profile::K12},
        {second, "Label2", Profile::K10},
        {.box = finalVelocity, .label = "Label3", .filter = Profile::K10},
        {time, "Label5"},
    };
    d.results = {{.label = "Label4", .box = result}};
    d.formula = QStringLiteral("Text5");
    const QStringList all = shared + QStringList{time};
    d
        .choices = {{.options =
                         {
                             {.caption = "Momentum",
                              .layout = {.prompts = {{first, "Enter the mass."},
                                                     {second, "Enter the velocity."}},
                                         .resultPrefix = "The momentum is ",
                                         .magnitudes = {first},
                                         .working = {{physics::momentumRelation, {first, second}}}},
                              .solve = product(first, second),
                              .onClick = emptying(all)},
                             {.caption = "Mass",
                              .layout = {.prompts = {{first, "Enter the momentum."},
                                                     {second, "Enter the velocity."}},
                                         .resultPrefix = "The mass is ",
                                         .working = {{physics::massFromMomentumRelation, {first, second}}}},
                              .solve = quotient(first, second),
                              .onClick = emptying(all)},
                             {.caption = "Velocity",
                              .layout = {.prompts = {{first, "Enter the momentum."},
                                                     {second, "Enter the mass."}},
                                         .resultPrefix = "The velocity is ",
                                         .magnitudes = {second},
                                         .working = {{physics::speedFromMomentumRelation, {first, second}}}},
                              .solve = quotient(first, second),
                              .onClick = emptying(all)},
                             // The two momenta first, then their difference, then the division.
                             {
                                 .caption = "Net force",
                                 .layout = {.prompts = {{first, "Enter the mass."}, {second, "Enter the initial velocity."}, {finalVelocity, "Enter the final velocity."}, {time, "Enter the change in time."}},
                                            .resultPrefix = "The force is ",
                                            .units = {{result, Unit::Newton}},
                                            .magnitudes = {first}},
                                 .solve =
                                     [](Sheet& w) {
                                         const Single m = w.single(first), vi = w.single(second);
                                         const Single vf = w.single(finalVelocity), t = w.single(time);
                                         w.showResult(physics::netForce(m, vi, vf, t));
                                         w.showFormula("((" + plain(m) + " * " + plain(vf) + ") - (" +
                                                       plain(m) + " * " + plain(vi) + ")) / " + plain(t));
                                     },
                                 .onClick = emptying(shared)},
                         },
                     .perRow = 2,
                     .clickEmptiesBoxes = false}};
    // The change in time is not demanded: an empty one fails as a number, in the error trap.
    d.checks = {validData({first, second, finalVelocity})};
    // Clear goes back to the momentum option.
    d.clear.then = [](Sheet& w) { w.select(1); };
    d.close.show = QStringLiteral("frmMomentumChoices");
    d.help->text = concat({
        "Momentum is defined as mass times velocity. A change in momentum requires a force being applied  ",
        "over a period of time ",
    });
    return d;
}

} // namespace calc
