// The Pythagorean theorem: the hypotenuse of a right triangle from its two sides, or a side from
// the hypotenuse and the other side.
#include "tools/math/calculators.h"
#include "tools/math/geometry.h"

namespace calc {
namespace {

using num::Single;
constexpr auto first = "Text1", second = "Text2";

// The worked formula writes the lengths as they were typed.
QString worked(const Sheet& w, const char* sign) {
    return "Sqr(" + w.text(first) + " ^2 " + sign + " " + w.text(second) + " ^2 )";
}

} // namespace

Definition frmPythagorean() {
    Definition d{.className = "frmPythagorean", .caption = "Pythagorean Theorem"};
    d.inputs = {{.box = first,
                 .label = "Label1",
                 .filter = Profile::K22,
                 .tooltip = "Enter a valid length.",
                 .magnitude = true},
                {.box = second, .label = "Label2", .filter = Profile::K22, .magnitude = true}};
    d.results = {{.label = "Label3", .box = "Text3"}};
    d.formula = QStringLiteral("Text4");
    // The options change only the prompts: the boxes keep what was typed.
    d.choices = {{.caption = "Select one of the two options",
                  .options = {{.caption = "Find the hypotenuse",
                               .layout = {.prompts = {{first, "Enter the length of side 1"},
                                                      {second, "Enter the length of side 2"}},
                                          .resultPrefix = "The hypotenuse is "},
                               .solve =
                                   [](Sheet& w) {
                                       const Single a = w.single(first), b = w.single(second);
                                       w.showResult(num::narrow(math::hypotenuse(a.value(), b.value())));
                                       w.showFormula(worked(w, "+"));
                                   }},
                              {.caption = "Find the length of a side",
                               .layout = {.prompts = {{first, "Enter the length of of the hypotenuse"},
                                                      {second, "Enter the length of the side"}},
                                          .resultPrefix = "The length of the other side is "},
                               .solve =
                                   [](Sheet& w) {
                                       const Single c = w.single(first), a = w.single(second);
                                       w.showResult(num::narrow(math::otherSide(c.value(), a.value())));
                                       w.showFormula(worked(w, "-"));
                                   },
                               .onClick = [](Sheet& w) { w.focusBox(first); }}},
                  .clickEmptiesBoxes = false}};
    const Message noData{"You must enter data into the data boxes."};
    d.checks = {required({first}, noData), required({second}, noData), atLeastZero(first, noData),
                atLeastZero(second, noData)};
    d.trap = {"Quellorin", Icon::Information};
    d.buttons.ok.name = QStringLiteral("cmdOK");
    // Clear leaves the cursor and the prompts where they are.
    d.clear.focusesFirstBox = false;
    d.close.show = QStringLiteral("frmGeneralChoice");
    d.help->text = concat({
        "The Pythagorean theorem allows you to use a right triangle to determine the length of such things  ",
        "as a resultant vector. It also allows you to calculate the smaller forces that make up the ",
        "resultant. ",
    });
    return d;
}

} // namespace calc
