// Elastic head-on collisions of two objects: any one of the four velocities from conservation of
// momentum, m1 v1i + m2 v2i = m1 v1f + m2 v2f, the total kinetic energy of both objects, or both
// final velocities from the two masses and the two initial velocities.
#include "calc/energy/calculators.h"
#include "calc/physics/energy.h"
#include "calc/physics/momentum.h"

namespace calc {
namespace {

using num::Single;

// Object 1 on the left, object 2 on the right; the velocities known for each option below them.
constexpr auto mass1 = "Text1", mass2 = "Text2";
constexpr auto third = "Text3", fourth = "Text4", fifth = "Text5";
constexpr auto result = "Text8";
// The second result row, shown only with both final velocities.
constexpr auto secondResult = "Text10", secondPrefix = "Label10";

// The sought velocity of object 1 or 2, by conservation of momentum: the momentum of both objects
// at the other moment of the collision (their velocities then in the boxes first and second), and
// the other object's velocity at the sought velocity's own moment (in the box known).
Formula velocityOf(int object, const char* first, const char* second, const char* known) {
    return [=](Sheet& w) {
        const Single m1 = w.single(mass1), m2 = w.single(mass2);
        const Single v1 = w.single(first), v2 = w.single(second), other = w.single(known);
        const Single mine = object == 1 ? m1 : m2, theirs = object == 1 ? m2 : m1;
        const Single p = physics::momentumOfBoth(m1, v1, m2, v2);
        w.showResult(physics::velocityFromMomentum(p, mine, theirs, other));
    };
}

// Both final velocities, with the two formulas worked out with the student's numbers.
void bothFinalVelocities(Sheet& w) {
    const Single m1 = w.single(mass1), m2 = w.single(mass2), v1 = w.single(third), v2 = w.single(fourth);
    const physics::FinalVelocities after = physics::elasticFinalVelocities(m1, v1, m2, v2);
    w.showResult(after.first);
    w.showResult(secondResult, after.second);
    using num::plain;
    const QString total = "(" + plain(m1) + " + " + plain(m2) + ")";
    w.showFormula("v1f = ((" + plain(m1) + " - " + plain(m2) + ") * " + plain(v1) + " + 2 * " + plain(m2) +
                  " * " + plain(v2) + ") / " + total + "   v2f = ((" + plain(m2) + " - " + plain(m1) +
                  ") * " + plain(v2) + " + 2 * " + plain(m1) + " * " + plain(v1) + ") / " + total);
}

// The prompts of an option, the masses first.
Layout velocities(const char* left, const char* right, const char* last, const char* resultPrefix,
                  const working::Relation& relation) {
    return {.prompts = {{mass1, "Mass of object 1."},
                        {mass2, "Mass of object 2."},
                        {third, left},
                        {fourth, right},
                        {fifth, last}},
            .resultPrefix = resultPrefix,
            .hiddenResults = {secondResult},
            .working = {{relation, {mass1, mass2, third, fourth, fifth}}}};
}

} // namespace

Definition frmCollisions() {
    Definition d{.className = "frmCollisions", .caption = "Collisions- Elastic  (Head-on Collisions)"};
    d.inputs = {
        {.box = mass1, .label = "Label1", .filter = Profile::K15, .magnitude = true},
        {.box = mass2, .label = "Label2", .filter = Profile::K15, .place = Place::Beside, .magnitude = true},
        {third, "Label3", Profile::K15},
        {.box = fourth, .label = "Label4", .filter = Profile::K15, .place = Place::Beside},
        {fifth, "Label5", Profile::K15},
    };
    d.results = {{.label = "Label8", .box = result},
                 {.label = secondPrefix, .box = secondResult, .unit = Unit::MetrePerSecond}};
    d.formula = QStringLiteral("Text9");
    // Two columns: the initial velocities and the kinetic energy on the left, the final velocities
    // on the right. Switching options keeps what was typed: the numbers stand under the new prompts.
    d.choices =
        {
            {.options =
                 {
                     {.caption = "Initial Velocity of Object 1",
                      .layout = velocities("Initial velocity of object 2.", "Final velocity of object 2.",
                                           "Final velocity of object 1.", "Initial velocity of object 1 is ",
                                           physics::initialVelocity1Relation),
                      .solve = velocityOf(1, fifth, fourth, third),
                      .name = "opt3"},
                     {.caption = "Initial Velocity of Object 2",
                      .layout = velocities("Initial velocity of object 1.", "Final velocity of object 1.",
                                           "Final velocity of object 2.", "Initial velocity of object 2 is ",
                                           physics::initialVelocity2Relation),
                      .solve = velocityOf(2, fourth, fifth, third),
                      .name = "opt4"},
                     // KE = 1/2 m1 v1^2 + 1/2 m2 v2^2: the squares and the sum in double precision. The
                     // third velocity box is hidden and not needed.
                     {.caption = "Total Kinetic Energy of Both Objects",
                      .layout = {.prompts = {{mass1, "Mass of object 1."},
                                             {mass2, "Mass of object 2."},
                                             {third, "Velocity of object 1."},
                                             {fourth, "Velocity of object 2."}},
                                 .resultPrefix = "The total kinetic energy is ",
                                 .hiddenResults = {secondResult},
                                 .working = {{physics::kineticEnergyOfBothRelation,
                                              {mass1, third, mass2, fourth}}}},
                      .solve =
                          [](Sheet& w) {
                              w.showResult(physics::kineticEnergyOfBoth(w.single(mass1), w.widened(third),
                                                                        w.single(mass2), w.widened(fourth)));
                          },
                      .name = "opt7"},
                     {.caption = "Final Velocity of Object 1",
                      .layout = velocities("Initial velocity of object 1.", "Initial velocity of object 2.",
                                           "Final velocity of object 2.", "Final velocity of object 1 is ",
                                           physics::finalVelocity1Relation),
                      .solve = velocityOf(1, third, fourth, fifth),
                      .name = "opt5"},
                     {.caption = "Final Velocity of Object 2",
                      .layout = velocities("Initial velocity of object 1.", "Initial velocity of object 2.",
                                           "Final velocity of object 1.", "Final velocity of object 2 is ",
                                           physics::finalVelocity2Relation),
                      .solve = velocityOf(2, third, fourth, fifth),
                      .name = "opt6"},
                     // Both velocities after the collision from the masses and both velocities before
                     // it: the usual textbook problem. The third velocity box is hidden and not needed.
                     {.caption = "Both Final Velocities",
                      .layout = {.prompts = {{mass1, "Mass of object 1."},
                                             {mass2, "Mass of object 2."},
                                             {third, "Initial velocity of object 1."},
                                             {fourth, "Initial velocity of object 2."}},
                                 .resultPrefix = "Final velocity of object 1 is ",
                                 .units = {{result, Unit::MetrePerSecond}},
                                 .captions = {{secondPrefix, "Final velocity of object 2 is "}}},
                      .solve = bothFinalVelocities,
                      .name = "opt8"},
                 },
             .clickEmptiesBoxes = false},
        };
    const Message invalid = invalidData();
    const Message positive{"You must enter a number greater than 0."};
    d.checks = {
        required({mass1}, invalid),
        aboveZero(mass1, positive),
        required({mass2}, invalid),
        aboveZero(mass2, positive),
        required({third, fourth, fifth}, invalid),
    };
    d.help->text = concat({
        "In elastic collisions, the objects collide and return to their original shape with no change ",
        "in total kinetic energy. The total momentum remains constant. ",
    });
    d.buttons.close.name = QStringLiteral("cmdClose");
    return d;
}

} // namespace calc
