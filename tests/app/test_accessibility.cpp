// What a screen reader finds in every window of the program: every input, result, button and list
// that is shown has a name, and a calculator's boxes are named by their prompts as the options
// change them; windows are frames named by their titles, read-only boxes are not editable, names
// hold no line breaks, and the main window's pictures are left out.

#include "calc/window/calculator.h"
#include "everywindow.h"
#include "ui/accessible.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSet>
#include <QVBoxLayout>

using namespace calc;

namespace {

// The roles of what a person types into, reads a result from, presses or picks from.
bool mustBeNamed(QAccessible::Role role) {
    switch (role) {
    case QAccessible::EditableText:
    case QAccessible::PushButton:
    case QAccessible::RadioButton:
    case QAccessible::CheckBox:
    case QAccessible::ComboBox:
    case QAccessible::SpinBox:
    case QAccessible::List:
    case QAccessible::Tree:
    case QAccessible::Table:
    case QAccessible::MenuItem:
        return true;
    default:
        return false;
    }
}

QString describe(QAccessibleInterface* iface) {
    const QObject* o = iface->object();
    const QString name =
        o && !o->objectName().isEmpty() ? o->objectName() : QStringLiteral("(unnamed object)");
    return QStringLiteral("%1 (%2, role 0x%3)")
        .arg(name, o ? QString::fromLatin1(o->metaObject()->className()) : QStringLiteral("-"))
        .arg(int(iface->role()), 0, 16);
}

// Walks the window's accessibility tree as assistive technology does, and lists every control
// that is shown and has no name. Hidden controls are skipped with what they hold; the items of a
// list or tree are named by their own texts.
void unnamedControls(QAccessibleInterface* iface, QStringList* out, QSet<int>* roles) {
    if (!iface || iface->state().invisible)
        return;
    const QAccessible::Role role = iface->role();
    if (roles)
        roles->insert(role);
    if (mustBeNamed(role) && iface->text(QAccessible::Name).trimmed().isEmpty())
        *out << describe(iface);
    if (role == QAccessible::List || role == QAccessible::Tree || role == QAccessible::Table)
        return;
    for (int i = 0; i < iface->childCount(); ++i)
        unnamedControls(iface->child(i), out, roles);
}

// What a screen reader would hear wrongly in the window: a window that is no frame named by its
// title, a name or description with a line break, a read-only box that says it can be edited, or
// an input box that says it cannot.
void presentationFaults(QAccessibleInterface* iface, QStringList* out) {
    if (!iface || iface->state().invisible)
        return;
    const auto fault = [&](const char* what) { *out << describe(iface) + QLatin1String(": ") + what; };
    for (QAccessible::Text t : {QAccessible::Name, QAccessible::Description})
        if (iface->text(t).contains(QLatin1Char('\n')) || iface->text(t).contains(QLatin1Char('\r')))
            fault("a line break in its name or description");
    if (auto* w = qobject_cast<QWidget*>(iface->object()); w && w->isWindow()) {
        if (iface->role() != QAccessible::Window)
            fault("a window that is not a frame");
        if (iface->text(QAccessible::Name).isEmpty() ||
            (!w->windowTitle().isEmpty() && iface->text(QAccessible::Name) != w->windowTitle()))
            fault("a window not named by its title");
    }
    if (auto* box = qobject_cast<QLineEdit*>(iface->object())) {
        if (box->isReadOnly() != (iface->state().readOnly && !iface->state().editable))
            fault(box->isReadOnly() ? "a read-only box that says it can be edited"
                                    : "an input box that says it is read-only");
        if (!iface->textInterface() ||
            iface->textInterface()->text(0, iface->textInterface()->characterCount()) != box->text())
            fault("a box whose text cannot be read");
    }
    for (int i = 0; i < iface->childCount(); ++i)
        presentationFaults(iface->child(i), out);
}

QStringList presentationFaults(QWidget* window) {
    QStringList out;
    presentationFaults(QAccessible::queryAccessibleInterface(window), &out);
    return out;
}

QStringList unnamedControls(QWidget* window, QSet<int>* roles = nullptr) {
    QStringList out;
    unnamedControls(QAccessible::queryAccessibleInterface(window), &out, roles);
    return out;
}

QString accessibleText(QWidget* w, QAccessible::Text text) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(w);
    return iface ? iface->text(text) : QString();
}

QString accessibleName(QWidget* w) {
    return accessibleText(w, QAccessible::Name);
}

} // namespace

class TestAccessibility : public QObject {
    Q_OBJECT

    RecordingPlatform rec;

  private slots:
    void initTestCase() { QVERIFY(prepareEveryWindow()); }
    void cleanup() {
        const QString message = unloadEveryWindow(rec);
        QVERIFY2(message.isEmpty(), qPrintable(message));
    }

