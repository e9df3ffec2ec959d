// Every window the program registers can be reached from the main window: the walk starts there
// and, as a person could, clicks every button, menu title and menu item of every window it comes
// to. Each calculator is offered where its list says, and no way out of the main window or a topic
// window leads nowhere. (That every window has a help topic the viewer knows is test_help's check.)

#include "app/calculatorlist.h"
#include "app/topics.h"
#include "everywindow.h"

#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

namespace {

// The registered windows that no button or menu item opens, each with the way it is reached.
const QHash<QString, QString>& reachedOtherwise() {
    static const QHash<QString, QString> windows = {
        {"frmSplash", "the program shows it as it starts"},
    };
    return windows;
}

// What one control did when the walk clicked it, with its window alone on the screen.
struct Step {
    QString window;
    QString control;
    bool title;         // a menu's title
    QStringList opened; // the windows loaded by the click
    bool acted;         // anything a person can see: a window opened, closed or hidden, a message, a
                        // program started, a print, the program's end
};

} // namespace

class TestReachability : public QObject {
    Q_OBJECT

    RecordingPlatform rec;
    QStringList reached;
    QList<Step> steps;

    // The window loaded and shown, every other window unloaded.
    static Form* alone(const QString& className) {
        for (Form* f : windows::loaded())
            if (f->className() != className)
                windows::unload(f);
        settle();
        Form* w = windows::show(className);
        settle();
        return w;
    }

    // What a person can click in a window as it opens, by name: its buttons, the titles of its
    // menus and their items.
    static QStringList controls(Form* w) {
        QStringList names;
        for (QPushButton* b : w->findChildren<QPushButton*>())
            if (b->isEnabled() && b->isVisibleTo(w))
                names.append(b->objectName());
        for (QMenuBar* bar : w->findChildren<QMenuBar*>())
            for (QAction* title : bar->actions())
                if (QMenu* menu = title->menu()) {
                    names.append(menu->objectName());
                    for (QAction* item : menu->actions())
                        if (!item->menu() && !item->isSeparator() && item->isEnabled() && item->isVisible())
                            names.append(item->objectName());
                }
        return names;
    }

    // A click on the control: a button pressed, a menu title clicked in its menu bar (its drop-down
    // opens, then closes again), a menu item chosen.
    static void click(Form* w, const QString& name) {
        QObject* control = w->findChild<QObject*>(name);
        if (auto* button = qobject_cast<QPushButton*>(control)) {
            if (button->isEnabled() && button->isVisibleTo(w))
                button->click();
        } else if (auto* menu = qobject_cast<QMenu*>(control)) {
            for (QMenuBar* bar : w->findChildren<QMenuBar*>())
                if (bar->actions().contains(menu->menuAction()))
                    QTest::mouseClick(bar, Qt::LeftButton, {},
                                      bar->actionGeometry(menu->menuAction()).center());
            menu->close();
        } else if (auto* item = qobject_cast<QAction*>(control)) {
            item->trigger();
        }
    }

    int observed() const {
        int prints = 0;
        for (int n : std::as_const(rec.printer.printed))
            prints += n;
        return int(rec.messages.messages.size() + rec.launcher.started.size()) + prints;
    }

    // From the main window, every window the clicks open, and every control of each.
    void walk() {
        reached = {QStringLiteral("frmmain")};
        for (qsizetype next = 0; next < reached.size(); ++next) {
            const QString window = reached[next];
            Form* w = alone(window);
            QVERIFY2(w, qPrintable(window));
            const QStringList names = controls(w);
            for (const QString& name : names) {
                QVERIFY2(
                    !name.isEmpty() && names.count(name) == 1,
                    qPrintable(window + QStringLiteral(": a control without a name of its own: ") + name));
                w = alone(window);
                const bool title = qobject_cast<QMenu*>(w->findChild<QObject*>(name)) != nullptr;
                const int before = observed();
                click(w, name);
                settle();
                Step step{window, name, title, {}, observed() != before || program::ended()};
                for (Form* f : windows::loaded()) {
                    if (f->className() == window)
                        continue;
                    step.opened.append(f->className());
                    if (!reached.contains(f->className()))
                        reached.append(f->className());
                }
                Form* still = windows::find(window);
                step.acted = step.acted || !step.opened.isEmpty() || !still || !still->isVisible();
                steps.append(step);
                if (program::ended()) {
                    program::reset();
                    QVERIFY(prepareEveryWindow());
                }
            }
        }
        rec.messages.messages.clear();
    }

