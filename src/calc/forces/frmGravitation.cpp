// Newton's law of universal gravitation, F = G m1 m2 / d^2, solved for the force, the second mass
// or the distance.
#include "calc/forces/calculators.h"
#include "calc/physics/forces.h"

namespace calc {
namespace {

using num::Single;
constexpr auto mass1 = "Text1", second = "Text2", third = "Text3";
constexpr auto result = "Text4";

} // namespace

Definition frmGravitation() {
    Definition d{.className = "frmGravitation", .caption = "Newton's Universal Law Of Gravitation"};
    d.inputs = {
        {.box = mass1, .label = "Label1", .filter = Profile::K16, .magnitude = true},
        {second, "Label2", Profile::K16},
        {third, "Label3", Profile::K16},
    };
    // Forces run from 1E-9 N between everyday things to 1E20 N between planets.
    d.results = {{.label = "Label4", .box = result, .format = ResultFormat::WideRange}};
    d.formula = QStringLiteral("Text5");
    // An option only changes the prompts.
    const Option solveForForce{
        .caption = "Gravitational Force",
        .layout = {.prompts = {{mass1, "Enter Mass 1."},
                               {second, "Enter Mass 2."},
                               {third, "Enter distance between objects."}},
                   .resultPrefix = "The gravitational force is ",
                   .magnitudes = {second, third},
                   .working = {{physics::gravitationalForceRelation, {mass1, second, third}}}},
        .solve =
            [](Sheet& w) {
                const Single distance = w.single(third);
                const Single m1 = w.single(mass1), m2 = w.single(second);
                w.showResult(physics::gravitationalForce(m1, m2, distance));
            },
    };
    const Option solveForMass{
        .caption = "Mass",
        .layout = {.prompts = {{mass1, "Enter Mass 1."},
                               {second, "Enter the distance."},
                               {third, "Enter gravitational force."}},
                   .resultPrefix = "The other mass is ",
                   .magnitudes = {second},
                   .working = {{physics::otherMassRelation, {mass1, second, third}}}},
        .solve =
            [](Sheet& w) {
                const Single distance = w.single(second);
                const Single force = w.single(third), m1 = w.single(mass1);
                w.showResult(physics::otherMass(m1, distance, force));
            },
    };
    const Option solveForDistance{
        .caption = "Distance",
        .layout = {.prompts = {{mass1, "Enter Mass 1."},
                               {second, "Enter Mass 2."},
                               {third, "Enter gravitational force."}},
                   .resultPrefix = "The distance is ",
                   .magnitudes = {second},
                   .working = {{physics::separationRelation, {mass1, second, third}}}},
        .solve =
            [](Sheet& w) {
                const Single m1 = w.single(mass1), force = w.single(third), m2 = w.single(second);
                w.showResult(physics::separation(m1, m2, force));
            },
    };
    d.choices = {{.options = {solveForForce, solveForMass, solveForDistance},
                  .perRow = 3,
                  .clickEmptiesBoxes = false}};
    const Message invalid = invalidData();
    const Message positive{"You  must enter positive data."};
    d.checks = {
        required({mass1}, invalid),  aboveZero(mass1, positive), required({second}, invalid),
        aboveZero(second, positive), required({third}, invalid), aboveZero(third, positive),
    };
    // Clear goes back to the force.
    d.clear.then = [](Sheet& w) { w.select(1); };
    d.help->text = concat({
        "Gravity is the force of attraction between any two objects in the universe. The masses of the two ",
        "objects are required as well as the distance between them. ",
    });
    return d;
}

} // namespace calc