    // The walk itself finds what it is there to find.
    void theWalkFindsUnnamedControls() {
        QWidget window;
        auto* layout = new QVBoxLayout(&window);
        auto* box = new QLineEdit(&window);
        box->setObjectName(QStringLiteral("Text1"));
        auto* button = new QPushButton(&window);
        button->setObjectName(QStringLiteral("cmdBlank"));
        layout->addWidget(box);
        layout->addWidget(button);
        window.show();
        QStringList found = unnamedControls(&window);
        QCOMPARE(found.size(), 2);
        QVERIFY(found[0].startsWith(QLatin1String("Text1 ")));
        QVERIFY(found[1].startsWith(QLatin1String("cmdBlank ")));

        auto* prompt = new QLabel(QStringLiteral("Enter the mass."), &window);
        layout->addWidget(prompt);
        prompt->setBuddy(box);
        button->setText(QStringLiteral("Ok"));
        QCOMPARE(unnamedControls(&window), QStringList());
        QCOMPARE(accessibleName(box), QStringLiteral("Enter the mass."));
        box->hide();
        prompt->setText(QString());
        QCOMPARE(unnamedControls(&window), QStringList());
    }

    // The keyboard's place is plain: the focused button of the main window carries a ring in the
    // highlight colour that the same button lacks without the focus.
    void theFocusedButtonShowsARing() {
        Form* main = windows::show(QStringLiteral("frmmain"));
        main->activateWindow();
        settle();
        QCOMPARE(QApplication::activeWindow(), main);
        auto* motion = main->findChild<QPushButton*>(QStringLiteral("cmdMotion"));
        auto* general = main->findChild<QPushButton*>(QStringLiteral("cmdGeneral"));
        const QColor highlight = motion->palette().color(QPalette::Highlight);
        const auto ringAt = [&](const QImage& image) {
            const int middle = image.height() / 2;
            return QColor(image.pixel(3, middle)) == highlight &&
                   QColor(image.pixel(image.width() - 4, middle)) == highlight &&
                   QColor(image.pixel(image.width() / 2, 3)) == highlight;
        };
        motion->setFocus(Qt::TabFocusReason);
        settle();
        QVERIFY(motion->hasFocus());
        QVERIFY(ringAt(motion->grab().toImage()));
        general->setFocus(Qt::TabFocusReason);
        settle();
        QVERIFY(!ringAt(motion->grab().toImage()));
        QVERIFY(ringAt(general->grab().toImage()));
    }

    // The walk finds a window that is no frame, a line break in a name and a box that lies about
    // being editable; names are made plain by folding their line breaks.
    void thePresentationWalkFindsFaults() {
        accessible::presentWindows();
        QWidget window;
        window.setWindowTitle(QStringLiteral("Plain"));
        auto* label = new QLabel(QStringLiteral("two\r\nlines"), &window);
        auto* input = new QLineEdit(&window);
        auto* output = new QLineEdit(&window);
        output->setReadOnly(true);
        // A box presented while it could be edited, and made read-only only afterwards.
        QVERIFY(QAccessible::queryAccessibleInterface(input)->state().editable);
        input->setReadOnly(true);
        window.show();
        const QStringList found = presentationFaults(&window);
        QCOMPARE(found.size(), 3);
        QVERIFY(found[0].contains(QLatin1String("not a frame")));
        QVERIFY(found[1].contains(QLatin1String("line break")));
        QVERIFY(found[2].contains(QLatin1String("says it can be edited")));
        accessible::plainName(label);
        QCOMPARE(accessibleName(label), QStringLiteral("two lines"));
    }

