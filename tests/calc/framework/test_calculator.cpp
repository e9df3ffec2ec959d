// The shared behaviour of calculators, on small calculators made for the test: what a calculator
// does, on the in-memory sheet; the mistakes a declaration can make; and what only the window
// has (placement, key filters, the enabling of Ok and Print by typing, Close, Print, F1).

#include "calc/framework/calculator.h"
#include "calc/framework/memorysheet.h"
#include "calc/framework/problems.h"
#include "recorders.h"
#include "uitest.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <functional>
#include <vector>

using namespace calc;

namespace {

Definition testCalculator() {
    Definition d{.className = "frmTestCalc", .caption = "Test"};
    d.inputs = {
        {"Text1", "Label1", Profile::K1, {}, "the first"},
        {"Text2", "Label2", Profile::K3e},
        {.box = "Text3", .label = "Label3", .disabledWhileHidden = true},
    };
    d.results = {{.label = "Label4", .box = "Text4", .units = {Unit::Joule, Unit::None}}};
    d.formulaBox = QStringLiteral("Text5");
    d.choices = {{.options = {
                      {"Sum",
                       {{{"Text1", "First"}, {"Text2", "Second"}, {"Text3", "Third"}}, "The sum is "},
                       [](Sheet& w) {
                           const num::Single a = w.single("Text1"), b = w.single("Text2"),
                                             c = w.single("Text3");
                           w.showResult(a + b + c);
                           w.showFormula(num::plain(a) + " + " + num::plain(b) + " + " + num::plain(c));
                       }},
                      {"Quotient",
                       {{{"Text1", "Dividend"}, {"Text2", "Divisor"}}, "The quotient is "},
                       [](Sheet& w) { w.showResult(w.single("Text1") / w.single("Text2")); }},
                  }}};
    d.checks = {required({"Text1", "Text2"}, {"Fill both.", "Testing", Icon::Information})};
    d.trap = {"Trap", Icon::Information};
    d.close.show = QStringLiteral("frmTestTopic");
    d.help.text = QStringLiteral("Part one. ") + QStringLiteral("Part two. ");
    return d;
}

// Two boxes to a row, a unit after the result, a second result row, captions per option, and a
// Clear that puts the selected option's layout back.
Definition rowsCalculator() {
    Definition d{.className = "frmTestRows", .caption = "Rows"};
    d.inputs = {
        {"Text1", "Label1", Profile::K3},
        {.box = "Text5", .label = "Label4", .filter = Profile::K9, .place = Place::Beside},
        {"Text2", "Label2", Profile::K3},
    };
    d.results = {{.label = "Label3", .box = "Text3", .unit = "Label6", .units = {Unit::Newton}},
                 {.label = "Label11", .box = "Text7", .unit = "Label12", .units = {Unit::Degree}}};
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
                                  .captions = {{"Label11", "The other is"}, {"Label12", "degrees"}}},
                       .solve =
                           [](Sheet& w) {
                               w.showResult(w.single("Text1"));
                               w.showResult("Text7", w.single("Text5"));
                           }},
                  }}};
    d.clear = {.focusesFirstBox = false, .restoresLayout = true};
    d.help = {.button = false, .f1 = false};
    d.load.okEnabled = true;
    return d;
}

// Output boxes that take typing through a key filter, and a Clear that puts the cursor in the
// worked-formula box.
Definition typedOutputs() {
    Definition d{.className = "frmTestTypedOutputs", .caption = "Typed"};
    d.inputs = {{"Text2", "Label2", Profile::K13, "Count"}};
    d.results = {{.label = "Label5", .box = "Text6", .prefix = "Result", .filter = Profile::K13}};
    d.formulaBox = QStringLiteral("Text1");
    d.formulaFilter = Profile::K14;
    d.solve = [](Sheet& w) { w.showResult(w.single("Text2")); };
    d.clear.focus = QStringLiteral("Text1");
    return d;
}

