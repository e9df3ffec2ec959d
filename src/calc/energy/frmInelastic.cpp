// Inelastic collisions: two objects collide and stick together, so that momentum is conserved as
// m1 v1 + m2 v2 = (m1 + m2) vf. Solved for the first mass, the first velocity or the common final
// velocity; the kinetic energy of both objects before the collision besides.
#include "calc/energy/calculators.h"
#include "calc/physics/energy.h"
#include "calc/physics/momentum.h"

namespace calc {
namespace {

using num::Single;

// The four boxes serve every option, with the prompts of each: two on a row.
constexpr auto first = "Text1", second = "Text2", third = "Text3", fourth = "Text4";
constexpr auto result = "Text8";

// The first box holds the mass of object 1 (a magnitude) wherever it is not sought.
Layout prompts(const char* one, const char* three, const char* four, const char* resultPrefix, Step step) {
    const bool massSought = step.relation == &physics::massBeforeStickingRelation;
    return {.prompts = {{first, one}, {second, "Mass of object 2."}, {third, three}, {fourth, four}},
            .resultPrefix = resultPrefix,
            .magnitudes = massSought ? QStringList() : QStringList{first},
            .working = {std::move(step)}};
}

} // namespace

Definition frmInelastic() {
    Definition d{.className = "frmInelastic",
                 .caption = "Inelastic Collisions (Two objects collide and stick together)"};
    d.inputs = {
        {first, "Label1", Profile::K16},
        {.box = second, .label = "Label2", .filter = Profile::K16, .place = Place::Beside, .magnitude = true},
        {third, "Label3", Profile::K15},
        {.box = fourth, .label = "Label4", .filter = Profile::K15, .place = Place::Beside},
    };
    d.results = {{.label = "Label8", .box = result}};
    d.formula = QStringLiteral("Text9");
    // Switching options keeps what was typed: the numbers stand under the new prompts.
    d.choices = {
        {.options =
             {
                 {.caption = "Mass of Object 1",
                  .layout = prompts("Velocity of object 1.", "Velocity of object 2.",
                                    "Final velocity of both objects.", "The mass of object 1 is ",
                                    {physics::massBeforeStickingRelation, {first, second, third, fourth}}),
                  .solve =
                      [](Sheet& w) {
                          const Single v1 = w.single(first), m2 = w.single(second);
                          const Single v2 = w.single(third), vf = w.single(fourth);
                          w.showResult(physics::massBeforeSticking(v1, m2, v2, vf));
                      },
                  .name = "opt3"},
                 {.caption = "Velocity of Object 1",
                  .layout =
                      prompts("Mass of object 1.", "Final velocity of both objects.", "Velocity of object 2.",
                              "The velocity of object 1 is ",
                              {physics::velocityBeforeStickingRelation, {first, second, fourth, third}}),
                  .solve =
                      [](Sheet& w) {
                          const Single m1 = w.single(first), m2 = w.single(second);
                          const Single vf = w.single(third), v2 = w.single(fourth);
                          w.showResult(physics::velocityBeforeSticking(m1, m2, v2, vf));
                      },
                  .name = "opt5"},
                 // KE = 1/2 m1 v1^2 + 1/2 m2 v2^2, the squares and the sum in double precision.
                 {.caption = "Kinetic Energy",
                  .layout = prompts("Mass of object 1.", "Velocity of object 1.", "Velocity of object 2.",
                                    "The kinetic energy  is ",
                                    {physics::kineticEnergyOfBothRelation, {first, third, second, fourth}}),
                  .solve =
                      [](Sheet& w) {
                          w.showResult(physics::kineticEnergyOfBoth(w.single(first), w.widened(third),
                                                                    w.single(second), w.widened(fourth)));
                      },
                  .name = "opt7"},
                 {.caption = "Final Velocity",
                  .layout = prompts("Mass of object 1.", "Velocity of object 1.", "Velocity of object 2.",
                                    "The final velocity  is ",
                                    {physics::commonVelocityRelation, {first, third, second, fourth}}),
                  .solve =
                      [](Sheet& w) {
                          const Single m1 = w.single(first), m2 = w.single(second);
                          const Single v1 = w.single(third), v2 = w.single(fourth);
                          w.showResult(physics::commonVelocity(m1, v1, m2, v2));
                      },
                  .name = "opt8"},
             },
         .perRow = 4,
         .clickEmptiesBoxes = false},
    };
    d.checks = {validData({first, second, third, fourth}, Icon::Information)};
    // Clear goes back to the first option.
    d.clear.then = [](Sheet& w) { w.select(1); };
    d.help->text = concat({
        "When two objects collide and stick together, you have what is called an inelastic collision. ",
        "The final mass is the sum of both initial masses. The two objects travel at the same ",
        "velocity after the collision. ",
    });
    d.buttons.close.name = QStringLiteral("cmdClose");
    return d;
}

} // namespace calc
