#pragma once
// Small calculators made for the tests of the calculator framework and its window, each showing a
// few of the elements and behaviours a declaration can ask for.

#include "calc/framework/definition.h"

namespace testcalc {

using namespace calc;

inline Definition testCalculator() {
    Definition d{.className = "frmTestCalc", .caption = "Test"};
    d.inputs = {
        {.box = "Text1", .label = "Label1", .filter = Profile::K1, .tooltip = "the first"},
        {"Text2", "Label2", Profile::K3e},
        {.box = "Text3", .label = "Label3"},
    };
    d.results = {{.label = "Label4", .box = "Text4"}};
    d.formula = QStringLiteral("Text5");
    d.choices = {{.options = {
                      {.caption = "Sum",
                       .layout = {.prompts = {{"Text1", "First"}, {"Text2", "Second"}, {"Text3", "Third"}},
                                  .resultPrefix = "The sum is ",
                                  .units = {{"Text4", Unit::Joule}}},
                       .solve =
                           [](Sheet& w) {
                               const num::Single a = w.single("Text1"), b = w.single("Text2"),
                                                 c = w.single("Text3");
                               w.showResult(a + b + c);
                               w.showFormula(num::plain(a) + " + " + num::plain(b) + " + " + num::plain(c));
                           }},
                      {.caption = "Quotient",
                       .layout = {.prompts = {{"Text1", "Dividend"}, {"Text2", "Divisor"}},
                                  .resultPrefix = "The quotient is "},
                       .solve = [](Sheet& w) { w.showResult(w.single("Text1") / w.single("Text2")); }},
                  }}};
    d.checks = {required({"Text1", "Text2"}, {"Fill both.", "Testing", Icon::Information})};
    d.trap = {"Trap", Icon::Information};
    d.close.show = QStringLiteral("frmTestTopic");
    d.help->text = QStringLiteral("Part one. ") + QStringLiteral("Part two. ");
    return d;
}

// Two boxes to a row, a unit after the result, a second result row, captions per option, and a
// Clear that puts the selected option's layout back.
inline Definition rowsCalculator() {
    Definition d{.className = "frmTestRows", .caption = "Rows"};
    d.inputs = {
        {"Text1", "Label1", Profile::K3},
        {.box = "Text5", .label = "Label4", .filter = Profile::K9, .place = Place::Beside},
        {"Text2", "Label2", Profile::K3},
    };
    d.results = {{.label = "Label3", .box = "Text3", .unit = Unit::Newton, .unitLabel = "Label6"},
                 {.label = "Label11", .box = "Text7", .unitLabel = "Label12"}};
    d.choices = {{.options = {
                      {.caption = "One",
                       .layout = {.prompts = {{"Text1", "First"}, {"Text2", "Second"}},
                                  .resultPrefix = "One is ",
                                  .captions = {{"Label6", "units"}},
                                  .hiddenResults = {"Text7"}},
                       .solve = [](Sheet& w) { w.showResult(w.single("Text1")); }},
                      {.caption = "Both",
                       .layout = {.prompts = {{"Text1", "First"}, {"Text5", "Angle"}, {"Text2", "Second"}},
                                  .resultPrefix = "Both are ",
                                  .units = {{"Text7", Unit::Degree}},
                                  .captions = {{"Label11", "The other is"}, {"Label12", "degrees"}}},
                       .solve =
                           [](Sheet& w) {
                               w.showResult(w.single("Text1"));
                               w.showResult("Text7", w.single("Text5"));
                           }},
                  }}};
    d.clear = {.focusesFirstBox = false, .restoresLayout = true};
    d.help = std::nullopt;
    d.load.then = [](Sheet& w) { w.enableCommands(true); };
    return d;
}

// Output boxes that take typing through a key filter, and a Clear that puts the cursor in the
// worked-formula box.
inline Definition typedOutputs() {
    Definition d{.className = "frmTestTypedOutputs", .caption = "Typed"};
    d.inputs = {{"Text2", "Label2", Profile::K13, "Count"}};
    d.results = {{.label = "Label5", .box = "Text6", .prefix = "Result", .filter = Profile::K13}};
    d.formula = {QStringLiteral("Text1"), Profile::K14};
    d.solve = [](Sheet& w) { w.showResult(w.single("Text2")); };
    d.clear.focus = QStringLiteral("Text1");
    return d;
}

// A converter: no Ok, its buttons compute at once in rows of two, one with a fixed trap message,
// a line below the first row of them; a unit label with a caption of its own; a setting whose
// click renames another option.
inline Definition converterCalculator() {
    Definition d{.className = "frmTestConverter", .caption = "Converter"};
    d.inputs = {{"Text1", "Label1", Profile::K3, "Value"}, {"Text2", "Label3", Profile::None, "Other"}};
    d.results = {{.label = "Label2", .box = "Text3", .unitLabel = "Label4", .unitLabelCaption = "units"}};
    const auto half = [](Sheet& w) {
        w.showResult(w.single("Text1") / num::Single(2));
        w.setCaption("Label2", "Half is ");
    };
    const auto inverse = [](Sheet& w) { w.showResult(num::Single(1) / w.single("Text1")); };
    d.buttons = {.order = {Standard::Print, Standard::Close, Standard::Clear},
                 .more = {{"cmdHalf", "Half", half},
                          {"cmdInverse", "Inverse", inverse, {"Inverting", Icon::Exclamation, "No inverse."}},
                          {"cmdFocus", "Focus", [](Sheet& w) { w.focusBox("Text2"); }}},
                 .morePerRow = 2};
    d.lines = {{"Line2", "cmdInverse"}};
    d.layouts = {{.resultPrefix = "Half is "}};
    d.choices = {{.options = {{.caption = "Plain",
                               .onClick = [](Sheet& w) { w.setOptionCaption("Frame1", 2, "Fancier"); }},
                              {.caption = "Fancy"}},
                  .role = ChoiceGroup::Role::Setting,
                  .clickEmptiesBoxes = false}};
    return d;
}

// The layout of a pair: the first group gives the first result's unit (A kilograms, B hertz, C or
// none chosen no unit), the second the prompts, the result prefix and the second result's unit.
inline Layout pairLayout(Unit first, bool speed) {
    Layout l{.prompts = {{"Text1", "Mass"}},
             .resultPrefix = speed ? "Tinier" : "Tiny",
             .units = {{"Text4", speed ? Unit::Second : Unit::Metre}}};
    if (speed)
        l.prompts << std::pair<QString, QString>("Text2", "Speed");
    if (first != Unit::None)
        l.units << std::pair<QString, Unit>("Text3", first);
    return l;
}

// A heading; two solve-for groups, the first three options two to a row, whose pair decides the
// layout through the layout hook; a line below the first row; a result in the wide-range form
// beside one by the result rule; a Clear that writes a default; Close leading the button row.
inline Definition pairedCalculator() {
    Definition d{.className = "frmTestPaired", .caption = "Paired"};
    d.heading = {"Label9", "Pick a pair."};
    d.inputs = {{"Text1", "Label1"}, {"Text2", "Label2"}};
    d.results = {{.label = "Label3", .box = "Text3", .format = ResultFormat::WideRange},
                 {.label = "Label4", .box = "Text4"}};
    d.lines = {{"Line1", "Text1"}};
    d.choices = {{.options = {{.caption = "A"}, {.caption = "B"}, {.caption = "C"}}, .perRow = 2},
                 {.frame = "Frame2", .options = {{.caption = "X"}, {.caption = "Y"}}}};
    d.layout = [](const Sheet& s) {
        const int first = s.selectedOption();
        return pairLayout(first == 1   ? Unit::Kilogram
                          : first == 2 ? Unit::Hertz
                                       : Unit::None,
                          s.chosen("Frame2") == 2);
    };
    for (Unit first : {Unit::Kilogram, Unit::Hertz, Unit::None})
        for (bool speed : {false, true})
            d.layouts.push_back(pairLayout(first, speed));
    d.solve = [](Sheet& s) {
        const num::Single tiny = s.single("Text1") * num::Single(1e-9f);
        s.showResult(tiny);
        s.showResult("Text4", tiny);
    };
    d.clear.then = [](Sheet& s) { s.setText("Text1", "1"); };
    d.buttons.order = {Standard::Close, Standard::Print, Standard::Clear, Standard::Ok};
    return d;
}

} // namespace testcalc