// A converter: no Ok, its buttons compute at once in rows of two, one with a fixed trap message,
// a line below the first row of them; a unit label with a caption of its own; a setting whose
// click renames another option.
Definition converterCalculator() {
    Definition d{.className = "frmTestConverter", .caption = "Converter"};
    d.inputs = {{"Text1", "Label1", Profile::K3, "Value"}, {"Text2", "Label3", Profile::None, "Other"}};
    d.results = {{.label = "Label2", .box = "Text3", .unit = "Label4", .unitCaption = "units"}};
    const auto half = [](Sheet& w) {
        w.showResult(w.single("Text1") / num::Single(2));
        w.setCaption("Label2", "Half is ");
    };
    const auto inverse = [](Sheet& w) { w.showResult(num::Single(1) / w.single("Text1")); };
    d.buttons = {.more = {{"cmdHalf", "Half", half},
                          {"cmdInverse", "Inverse", inverse, {"Inverting", Icon::Exclamation, "No inverse."}},
                          {"cmdFocus", "Focus", [](Sheet& w) { w.focusBox("Text2"); }}},
                 .ok = false,
                 .morePerRow = 2};
    d.lines = {{"Line2", "cmdInverse"}};
    d.layouts = {{.resultPrefix = "Half is "}};
    d.choices = {
        {.options = {{.caption = "Plain", .onClick = [](Sheet& w) { w.setOptionCaption(2, "Fancier"); }},
                     {.caption = "Fancy"}},
         .role = ChoiceGroup::Role::Setting,
         .clickEmptiesBoxes = false}};
    return d;
}

// A heading; two solve-for groups, the first three options two to a row, whose pair decides the
// layout through the layout hook; a line below the first row; a result in the wide-range form
// beside one by the result rule; a box never shown; Ok enabled by the second box; a Clear that
// writes a default; Close leading the button row.
Definition pairedCalculator() {
    Definition d{.className = "frmTestPaired", .caption = "Paired"};
    d.heading = {"Label9", "Pick a pair."};
    d.inputs = {{"Text1", "Label1"}, {"Text2", "Label2"}};
    d.results = {{.label = "Label3",
                  .box = "Text3",
                  .format = ResultFormat::WideRange,
                  .units = {Unit::Kilogram, Unit::Hertz}},
                 {.label = "Label4",
                  .box = "Text4",
                  .units = {Unit::None, Unit::None, Unit::None, Unit::Metre, Unit::Second}}};
    d.lines = {{"Line1", "Text1"}};
    d.unusedBoxes = {"Text8"};
    d.choices = {{.options = {{"A"}, {"B"}, {"C"}}, .perRow = 2},
                 {.frame = "Frame2", .options = {{"X"}, {"Y"}}}};
    const Layout one{.prompts = {{"Text1", "Mass"}}, .resultPrefix = "Tiny"};
    const Layout two{.prompts = {{"Text1", "Mass"}, {"Text2", "Speed"}}, .resultPrefix = "Tinier"};
    d.layout = [one, two](const Sheet& s) { return s.isSelected(5) ? two : one; };
    d.layouts = {one, two};
    d.solve = [](Sheet& s) {
        const num::Single tiny = s.single("Text1") * num::Single(1e-9f);
        s.showResult(tiny);
        s.showResult("Text4", tiny);
    };
    d.load.firstBox = QStringLiteral("Text2");
    d.clear.then = [](Sheet& s) { s.setText("Text1", "1"); };
    d.buttons.closeLeads = true;
    return d;
}

// The messages said since the last look, one line each: "title: text [icon]".
QStringList said(MemorySheet& s) {
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
        {"a first box that is no box",
         [](Definition& d) { d.load.firstBox = QStringLiteral("Text9"); },
         {"the first box Text9 is not a box"}},
        {"more units than options",
         [](Definition& d) {
             d.results[0].units = {Unit::Joule, Unit::Metre, Unit::Second};
         },
         {"the result Text4 gives 3 units for 2 options"}},
        {"a cursor for Clear in no box",
         [](Definition& d) { d.clear.focus = QStringLiteral("Label1"); },
         {"Clear puts the cursor in Label1, which is not a box"}},
    };
    return all;
}

} // namespace

class TestCalculator : public QObject {
    Q_OBJECT

    RecordingPlatform rec;
    CalculatorWindow* w = nullptr;

    QLineEdit* box(const char* name) { return w->box(QString::fromLatin1(name)); }
    QPushButton* button(const char* name) { return w->findChild<QPushButton*>(QString::fromLatin1(name)); }
    void type(QWidget* target, const QString& text) {
        for (QChar c : text)
            QTest::keyClick(target, c.toLatin1());
    }

