// Average velocity from two positions and two times, or instantaneous velocity from the starting
// velocity, the acceleration and the time.
#include "calc/motion/calculators.h"
#include "calc/physics/motion.h"

namespace calc {
namespace {

// The four inputs serve both options, with the prompts of each.
constexpr auto first = "Text2", second = "Text3", third = "Text4", fourth = "Text5";

} // namespace

Definition frmVelocity() {
    Definition d{.className = "frmVelocity", .caption = "Average / Instantaneous Velocity"};
    d.inputs = {
        {first, "Label1", Profile::K4},
        {second, "Label2", Profile::K3},
        {third, "Label3", Profile::K4},
        {fourth, "Label4", Profile::K4},
    };
    d.results = {{.label = "Label5", .box = "Text6", .unit = Unit::MetrePerSecond}};
    // The worked-formula box is Text1: the inputs start at Text2.
    d.formula = QStringLiteral("Text1");
    d.choices = {
        {.options = {
             {.caption = "Average Velocity",
              .layout = {.prompts = {{first, "Enter the final position"},
                                     {second, "Enter the initial position (0 is the default)"},
                                     {third, "Enter the ending time"},
                                     {fourth, "Enter the initial time (0 is the default)"}},
                         .resultPrefix = "The average velocity is",
                         .working = {{physics::averageVelocityRelation, {first, second, third, fourth}}}},
              .solve =
                  [](Sheet& w) {
                      const num::Single x = w.single(first), x0 = w.single(second);
                      const num::Single t = w.single(third), t0 = w.single(fourth);
                      w.showResult(physics::averageVelocity(x0, x, t0, t));
                  }},
             {.caption = "Instantaneous Velocity",
              .layout = {.prompts = {{first, "Enter the starting velocity"},
                                     {second, "Enter the acceleration"},
                                     {third, "Enter the time"}},
                         .resultPrefix = "The instantaneous velocity is",
                         .working = {{physics::velocityAfterRelation, {first, second, third}}}},
              .solve =
                  [](Sheet& w) {
                      const num::Single v0 = w.single(first), a = w.single(second), t = w.single(third);
                      w.showResult(physics::velocityAfter(v0, a, t));
                  }},
         }}};
    // An empty initial position or initial time is taken as 0: the box is filled in and the next
    // Ok computes with it.
    const Message missing{"You must enter valid data into the data boxes.", "Ostravel", Icon::Information};
    d.checks = {
        required({first}, missing),
        fillIfEmpty(second, "0"),
        required({third}, missing),
        whenOption(1, fillIfEmpty(fourth, "0")),
    };
    d.trap = {"Quellorin", Icon::Information};
    d.help->text = concat({
        "Velocity tells you how fast an object moves and in what direction it is moving. Speed only tells you how ",
        "fast an object is moving. Average velocity is the total displacement divided by the time period ",
        "during which that displacement occurred. It also must include the direction. Instantaneous velocity ",
        "is the velocity of an object at a particular point in time. It is found by calculating the slope of the ",
        "line representing the velocity equation for a particular time value. This can be calculated by using ",
        "the rise / run method. ",
    });
    d.buttons.close.name = QStringLiteral("cmdClose");
    return d;
}

} // namespace calc
