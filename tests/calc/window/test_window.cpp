// What only a calculator's window has, on small calculators made for the test: placement of its
// controls, the enabling of Ok and Print by typing, key filters, arrow keys, Enter, Close, Print
// and F1.

#include "../framework/testcalculators.h"
#include "calc/window/calculator.h"
#include "recorders.h"
#include "ui/accesskeys.h"
#include "uitest.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

using namespace calc;
using namespace testcalc;

class TestWindow : public QObject {
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

    void windowAtLoad() {
        QCOMPARE(w->windowTitle(), QStringLiteral("Test"));
        QVERIFY(!button("cmdOk")->isEnabled());
        QVERIFY(!button("cmdPrint")->isEnabled());
        QCOMPARE(box("Text1")->toolTip(), QStringLiteral("the first"));
        QCOMPARE(accesskeys::caption(button("cmdHelp")), QStringLiteral("?"));
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
        QCOMPARE(accesskeys::caption(c->option(2)), QStringLiteral("Fancier"));
        c->setOptionCaption(2, "F");
        QVERIFY(c->option(2)->minimumWidth() >= width);
    }

    void headingAndLine() {
        auto* p = static_cast<CalculatorWindow*>(windows::show(QStringLiteral("frmTestPaired")));
        QCOMPARE(p->label("Label9")->text(), QStringLiteral("Pick a pair."));
        QVERIFY(p->label("Label9")->wordWrap());
        QCOMPARE(p->findChild<QFrame*>(QStringLiteral("Line1"))->frameShape(), QFrame::HLine);
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
        // Editing shortcuts are no typing: they pass the filter.
        QTest::keyClick(box("Text1"), Qt::Key_C, Qt::ControlModifier);
        QVERIFY(rec.messages.messages.isEmpty());
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

    // A result's unit stands right of its box, on its line, and is the box's description.
    void unitBesideResult() {
        const QRect unit = w->label("Text4Unit")->geometry(), result = box("Text4")->geometry();
        QVERIFY(unit.left() > result.right() && qAbs(unit.center().y() - result.center().y()) <= 1);
        QCOMPARE(w->label("Text4Unit")->text(), QStringLiteral("J"));
        QCOMPARE(box("Text4")->accessibleDescription(), QStringLiteral("J"));
        w->option(2)->click();
        QCOMPARE(box("Text4")->accessibleDescription(), QString());
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
        r->runtime().select(2);
        QCOMPARE(r->label("Label12")->text(), QStringLiteral("degrees"));
        QCOMPARE(r->size(), size);
        // Clear leaves the focus where it was.
        r->box("Text2")->setFocus();
        r->cmdClear_Click();
        QCOMPARE(r->focusWidget(), r->box("Text2"));
    }
};

QUELLORIN_TEST_MAIN(TestWindow)
#include "test_window.moc"
