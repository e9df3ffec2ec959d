// Friction on a level surface, where the normal force is the weight m * 9.81: the coefficient of
// friction, the friction force, the mass, and the acceleration a push gives against friction.
#include "calc/forces/calculators.h"
#include "calc/physics/forces.h"

namespace calc {
namespace {

using num::Single;
constexpr auto first = "Text1", second = "Text2", mass = "Text5"; // the mass: for the acceleration only
constexpr auto result = "Text3";
constexpr auto unit = "Label4"; // the window's own unit label, which says the unit in words

} // namespace

Definition frmFriction() {
    Definition d{.className = "frmFriction", .caption = "Friction"};
    d.inputs = {{first, "Label1", Profile::K3},
                {second, "Label2", Profile::K3},
                {.box = mass, .label = "Label5", .magnitude = true}};
    d.results = {{.label = "Label3", .box = result, .unitLabel = unit}};
    d.formula = QStringLiteral("Text4");
    d
        .choices = {{.options =
                         {
                             {.caption = "Coefficient of friction",
                              .layout = {.prompts = {{first, "Force exerted on object"},
                                                     {second, "Mass of object"}},
                                         .resultPrefix = "The coefficient of friction is ",
                                         .magnitudes = {second},
                                         .working = {{physics::frictionCoefficientRelation,
                                                      {first, second}}}},
                              .solve =
                                  [](Sheet& w) {
                                      const Single force = w.single(first), m = w.single(second);
                                      w.showResult(physics::frictionCoefficient(force, m));
                                  }},
                             {.caption = "Force",
                              .layout = {.prompts = {{first, "Coefficient of friction"},
                                                     {second, "Mass of object"}},
                                         .resultPrefix = "The force is ",
                                         .captions = {{unit, "Newtons"}},
                                         .magnitudes = {second},
                                         .working = {{physics::frictionForceRelation, {first, second}}}},
                              .solve =
                                  [](Sheet& w) {
                                      const Single mu = w.single(first), m = w.single(second);
                                      w.showResult(physics::frictionForce(mu, m));
                                  }},
                             {.caption = "Mass",
                              .layout = {.prompts = {{first, "Force exerted on object"},
                                                     {second, "Coefficient of friction"}},
                                         .resultPrefix = "The mass is ",
                                         .working = {{physics::massUnderFrictionRelation, {first, second}}}},
                              .solve =
                                  [](Sheet& w) {
                                      const Single force = w.single(first), mu = w.single(second);
                                      w.showResult(physics::massUnderFriction(force, mu));
                                  }},
                             {.caption = "Acceleration",
                              .layout = {.prompts = {{first, "Force exerted on object"},
                                                     {second, "Coefficient of friction"},
                                                     {mass, "Mass of object"}},
                                         .resultPrefix = "The acceleration is ",
                                         .captions = {{unit, "m/s/s"}},
                                         .working = {{physics::accelerationAgainstFrictionRelation,
                                                      {first, second, mass}}}},
                              .solve =
                                  [](Sheet& w) {
                                      const Single m = w.single(mass);
                                      const Single force = w.single(first), mu = w.single(second);
                                      w.showResult(physics::accelerationAgainstFriction(force, mu, m));
                                  }},
                         },
                     .perRow = 2}};
    const Message invalid = invalidData();
    d.checks = {
        required({first}, invalid),
        aboveZero(first, invalid),
        required({second}, invalid),
        aboveZero(second, invalid),
        whenOption(4, required({mass}, invalid)),
        whenOption(4, aboveZero(mass, invalid)),
    };
    // Clear empties every box, the mass too, and puts back the selected option's layout.
    d.clear = {.focusesFirstBox = false, .restoresLayout = true};
    d.help->text = concat({
        "Friction is a force that resists motion due to contact between an object and its environment. ",
        "There are different types of friction depending on whether the object is moving or not. The ",
        "coefficient of friction is the ratio of the force of friction to the normal force acting between ",
        "the two objects. ",
    });
    return d;
}

} // namespace calc
