// Adding two or three vectors given by magnitude and angle: the magnitude of the sum and its
// direction, in the quadrant the sum lies in. Vectors that cancel have no direction to show.
#include "calc/physics/vectors.h"
#include "calc/vectors/calculators.h"

namespace calc {
namespace {

constexpr auto magnitude1 = "Text1", angle1 = "Text2";
constexpr auto magnitude2 = "Text3", angle2 = "Text4";
constexpr auto magnitude3 = "Text5", angle3 = "Text6"; // the third vector may be left out
constexpr auto direction = "Text8";
constexpr auto degreesTip = "Enter the angle in degrees.";

// The third vector takes both of its boxes or neither.
Check thirdVectorWhole() {
    return [](Sheet& w) {
        if (!w.isEmpty(magnitude3) && w.isEmpty(angle3)) {
            w.sayAbout(angle3, {"You must enter a valid angle."});
            return false;
        }
        if (w.isEmpty(magnitude3) && !w.isEmpty(angle3)) {
            w.sayAbout(magnitude3, {"You must enter a valid magnitude."});
            return false;
        }
        return true;
    };
}

} // namespace

Definition frmAddingVectors() {
    Definition d{.className = "frmAddingVectors", .caption = "Adding Non-Perpendicular Vectors"};
    d.heading = {"Label9", "You may enter data on a maximum of 3 vectors."};
    d.inputs = {
        {.box = magnitude1,
         .label = "Label1",
         .filter = Profile::K1,
         .prompt = "Enter the magnitude of vector1"},
        {.box = angle1,
         .label = "Label2",
         .filter = Profile::K5,
         .prompt = "Enter the angle for vector1",
         .tooltip = degreesTip},
        {.box = magnitude2,
         .label = "Label3",
         .filter = Profile::K1,
         .prompt = "Enter the magnitude of vector2"},
        {.box = angle2,
         .label = "Label4",
         .filter = Profile::K6,
         .prompt = "Enter the angle for vector2",
         .tooltip = degreesTip},
        {.box = magnitude3,
         .label = "Label5",
         .filter = Profile::K7,
         .prompt = "Enter the magnitude of vector3"},
        {.box = angle3,
         .label = "Label6",
         .filter = Profile::K8,
         .prompt = "Enter the angle for vector3",
         .tooltip = degreesTip},
    };
    d.results = {
        {.label = "Label7", .box = "Text7", .prefix = "The resulting magnitude is"},
        {.label = "Label8", .box = direction, .prefix = "The resulting angle is", .unit = Unit::Degree},
    };
    // Lines set each vector apart, and the results below them.
    d.lines = {{"Line1", angle1}, {"Line2", angle2}, {"Line3", angle3}};
    d.formula = QStringLiteral("Text9");
    const Message validNumber{"You must enter a valid number."};
    const Message validAngle{"You must enter a valid angle."};
    d.checks = {
        required({magnitude1}, validNumber),
        required({angle1}, validAngle),
        required({magnitude2}, validNumber),
        required({angle2}, validAngle),
        thirdVectorWhole(),
    };
    // Negative magnitudes reverse their vectors.
    d.solve = [](Sheet& w) {
        std::vector<physics::Polar> vectors = {
            {w.single(magnitude1), w.single(angle1)},
            {w.single(magnitude2), w.single(angle2)},
        };
        if (!w.isEmpty(magnitude3))
            vectors.push_back({w.single(magnitude3), w.single(angle3)});
        const physics::Resultant sum = physics::resultant(vectors);
        w.showResult(sum.magnitude);
        w.showResultIfAny(direction, sum.direction);
    };
    d.help->text = concat({
        "To add vectors together, the vector must be broken down into its X and Y components. Then all the X ",
        "components are added together and all the Y components are added together. Use  the Pythagorean ",
        "theorem to find the magnitude of the resultant since the X and Y components are now perpendicular. ",
        "Use the appropriate trig function to find the angle. ",
    });
    return d;
}

} // namespace calc
