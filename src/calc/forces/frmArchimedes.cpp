// Archimedes' principle: the buoyant force is the weight of the fluid displaced, solved for any
// of its three quantities.
#include "calc/forces/calculators.h"
#include "calc/physics/forces.h"

namespace calc {
namespace {

using num::Single;
constexpr auto first = "Text1", second = "Text2";
constexpr auto result = "Text3";

} // namespace

Definition frmArchimedes() {
    Definition d{.className = "frmArchimedes", .caption = "Archimede's Principle"};
    d.inputs = {
        {first, "Label1", Profile::K1},
        // A volume or a density, whichever is sought.
        {.box = second,
         .label = "Label2",
         .filter = Profile::K1,
         .tooltip = "Volume depends on whether all or only part of the object is submerged.",
         .magnitude = true},
    };
    d.results = {{.label = "Label3", .box = result}};
    d.formula = QStringLiteral("Text4");
    const Option solveForForce{
        .caption = "Buoyant Force",
        .layout = {.prompts = {{first, "Enter the density."}, {second, "Enter the volume."}},
                   .resultPrefix = "The buoyant force is ",
                   .magnitudes = {first},
                   .working = {{physics::buoyantForceRelation, {first, second}}}},
        .solve =
            [](Sheet& w) {
                const Single density = w.single(first), volume = w.single(second);
                w.showResult(physics::buoyantForce(density, volume));
            },
    };
    const Option solveForDensity{
        .caption = "Density",
        .layout = {.prompts = {{first, "Enter the buoyant force."}, {second, "Enter the volume."}},
                   .resultPrefix = "The density is ",
                   .working = {{physics::densityFromBuoyancyRelation, {first, second}}}},
        .solve =
            [](Sheet& w) {
                const Single force = w.single(first), volume = w.single(second);
                w.showResult(physics::densityFromBuoyancy(force, volume));
            },
    };
    const Option solveForVolume{
        .caption = "Volume",
        .layout = {.prompts = {{first, "Enter the buoyant force."}, {second, "Enter the density."}},
                   .resultPrefix = "The volume is ",
                   .working = {{physics::volumeFromBuoyancyRelation, {first, second}}}},
        .solve =
            [](Sheet& w) {
                const Single force = w.single(first), density = w.single(second);
                w.showResult(physics::volumeFromBuoyancy(force, density));
            },
    };
    d.choices = {{.options = {solveForForce, solveForDensity, solveForVolume}, .perRow = 3}};
    const Message invalid = invalidData(Icon::Information);
    d.checks = {required({first, second}, invalid)};
    d.trap.icon = Icon::Information;
    d.help->text = concat({
        "Archimede's Principle states that any object completely or partially submerged in a fluid ",
        "experiences an upward buoyant force equal in magnitude to the weight of the fluid displaced by the ",
        "object. Objects float because of this upward force. That force is equal to the weight of the object. ",
    });
    return d;
}

} // namespace calc
