// Resolving a vector: its X and Y components from its magnitude and its angle in degrees.
#include "calc/physics/vectors.h"
#include "calc/vectors/calculators.h"

namespace calc {
namespace {

constexpr auto magnitude = "Text1", angle = "Text2", xComponent = "Text3", yComponent = "Text4";

} // namespace

Definition FRMrESOLVING() {
    Definition d{.className = "FRMrESOLVING", .caption = "Resolve Vector"};
    d.inputs = {
        {.box = magnitude,
         .label = "Label1",
         .filter = Profile::K3,
         .prompt = "Enter the magnitude of the vector."},
        {.box = angle, .label = "Label2", .filter = Profile::K3, .prompt = "Enter the angle."},
    };
    d.results = {
        {.label = "Label3", .box = xComponent, .prefix = "The X component is"},
        {.label = "Label4", .box = yComponent, .prefix = "The Y component is"},
    };
    d.formula = QStringLiteral("Text5");
    const Message validNumber{"You must enter a valid number."};
    const Message aboveZeroMessage{"You must enter a number greater than zero."};
    // The angle must be positive too; angles beyond a turn are accepted as they are.
    d.checks = {
        required({magnitude}, validNumber),
        aboveZero(magnitude, aboveZeroMessage),
        required({angle}, validNumber),
        aboveZero(angle, aboveZeroMessage),
    };
    d.solve = [](Sheet& w) {
        const physics::Vector v = physics::fromPolar(w.single(magnitude), w.single(angle));
        w.showResult(v.x);
        w.showResult(yComponent, v.y);
    };
    d.working = {{physics::xComponentRelation, {magnitude, angle}, xComponent},
                 {physics::yComponentRelation, {magnitude, angle}, yComponent}};
    d.help->text = concat({
        "Resolving a vector means breaking it down into its X and Y components. Each component contains a ",
        "force and a direction. Given a vector, you can determine the magnitude and direction of each component. ",
    });
    return d;
}

} // namespace calc