  private slots:
    void initTestCase() {
        using Define = Definition (*)();
        const std::pair<const char*, Define> calculators[] = {
            {"frmTestCalc", testCalculator},       {"frmTestRows", rowsCalculator},
            {"frmTestTypedOutputs", typedOutputs}, {"frmTestConverter", converterCalculator},
            {"frmTestPaired", pairedCalculator},
        };
        for (const auto& [name, define] : calculators)
            registerCalculator(QString::fromLatin1(name), define);
        registerStub(QStringLiteral("frmTestTopic"));
    }
    void init() {
        rec.messages.messages.clear();
        rec.printer.printed.clear();
        w = static_cast<CalculatorWindow*>(windows::show(QStringLiteral("frmTestCalc")));
        QVERIFY(w);
    }
    void cleanup() {
        windows::unloadAll();
        settle();
        QVERIFY2(rec.messages.messages.isEmpty(), qPrintable(rec.messages.messages.value(0).text));
    }

    // What a calculator does, on the in-memory sheet.

    void loadAndSelect() {
        MemorySheet s(testCalculator());
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
        MemorySheet s(testCalculator());
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
        MemorySheet s(std::move(d));
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
        MemorySheet p(std::move(paired));
        p.setText("Text1", "5");
        p.ok();
        p.click(5);
        QCOMPARE(p.text("Text1") + " | " + p.text("Text3") + p.text("Text4"), QStringLiteral("5 | "));

        MemorySheet c(converterCalculator());
        c.setText("Text1", "4");
        c.press("cmdHalf");
        c.click(2);
        QCOMPARE(c.text("Text3"), QStringLiteral("2.000"));
    }

    // The checks first; a failure reaches the trap, and what was shown before it stays. A message
    // about one box puts the cursor in it; a failure of the formula leaves the cursor alone.
    void checksAndErrorTrap() {
        MemorySheet s(testCalculator());
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
        d.choices.front().selectsFirstAtLoad = false;
        MemorySheet s(std::move(d));
        QCOMPARE(s.selectedOption(), 0);
        s.setText("Text1", "1");
        s.setText("Text2", "2");
        s.ok();
        QVERIFY(s.text("Text4").isEmpty());
        QVERIFY(s.messages.isEmpty());
    }

