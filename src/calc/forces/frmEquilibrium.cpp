// Equilibrium: an object hanging from one force held by two supporting forces, for three
// arrangements of the two. Angles are measured from the horizontal.
#include "calc/forces/calculators.h"
#include "calc/physics/forces.h"

namespace calc {
namespace {

using num::Single;
constexpr auto weightBox = "Text1", angle1 = "Text3", angle2 = "Text2";
constexpr auto force1 = "Text6", force1Angle = "Text4", force2 = "Text5";

} // namespace

Definition frmEquilibrium() {
    Definition d{.className = "frmEquilibrium", .caption = "Equilibrium"};
    d.heading = {
        "Label1",
        "These problems deal with an object suspended by a single force supported by 2 other forces."};
    const char* const weight = "Enter the weight in Newtons.";
    d.inputs = {
        {weightBox, "Label2", Profile::K3, weight},
        {.box = angle1, .label = "Label4", .filter = Profile::K3e, .place = Place::Beside},
        {.box = angle2, .label = "Label3", .filter = Profile::K3e, .place = Place::Beside},
    };
    // "at <angle> degrees" beside the first result; the second force below it.
    d.results = {
        {.label = "Label7", .box = force1, .unit = Unit::Newton},
        {.label = "Label5",
         .box = force1Angle,
         .place = Place::Beside,
         .unit = Unit::Degree,
         .unitLabel = "Label6"},
        {.label = "Label8", .box = force2, .unit = Unit::Newton},
    };
    d.formula = QStringLiteral("Text7");

    const char* const both = "The 2 forces required to reach equilibrium are ";
    const Captions atDegrees = {{"Label5", "at"}, {"Label6", "degrees"}};
    d.choices = {{.options =
                      {
                          // Two vertical forces share the weight: W / 2 each, at 0 degrees.
                          {.caption = "2 Equal Parallel Forces",
                           .layout = {.prompts = {{weightBox, weight}},
                                      .resultPrefix = both,
                                      .captions = atDegrees,
                                      .hiddenResults = {force2},
                                      .working = {{physics::parallelSupportRelation, {weightBox}}}},
                           .solve = [](Sheet& w) { w.showResult(w.single(weightBox) / 2.0f); },
                           .onClick = [](Sheet& w) { w.setText(force1Angle, QStringLiteral("0")); }},
                          // Each force carries half the weight in its vertical part: (W / 2) / sin(angle).
                          {.caption = "2 Equal Concurrent Forces",
                           .layout = {.prompts = {{weightBox, weight}, {angle1, "Angle of force 1 "}},
                                      .resultPrefix = both,
                                      .captions = atDegrees,
                                      .hiddenResults = {force2},
                                      .working = {{physics::equalSupportRelation, {weightBox, angle1}}}},
                           .solve =
                               [](Sheet& w) {
                                   const Single weight = w.single(weightBox), angle = w.single(angle1);
                                   w.showResult(physics::equalSupport(weight, angle));
                               }},
                          // The horizontal parts balance (F1 cos a1 = F2 cos a2) and the vertical
                          // parts carry W.
                          {
                              .caption = "2 Unequal Concurrent Forces",
                              .layout =
                                  {.prompts =
                                       {{weightBox, weight}, {angle1, "Angle of force 1 "}, {angle2, "Angle of force 2"}},
                                   .resultPrefix = "Force 1 is ",
                                   .captions = {{"Label8", "Force 2 is "}},
                                   .hiddenResults = {force1Angle},
                                   .working = {{physics::firstSupportRelation, {weightBox, angle1, angle2}},
                                               {physics::secondSupportRelation,
                                                {weightBox, angle1, angle2},
                                                force2}}},
                              .solve =
                                  [](Sheet& w) {
                                      const Single weight = w.single(weightBox);
                                      const physics::Trig a1 = num::trigOfDegrees(w.single(angle1)),
                                                          a2 = num::trigOfDegrees(w.single(angle2));
                                      w.showResult(physics::support(weight, a1, a2));
                                      w.showResult(force2, physics::support(weight, a2, a1));
                                  }},
                      },
                  .perRow = 3}};
    const Message invalid = invalidData(Icon::Information);
    d.checks = {required({weightBox, angle1, angle2}, invalid)};
    d.clear.focusesFirstBox = false;
    d.help->text = concat({
        "Equilibrium refers to the forces necessary to support an object. In these problems, think of an ",
        "object being supported by a single force like a cable. The force (or cable) in turn is supported by ",
        "two other forces. Think of a capital Y with the object at the very bottom of the Y. In some cases the ",
        "two supporting forces are parallel and in some cases at an angle. Also in some cases the forces are ",
        "equal and in others they are not equal. ",
    });
    return d;
}

} // namespace calc
