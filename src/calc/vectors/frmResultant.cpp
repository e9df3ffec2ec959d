// The resultant of two perpendicular vectors: its magnitude by the Pythagorean theorem, and its
// angle, measured from vector 2 towards vector 1.
#include "calc/physics/vectors.h"
#include "calc/vectors/calculators.h"

namespace calc {
namespace {

constexpr auto first = "Text1", second = "Text2", resultant = "Text3", angle = "Text4";

} // namespace

Definition frmResultant() {
    Definition d{.className = "frmResultant", .caption = "Resultant - Perpendicular Vectors"};
    d.inputs = {
        {.box = first, .label = "Label1", .filter = Profile::K3, .prompt = "Enter the magnitude of vector 1"},
        {.box = second,
         .label = "Label2",
         .filter = Profile::K3,
         .prompt = "Enter the magnitude of vector 2"},
    };
    d.results = {
        {.label = "Label3", .box = resultant, .prefix = "The resulting magnitude is"},
        {.label = "Label4", .box = angle, .prefix = "The angle is", .unit = Unit::Degree},
    };
    d.formula = QStringLiteral("Text5");
    const Message validNumber{"You must enter a valid number."};
    const Message aboveZeroMessage{"You must enter a number greater than zero."};
    d.checks = {
        required({first}, validNumber),
        aboveZero(first, aboveZeroMessage),
        required({second}, validNumber),
        aboveZero(second, aboveZeroMessage),
    };
    // Vector 2 lies along X, vector 1 along Y: both positive, the angle lies between 0 and 90.
    d.solve = [](Sheet& w) {
        const physics::Vector v{w.single(second), w.single(first)};
        w.showResult(physics::magnitude(v));
        w.showResult(angle, physics::direction(v));
    };
    d.working = {{physics::perpendicularSumRelation, {first, second}, resultant},
                 {physics::perpendicularAngleRelation, {first, second}, angle}};
    d.close.show = QStringLiteral("frmVectors");
    d.help->text = concat({
        "The Pythagorean theorem allows you to use a right triangle to determine the length of such things  as a ",
        "resultant vector. It also allows you to calculate the smaller forces that make up the resultant. ",
    });
    return d;
}

} // namespace calc