    void clearKeepsOption() {
        MemorySheet s(testCalculator());
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
        MemorySheet r(rowsCalculator());
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
    // with two groups, the last selected option the list of units reaches decides.
    void unitsFollowTheOption() {
        MemorySheet s(testCalculator());
        QCOMPARE(s.caption("Text4Unit"), QStringLiteral("J"));
        QCOMPARE(s.description("Text4"), QStringLiteral("J"));
        s.click(2);
        QCOMPARE(s.caption("Text4Unit"), QString());
        QCOMPARE(s.description("Text4"), QString());

        MemorySheet r(rowsCalculator());
        QVERIFY(!labelNames(r.definition()).contains("Text3Unit"));
        QCOMPARE(r.caption("Label6"), QStringLiteral("units"));
        QCOMPARE(r.description("Text3"), QStringLiteral("N"));
        QCOMPARE(r.description("Text7"), QString());
        r.select(2);
        QCOMPARE(r.description("Text7"), QStringLiteral("\u00b0"));

        MemorySheet p(pairedCalculator());
        QCOMPARE(p.caption("Text3Unit"), QStringLiteral("kg"));
        QCOMPARE(p.caption("Text4Unit"), QStringLiteral("m"));
        p.select(5);
        p.select(2);
        QCOMPARE(p.caption("Text3Unit"), QStringLiteral("Hz"));
        QCOMPARE(p.caption("Text4Unit"), QStringLiteral("s"));
        p.select(3);
        QCOMPARE(p.caption("Text3Unit"), QString());

        // In the window: right of the box, on its line.
        const QRect unit = w->label("Text4Unit")->geometry(), result = box("Text4")->geometry();
        QVERIFY(unit.left() > result.right() && qAbs(unit.center().y() - result.center().y()) <= 1);
        QCOMPARE(w->label("Text4Unit")->text(), QStringLiteral("J"));
        QCOMPARE(box("Text4")->accessibleDescription(), QStringLiteral("J"));
        w->option(2)->click();
        QCOMPARE(box("Text4")->accessibleDescription(), QString());
    }

    // Ok writes over what was typed into a result box; Clear puts the cursor in the box it names.
    void typedOutputsAndClearCursor() {
        MemorySheet t(typedOutputs());
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
        MemorySheet c(converterCalculator());
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

    // The layout hook decides from both groups; the box never shown stays hidden.
    void layoutHookAndUnusedBoxes() {
        MemorySheet s(pairedCalculator());
        QVERIFY(s.isSelected(1) && s.isSelected(4));
        QVERIFY(!s.isShown("Text2") && !s.isShown("Text8"));
        QCOMPARE(s.caption("Label3"), QStringLiteral("Tiny"));
        s.click(5);
        QVERIFY(s.isSelected(1) && s.isShown("Text2"));
        QCOMPARE(s.caption("Label2"), QStringLiteral("Speed"));
        s.click(2);
        QVERIFY(s.isShown("Text2") && !s.isShown("Text8"));
        QCOMPARE(s.caption("Label3"), QStringLiteral("Tinier"));
        s.click(4);
        QVERIFY(!s.isShown("Text2"));
    }

    void wideRangeResult() {
        MemorySheet s(pairedCalculator());
        s.setText("Text1", "5");
        s.ok();
        QCOMPARE(s.text("Text3"), QStringLiteral("5.000E-09"));
        QCOMPARE(s.text("Text4"), QStringLiteral("0.000")); // the result rule
    }

    // Ok waits for the box the definition names; Clear puts the cursor there, then writes its default.
    void firstBoxAndClearThen() {
        MemorySheet s(pairedCalculator());
        QCOMPARE(s.caption("Label9"), QStringLiteral("Pick a pair."));
        QCOMPARE(s.focus(), QStringLiteral("Text1"));
        s.setText("Text1", "5");
        QVERIFY(!s.commandsEnabled());
        s.setText("Text2", "5");
        QVERIFY(s.commandsEnabled());
        s.ok();
        s.clear();
        QCOMPARE(s.focus(), QStringLiteral("Text2"));
        QCOMPARE(s.text("Text1"), QStringLiteral("1"));
        QVERIFY(s.text("Text2").isEmpty() && s.text("Text3").isEmpty());
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

    // What only the window has.

    void windowAtLoad() {
        QCOMPARE(w->windowTitle(), QStringLiteral("Test"));
        QVERIFY(!button("cmdOk")->isEnabled());
        QVERIFY(!button("cmdPrint")->isEnabled());
        QCOMPARE(box("Text1")->toolTip(), QStringLiteral("the first"));
        QCOMPARE(button("cmdHelp")->text(), QStringLiteral("?"));
        QCOMPARE(button("cmdHelp")->toolTip(), QStringLiteral("Press for help"));
        QVERIFY(button("cmdHelp")->font().bold());
        QCOMPARE(w->label("Label1")->alignment() & Qt::AlignRight, Qt::AlignRight);
        QVERIFY(box("Text4")->isReadOnly() && box("Text5")->isReadOnly());
    }

    // Ok and Print wake up with the first change of the first box and stay awake.
    void enablingRule() {
        type(box("Text2"), "5");
        QVERIFY(!button("cmdOk")->isEnabled());
        type(box("Text1"), "1");
        QVERIFY(button("cmdOk")->isEnabled());
        QVERIFY(button("cmdPrint")->isEnabled());
        QTest::keyClick(box("Text1"), Qt::Key_Backspace);
        QVERIFY(box("Text1")->text().isEmpty());
        w->cmdClear_Click();
        w->option(2)->click();
        QVERIFY(button("cmdOk")->isEnabled());
        QVERIFY(button("cmdPrint")->isEnabled());
    }

    // A click on the option already selected runs its click again: the boxes are emptied.
    // Arrow keys moving the selection click the option they reach.
    void reclickAndArrowKeys() {
        type(box("Text1"), "1");
        w->option(1)->click();
        QVERIFY(box("Text1")->text().isEmpty());
        QVERIFY(w->option(1)->isChecked());
        type(box("Text1"), "1");
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w));
        w->option(1)->setFocus();
        QTest::keyClick(w->option(1), Qt::Key_Down);
        QVERIFY(w->option(2)->isChecked());
        QVERIFY(box("Text1")->text().isEmpty());
        QCOMPARE(w->label("Label1")->text(), QStringLiteral("Dividend"));
    }

    void enterPressesOk() {
        type(box("Text1"), "1.5");
        type(box("Text2"), "1E3");
        box("Text3")->setText("-0.5");
        QTest::keyClick(box("Text2"), Qt::Key_Return);
        QCOMPARE(box("Text4")->text(), QStringLiteral("1,001.000"));
        QCOMPARE(box("Text5")->text(), QStringLiteral("1.5 + 1000 + -0.5"));
        QCOMPARE(box("Text1")->text(), QStringLiteral("1.5")); // the inputs stay as typed
    }

    // Where things stand: "beside" (same top, to the right), "under" (same left, lower), "below"
    // (lower, wherever across).
    void placement_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("where");
        QTest::addColumn<QString>("b");
        const auto row = [](const char* window, const char* a, const char* where, const char* b) {
            QTest::addRow("%s %s %s %s", window, a, where, b)
                << QString::fromLatin1(window) << QString::fromLatin1(a) << QString::fromLatin1(where)
                << QString::fromLatin1(b);
        };
        row("frmTestCalc", "opt2", "under", "opt1");    // columns of up to four
        row("frmTestPaired", "opt2", "beside", "opt1"); // two to a row
        row("frmTestPaired", "opt3", "under", "opt1");
        row("frmTestCalc", "cmdCancel", "beside", "cmdPrint");
        row("frmTestCalc", "cmdOk", "beside", "cmdClear");
        row("frmTestPaired", "cmdPrint", "beside", "cmdCancel"); // Close leads
        row("frmTestPaired", "Line1", "below", "Text1");
        row("frmTestPaired", "Text2", "below", "Line1");
        row("frmTestConverter", "cmdInverse", "beside", "cmdHalf");
        row("frmTestConverter", "Line2", "below", "cmdHalf");
        row("frmTestConverter", "cmdFocus", "below", "Line2");
        row("frmTestConverter", "cmdPrint", "below", "cmdFocus");
        row("frmTestPaired", "Frame1", "below", "Label9"); // the heading across the top
        row("frmTestRows", "Text5", "beside", "Text1");
        row("frmTestRows", "Text2", "under", "Text1");
    }
    void placement() {
        QFETCH(QString, window);
        QFETCH(QString, a);
        QFETCH(QString, where);
        QFETCH(QString, b);
        Form* f = windows::show(window);
        const auto at = [f](const QString& name) {
            const auto* widget = f->findChild<QWidget*>(name);
            return widget ? widget->mapTo(f, QPoint()) : QPoint(-1, -1);
        };
        const QPoint pa = at(a), pb = at(b);
        QVERIFY(pa.x() >= 0 && pb.x() >= 0);
        if (where == "beside")
            QVERIFY(pa.y() == pb.y() && pa.x() > pb.x());
        else if (where == "under")
            QVERIFY(pa.x() == pb.x() && pa.y() > pb.y());
        else
            QVERIFY(pa.y() > pb.y());
    }

