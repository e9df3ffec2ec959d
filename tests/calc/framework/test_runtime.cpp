// What every calculator does, whatever shows it, on small calculators made for the test run
// without a window: load, option clicks and layouts, Ok's checks and formulas under the error trap,
// Clear, units; and the mistakes a declaration can make.

#include "calc/framework/headless.h"
#include "calc/framework/problems.h"
#include "icons.h"
#include "testcalculators.h"

#include <QTest>

#include <functional>
#include <vector>

using namespace calc;
using namespace testcalc;

namespace {

// The messages said since the last look, one line each: "title: text [icon]".
QStringList said(HeadlessCalculator& s) {
    QStringList lines;
    for (const Message& m : std::as_const(s.messages))
        lines << m.title + ": " + m.text + " [" + iconName(m.icon) + "]";
    s.messages.clear();
    return lines;
}
// Declarations spoilt one way each, and the mistake problems() finds in them (none for the sound
// ones).
struct Spoilt {
    const char* name;
    std::function<void(Definition&)> spoil;
    QStringList found;
};
const std::vector<Spoilt>& spoilt() {
    static const std::vector<Spoilt> all = {
        {"sound", [](Definition&) {}, {}},
        {"a line below a row of extra buttons",
         [](Definition& d) {
             d.buttons.more = {{"cmdTan", "Tan"}};
             d.buttons.morePerRow = 1;
             d.lines = {{"Line1", "cmdTan"}};
         },
         {}},
        {"a layout hook without its list",
         [](Definition& d) { d.layout = [](const Sheet&) { return Layout{}; }; },
         {"a layout hook without the list of the layouts it gives"}},
        {"a prompt for a result box",
         [](Definition& d) {
             d.choices[0].options[1].layout.prompts << std::pair<QString, QString>("Text4", "Four");
         },
         {"a layout prompts \"Four\" for Text4, which is not an input box"}},
        {"a caption for no label",
         [](Definition& d) {
             d.layouts = {{.captions = {{"Label99", "units"}}}};
         },
         {"a layout captions Label99, which is not a label"}},
        {"a hidden result that is no box",
         [](Definition& d) { d.choices[0].options[0].layout.hiddenResults = {"Text99"}; },
         {"a layout hides Text99, which is not a box"}},
        {"a shown box that is no box",
         [](Definition& d) {
             d.choices[0].options[0].layout.shown = QStringList{"Text1", "Text99"};
         },
         {"a layout shows Text99, which is not a box"}},
        {"a line below the formula box",
         [](Definition& d) {
             d.lines = {{"Line1", "Text5"}};
         },
         {"the line Line1 follows Text5, which is neither a box nor an extra button in a row of its own"}},
        {"a line below an extra button of the standard row",
         [](Definition& d) {
             d.buttons.more = {{"cmdTan", "Tan"}};
             d.lines = {{"Line1", "cmdTan"}};
         },
         {"the line Line1 follows cmdTan, which is neither a box nor an extra button in a row of its own"}},
        {"a unit for an input box",
         [](Definition& d) {
             d.choices[0].options[1].layout.units = {{"Text1", Unit::Metre}};
         },
         {"a layout gives a unit to Text1, which is not a result box"}},
        {"a magnitude that is a result",
         [](Definition& d) { d.choices[0].options[1].layout.magnitudes = {"Text4"}; },
         {"a layout marks Text4 as a magnitude, which is not an input box"}},
        {"a unit both on the row and in a layout",
         [](Definition& d) { d.results[0].unit = Unit::Watt; },
         {"a layout gives a unit to Text4, which has a unit of its own"}},
        {"a cursor for Clear in no box",
         [](Definition& d) { d.clear.focus = QStringLiteral("Label1"); },
         {"Clear puts the cursor in Label1, which is not a box"}},
        {"a group starting with an option it lacks",
         [](Definition& d) { d.choices[0].chosenAtLoad = 3; },
         {"the group Frame1 starts with option 3 of 2"}},
        {"a group named besides its frame",
         [](Definition& d) { d.choices[0].name = QStringLiteral("Kind"); },
         {"the group Frame1 is also named Kind"}},
        {"two groups of one name",
         [](Definition& d) { d.choices.push_back({.options = {{"Z"}}}); },
         {"two groups are named Frame1"}},
    };
    return all;
}
} // namespace

class TestRuntime : public QObject {
    Q_OBJECT

  private slots:

