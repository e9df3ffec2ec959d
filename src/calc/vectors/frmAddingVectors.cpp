// Adding two or three vectors given by magnitude and angle: the magnitude of the sum and its
// direction, in the quadrant the sum lies in. Vectors that cancel have no direction to show.
#include "calc/physics/vectors.h"
#include "calc/vectors/calculators.h"

namespace calc {
namespace {

constexpr auto magnitude1 = "Text1", angle1 = "Text2";
constexpr auto magnitude2 = "Text3", angle2 = "Text4";
constexpr auto magnitude3 = "Text5", angle3 = "Text6"; // the third vector may be left out
constexpr auto resultant = "Text7", direction = "Text8";
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

// The vectors typed: the first two, and the third where it is filled in.
std::vector<physics::Polar> vectorsOf(const Sheet& w) {
    std::vector<physics::Polar> vectors = {
        {w.single(magnitude1), w.single(angle1)},
        {w.single(magnitude2), w.single(angle2)},
    };
    if (!w.isEmpty(magnitude3))
        vectors.push_back({w.single(magnitude3), w.single(angle3)});
    return vectors;
}

// The working of the sum of these vectors: its magnitude, and its direction where it has one.
std::vector<Step> workingOf(const physics::SumWorking& sum, const QStringList& from,
                            std::optional<num::Single> degrees) {
    std::vector<Step> steps = {{sum.magnitude(), from, resultant}};
    if (degrees)
        steps.push_back({sum.direction(*degrees), from, direction});
    return steps;
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
        {.label = "Label7", .box = resultant, .prefix = "The resulting magnitude is"},
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
        const physics::Resultant sum = physics::resultant(vectorsOf(w));
        w.showResult(sum.magnitude);
        w.showResultIfAny(direction, sum.direction);
    };
    // The working depends on the answer: two vectors or three, and the quadrant the sum lies in.
    // The window shows the same prompts whatever it is.
    Layout prompts{.resultPrefix = d.results[0].prefix, .captions = {{"Label8", d.results[1].prefix}}};
    for (const NumberInput& in : d.inputs)
        prompts.prompts.append({in.box, in.prompt});
    const QStringList two = {magnitude1, angle1, magnitude2, angle2};
    const QStringList three = two + QStringList{magnitude3, angle3};
    d.layouts.push_back(prompts);
    for (const auto& [sum, from] :
         {std::pair{&physics::twoVectors(), two}, std::pair{&physics::threeVectors(), three}})
        for (const std::optional<num::Single> degrees : physics::directionOfEachForm()) {
            Layout l = prompts;
            l.working = workingOf(*sum, from, degrees);
            d.layouts.push_back(l);
        }
    // Once Ok has shown the magnitude, the working of the sum it shows.
    d.layout = [prompts, two, three](const Sheet& w) {
        Layout l = prompts;
        if (w.isEmpty(resultant))
            return l;
        const bool third = !w.isEmpty(magnitude3);
        l.working = workingOf(third ? physics::threeVectors() : physics::twoVectors(), third ? three : two,
                              physics::resultant(vectorsOf(w)).direction);
        return l;
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
