// Rotational kinetic energy KE = 1/2 I omega^2, with the moment of inertia of a point mass, I = m r^2;
// the moment of inertia of a disc, 1/2 m r^2; the angular speed from the energy. Values are held
// in single precision, their squares worked out in double.
#include "calc/physics/rotation.h"
#include "calc/rotation/calculators.h"

namespace calc {
namespace {

using num::Single;
constexpr auto first = "Text1", radius = "Text2", third = "Text3"; // the third: not for the moment
constexpr auto result = "Text4";

} // namespace

Definition frmAngularEnergy() {
    Definition d{.className = "frmAngularEnergy", .caption = "Rotational Kinetic Energy"};
    d.inputs = {
        {first, "Label1", Profile::K1},
        {.box = radius, .label = "Label2", .filter = Profile::K1, .magnitude = true},
        {third, "Label3", Profile::K1},
    };
    d.results = {{.label = "Label4", .box = result}};
    d.formula = QStringLiteral("Text6");
    // Switching options keeps what was typed: the next Ok works the new formula on it.
    d.choices = {
        {.options = {{.caption = "Kinetic Energy",
                      .layout = {.prompts = {{first, "Enter the mass."},
                                             {radius, "Enter the radius."},
                                             {third, "Enter the speed in radians."}},
                                 .resultPrefix = "The kinetic energy is ",
                                 .magnitudes = {first},
                                 .working = {{physics::rotationalEnergyRelation, {first, radius, third}}}},
                      .solve =
                          [](Sheet& w) {
                              const Single m = w.single(first), r = w.single(radius), omega = w.single(third);
                              w.showResult(physics::rotationalEnergy(m, r, omega));
                          }},
                     {.caption = "Moment",
                      .layout = {.prompts = {{first, "Enter the mass."}, {radius, "Enter the radius."}},
                                 .resultPrefix = "The moment of inertia is ",
                                 .magnitudes = {first},
                                 .working = {{physics::discInertiaRelation, {first, radius}}}},
                      .solve =
                          [](Sheet& w) {
                              const Single m = w.single(first), r = w.single(radius);
                              w.showResult(physics::discInertia(m, r));
                          }},
                     {.caption = "Angular Speed",
                      .layout = {.prompts = {{first, "Enter the kinetic energy."},
                                             {radius, "Enter the radius."},
                                             {third, "Enter the mass."}},
                                 .resultPrefix = "The speed is ",
                                 .magnitudes = {third},
                                 .working = {{physics::angularSpeedFromEnergyRelation,
                                              {first, radius, third}}}},
                      .solve =
                          [](Sheet& w) {
                              const Single ke = w.single(first), r = w.single(radius), m = w.single(third);
                              w.showResult(physics::angularSpeedFromEnergy(ke, r, m));
                          }}},
         .perRow = 3,
         .clickEmptiesBoxes = false}};
    d.checks = {validData({first, radius, third}, Icon::Information)};
    d.trap.icon = Icon::Information;
    d.help->text = concat({
        "Rotational kinetic energy is the energy of angular speed. The faster an object rotates, the more  ",
        " kinetic energy it has .  Rotational kinetic energy is given by the equation 1/2IW^2 where",
        " I is the moment of inertia and W is the angular speed. It is similar to the kinetic energy of ",
        " a particle moving in a straight line (1/2mv^2)  where m is the mass and ",
        " v is the velocity. ",
    });
    return d;
}

} // namespace calc
