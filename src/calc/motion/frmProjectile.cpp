// Projectile motion: objects launched horizontally or at an angle. The launch type and the
// quantity sought are chosen separately; the pair decides the prompts and the formula.
#include "calc/framework/calculator.h"
#include "calc/framework/calculators.h"

namespace calc {
namespace {

using num::plain;
using num::Single;

enum { Horizontal = 1, Angled = 2 };
enum { Distance = 3, Velocity = 4, AngleOf = 5, Time = 6, Height = 7 };

// The prompts and result prefix of each launch type and quantity.
Layout layoutFor(int launch, int quantity) {
    if (launch == Horizontal) {
        switch (quantity) {
        case Velocity:
            return {{"Enter the distance.", "Enter the height.", ""}, "The forward velocity is "};
        case Time:
            return {{"Enter the height in meters.", "", ""}, "The time is "};
        case Height:
            return {{"Enter the horizontal distance in meters.",
                     "Enter the initial velocity in meters / second.", ""},
                    "The height is "};
        default: // the angle cannot be sought for a horizontal launch
            return {{"Enter the time in seconds.", "Enter the initial velocity.", ""},
                    "The horizontal distance is "};
        }
    }
    switch (quantity) {
    case Velocity:
        return {{"Enter the distance.", "Enter the angle.", ""}, "The initial velocity is "};
    case AngleOf:
        return {{"Enter the initial velocity.", "Enter the time.", "Enter the distance."}, "The angle is "};
    case Time:
        return {{"Enter the angle.", "Enter the initial velocity.", ""}, "The time is "};
    case Height:
        return {{"Enter the angle.", "Enter the initial velocity.", ""}, "The height is "};
    default:
        return {{"Enter the angle.", "Enter the initial velocity.", ""}, "The distance is "};
    }
}

int launchType(const CalculatorWindow& w) {
    return w.isSelected(Angled) ? Angled : Horizontal;
}

int quantity(const CalculatorWindow& w) {
    for (int n = Distance; n <= Height; ++n)
        if (w.isSelected(n))
            return n;
    return Distance;
}

// The angle typed in degrees, the sine and cosine taken of it in radians.
QString deg(Single theta) {
    return plain(theta);
}

} // namespace

Definition frmProjectile() {
    Definition d;
    d.className = QStringLiteral("frmProjectile");
    d.caption = QStringLiteral("Projectile Motion");
    d.inputs = {
        {"Text1", "Label1", Profile::K3},
        {"Text2", "Label2", Profile::K3e},
        {"Text3", "Label3", Profile::K3e},
    };
    d.resultLabel = QStringLiteral("Label5");
    d.resultBox = QStringLiteral("Text5");
    d.formulaBox = QStringLiteral("Text6");
    d.frameCaption = QStringLiteral("Select one of the following options");
    d.options = {
        {.caption = "Launched horizontally",
         .onClick =
             [](CalculatorWindow& w) {
                 w.setOptionEnabled(AngleOf, false);
                 w.select(Distance);
             },
         .tooltip = "Assume constant velocity."},
        {.caption = "Launched  at an angle",
         .onClick = [](CalculatorWindow& w) { w.setOptionEnabled(AngleOf, true); }},
    };
    d.frame2Caption = QStringLiteral("Now select one of these options");
    d.options2 = {
        {"Horizontal distance",
         {},
         {},
         [](CalculatorWindow& w) {
             if (launchType(w) == Horizontal) {
                 const Single t = w.single("Text1"), v = w.single("Text2");
                 w.showResult(t * v);
                 w.showFormula(plain(t) + " * " + plain(v));
             } else {
                 const Single theta = w.single("Text1"), v = w.single("Text2");
                 const Single r = num::radians(theta);
                 w.showResult((v * num::cos(r)) * 2.0f * (v * num::sin(r) / 9.8f));
                 w.showFormula("(" + plain(v) + " * cos(" + deg(theta) + ")) * 2 * (" + plain(v) + " * sin(" +
                               deg(theta) + ") / 9.8)");
             }
         }},
        {"Initial forward velocity",
         {},
         {},
         [](CalculatorWindow& w) {
             if (launchType(w) == Horizontal) {
                 const Single x = w.single("Text1"), h = w.single("Text2");
                 w.showResult(x / num::sqrt(h * 2.0f / 9.8f));
                 w.showFormula(plain(x) + " / sqrt(" + plain(h) + " * 2 / 9.8)");
             } else {
                 const Single x = w.single("Text1"), theta = w.single("Text2");
                 const Single r = num::radians(theta);
                 w.showResult(num::sqrt(x * 9.8f / (num::sin(r) * 2.0f * num::cos(r))));
                 w.showFormula("sqrt(" + plain(x) + " * 9.8 / (sin(" + deg(theta) + ") * 2 * cos(" +
                               deg(theta) + ")))");
             }
         }},
        // The initial velocity is read (it must be a number) but does not enter the formula.
        {"Angle",
         {},
         {},
         [](CalculatorWindow& w) {
             w.single("Text1");
             const Single t = w.single("Text2"), x = w.single("Text3");
             w.showResult(num::degrees(num::atan(t * t * 4.9f / x)));
             w.showFormula("atan(" + plain(t) + "^2 * 4.9 / " + plain(x) + ")");
         }},
        {"Time",
         {},
         {},
         [](CalculatorWindow& w) {
             if (launchType(w) == Horizontal) {
                 const Single h = w.single("Text1");
                 w.showResult(num::sqrt(h * 2.0f / 9.8f));
                 w.showFormula("sqrt(" + plain(h) + " * 2 / 9.8)");
             } else {
                 const Single theta = w.single("Text1"), v = w.single("Text2");
                 w.showResult(v * num::sin(num::radians(theta)) * 2.0f / 9.8f);
                 w.showFormula(plain(v) + " * sin(" + deg(theta) + ") * 2 / 9.8");
             }
         }},
        {"Height",
         {},
         {},
         [](CalculatorWindow& w) {
             if (launchType(w) == Horizontal) {
                 const Single x = w.single("Text1"), v = w.single("Text2");
                 const Single q = x / v;
                 w.showResult(q * q * 4.9f);
                 w.showFormula("(" + plain(x) + " / " + plain(v) + ")^2 * 4.9");
             } else {
                 const Single theta = w.single("Text1"), v = w.single("Text2");
                 const Single q = v * num::sin(num::radians(theta)) / 9.8f;
                 w.showResult(q * q * 4.9f);
                 w.showFormula("(" + plain(v) + " * sin(" + deg(theta) + ") / 9.8)^2 * 4.9");
             }
         }},
    };
    d.layout = [](const CalculatorWindow& w) { return layoutFor(launchType(w), quantity(w)); };
    // Switching options keeps what was typed.
    d.optionClickEmptiesBoxes = false;
    d.checks = {required({"Text1", "Text2", "Text3"}, {"You must enter a valid number."})};
    d.trap = {"Quellorin:", Icon::None};
    d.closeButton = QStringLiteral("cmdCancel");
    d.closeCaption = QStringLiteral("Cancel");
    d.showAfterClose = QStringLiteral("frmAccelerationChoice");
    d.help = concat({
        "There are two kinds of projectile motion. One deals with objects that are launched or projected horizontally. ",
        "The other deals with objects that are launched or projected at an angle. In this case, the vertical ",
        "and horizontal components of the angle become important. With objects launched horizontally, ",
        "you only deal with vertical and horizontal distances.  ",
    });
    return d;
}

} // namespace calc
