// What a screen reader finds in every window of the program: every input, result, button and list
// that is shown has a name, and a calculator's boxes are named by their prompts as the options
// change them.

#include "calc/framework/calculator.h"
#include "everywindow.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
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

    // Every window of the program as it opens.
    void everyWindowNamesItsControls() {
        const QStringList names = windows::registeredClasses();
        QVERIFY(names.size() >= 30);
        QSet<int> roles;
        for (const QString& name : names) {
            Form* window = windows::show(name);
            QVERIFY(window);
            settle();
            const QStringList unnamed = unnamedControls(window, &roles);
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
                // Each result is described by its unit, the one its unit label shows; a result
                // without a unit has no description of its own.
                for (const ResultRow& r : d.results) {
                    QLineEdit* b = calc->box(r.box);
                    const QString unit = symbol(calc->unitOf(r));
                    const QString described = unit.isEmpty() ? b->accessibleDescription()
                                                             : accessibleText(b, QAccessible::Description);
                    QVERIFY2(described == unit,
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