    // A window without Ok: the first box enables Print alone, and Enter presses nothing. A renamed
    // option keeps the width of its widest caption.
    void converterWindow() {
        auto* c = static_cast<CalculatorWindow*>(windows::show(QStringLiteral("frmTestConverter")));
        const auto find = [c](const char* name) {
            return c->findChild<QPushButton*>(QString::fromLatin1(name));
        };
        QVERIFY(!find("cmdOk"));
        QVERIFY(!find("cmdPrint")->isEnabled());
        c->box("Text1")->setText("4");
        QVERIFY(find("cmdPrint")->isEnabled());
        QTest::keyClick(c->box("Text1"), Qt::Key_Return);
        QVERIFY(c->text("Text3").isEmpty());
        find("cmdHalf")->click();
        QCOMPARE(c->text("Text3"), QStringLiteral("2.000"));
        const int width = c->option(2)->sizeHint().width();
        c->option(1)->click();
        QCOMPARE(c->option(2)->text(), QStringLiteral("Fancier"));
        c->setOptionCaption(2, "F");
        QVERIFY(c->option(2)->minimumWidth() >= width);
    }

    void headingAndLine() {
        auto* p = static_cast<CalculatorWindow*>(windows::show(QStringLiteral("frmTestPaired")));
        QCOMPARE(p->label("Label9")->text(), QStringLiteral("Pick a pair."));
        QVERIFY(p->label("Label9")->wordWrap());
        QCOMPARE(p->findChild<QFrame*>(QStringLiteral("Line1"))->frameShape(), QFrame::HLine);
        QVERIFY(!p->isShown("Text8"));
    }