    void loadAndSelect() {
        HeadlessCalculator s(testCalculator());
        QVERIFY(s.isSelected(1) && !s.isSelected(2));
        QCOMPARE(s.caption("Label1"), QStringLiteral("First"));
        QCOMPARE(s.caption("Label4"), QStringLiteral("The sum is "));
        QCOMPARE(s.focus(), QStringLiteral("Text1"));
        QVERIFY(!s.commandsEnabled());
        s.setText("Text1", "1");
        // Selecting from code runs the click only when the selection changes; a click always does.
        s.select(1);
        QCOMPARE(s.text("Text1"), QStringLiteral("1"));
        s.click(1);
        QVERIFY(s.text("Text1").isEmpty());
        s.setText("Text1", "1");
        s.select(2);
        QVERIFY(s.text("Text1").isEmpty());
        QCOMPARE(s.caption("Label1"), QStringLiteral("Dividend"));
        QVERIFY(s.commandsEnabled());
    }

    void optionClickLayout() {
        HeadlessCalculator s(testCalculator());
        for (const char* name : {"Text1", "Text2", "Text3"})
            s.setText(name, "2");
        s.ok();
        QCOMPARE(s.text("Text4"), QStringLiteral("6.000"));
        QCOMPARE(s.text("Text5"), QStringLiteral("2 + 2 + 2"));
        s.click(2);
        for (const char* name : {"Text1", "Text2", "Text3", "Text4", "Text5"})
            QVERIFY2(s.text(name).isEmpty(), name);
        QCOMPARE(s.caption("Label1"), QStringLiteral("Dividend"));
        QCOMPARE(s.caption("Label3"), QString());
        QVERIFY(!s.isShown("Text3") && !s.isEnabled("Text3"));
        QCOMPARE(s.caption("Label4"), QStringLiteral("The quotient is "));
        s.click(1);
        QVERIFY(s.isShown("Text3") && s.isEnabled("Text3"));
    }

    // Where the options keep the inputs, a click that changes what is solved for, in either of two
    // groups, still takes the old answer and its worked formula away; a click on the option
    // already selected, or on a setting, changes no question and keeps them.
    void keptInputsLoseTheOldAnswer() {
        Definition d = testCalculator();
        d.choices.front().clickEmptiesBoxes = false;
        HeadlessCalculator s(std::move(d));
        for (const char* name : {"Text1", "Text2", "Text3"})
            s.setText(name, "2");
        s.ok();
        s.click(1);
        QCOMPARE(s.text("Text4") + " | " + s.text("Text5"), QStringLiteral("6.000 | 2 + 2 + 2"));
        s.click(2);
        QCOMPARE(s.text("Text1") + s.text("Text2") + s.text("Text3") + " | " + s.text("Text4") +
                     s.text("Text5"),
                 QStringLiteral("222 | "));

        Definition paired = pairedCalculator();
        for (ChoiceGroup& group : paired.choices)
            group.clickEmptiesBoxes = false;
        HeadlessCalculator p(std::move(paired));
        p.setText("Text1", "5");
        p.ok();
        p.click(5);
        QCOMPARE(p.text("Text1") + " | " + p.text("Text3") + p.text("Text4"), QStringLiteral("5 | "));

        HeadlessCalculator c(converterCalculator());
        c.setText("Text1", "4");
        c.press("cmdHalf");
        c.click(2);
        QCOMPARE(c.text("Text3"), QStringLiteral("2.000"));
    }

    // The checks first; a failure reaches the trap, and what was shown before it stays. A message
    // about one box puts the cursor in it; a failure of the formula leaves the cursor alone.
    void checksAndErrorTrap() {
        HeadlessCalculator s(testCalculator());
        s.setText("Text1", "1");
        s.ok();
        QCOMPARE(said(s), QStringList{"Testing: Fill both. [info]"});
        QCOMPARE(s.focus(), QStringLiteral("Text2"));
        s.setText("Text2", "  "); // blanks are not empty: they are not a number
        s.focusBox("Text1");
        s.ok();
        QCOMPARE(said(s),
                 QStringList{"Trap: " + num::describe(num::Failure::NotANumber, "  ", "Second") + " [info]"});
        QCOMPARE(s.focus(), QStringLiteral("Text2"));
        s.click(2);
        s.setText("Text1", "1");
        s.setText("Text2", "4");
        s.ok();
        QCOMPARE(s.text("Text4"), QStringLiteral("0.250"));
        s.setText("Text2", "0");
        s.focusBox("Text1");
        s.ok();
        QCOMPARE(said(s), QStringList{"Trap: " + num::describe(num::Failure::DivisionByZero) + " [info]"});
        QCOMPARE(s.text("Text4"), QStringLiteral("0.250"));
        QCOMPARE(s.focus(), QStringLiteral("Text1"));
    }