    const Step* step(const QString& window, const QString& control) const {
        for (const Step& s : steps)
            if (s.window == window && s.control == control)
                return &s;
        return nullptr;
    }

  private slots:
    void initTestCase() {
        QVERIFY(prepareEveryWindow());
        walk();
    }
    void cleanupTestCase() {
        program::reset();
        settle();
    }

    // Every registered window is reached but those the program opens in another way.
    void everyWindowIsReached() {
        QStringList unreached;
        for (const QString& className : windows::registeredClasses())
            if (!reached.contains(className) && !reachedOtherwise().contains(className))
                unreached.append(className);
        QVERIFY2(unreached.isEmpty(),
                 qPrintable(QStringLiteral("no button or menu item opens %1, from the main window on")
                                .arg(unreached.join(QStringLiteral(", ")))));
        for (auto it = reachedOtherwise().cbegin(); it != reachedOtherwise().cend(); ++it)
            QVERIFY2(windows::isRegistered(it.key()), qPrintable(it.key()));
    }

    // Each calculator is opened by every control its list names, and its file is in its family.
    void everyCalculatorIsWhereListed() {
        for (const Calculator& c : calculators()) {
            QVERIFY2(!c.offeredBy.empty(), qPrintable(c.className + QStringLiteral(": offered nowhere")));
            for (const char* offer : c.offeredBy) {
                const QString where = QString::fromLatin1(offer);
                const Step* s = step(where.section(u'.', 0, 0), where.section(u'.', 1));
                const QString opened = !s ? QStringLiteral("is not there")
                                       : s->opened.isEmpty()
                                           ? QStringLiteral("opens nothing")
                                           : QStringLiteral("opens ") + s->opened.join(u' ');
                QVERIFY2(
                    s && s->opened.contains(c.className),
                    qPrintable(c.className + QStringLiteral(": ") + where + QStringLiteral(" ") + opened));
            }
            const QString file = QStringLiteral(QUELLORIN_SOURCE_DIR "/src/%1/%2.cpp")
                                     .arg(QString::fromLatin1(c.family), c.className);
            QVERIFY2(QFile::exists(file), qPrintable(c.className + QStringLiteral(": no ") + file));
        }
    }

    // A button of a topic window opens the window it names.
    void topicButtonsOpenWhatTheyName() {
        for (const TopicDefinition& topic : topicDefinitions())
            for (const TopicButton& b : topic.buttons) {
                if (!b.opens)
                    continue;
                const Step* s = step(QString::fromLatin1(topic.className), QString::fromLatin1(b.name));
                QVERIFY2(s && s->opened.contains(QString::fromLatin1(b.opens)),
                         qPrintable(
                             QStringLiteral("%1.%2 does not open %3").arg(topic.className, b.name, b.opens)));
            }
    }

    // Every button and menu item of the main window does something a person sees, but the one
    // that has no action of its own (the calculator opens as its menu, M&omentum, drops down).
    void nothingInTheMainWindowIsDead() {
        for (const Step& s : std::as_const(steps))
            if (s.window == QLatin1String("frmmain") && !s.title &&
                s.control != QLatin1String("mnuMomentum2"))
                QVERIFY2(s.acted, qPrintable(QStringLiteral("frmmain.%1 does nothing").arg(s.control)));
    }
};

QUELLORIN_TEST_MAIN(TestReachability)
#include "test_reachability.moc"
