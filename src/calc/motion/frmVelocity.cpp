// Average velocity from two positions and two times, or instantaneous velocity from the starting
// velocity, the acceleration and the time.
#include "calc/framework/calculator.h"
#include "calc/framework/calculators.h"

namespace calc {

Definition frmVelocity() {
    Definition d;
    d.className = QStringLiteral("frmVelocity");
    d.caption = QStringLiteral("Average / Instantaneous Velocity");
    d.inputs = {
        {"Text2", "Label1", Profile::K4},
        {"Text3", "Label2", Profile::K3},
        {"Text4", "Label3", Profile::K4},
        {"Text5", "Label4", Profile::K4},
    };
    d.resultLabel = QStringLiteral("Label5");
    d.resultBox = QStringLiteral("Text6");
    d.unusedBoxes = {QStringLiteral("Text1")};
    d.options = {
        {"Average Velocity",
         {"Enter the final position", "Enter the initial position (0 is the default)",
          "Enter the ending time", "Enter the initial time (0 is the default)"},
         "The average velocity is",
         [](CalculatorWindow& w) {
             const num::Single d = w.single("Text2") - w.single("Text3");
             const num::Single dt = w.single("Text4") - w.single("Text5");
             w.showResult(d / dt);
         }},
        {"Instantaneous Velocity",
         {"Enter the starting velocity", "Enter the acceleration", "Enter the time", ""},
         "The instantaneous velocity is",
         [](CalculatorWindow& w) {
             w.showResult(w.single("Text4") * w.single("Text3") + w.single("Text2"));
         }},
    };
    // An empty initial position or initial time is taken as 0: the box is filled in and the next
    // Ok computes with it.
    const Message missing{"You must enter valid data into the data boxes.", "Ostravel", Icon::Information};
    d.checks = {
        required({"Text2"}, missing),
        fillIfEmpty("Text3", "0"),
        required({"Text4"}, missing),
        whenOption(1, fillIfEmpty("Text5", "0")),
    };
    d.trap = {"Quellorin", Icon::Information};
    d.help = concat({
        "Velocity tells you how fast an object moves and in what direction it is moving. Speed only tells you how ",
        "fast an object is moving. Average velocity is the total displacement divided by the time period ",
        "during which that displacement occurred. It also must include the direction. Instantaneous velocity ",
        "is the velocity of an object at a particular point in time. It is found by calculating the slope of the ",
        "line representing the velocity equation for a particular time value. This can be calculated by using ",
        "the rise / run method. ",
    });
    return d;
}

} // namespace calc