    void noOptionSelectedComputesNothing() {
        Definition d = testCalculator();
        d.choices.front().chosenAtLoad = 0;
        HeadlessCalculator s(std::move(d));
        QCOMPARE(s.selectedOption(), 0);
        s.setText("Text1", "1");
        s.setText("Text2", "2");
        s.ok();
        QVERIFY(s.text("Text4").isEmpty());
        QVERIFY(s.messages.isEmpty());
    }

    void clearKeepsOption() {
        HeadlessCalculator s(testCalculator());
        s.click(2);
        s.setText("Text1", "1");
        s.setText("Text2", "2");
        s.ok();
        s.focusBox("Text2");
        s.clear();
        QVERIFY(s.text("Text1").isEmpty() && s.text("Text4").isEmpty());
        QVERIFY(s.isSelected(2));
        QCOMPARE(s.caption("Label1"), QStringLiteral("Dividend"));
        QCOMPARE(s.focus(), QStringLiteral("Text1"));
        s.help();
        QCOMPARE(said(s), QStringList{"Quellorin: Part one. Part two.  [info]"});
    }

    // Units, second results and captions per option, and a Clear that keeps the option's layout
    // and leaves the cursor where it was.
    void rowsAndCaptions() {
        HeadlessCalculator r(rowsCalculator());
        QVERIFY(r.commandsEnabled());
        QVERIFY(!r.isShown("Text5") && !r.isShown("Text7"));
        QCOMPARE(r.caption("Label6"), QStringLiteral("units"));
        QCOMPARE(r.caption("Label11"), QString());
        r.select(2);
        QVERIFY(r.isShown("Text5") && r.isShown("Text7"));
        QCOMPARE(r.caption("Label4"), QStringLiteral("Angle"));
        QCOMPARE(r.caption("Label6"), QString()); // not named by this option: emptied
        QCOMPARE(r.caption("Label12"), QStringLiteral("degrees"));
        r.setText("Text1", "2");
        r.setText("Text5", "30");
        r.ok();
        QCOMPARE(r.text("Text3"), QStringLiteral("2.000"));
        QCOMPARE(r.text("Text7"), QStringLiteral("30.000"));
        r.focusBox("Text2");
        r.clear();
        QVERIFY(r.isSelected(2) && r.text("Text1").isEmpty() && r.text("Text7").isEmpty());
        QVERIFY(r.isShown("Text5"));
        QCOMPARE(r.caption("Label11"), QStringLiteral("The other is"));
        QCOMPARE(r.focus(), QStringLiteral("Text2"));
    }

    // A result's unit follows the selection, in the label after its box and as the box's
    // description. A row with a unit label of its own gets no second one; a hidden row has none;
    // with two groups, the layout the hook gives for the pair decides.
    void unitsFollowTheOption() {
        HeadlessCalculator s(testCalculator());
        QCOMPARE(s.caption("Text4Unit"), QStringLiteral("J"));
        QCOMPARE(s.description("Text4"), QStringLiteral("J"));
        s.click(2);
        QCOMPARE(s.caption("Text4Unit"), QString());
        QCOMPARE(s.description("Text4"), QString());

        HeadlessCalculator r(rowsCalculator());
        QVERIFY(!labelNames(r.definition()).contains("Text3Unit"));
        QCOMPARE(r.caption("Label6"), QStringLiteral("units"));
        QCOMPARE(r.description("Text3"), QStringLiteral("N"));
        QCOMPARE(r.description("Text7"), QString());
        r.select(2);
        QCOMPARE(r.description("Text7"), QStringLiteral("\u00b0"));

        HeadlessCalculator p(pairedCalculator());
        QCOMPARE(p.caption("Text3Unit"), QStringLiteral("kg"));
        QCOMPARE(p.caption("Text4Unit"), QStringLiteral("m"));
        p.select(5);
        p.select(2);
        QCOMPARE(p.caption("Text3Unit"), QStringLiteral("Hz"));
        QCOMPARE(p.caption("Text4Unit"), QStringLiteral("s"));
        p.select(3);
        QCOMPARE(p.caption("Text3Unit"), QString());
    }

    // Ok writes over what was typed into a result box; Clear puts the cursor in the box it names.
    void typedOutputsAndClearCursor() {
        HeadlessCalculator t(typedOutputs());
        t.setText("Text6", "-1.5E+2");
        t.setText("Text2", "4");
        t.ok();
        QCOMPARE(t.text("Text6"), QStringLiteral("4.000"));
        t.focusBox("Text2");
        t.clear();
        QCOMPARE(t.focus(), QStringLiteral("Text1"));
    }

