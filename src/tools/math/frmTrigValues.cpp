// Trigonometric values: the sine, cosine or tangent of an angle in degrees, and the angle of a
// given sine, cosine or tangent, each with five decimals.
#include "tools/math/calculators.h"
#include "tools/math/conversions.h"

namespace calc {
namespace {

using num::Double;
constexpr auto angle = "Text1", value = "Text2", answer = "Text3";
constexpr auto answerIs = "Label2", unit = "Label4";

const Message invalid{"You must enter valid data.", "Trig Values", Icon::Information};

// A button that reads one box and shows what the function makes of it, with the words before it
// and the unit after it.
ExtraButton trig(const char* name, const char* caption, const char* box, Double (*f)(Double),
                 const char* words, const char* unitCaption, const working::Relation& relation,
                 std::function<bool(Sheet&, Double)> refuses = {}) {
    return {name,
            caption,
            [=](Sheet& w) {
                if (w.isEmpty(box)) {
                    w.sayAbout(box, invalid);
                    return;
                }
                const Double v = w.real(box);
                if (refuses && refuses(w, v))
                    return;
                const Double result = f(v);
                w.setCaption(answerIs, words);
                w.setCaption(unit, unitCaption);
                w.setText(answer, num::fixedResult(result, 5));
            },
            {"Trig Values", Icon::Information, "You must enter a valid numeric value,"},
            {{relation, {box}, answer}}};
}

// No angle has a sine or cosine beyond 1 (1 itself is the sine of 90 degrees and the cosine of 0).
bool aboveOne(Sheet& w, Double v) {
    if (v <= Double(1))
        return false;
    w.sayAbout(value, {"You must enter a number less than 1.", "Trig Functions", Icon::Exclamation});
    return true;
}

} // namespace

Definition frmTrigValues() {
    Definition d{.className = "frmTrigValues", .caption = "Trigonometry Values"};
    d.inputs = {{angle, "Label1", Profile::K20, "Enter an angle in degrees."},
                {value, "Label3", Profile::None, "Enter a sin, cos or tan value for an angle."}};
    d.results = {{.label = answerIs, .box = answer, .unitLabel = unit}};
    d.formula = QStringLiteral("Text4");
    // The words of every button, so that the window keeps its width whichever was pressed.
    d.layouts = {{.resultPrefix = "The sine is "},
                 {.resultPrefix = "The cosine is "},
                 {.resultPrefix = "The tangent is "},
                 {.resultPrefix = "The angle is ", .captions = {{unit, "degrees"}}}};
    // Lines set the buttons apart from the boxes, and the angle's functions from the value's.
    d.lines = {{"Line1", answer}, {"Line2", "cmdTan"}};
    d.buttons.order = {Standard::Print, Standard::Close, Standard::Clear};
    d.buttons.morePerRow = 3;
    d.buttons.more = {
        trig("cmdSin", "Sine", angle, math::sine, "The sine is ", "", math::sineRelation),
        trig("cmdCos", "Cosine", angle, math::cosine, "The cosine is ", "", math::cosineRelation),
        trig("cmdTan", "Tangent", angle, math::tangent, "The tangent is ", "", math::tangentRelation,
             [](Sheet& w, Double v) {
                 if (math::hasTangent(v))
                     return false;
                 w.say({"The tangent of " + num::plain(v) + " degrees is undefined.", "Trig Values",
                        Icon::Information});
                 return true;
             }),
        trig("cmdInvSin", "Angle from sine", value, math::angleFromSine, "The angle is ", "degrees",
             math::angleFromSineRelation,
             [](Sheet& w, Double v) {
                 if (aboveOne(w, v))
                     return true;
                 if (v != Double(0))
                     return false;
                 w.sayAbout(value, {"You cannot enter zero.", "Trig Functions", Icon::Exclamation});
                 return true;
             }),
        trig("cmdInvCos", "Angle from cosine", value, math::angleFromCosine, "The angle is ", "degrees",
             math::angleFromCosineRelation, aboveOne),
        trig("cmdInvTan", "Angle from tangent", value, math::angleFromTangent, "The angle is ", "degrees",
             math::angleFromTangentRelation),
    };
    // Clear empties the words and the unit too, and leaves the cursor where it is.
    d.clear = {.focusesFirstBox = false, .then = [](Sheet& w) {
                   w.setCaption(answerIs, "");
                   w.setCaption(unit, "");
               }};
    d.close.show = QStringLiteral("frmGeneralChoice");
    d.help->text = concat({
        "Being able to calculate an angle given a Sin, Cos, or Tan function is extremely important in physics. ",
        "Being able to calculate a Sin, Cos or Tan value given an angle is also an important function. ",
        "This routine performs these calculations for you. Enter the angle or the trig value, then click",
        "the appropriate button.",
    });
    return d;
}

} // namespace calc
