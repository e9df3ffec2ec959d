// Kinetic energy KE = 1/2 m v^2, solved for the energy, the mass or the velocity.
#include "calc/energy/calculators.h"
#include "calc/physics/energy.h"

namespace calc {
namespace {

using num::Single;

constexpr auto first = "Text1", second = "Text2", result = "Text3";
constexpr auto mass = "Enter the mass in Kg.", velocity = "Enter the velocity in m/s.",
               energy = "Enter the kinetic energy.";

} // namespace

Definition frmKineticEnergy() {
    Definition d{.className = "frmKineticEnergy", .caption = "Kinetic Energy"};
    const QString careful = QStringLiteral("Be careful of units.");
    d.inputs = {
        {.box = first, .label = "Label1", .filter = Profile::K3, .tooltip = careful},
        {.box = second, .label = "Label2", .filter = Profile::K3, .tooltip = careful},
    };
    d.results = {{.label = "Label3", .box = result}};
    d.formula = QStringLiteral("Text4");
    const Option solveForEnergy{
        .caption = "Kinetic Energy",
        .layout = {.prompts = {{first, mass}, {second, velocity}},
                   .resultPrefix = "The Kinetic Energy is ",
                   .magnitudes = {first},
                   .working = {{physics::kineticEnergyRelation, {first, second}}}},
        .solve =
            [](Sheet& w) {
                const Single m = w.single(first), v = w.single(second);
                w.showResult(physics::kineticEnergy(m, v));
            },
    };
    const Option solveForMass{
        .caption = "Mass",
        .layout = {.prompts = {{first, energy}, {second, velocity}},
                   .resultPrefix = "The mass is ",
                   .working = {{physics::massFromKineticEnergyRelation, {first, second}}}},
        .solve =
            [](Sheet& w) {
                const Single ke = w.single(first), v = w.single(second);
                w.showResult(physics::massFromKineticEnergy(ke, v));
            },
    };
    const Option solveForVelocity{
        .caption = "Velocity",
        .layout = {.prompts = {{first, energy}, {second, mass}},
                   .resultPrefix = "The velocity is ",
                   .magnitudes = {second},
                   .working = {{physics::speedFromKineticEnergyRelation, {first, second}}}},
        .solve =
            [](Sheet& w) {
                const Single ke = w.single(first), m = w.single(second);
                w.showResult(physics::speedFromKineticEnergy(ke, m));
            },
    };
    d.choices = {{.options = {solveForEnergy, solveForMass, solveForVelocity}, .perRow = 3}};
    d.checks = {required({first, second}, {"You must enter a value."})};
    d.help->text = concat({
        "Kinetic energy is the energy of motion. Its formula is 1/2 mv^2 where m is the mass and v is the  ",
        "velocity. The velocity, when squared, contributes a lot more to the kinetic energy than the mass. ",
        "A small particle going real fast has more kinetic energy than a large object going slowly.",
    });
    d.buttons.close.name = QStringLiteral("cmdClose");
    return d;
}

} // namespace calc
