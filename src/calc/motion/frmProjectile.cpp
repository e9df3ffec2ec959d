// Projectile motion: objects launched horizontally or at an angle. The launch type and the
// quantity sought are chosen separately; the pair decides the prompts and the formula.
#include "calc/motion/calculators.h"
#include "calc/physics/motion.h"

namespace calc {
namespace {

using num::Single;

// The launch type's group and the sought quantity's, with their options.
constexpr auto launchGroup = "Frame1", soughtGroup = "Frame2";
enum { Horizontal = 1, Angled = 2 };
enum { Distance = 1, Velocity = 2, AngleOf = 3, Time = 4, Height = 5 };

// The three inputs serve every pair, with the prompts of each.
constexpr auto first = "Text1", second = "Text2", third = "Text3";
constexpr auto result = "Text5";

// The working reads the first two boxes, or the boxes named; the boxes that hold distances and
// heights are sizes (magnitudes).
Layout prompts(const char* one, const char* two, const char* three, const char* resultPrefix,
               const working::Relation& relation, QStringList sizes = {},
               QStringList from = {first, second}) {
    Layout l{.prompts = {{first, one}},
             .resultPrefix = resultPrefix,
             .magnitudes = std::move(sizes),
             .working = {{relation, std::move(from)}}};
    if (*two)
        l.prompts.append(std::pair<QString, QString>(second, two));
    if (*three)
        l.prompts.append(std::pair<QString, QString>(third, three));
    return l;
}

// The prompts, result prefix and working of each launch type and quantity.
Layout layoutFor(int launch, int quantity) {
    if (launch == Horizontal) {
        switch (quantity) {
        case Velocity:
            return prompts("Enter the distance.", "Enter the height.", "", "The forward velocity is ",
                           physics::horizontalLaunchSpeedRelation, {first, second});
        case Time:
            return prompts("Enter the height in meters.", "", "", "The time is ", physics::fallTimeRelation,
                           {first}, {first});
        case Height:
            return prompts("Enter the horizontal distance in meters.",
                           "Enter the initial velocity in meters / second.", "", "The height is ",
                           physics::launchHeightRelation, {first});
        default: // the angle cannot be sought for a horizontal launch
            return prompts("Enter the time in seconds.", "Enter the initial velocity.", "",
                           "The horizontal distance is ", physics::horizontalDistanceRelation);
        }
    }
    switch (quantity) {
    case Velocity:
        return prompts("Enter the distance.", "Enter the angle.", "", "The initial velocity is ",
                       physics::launchSpeedRelation, {first});
    case AngleOf:
        return prompts("Enter the initial velocity.", "Enter the time.", "Enter the distance.",
                       "The angle is ", physics::launchAngleRelation, {third}, {second, third});
    case Time:
        return prompts("Enter the angle.", "Enter the initial velocity.", "", "The time is ",
                       physics::flightTimeRelation);
    case Height:
        return prompts("Enter the angle.", "Enter the initial velocity.", "", "The height is ",
                       physics::peakHeightRelation);
    default:
        return prompts("Enter the angle.", "Enter the initial velocity.", "", "The distance is ",
                       physics::rangeRelation);
    }
}

int launchType(const Sheet& w) {
    return w.chosen(launchGroup) == Angled ? Angled : Horizontal;
}

int quantity(const Sheet& w) {
    const int n = w.chosen(soughtGroup);
    return n ? n : Distance;
}

} // namespace

Definition frmProjectile() {
    Definition d{.className = "frmProjectile", .caption = "Projectile Motion"};
    d.inputs = {
        {first, "Label1", Profile::K3},
        {second, "Label2", Profile::K3e},
        {third, "Label3", Profile::K3e},
    };
    d.results = {{.label = "Label5", .box = result}};
    d.formula = QStringLiteral("Text6");
    // Switching options keeps what was typed.
    d.choices = {
        {.frame = launchGroup,
         .caption = "Select one of the following options",
         .options = {{.caption = "Launched horizontally",
                      .onClick =
                          [](Sheet& w) {
                              w.setOptionEnabled(soughtGroup, AngleOf, false);
                              w.select(soughtGroup, Distance);
                          },
                      .tooltip = "Assume constant velocity."},
                     {.caption = "Launched  at an angle",
                      .onClick = [](Sheet& w) { w.setOptionEnabled(soughtGroup, AngleOf, true); }}},
         .clickEmptiesBoxes = false},
        {.frame = soughtGroup,
         .caption = "Now select one of these options",
         .options =
             {
                 {.caption = "Horizontal distance",
                  .solve =
                      [](Sheet& w) {
                          if (launchType(w) == Horizontal) {
                              const Single t = w.single(first), v = w.single(second);
                              w.showResult(t * v);
                          } else {
                              const Single theta = w.single(first), v = w.single(second);
                              w.showResult(physics::range(v, theta));
                          }
                      }},
                 {.caption = "Initial forward velocity",
                  .solve =
                      [](Sheet& w) {
                          if (launchType(w) == Horizontal) {
                              const Single x = w.single(first), h = w.single(second);
                              w.showResult(physics::horizontalLaunchSpeed(x, h));
                          } else {
                              const Single x = w.single(first), theta = w.single(second);
                              w.showResult(physics::launchSpeed(x, theta));
                          }
                      }},
                 // The initial velocity is read (it must be a number) but does not enter the formula.
                 {.caption = "Angle",
                  .solve =
                      [](Sheet& w) {
                          w.single(first);
                          const Single t = w.single(second), x = w.single(third);
                          w.showResult(physics::launchAngle(t, x));
                      }},
                 {.caption = "Time",
                  .solve =
                      [](Sheet& w) {
                          if (launchType(w) == Horizontal) {
                              const Single h = w.single(first);
                              w.showResult(physics::fallTime(h));
                          } else {
                              const Single theta = w.single(first), v = w.single(second);
                              w.showResult(physics::flightTime(v, theta));
                          }
                      }},
                 {.caption = "Height",
                  .solve =
                      [](Sheet& w) {
                          if (launchType(w) == Horizontal) {
                              const Single x = w.single(first), v = w.single(second);
                              w.showResult(physics::launchHeight(x, v));
                          } else {
                              const Single theta = w.single(first), v = w.single(second);
                              w.showResult(physics::peakHeight(v, theta));
                          }
                      }},
             },
         .clickEmptiesBoxes = false},
    };
    d.layout = [](const Sheet& w) { return layoutFor(launchType(w), quantity(w)); };
    for (int launch : {Horizontal, Angled})
        for (int sought = Distance; sought <= Height; ++sought)
            d.layouts.push_back(layoutFor(launch, sought));
    d.checks = {required({first, second, third}, {"You must enter a valid number."})};
    d.trap = {"Quellorin:", Icon::None};
    d.buttons.close.caption = QStringLiteral("Cancel");
    d.close.show = QStringLiteral("frmAccelerationChoice");
    d.help->text = concat({
        "There are two kinds of projectile motion. One deals with objects that are launched or projected horizontally. ",
        "The other deals with objects that are launched or projected at an angle. In this case, the vertical ",
        "and horizontal components of the angle become important. With objects launched horizontally, ",
        "you only deal with vertical and horizontal distances.  ",
    });
    return d;
}

} // namespace calc
