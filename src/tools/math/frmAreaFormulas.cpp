// Areas, surface areas and volumes of eleven shapes, each with its formula worked out with the
// student's lengths.
#include "tools/math/calculators.h"
#include "tools/math/geometry.h"

namespace calc {
namespace {

using math::Shape;
using num::plain;
using num::Single;
constexpr auto first = "Text1", second = "Text2";

const Message positive{"You must enter a positive number", "Area Formulas"};
const Message valid{"You must enter a valid number", "Area Formulas"};

// A shape: its prompts (a second one where it has two lengths), the words before the answer, and
// its worked formula made of the lengths a and b.
Option shape(const char* caption, Shape s, const char* one, const char* two, const char* answerIs,
             QString (*worked)(const QString& a, const QString& b)) {
    Layout layout{.prompts = {{first, one}}, .resultPrefix = answerIs};
    if (*two)
        layout.prompts.append(std::pair<QString, QString>(second, two));
    return {.caption = caption, .layout = layout, .solve = [=](Sheet& w) {
                const Single a = w.single(first), b = w.isShown(second) ? w.single(second) : Single(0);
                w.showResult(num::narrow(math::measure(s, a.value(), b.value())));
                w.showFormula(worked(plain(a), w.isShown(second) ? plain(b) : QString()));
            }};
}

} // namespace

Definition frmAreaFormulas() {
    Definition d{.className = "frmAreaFormulas", .caption = "Areas / Surface Area / Volume"};
    // Lengths, both.
    d.inputs = {{.box = first, .label = "Label1", .filter = Profile::K13, .magnitude = true},
                {.box = second, .label = "Label2", .filter = Profile::K13, .magnitude = true}};
    d.results = {{.label = "Label3", .box = "Text3"}};
    d.formula = QStringLiteral("Text4");
    using S = QString;
    d.choices = {
        {.caption = "Select one of the following problems",
         .options = {
             shape("Area of rectangle", Shape::Rectangle, "Length of rectangle", "Width of rectangle",
                   "The area is:", [](const S& a, const S& b) { return a + " * " + b; }),
             shape("Area of circle", Shape::Circle, "Radius of circle", "",
                   "The area is:", [](const S& a, const S&) { return "Pi" + S(" * ") + a + " ^2 "; }),
             shape("Area of ellipse", Shape::Ellipse, "Length of distance a", "Length of distance b",
                   "The area is:", [](const S& a, const S& b) { return "Pi" + S(" * ") + a + " * " + b; }),
             shape("S.A.of sphere", Shape::SphereSurface, "Radius of circle", "",
                   "The surface area is:", [](const S& a, const S&) { return "4 * Pi * " + a + "^2"; }),
             shape("S.A. of cylinder", Shape::CylinderSurface, "Radius of cylinder", "Height of cylinder",
                   "The surface area is:", [](const S& a, const S& b) { return "2 Pi * " + a + " * " + b; }),
             shape("S.A. of cone", Shape::ConeSurface, "Radius of cone", "Height of cone",
                   "The surface area is:",
                   [](const S& a, const S& b) {
                       return "Pi * " + a + " * " + "Sqr( " + a + "^2 + " + b + " ^2 )";
                   }),
             shape("Volume of cube", Shape::Cube, "Length of side", "",
                   "The volume is:", [](const S& a, const S&) { return a + "^3"; }),
             shape("Volume of sphere", Shape::Sphere, "Radius of sphere", "",
                   "The volume is:", [](const S& a, const S&) { return " 4/3 * Pi * " + a + "^3"; }),
             shape("Volume of cylinder", Shape::Cylinder, "Radius of cylinder", "Height of cylinder",
                   "The volume is:", [](const S& a, const S& b) { return "Pi * " + a + "^2 * " + b; }),
             // Base first, then height.
             shape("Area of triangle", Shape::Triangle, "Height of triangle", "Base of triangle",
                   "The area is:", [](const S& a, const S& b) { return "1/2 " + S(" * ") + b + " * " + a; }),
             shape("Volume of cone", Shape::Cone, "Radius of cone", "Height of cone", "The volume is:",
                   [](const S& a, const S& b) { return "( Pi * " + a + "^2 * " + b + " ) /3"; }),
         }}};
    // Each length the shape uses, in order: an empty box (the rectangle and the cube ask for a
    // positive number, the others for a valid one), then a length of zero or less.
    const auto length = [](const char* box) -> Check {
        return [box](Sheet& w) {
            if (!w.isShown(box))
                return true;
            if (w.isEmpty(box)) {
                const int n = w.selectedOption();
                w.sayAbout(box, n == 1 || n == 7 ? positive : valid);
                return false;
            }
            if (w.single(box) > Single(0))
                return true;
            w.sayAbout(box, positive);
            return false;
        };
    };
    d.checks = {length(first), length(second)};
    d.trap = {"Area Formulas"};
    d.close.show = QStringLiteral("frmGeneralChoice");
    d.help->text = concat({
        "The most common formulas in physics deal with volumes, areas and surface areas. Volume refers ",
        "to the amount of space an object occupies. Area is a two dimensional quantity of length  ",
        "times width. Surface area can refer to the regular area but usually refers to the outside ",
        "area of a three dimensional object like a cylinder or cube. ",
    });
    return d;
}

} // namespace calc