    // Extra buttons under their own traps; a setting's click keeps the boxes and renames an option.
    void buttonsThatComputeAtOnce() {
        HeadlessCalculator c(converterCalculator());
        QCOMPARE(c.caption("Label4"), QStringLiteral("units"));
        c.setText("Text1", "4");
        QVERIFY(c.commandsEnabled());
        c.press("cmdHalf");
        QCOMPARE(c.text("Text3"), QStringLiteral("2.000"));
        QCOMPARE(c.caption("Label2"), QStringLiteral("Half is "));
        c.setText("Text1", "0");
        c.press("cmdInverse");
        QCOMPARE(said(c), QStringList{"Inverting: No inverse. [warning]"});
        QCOMPARE(c.text("Text3"), QStringLiteral("2.000"));
        c.press("cmdFocus");
        QCOMPARE(c.focus(), QStringLiteral("Text2"));
        c.click(1);
        QCOMPARE(c.text("Text1"), QStringLiteral("0"));
        QCOMPARE(c.optionCaption(2), QStringLiteral("Fancier"));
    }

    // The layout hook decides from both groups.
    void layoutHook() {
        HeadlessCalculator s(pairedCalculator());
        QVERIFY(s.isSelected(1) && s.isSelected(4));
        QVERIFY(!s.isShown("Text2"));
        QCOMPARE(s.caption("Label3"), QStringLiteral("Tiny"));
        s.click(5);
        QVERIFY(s.isSelected(1) && s.isShown("Text2"));
        QCOMPARE(s.caption("Label2"), QStringLiteral("Speed"));
        s.click(2);
        QVERIFY(s.isShown("Text2"));
        QCOMPARE(s.caption("Label3"), QStringLiteral("Tinier"));
        s.click(4);
        QVERIFY(!s.isShown("Text2"));
    }

    // Formulas name a group by its frame, or by its own name where it has none, and an option by
    // its place in its group; an unnamed group is the first.
    void optionsByGroup() {
        Definition d = pairedCalculator();
        d.choices[0].frame.clear();
        d.choices[0].name = QStringLiteral("Kind");
        HeadlessCalculator s(std::move(d));
        Sheet& w = s.sheet();
        QCOMPARE(QString::number(w.chosen("Kind")) + QString::number(w.chosen("Frame2")),
                 QStringLiteral("11"));
        w.select("Frame2", 2);
        QVERIFY(s.isSelected(1) && s.isSelected(5) && s.isShown("Text2"));
        w.select(3);
        QCOMPARE(w.chosen("Kind"), 3);
        w.setOptionEnabled("Frame2", 1, false);
        w.setOptionCaption("Kind", 1, "Alpha");
        QVERIFY(!s.isOptionEnabled(4) && s.isOptionEnabled(3));
        QCOMPARE(s.optionCaption(1), QStringLiteral("Alpha"));
    }

    void wideRangeResult() {
        HeadlessCalculator s(pairedCalculator());
        s.setText("Text1", "5");
        s.ok();
        QCOMPARE(s.text("Text3"), QStringLiteral("5.000E-09"));
        QCOMPARE(s.text("Text4"), QStringLiteral("0.000")); // the result rule
    }

    // Ok and Print wait for the first input box: Text1 wherever the tab order puts it, else the
    // first input (where Text1 is the worked-formula box). Clear puts the cursor there, then does
    // what the declaration adds.
    void firstBoxAndClearThen() {
        Definition d = testCalculator();
        std::swap(d.inputs[0], d.inputs[1]);
        HeadlessCalculator s(std::move(d));
        QCOMPARE(s.focus(), QStringLiteral("Text2")); // the first of the tab order
        s.setText("Text2", "5");
        QVERIFY(!s.commandsEnabled());
        s.setText("Text1", "5");
        QVERIFY(s.commandsEnabled());
        s.clear();
        QCOMPARE(s.focus(), QStringLiteral("Text1"));

        HeadlessCalculator t(typedOutputs());
        t.setText("Text2", "4");
        QVERIFY(t.commandsEnabled());

        HeadlessCalculator p(pairedCalculator());
        QCOMPARE(p.caption("Label9"), QStringLiteral("Pick a pair."));
        p.setText("Text1", "5");
        p.ok();
        p.clear();
        QCOMPARE(p.text("Text1"), QStringLiteral("1"));
        QVERIFY(p.text("Text3").isEmpty());
    }

    // The mistakes a declaration can make.

    void problems_data() {
        QTest::addColumn<int>("row");
        for (size_t i = 0; i < spoilt().size(); ++i)
            QTest::newRow(spoilt()[i].name) << int(i);
    }
    void problems() {
        QFETCH(int, row);
        Definition d = testCalculator();
        spoilt()[size_t(row)].spoil(d);
        QCOMPARE(calc::problems(d), spoilt()[size_t(row)].found);
    }
};

QTEST_GUILESS_MAIN(TestRuntime)
#include "test_runtime.moc"
