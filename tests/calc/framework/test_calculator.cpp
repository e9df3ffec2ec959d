// The shared behaviour of calculator windows, on small calculators made for the test.

#include "calc/framework/calculator.h"
#include "recorders.h"
#include "uitest.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>

using namespace calc;

namespace {

Definition testCalculator() {
    Definition d{.className = "frmTestCalc", .caption = "Test"};
    d.inputs = {
        {"Text1", "Label1", Profile::K1, {}, "the first"},
        {"Text2", "Label2", Profile::K3e},
        {.box = "Text3", .label = "Label3", .disabledWhileHidden = true},
    };
    d.results = {{.label = "Label4", .box = "Text4"}};
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

Definition noOptionSelected() {
    Definition d = testCalculator();
    d.className = QStringLiteral("frmTestNoOption");
    d.choices.front().selectsFirstAtLoad = false;
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
    d.results = {{.label = "Label3", .box = "Text3", .unit = "Label6"}, {"Label11", "Text7", "Label12"}};
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

// A converter: no Ok, its buttons compute at once in rows of two, one with a fixed trap message;
// a unit label with a caption of its own; a setting whose click renames another option.
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
    d.layouts = {{.resultPrefix = "Half is "}};
    d.choices = {
        {.options = {{.caption = "Plain", .onClick = [](Sheet& w) { w.setOptionCaption(2, "Fancier"); }},
                     {.caption = "Fancy"}},
         .role = ChoiceGroup::Role::Setting,
         .clickEmptiesBoxes = false}};
    return d;
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
        registerCalculator(QStringLiteral("frmTestCalc"), testCalculator);
        registerCalculator(QStringLiteral("frmTestNoOption"), noOptionSelected);
        registerCalculator(QStringLiteral("frmTestRows"), rowsCalculator);
        registerCalculator(QStringLiteral("frmTestTypedOutputs"), typedOutputs);
        registerCalculator(QStringLiteral("frmTestConverter"), converterCalculator);
        registerStub(QStringLiteral("frmTestTopic"));
        registerStub(QStringLiteral("frmHelp"));
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

    void loadDefaults() {
        QCOMPARE(w->windowTitle(), QStringLiteral("Test"));
        QVERIFY(w->option(1)->isChecked());
        QCOMPARE(w->label("Label1")->text(), QStringLiteral("First"));
        QCOMPARE(w->label("Label4")->text(), QStringLiteral("The sum is "));
        QVERIFY(!button("cmdOk")->isEnabled());
        QVERIFY(!button("cmdPrint")->isEnabled());
        QCOMPARE(box("Text1")->toolTip(), QStringLiteral("the first"));
        QCOMPARE(button("cmdHelp")->text(), QStringLiteral("?"));
        QCOMPARE(button("cmdHelp")->toolTip(), QStringLiteral("Press for help"));
        QVERIFY(button("cmdHelp")->font().bold());
        QCOMPARE(w->label("Label1")->alignment() & Qt::AlignRight, Qt::AlignRight);
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
        QVERIFY(button("cmdOk")->isEnabled());
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
        // Selecting from code runs the click only when the selection changes.
        type(box("Text1"), "1");
        w->select(2);
        QCOMPARE(box("Text1")->text(), QStringLiteral("1"));
        w->select(1);
        QVERIFY(box("Text1")->text().isEmpty());
    }

    void optionClickLayout() {
        type(box("Text1"), "1");
        type(box("Text2"), "2");
        type(box("Text3"), "3");
        w->cmdOk_Click();
        QCOMPARE(box("Text4")->text(), QStringLiteral("6.000"));
        w->option(2)->click();
        for (const char* name : {"Text1", "Text2", "Text3", "Text4", "Text5"})
            QVERIFY2(box(name)->text().isEmpty(), name);
        QCOMPARE(w->label("Label1")->text(), QStringLiteral("Dividend"));
        QCOMPARE(w->label("Label3")->text(), QString());
        QVERIFY(!box("Text3")->isVisibleTo(w));
        QVERIFY(!box("Text3")->isEnabled());
        QCOMPARE(w->label("Label4")->text(), QStringLiteral("The quotient is "));
        w->option(1)->click();
        QVERIFY(box("Text3")->isVisibleTo(w));
        QVERIFY(box("Text3")->isEnabled());
    }

    void okComputesSelectedOption() {
        type(box("Text1"), "1.5");
        type(box("Text2"), "1E3");
        box("Text3")->setText("-0.5");
        QTest::keyClick(box("Text2"), Qt::Key_Return); // Enter presses Ok
        QCOMPARE(box("Text4")->text(), QStringLiteral("1,001.000"));
        QCOMPARE(box("Text5")->text(), QStringLiteral("1.5 + 1000 + -0.5"));
        QCOMPARE(box("Text1")->text(), QStringLiteral("1.5")); // the inputs stay as typed
    }

    void requiredBoxes() {
        type(box("Text1"), "1");
        w->cmdOk_Click();
        QCOMPARE(rec.messages.messages.size(), 1);
        const RecordedMessage m = rec.messages.take();
        QCOMPARE(m.text, QStringLiteral("Fill both."));
        QCOMPARE(m.title, QStringLiteral("Testing"));
        QCOMPARE(m.icon, platform::Icon::Information);
        // Blanks are not empty: they reach the trap as a type mismatch.
        box("Text2")->setText("  ");
        w->cmdOk_Click();
        QCOMPARE(rec.messages.take().text, QStringLiteral("Type mismatch"));
        QVERIFY(box("Text4")->text().isEmpty());
    }

    void errorTrapKeepsEarlierResult() {
        w->option(2)->click();
        type(box("Text1"), "1");
        type(box("Text2"), "4");
        w->cmdOk_Click();
        QCOMPARE(box("Text4")->text(), QStringLiteral("0.250"));
        box("Text2")->setText("0");
        w->cmdOk_Click();
        const RecordedMessage m = rec.messages.take();
        QCOMPARE(m.text, QStringLiteral("Division by zero"));
        QCOMPARE(m.title, QStringLiteral("Trap"));
        QCOMPARE(m.icon, platform::Icon::Information);
        QCOMPARE(box("Text4")->text(), QStringLiteral("0.250"));
    }

    void buttonsThatComputeAtOnce() {
        auto* c = static_cast<CalculatorWindow*>(windows::show(QStringLiteral("frmTestConverter")));
        const auto find = [c](const char* name) {
            return c->findChild<QPushButton*>(QString::fromLatin1(name));
        };
        QVERIFY(!find("cmdOk"));
        QCOMPARE(c->label("Label4")->text(), QStringLiteral("units"));
        QVERIFY(!find("cmdPrint")->isEnabled());
        c->box("Text1")->setText("4");
        QVERIFY(find("cmdPrint")->isEnabled());
        // Two to a row, above the standard row.
        QCOMPARE(find("cmdInverse")->y(), find("cmdHalf")->y());
        QVERIFY(find("cmdFocus")->y() > find("cmdHalf")->y());
        QVERIFY(find("cmdPrint")->y() > find("cmdFocus")->y());
        find("cmdHalf")->click();
        QCOMPARE(c->text("Text3"), QStringLiteral("2.000"));
        QCOMPARE(c->label("Label2")->text(), QStringLiteral("Half is "));
        // Enter presses nothing: there is no default button.
        QTest::keyClick(c->box("Text1"), Qt::Key_Return);
        QVERIFY(rec.messages.messages.isEmpty());
        c->box("Text1")->setText("0");
        find("cmdInverse")->click();
        const RecordedMessage m = rec.messages.take();
        QCOMPARE(m.text, QStringLiteral("No inverse."));
        QCOMPARE(m.title, QStringLiteral("Inverting"));
        QCOMPARE(m.icon, platform::Icon::Exclamation);
        QCOMPARE(c->text("Text3"), QStringLiteral("2.000"));
        find("cmdFocus")->click();
        QCOMPARE(c->focusWidget(), c->box("Text2"));
        // A renamed option keeps the width of its widest caption.
        const int width = c->option(2)->sizeHint().width();
        c->option(1)->click();
        QCOMPARE(c->option(2)->text(), QStringLiteral("Fancier"));
        c->setOptionCaption(2, "F");
        QVERIFY(c->option(2)->minimumWidth() >= width);
    }

    void noOptionSelectedComputesNothing() {
        auto* other = static_cast<CalculatorWindow*>(windows::show(QStringLiteral("frmTestNoOption")));
        QCOMPARE(other->selectedOption(), 0);
        other->box("Text1")->setText("1");
        other->box("Text2")->setText("2");
        other->cmdOk_Click();
        QVERIFY(other->box("Text4")->text().isEmpty());
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

    void clearKeepsOption() {
        w->option(2)->click();
        type(box("Text1"), "1");
        type(box("Text2"), "2");
        w->cmdOk_Click();
        w->cmdClear_Click();
        QVERIFY(box("Text1")->text().isEmpty());
        QVERIFY(box("Text4")->text().isEmpty());
        QVERIFY(w->option(2)->isChecked());
        QCOMPARE(w->label("Label1")->text(), QStringLiteral("Dividend"));
        QCOMPARE(w->focusWidget(), box("Text1"));
    }

    void closeShowsTopicWindow() {
        QTest::keyClick(box("Text1"), Qt::Key_Escape);
        settle();
        QVERIFY(!windows::find(QStringLiteral("frmTestCalc")));
        QVERIFY(windows::find(QStringLiteral("frmTestTopic")));
        QVERIFY(windows::find(QStringLiteral("frmTestTopic"))->isVisible());
    }

    void printAndHelp() {
        type(box("Text1"), "1");
        w->cmdPrint_Click();
        QCOMPARE(rec.printer.printed.value(QStringLiteral("frmTestCalc")), 1);
        w->cmdHelp_Click();
        const RecordedMessage m = rec.messages.take();
        QCOMPARE(m.text, QStringLiteral("Part one. Part two. "));
        QCOMPARE(m.icon, platform::Icon::Information);
        QCOMPARE(m.title, QStringLiteral("Quellorin"));
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

    void f1OpensHelpFromAnyBox() {
        QTest::keyClick(box("Text3"), Qt::Key_F1);
        QVERIFY(windows::find(QStringLiteral("frmHelp")));
        QVERIFY(windows::find(QStringLiteral("frmTestCalc"))); // the calculator stays
    }

    // Rows of more than one box, units, second results, captions per option, and a Clear that
    // keeps the option's layout.
    // Output boxes are read-only unless given a filter; with one they take what it accepts.
    void typedOutputBoxes() {
        QVERIFY(box("Text4")->isReadOnly() && box("Text5")->isReadOnly());
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
        // Ok writes over what was typed; Clear puts the cursor in the formula box.
        t->setText("Text2", "4");
        t->cmdOk_Click();
        QCOMPARE(t->text("Text6"), QStringLiteral("4.000"));
        t->box("Text2")->setFocus();
        t->cmdClear_Click();
        QVERIFY(t->text("Text1").isEmpty() && t->text("Text6").isEmpty());
        QCOMPARE(t->focusWidget(), t->box("Text1"));
    }

    void rowsAndCaptions() {
        auto* r = static_cast<CalculatorWindow*>(windows::show(QStringLiteral("frmTestRows")));
        // Ok and Print work from the start; there is no "?" button and F1 opens nothing.
        QVERIFY(r->findChild<QPushButton*>(QStringLiteral("cmdOk"))->isEnabled());
        QVERIFY(r->findChild<QPushButton*>(QStringLiteral("cmdPrint"))->isEnabled());
        QVERIFY(!r->findChild<QPushButton*>(QStringLiteral("cmdHelp")));
        QTest::keyClick(r->box("Text1"), Qt::Key_F1);
        QVERIFY(!windows::find(QStringLiteral("frmHelp")));

        // The angle box stands on the first box's row, to its right.
        QCOMPARE(r->box("Text5")->y(), r->box("Text1")->y());
        QVERIFY(r->box("Text5")->x() > r->box("Text1")->x());
        QVERIFY(r->box("Text2")->y() > r->box("Text1")->y());
        QVERIFY(!r->isShown("Text5"));
        QVERIFY(!r->isShown("Text7"));
        QCOMPARE(r->label("Label6")->text(), QStringLiteral("units"));
        QCOMPARE(r->label("Label11")->text(), QString());
        const QSize size = r->size();

        r->select(2);
        QVERIFY(r->isShown("Text5"));
        QVERIFY(r->isShown("Text7"));
        QCOMPARE(r->label("Label4")->text(), QStringLiteral("Angle"));
        QCOMPARE(r->label("Label6")->text(), QString()); // not named by this option: emptied
        QCOMPARE(r->label("Label12")->text(), QStringLiteral("degrees"));
        QCOMPARE(r->size(), size); // captions changing do not resize the window
        r->setText("Text1", "2");
        r->setText("Text5", "30");
        r->cmdOk_Click();
        QCOMPARE(r->text("Text3"), QStringLiteral("2.000"));
        QCOMPARE(r->text("Text7"), QStringLiteral("30.000"));

        // Clear empties everything and keeps this option's layout; the focus stays where it was.
        r->box("Text2")->setFocus();
        r->setText("Text2", "5");
        r->cmdClear_Click();
        QVERIFY(r->option(2)->isChecked());
        QVERIFY(r->text("Text1").isEmpty() && r->text("Text7").isEmpty() && r->text("Text2").isEmpty());
        QVERIFY(r->isShown("Text5"));
        QCOMPARE(r->label("Label11")->text(), QStringLiteral("The other is"));
        QCOMPARE(r->focusWidget(), r->box("Text2"));
    }
};

QUELLORIN_TEST_MAIN(TestCalculator)
#include "test_calculator.moc"