    void plainText_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("plain");
        QTest::newRow("one line") << "Enter the mass."
                                  << "Enter the mass.";
        QTest::newRow("CR LF") << "  The Physics\r\n          For High School"
                               << "The Physics For High School";
        QTest::newRow("LF CR with a space before") << "shown \n\rin the example"
                                                   << "shown in the example";
        QTest::newRow("several") << "a\n\rb\n\rc"
                                 << "a b c";
        QTest::newRow("spaces inside a line stay") << "the final  position"
                                                   << "the final  position";
        QTest::newRow("at the end") << "last\r\n"
                                    << "last";
    }
    void plainText() {
        QFETCH(QString, text);
        QFETCH(QString, plain);
        QCOMPARE(accessible::plainText(text), plain);
    }

    // The main window's nine pictures only decorate it: a screen reader does not meet them. Its two
    // menu bars say what they are.
    void theMainWindowLeavesOutItsPictures() {
        Form* main = windows::show(QStringLiteral("frmmain"));
        settle();
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(main);
        QCOMPARE(main->findChildren<QLabel*>(QRegularExpression(QStringLiteral("^Image\\d$"))).size(), 9);
        int pictures = 0, bars = 0;
        for (int i = 0; i < iface->childCount(); ++i) {
            QAccessibleInterface* child = iface->child(i);
            QCOMPARE(iface->indexOfChild(child), i);
            pictures += child->role() == QAccessible::Graphic;
            if (child->role() == QAccessible::MenuBar) {
                ++bars;
                QVERIFY(!child->text(QAccessible::Name).isEmpty());
            }
        }
        QCOMPARE(pictures, 0);
        QCOMPARE(bars, main->findChildren<QMenuBar*>().size());
        QVERIFY(bars >= 1);
    }

    // Every window of the program as it opens.
    void everyWindowNamesItsControls() {
        const QStringList names = windows::registeredClasses();
        QVERIFY(names.size() >= 30);
        QSet<int> roles;
        for (const QString& name : names) {
            Form* window = windows::show(name);
            QVERIFY(window);
            settle();
            const QStringList unnamed = unnamedControls(window, &roles) + presentationFaults(window);
            QVERIFY2(unnamed.isEmpty(),
                     qPrintable(name + QStringLiteral(": ") + unnamed.join(QStringLiteral(", "))));
            windows::unloadAll();
            settle();
        }
        // The walk reached every kind of control the windows have.
        for (QAccessible::Role role :
             {QAccessible::EditableText, QAccessible::PushButton, QAccessible::RadioButton, QAccessible::List,
              QAccessible::Tree, QAccessible::MenuItem})
            QVERIFY2(roles.contains(role), qPrintable(QString::number(role, 16)));
    }

    // In every calculator, under every option: the shown controls are named, and each shown box
    // is announced by the prompt (or result words) beside it at that moment, each result described
    // by its unit.
    void calculatorBoxesFollowTheirPrompts() {
        int checked = 0;
        int describedResults = 0;
        for (const QString& name : windows::registeredClasses()) {
            auto* calc = qobject_cast<CalculatorWindow*>(windows::show(name));
            if (!calc) {
                windows::unloadAll();
                settle();
                continue;
            }
            const Definition& d = calc->definition();
            for (int n = 0; n == 0 || calc->option(n); ++n) {
                if (n > 0 && calc->option(n)->isEnabled())
                    calc->option(n)->click();
                settle();
                const QString where = QStringLiteral("%1 after option %2").arg(name).arg(n);
                const QStringList unnamed = unnamedControls(calc);
                QVERIFY2(unnamed.isEmpty(), qPrintable(where + QStringLiteral(": ") + unnamed.join(", ")));
                const auto expectNamedBy = [&](const QString& box, const QString& label) {
                    QLineEdit* b = calc->box(box);
                    if (!b->isVisibleTo(calc))
                        return true;
                    // A result without words before it for now is simply the result.
                    QString prompt = calc->label(label)->text();
                    if (prompt.isEmpty() && d.results.front().box == box)
                        prompt = QStringLiteral("Result");
                    if (accessibleName(b) != prompt) {
                        qWarning("%s: %s is announced as \"%s\", its prompt reads \"%s\"", qPrintable(where),
                                 qPrintable(box), qPrintable(accessibleName(b)), qPrintable(prompt));
                        return false;
                    }
                    ++checked;
                    return true;
                };
                for (const NumberInput& in : d.inputs)
                    QVERIFY(expectNamedBy(in.box, in.label));
                for (const ResultRow& r : d.results)
                    if (!r.label.isEmpty())
                        QVERIFY(expectNamedBy(r.box, r.label));
                // Each result is described by its unit, the one its unit label shows, and then by
                // its tooltip's hint; a result without a unit has no description of its own.
                for (const ResultRow& r : d.results) {
                    QLineEdit* b = calc->box(r.box);
                    const QString unit = symbol(calc->runtime().unitOf(r));
                    const QString described = unit.isEmpty() ? b->accessibleDescription()
                                                             : accessibleText(b, QAccessible::Description);
                    const QString hint = b->toolTip();
                    const QString expected =
                        unit.isEmpty() || hint.isEmpty() ? unit : unit + QStringLiteral(". ") + hint;
                    QVERIFY2(described == expected,
                             qPrintable(QStringLiteral("%1: %2 is described as \"%3\", its unit is \"%4\"")
                                            .arg(where, r.box, described, unit)));
                    if (const QString label = unitLabelOf(r); !label.isEmpty())
                        QCOMPARE(calc->label(label)->text(), unit);
                    if (!unit.isEmpty())
                        ++describedResults;
                }
            }
            windows::unloadAll();
            settle();
        }
        QVERIFY(checked > 100);
        QVERIFY(describedResults > 50);
    }
};

QUELLORIN_TEST_MAIN(TestAccessibility)
#include "test_accessibility.moc"
