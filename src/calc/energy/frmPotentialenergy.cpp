// Potential energy: gravitational (m g h, with g = 9.81) and elastic (1/2 k x^2).
#include "calc/energy/calculators.h"
#include "calc/physics/energy.h"

namespace calc {
namespace {

using num::Single;

constexpr auto first = "Text1", second = "Text2";
const Single g = 9.81f;

} // namespace

Definition frmPotentialenergy() {
    Definition d{.className = "frmPotentialenergy", .caption = "Potential Energy"};
    // The first box holds the mass or the spring constant, both magnitudes.
    d.inputs = {{.box = first, .label = "Label1", .filter = Profile::K3, .magnitude = true},
                {second, "Label2", Profile::K3}};
    d.results = {{.label = "Label4", .box = "Text4", .unit = Unit::Joule}};
    d.formula = QStringLiteral("Text5");
    d.choices = {
        {.options =
             {
                 {.caption = "Gravitational Potential ",
                  .layout = {.prompts = {{first, "Enter the mass."}, {second, "Enter the height in meters."}},
                             .resultPrefix = "The Gravitational PE is",
                             .working = {{physics::gravitationalEnergyRelation, {first, second}}}},
                  .solve =
                      [](Sheet& w) {
                          const Single m = w.single(first), h = w.single(second);
                          w.showResult(physics::gravitationalEnergy(m, g, h));
                      }},
                 {.caption = "Elastic Potential",
                  .layout = {.prompts = {{first, "Enter the spring constant (k)."},
                                         {second, "Enter the distance in meters."}},
                             .resultPrefix = "The elastic PE is ",
                             .working = {{physics::elasticEnergyRelation, {first, second}}}},
                  .solve =
                      [](Sheet& w) {
                          const Single k = w.single(first), x = w.single(second);
                          w.showResult(physics::elasticEnergy(k, x));
                      }},
             },
         .perRow = 2}};
    d.checks = {validData({first, second})};
    d.help->text = concat({
        "Potential energy is the energy of position. The higher an object is, the more potential energy it ",
        "contains. Gravitational potential energy depends upon the height above a gravitational source. ",
        "Elastic potential energy is stored in any compressed or stretched object like a spring. ",
    });
    d.buttons.close.name = QStringLiteral("cmdClose");
    return d;
}

} // namespace calc
