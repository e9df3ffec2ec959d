// Newton's laws: weight, force, acceleration and mass from F = m a; the net force of up to four
// forces with its direction; the components of one force; the normal force on a slope.
#include "calc/forces/calculators.h"
#include "calc/physics/forces.h"
#include "calc/physics/vectors.h"

namespace calc {
namespace {

using num::Single;

// Each force with its angle beside it. The first two rows also serve the single-quantity options.
constexpr auto force1 = "Text1", angle1 = "Text5", force2 = "Text2", angle2 = "Text6";
constexpr auto force3 = "Text8", angle3 = "Text10", force4 = "Text9", angle4 = "Text11";
constexpr auto result = "Text3", direction = "Text7";
// The window's own unit labels, which say the unit in words.
constexpr auto unit = "Label6", secondPrefix = "Label11", secondUnit = "Label12";

// The forces typed: the first three, and the fourth only when it is filled in.
std::vector<physics::Polar> forcesOf(const Sheet& w) {
    std::vector<physics::Polar> forces = {
        {w.single(force1), w.single(angle1)},
        {w.single(force2), w.single(angle2)},
        {w.single(force3), w.single(angle3)},
    };
    if (!w.isEmpty(force4))
        forces.push_back({w.single(force4), w.single(angle4)});
    return forces;
}

// The sum of the forces: the magnitude, then its direction in degrees from -180 to 180. Forces
// that cancel have no direction: the direction box stays empty.
void netForce(Sheet& w) {
    const physics::Resultant net = physics::resultant(forcesOf(w));
    w.showResult(net.magnitude);
    w.showResultIfAny(direction, net.direction);
}

// The working of the net force of three forces or four: its magnitude, and its direction where it
// has one.
std::vector<Step> netWorking(bool four, std::optional<Single> degrees) {
    const physics::SumWorking& sum = four ? physics::fourForces() : physics::threeForces();
    QStringList from = {force1, angle1, force2, angle2, force3, angle3};
    if (four)
        from << force4 << angle4;
    std::vector<Step> steps = {{sum.magnitude(), from, result}};
    if (degrees)
        steps.push_back({sum.direction(*degrees), from, direction});
    return steps;
}

// The unit Ok writes beside the first result.
Formula withUnit(const char* caption, Formula solve) {
    return [caption, solve = std::move(solve)](Sheet& w) {
        w.setCaption(unit, QString::fromLatin1(caption));
        solve(w);
    };
}

// The two single-quantity prompts of an option, in the first two rows, the relation of the
// answer, and the box that holds the mass (a magnitude).
Layout two(const char* first, const char* second, const char* resultPrefix, const working::Relation& relation,
           const char* mass = nullptr) {
    return {.prompts = {{force1, first}, {force2, second}},
            .resultPrefix = resultPrefix,
            .hiddenResults = {direction},
            .magnitudes = mass ? QStringList{mass} : QStringList(),
            .working = {{relation, {force1, force2}}}};
}

enum { NetForce = 5 };

} // namespace

Definition frmForces() {
    Definition d{.className = "frmForces", .caption = "Newton's Laws"};
    d.inputs = {
        {force1, "Label1", Profile::K3},
        {.box = angle1, .label = "Label4", .filter = Profile::K9, .place = Place::Beside},
        {force2, "Label2", Profile::K3},
        {.box = angle2, .label = "Label5", .filter = Profile::K9, .place = Place::Beside},
        {force3, "Label7", Profile::K3},
        {.box = angle3, .label = "Label9", .filter = Profile::K9, .place = Place::Beside},
        {force4, "Label8", Profile::K3},
        {.box = angle4, .label = "Label10", .filter = Profile::K9, .place = Place::Beside},
    };
    d.results = {
        {.label = "Label3", .box = result, .unitLabel = unit},
        {.label = secondPrefix, .box = direction, .unitLabel = secondUnit},
    };
    d.formula = QStringLiteral("Text4");

    d.choices =
        {
            {.options =
                 {
                     {.caption = "Weight",
                      .layout = two("Enter the mass in kilograms.", "Enter the acceleration.",
                                    "The weight is ", physics::weightRelation, force1),
                      .solve = withUnit("Newtons", product(force1, force2))},
                     {.caption = "Force",
                      .layout = two("Enter the mass in kilograms.", "Enter the acceleration.",
                                    "The force is ", physics::forceRelation, force1),
                      .solve = withUnit("Newtons", product(force1, force2))},
                     {.caption = "Acceleration",
                      .layout = two("Enter the force in Newtons.", "Enter the mass in kilograms.",
                                    "The acceleration is ", physics::accelerationFromForceRelation, force2),
                      .solve = quotient(force1, force2)},
                     {.caption = "Mass",
                      .layout = two("Enter the force in Newtons.", "Enter the acceleration.", "The mass is ",
                                    physics::massFromForceRelation),
                      .solve = withUnit("kilograms", quotient(force1, force2))},
                     {.caption = "Net External force",
                      .layout = {.prompts = {{force1, "Enter magnitude of force 1."},
                                             {angle1, "Angle"},
                                             {force2, "Enter magnitude of force 2."},
                                             {angle2, "Angle"},
                                             {force3, "Enter magnitude of force 3."},
                                             {angle3, "Angle"},
                                             {force4, "Enter magnitude of force 4."},
                                             {angle4, "Angle"}},
                                 .resultPrefix = "The net external force is",
                                 .units = {{result, Unit::Newton}, {direction, Unit::Degree}},
                                 .captions = {{unit, "Newtons"},
                                              {secondPrefix, "The direction is"},
                                              {secondUnit, "degrees"}}},
                      .solve = netForce},
                     {.caption = "XY-Components",
                      .layout = {.prompts = {{force1, "Enter the magnitude of the force."},
                                             {force2, "Enter the angle."}},
                                 .resultPrefix = "The X-component is ",
                                 .captions = {{secondPrefix, "The Y-component is "}},
                                 .working = {{physics::forceXRelation, {force1, force2}, result},
                                             {physics::forceYRelation, {force1, force2}, direction}}},
                      .solve =
                          [](Sheet& w) {
                              const physics::Vector c =
                                  physics::fromPolar(w.single(force1), w.single(force2));
                              w.setCaption(unit, "Newtons");
                              w.setCaption(secondUnit, "Newtons");
                              w.showResult(c.x);
                              w.showResult(direction, c.y);
                          }},
                     {.caption = "Normal force",
                      .layout = two("Enter the mass in kilograms.", "Enter the angle of the slope.",
                                    "The Normal force is ", physics::normalForceRelation, force1),
                      .solve = withUnit("Newtons",
                                        [](Sheet& w) {
                                            const Single m = w.single(force1), slope = w.single(force2);
                                            w.showResult(physics::normalForce(m, slope));
                                        })},
                 },
             .perRow = 4}};

    const Message validNumber{"You must enter a valid number,"};
    const Message positiveNumber{"You must enter a positive number,"};
    const Message value{"You must enter a value."};
    d.checks = {
        required({force1}, validNumber),    aboveZero(force1, positiveNumber),
        required({force2}, validNumber),    aboveZero(force2, positiveNumber),
        required({angle1}, value),          required({angle2}, value),
        required({force3}, positiveNumber), required({angle3}, value),
    };
    // Clear empties the boxes and puts back the selected option's own layout.
    d.clear = {.focusesFirstBox = false, .restoresLayout = true};
    // Each option's layout; the net force's working depends on its answer.
    const std::vector<Option>& options = d.choices.front().options;
    for (const Option& o : options)
        d.layouts.push_back(o.layout);
    const Layout net = options[NetForce - 1].layout;
    for (const bool four : {false, true})
        for (const std::optional<Single> degrees : physics::directionOfEachForm()) {
            Layout l = net;
            l.working = netWorking(four, degrees);
            d.layouts.push_back(l);
        }
    d.layout = [layouts = d.layouts](const Sheet& w) {
        const int n = w.selectedOption();
        if (n != NetForce)
            return layouts[size_t(std::max(n, 1) - 1)];
        Layout l = layouts[NetForce - 1];
        // Once Ok has shown the net force.
        if (!w.isEmpty(result))
            l.working = netWorking(!w.isEmpty(force4), physics::resultant(forcesOf(w)).direction);
        return l;
    };
    d.buttons.order = {Standard::Close, Standard::Print, Standard::Clear, Standard::Ok};
    d.help = std::nullopt;
    d.load.then = [](Sheet& w) { w.enableCommands(true); };
    return d;
}

} // namespace calc
