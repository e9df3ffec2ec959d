// Work done by a force acting at an angle to the displacement: W = F d cos(angle), solved for the
// work, the displacement or the force.
#include "calc/energy/calculators.h"
#include "calc/physics/energy.h"

namespace calc {
namespace {

using num::Single;

// The first two inputs serve every option, with the prompts of each; the angle is always third.
constexpr auto first = "Text1", second = "Text2", angle = "Text3";
constexpr auto result = "Text4";

// The displacement or the force: the work over the other of the two and the cosine.
Formula workOverOther = [](Sheet& w) {
    const Single work = w.single(first), other = w.single(second), degrees = w.single(angle);
    w.showResult(physics::workFactor(work, other, degrees));
};

} // namespace

Definition frmWork() {
    Definition d{.className = "frmWork", .caption = "Work"};
    d.inputs = {
        {first, "Label1", Profile::K1},
        {second, "Label2", Profile::K1},
        {angle, "Label3", Profile::K1},
    };
    d.results = {{.label = "Label4", .box = result}};
    d.formula = QStringLiteral("Text5");
    d.choices =
        {{.options =
              {
                  {.caption = "Work",
                   .layout = {.prompts = {{first, "Enter the force."},
                                          {second, "Enter the displacement"},
                                          {angle, "Enter the angle."}},
                              .resultPrefix = "The work is ",
                              .working = {{physics::workRelation, {first, second, angle}}}},
                   .solve =
                       [](Sheet& w) {
                           const Single force = w.single(first), displacement = w.single(second);
                           w.showResult(physics::work(force, displacement, w.single(angle)));
                       }},
                  {.caption = "Displacement",
                   .layout = {.prompts = {{first, "Enter the work."},
                                          {second, "Enter the force."},
                                          {angle, "Enter the angle"}},
                              .resultPrefix = "The displacement is ",
                              .working = {{physics::displacementFromWorkRelation, {first, second, angle}}}},
                   .solve = workOverOther},
                  {.caption = "Force",
                   .layout = {.prompts = {{first, "Enter the work."},
                                          {second, "Enter the displacement."},
                                          {angle, "Enter the angle"}},
                              .resultPrefix = "The force is ",
                              .working = {{physics::forceFromWorkRelation, {first, second, angle}}}},
                   .solve = workOverOther},
              },
          .perRow = 3}};
    d.checks = {validData({first, second, angle})};
    // Clear goes back to the Work option with its prompts.
    d.clear.then = [](Sheet& w) { w.select(1); };
    d.help->text = concat({
        "Work is the product of the magnitude of the force and its displacement in a particular direction. ",
        "Work is not done unless there is displacement of the object. The angle in which the work is done is ",
        "also a factor in the force aspect of work.",
    });
    return d;
}

} // namespace calc