    void keyFilter() {
        type(box("Text1"), "-1.5E+3");
        QCOMPARE(box("Text1")->text(), QStringLiteral("-1.5E+3"));
        QVERIFY(rec.messages.messages.isEmpty());
        for (char c : {'e', ',', 'x', ' ', '/'}) {
            QTest::keyClick(box("Text1"), c);
            const RecordedMessage m = rec.messages.take();
            QCOMPARE(m.text, QStringLiteral("You must enter a valid number"));
            QCOMPARE(m.title, QStringLiteral("Quellorin"));
            QCOMPARE(m.icon, platform::Icon::None);
        }
        QCOMPARE(box("Text1")->text(), QStringLiteral("-1.5E+3"));
        // Editing shortcuts send control characters, which are refused too.
        QTest::keyClick(box("Text1"), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(rec.messages.take().text, QStringLiteral("You must enter a valid number"));
        // Keys that send no character pass: the cursor moves and Delete deletes.
        QTest::keyClick(box("Text1"), Qt::Key_Left);
        QTest::keyClick(box("Text1"), Qt::Key_Delete);
        QCOMPARE(box("Text1")->text(), QStringLiteral("-1.5E+"));
        // The unfiltered box takes anything.
        type(box("Text3"), "abc");
        QCOMPARE(box("Text3")->text(), QStringLiteral("abc"));
    }

    void filterOnlyWhileEnabled() {
        QTest::keyClick(box("Text2"), 'q');
        QCOMPARE(rec.messages.take().text, QStringLiteral("You must enter a valid numerical expression"));
        box("Text2")->setEnabled(false);
        QTest::keyClick(box("Text2"), 'q');
        QVERIFY(rec.messages.messages.isEmpty());
    }

    void profiles_data() {
        QTest::addColumn<int>("profile");
        QTest::addColumn<QString>("accepted");
        QTest::addColumn<QString>("refused");
        QTest::addColumn<QString>("title");
        auto row = [](const char* name, Profile p, const char* acc, const char* ref, const char* title) {
            QTest::newRow(name) << int(p) << QString::fromLatin1(acc) << QString::fromLatin1(ref)
                                << QString::fromLatin1(title);
        };
        row("K1", Profile::K1, "0189.-+E", "e ,xX^", "Quellorin");
        row("K2", Profile::K2, "09.+E", "-e", "Quellorin");
        row("K4", Profile::K4, "09.+E", "-e", "Quellorin");
        row("K9", Profile::K9, "09.-", "+E", "Quellorin");
        row("K10", Profile::K10, "09.", "-+E", "Mean");
        row("K11", Profile::K11, "09", ".-", "Mean");
        row("K12", Profile::K12, "09.E", "-+", "Mean");
        row("K13", Profile::K13, ".-+E", "e", "Standard Deviation");
        row("K14", Profile::K14, ".-+E", "e", "Percent Error");
        row("K15", Profile::K15, " ^.+-Xx", "E", "Equations");
        row("K16", Profile::K16, " ^.+-EXx", "e", "Equations");
        row("K17", Profile::K17, " ^.+-E", "X", "Equations");
        row("K18", Profile::K18, " -.", "+^", "Equations");
        row("K19", Profile::K19, ".", "-", "Quellorin");
        row("K20", Profile::K20, ".-", "+", "Temperatures");
        row("K21", Profile::K21, ".-+E", "e", "Pythagorean");
        row("K22", Profile::K22, ".", "-", "Pythagorean");
        row("K23", Profile::K23, " ^.+-X", "xE", "Equations");
    }
    void profiles() {
        QFETCH(int, profile);
        QFETCH(QString, accepted);
        QFETCH(QString, refused);
        QFETCH(QString, title);
        const auto p = Profile(profile);
        QVERIFY(accepts(p, QChar(8)));
        QVERIFY(accepts(p, QChar(13)));
        for (QChar c : accepted)
            QVERIFY2(accepts(p, c), qPrintable(QString(c)));
        for (QChar c : refused)
            QVERIFY2(!accepts(p, c), qPrintable(QString(c)));
        QVERIFY(!accepts(p, QChar(22))); // Ctrl+V
        QCOMPARE(keyProfile(p).title, title);
    }

    void closeShowsTopicWindow() {
        QTest::keyClick(box("Text1"), Qt::Key_Escape);
        settle();
        QVERIFY(!windows::find(QStringLiteral("frmTestCalc")));
        QVERIFY(windows::find(QStringLiteral("frmTestTopic")));
        QVERIFY(windows::find(QStringLiteral("frmTestTopic"))->isVisible());
    }

    void print() {
        type(box("Text1"), "1");
        w->cmdPrint_Click();
        QCOMPARE(rec.printer.printed.value(QStringLiteral("frmTestCalc")), 1);
    }

    void printFailureIsReported() {
        struct NoPrinter : platform::Printer {
            bool printWindow(QWidget*, QString* error) override {
                *error = QStringLiteral("No printer.");
                return false;
            }
        } none;
        platform::setPrinter(&none);
        w->cmdPrint_Click();
        platform::setPrinter(&rec.printer);
        QCOMPARE(rec.messages.take().text, QStringLiteral("No printer."));
    }

    // F1 asks the program's help handler, from any box; without a handler it does nothing.
    void f1AsksForHelp() {
        QTest::keyClick(box("Text3"), Qt::Key_F1);
        QCOMPARE(windows::loaded(), QList<Form*>{w});
        QList<Form*> asked;
        windows::setHelpHandler([&asked](Form* from) { asked << from; });
        QTest::keyClick(box("Text3"), Qt::Key_F1);
        // A window without F1 does not ask.
        auto* r = static_cast<CalculatorWindow*>(windows::show(QStringLiteral("frmTestRows")));
        QTest::keyClick(r->box("Text1"), Qt::Key_F1);
        windows::setHelpHandler(nullptr);
        QCOMPARE(asked, QList<Form*>{w});
    }

    // Output boxes are read-only unless given a filter; with one they take what it accepts.
    void typedOutputBoxes() {
        auto* t = static_cast<CalculatorWindow*>(windows::show(QStringLiteral("frmTestTypedOutputs")));
        type(t->box("Text6"), "-1.5E+2");
        type(t->box("Text1"), "+3");
        QCOMPARE(t->text("Text6"), QStringLiteral("-1.5E+2"));
        QCOMPARE(t->text("Text1"), QStringLiteral("+3"));
        QTest::keyClick(t->box("Text6"), 'e');
        QCOMPARE(rec.messages.take().title, QStringLiteral("Standard Deviation"));
        QTest::keyClick(t->box("Text1"), 'e');
        QCOMPARE(rec.messages.take().title, QStringLiteral("Percent Error"));
        QCOMPARE(t->text("Text1"), QStringLiteral("+3"));
    }

    // Captions changing do not resize the window; without the "?" button there is none.
    void rowsWindow() {
        auto* r = static_cast<CalculatorWindow*>(windows::show(QStringLiteral("frmTestRows")));
        QVERIFY(r->findChild<QPushButton*>(QStringLiteral("cmdOk"))->isEnabled());
        QVERIFY(!r->findChild<QPushButton*>(QStringLiteral("cmdHelp")));
        const QSize size = r->size();
        r->select(2);
        QCOMPARE(r->label("Label12")->text(), QStringLiteral("degrees"));
        QCOMPARE(r->size(), size);
        // Clear leaves the focus where it was.
        r->box("Text2")->setFocus();
        r->cmdClear_Click();
        QCOMPARE(r->focusWidget(), r->box("Text2"));
    }
};

QUELLORIN_TEST_MAIN(TestCalculator)
#include "test_calculator.moc"
