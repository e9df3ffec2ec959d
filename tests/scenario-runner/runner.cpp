#include "runner.h"

#include "script.h"
#include "themes.h"
#include "uitest.h"

#include "app/Module1.h"
#include "ui/accesskeys.h"
#include "ui/form.h"
#include "ui/windows.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QChartView>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextEdit>
#include <QTreeWidget>
#include <QXYSeries>

#include <clocale>
#include <cstdio>

namespace {

QString quote(const QString& s) {
    QString q = s;
    q.replace(u'\\', QLatin1String("\\\\")).replace(u'"', QLatin1String("\\\""));
    q.replace(u'\r', QLatin1String("\\r"))
        .replace(u'\n', QLatin1String("\\n"))
        .replace(u'\t', QLatin1String("\\t"));
    return u'"' + q + u'"';
}

QString textOf(QObject* o) {
    if (auto* e = qobject_cast<QLineEdit*>(o))
        return e->text();
    if (auto* l = qobject_cast<QLabel*>(o))
        return l->text();
    // A button's caption as the program wrote it, without the mark of its access key.
    if (auto* b = qobject_cast<QAbstractButton*>(o))
        return accesskeys::caption(b);
    if (auto* g = qobject_cast<QGroupBox*>(o))
        return g->title();
    if (auto* t = qobject_cast<QTextEdit*>(o))
        return t->toPlainText();
    if (auto* t = qobject_cast<QPlainTextEdit*>(o))
        return t->toPlainText();
    if (auto* c = qobject_cast<QComboBox*>(o))
        return c->currentText();
    if (auto* m = qobject_cast<QMenu*>(o))
        return m->title();
    // A tree's text is its current item's.
    if (auto* t = qobject_cast<QTreeWidget*>(o))
        return t->currentItem() ? t->currentItem()->text(0) : QString();
    if (auto* a = qobject_cast<QAction*>(o))
        return a->text();
    if (auto* w = qobject_cast<QWidget*>(o))
        return w->windowTitle();
    return {};
}

void treeItems(QTreeWidgetItem* item, QList<QTreeWidgetItem*>* out) {
    out->append(item);
    for (int i = 0; i < item->childCount(); ++i)
        treeItems(item->child(i), out);
}

// The items of a list or tree control in display order (a tree: every node, parents first); of a
// line chart, the points its line is drawn through, in order, each written "X, Y".
bool itemsOf(QObject* o, QStringList* texts) {
    if (auto* chart = qobject_cast<QChartView*>(o)) {
        for (QAbstractSeries* series : chart->chart()->series())
            if (auto* line = qobject_cast<QXYSeries*>(series))
                for (const QPointF& p : line->points())
                    texts->append(QStringLiteral("%1, %2").arg(p.x()).arg(p.y()));
        return true;
    }
    if (auto* l = qobject_cast<QListWidget*>(o)) {
        for (int i = 0; i < l->count(); ++i)
            texts->append(l->item(i)->text());
        return true;
    }
    if (auto* t = qobject_cast<QTreeWidget*>(o)) {
        QList<QTreeWidgetItem*> all;
        for (int i = 0; i < t->topLevelItemCount(); ++i)
            treeItems(t->topLevelItem(i), &all);
        for (QTreeWidgetItem* it : all)
            texts->append(it->text(0));
        return true;
    }
    if (auto* c = qobject_cast<QComboBox*>(o)) {
        for (int i = 0; i < c->count(); ++i)
            texts->append(c->itemText(i));
        return true;
    }
    return false;
}

// A key as the keyboard names it: "Enter", "Home", a quoted character, or a chord such as "Ctrl+V",
// "Alt+X" or "Shift+Left" (Ctrl, Alt and Shift before a letter or a named key). A chord with Ctrl
// sends the letter's control character, as the keyboard does; one with Alt the letter itself.
bool keyFromWord(const Word& w, Qt::Key* key, QChar* ch, Qt::KeyboardModifiers* modifiers) {
    *ch = QChar();
    *modifiers = Qt::NoModifier;
    // Shift+Tab arrives as the back-tab key, as the keyboard sends it.
    if (!w.quoted && w.text == QStringLiteral("Shift+Tab")) {
        *key = Qt::Key_Backtab;
        *modifiers = Qt::ShiftModifier;
        return true;
    }
    if (!w.quoted && w.text.contains(u'+') && w.text.size() > 1) {
        QStringList parts = w.text.split(u'+');
        const QString last = parts.takeLast();
        static const QHash<QString, Qt::KeyboardModifier> held = {
            {"Ctrl", Qt::ControlModifier}, {"Alt", Qt::AltModifier}, {"Shift", Qt::ShiftModifier}};
        for (const QString& part : std::as_const(parts)) {
            if (!held.contains(part))
                return false;
            *modifiers |= held.value(part);
        }
        if (last.size() == 1 && last[0].isLetter()) {
            const QChar letter = last[0].toUpper();
            *key = Qt::Key(letter.unicode());
            if (*modifiers & Qt::ControlModifier)
                *ch = QChar(letter.unicode() - u'A' + 1);
            else
                *ch = *modifiers & Qt::ShiftModifier ? letter : letter.toLower();
            return true;
        }
        Qt::KeyboardModifiers none;
        return keyFromWord(Word{last, false}, key, ch, &none) && ch->isNull();
    }
    if (w.quoted) {
        if (w.text.size() != 1)
            return false;
        *ch = w.text[0];
        *key = Qt::Key(QChar(w.text[0]).toUpper().unicode());
        return true;
    }
    static const QHash<QString, Qt::Key> named = {
        {"Enter", Qt::Key_Return}, {"Esc", Qt::Key_Escape},          {"F1", Qt::Key_F1},
        {"Tab", Qt::Key_Tab},      {"Backspace", Qt::Key_Backspace}, {"Delete", Qt::Key_Delete},
        {"Up", Qt::Key_Up},        {"Down", Qt::Key_Down},           {"Left", Qt::Key_Left},
        {"Right", Qt::Key_Right},  {"Home", Qt::Key_Home},           {"End", Qt::Key_End},
    };
    const auto it = named.constFind(w.text);
    if (it == named.constEnd())
        return false;
    *key = *it;
    return true;
}

// One key press and release as the keyboard sends it, through the window's key handling.
void sendKey(QWidget* target, Qt::Key key, QChar ch, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QString text;
    if (!ch.isNull())
        text = ch;
    else if (key == Qt::Key_Return)
        text = QStringLiteral("\r");
    else if (key == Qt::Key_Escape)
        text = QString(QChar(27));
    else if (key == Qt::Key_Backspace)
        text = QString(QChar(8));
    else if (key == Qt::Key_Tab)
        text = QStringLiteral("\t");
    QPointer<QWidget> guard(target);
    // A chord goes first to the window's shortcuts (access keys among them), as the keyboard's do.
    if (modifiers & (Qt::ControlModifier | Qt::AltModifier)) {
        QTest::sendKeyEvent(QTest::Press, target, key, text, modifiers);
        if (guard)
            QTest::sendKeyEvent(QTest::Release, target, key, text, modifiers);
        return;
    }
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QSpontaneKeyEvent::setSpontaneous(&press);
    QApplication::sendEvent(target, &press);
    if (guard) {
        QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
        QApplication::sendEvent(target, &release);
    }
}

Qt::Key keyForChar(QChar c) {
    switch (c.unicode()) {
    case 8:
        return Qt::Key_Backspace;
    case 9:
        return Qt::Key_Tab;
    case 10:
    case 13:
        return Qt::Key_Return;
    case 27:
        return Qt::Key_Escape;
    default:
        break;
    }
    const QChar up = c.toUpper();
    if (up.unicode() < 128)
        return Qt::Key(up.unicode());
    return Qt::Key_unknown;
}

// How a line failed: what it expected and what it got.
struct Failure {
    QString expected;
    QString got;
    // The line itself is wrong (a word missing or too many, an unknown command, state, key or
    // icon), not the program: a known mark does not excuse it.
    bool unreadable = false;
};

// What a command's function is given: the line's words (the keyword or `expect` first), what the
// runner found for the window or control the line addresses, and the scene; and where it writes
// how the line failed.
struct Step {
    const QList<Word>& w;
    Scene& scene;
    Failure& failure;
    Form* window = nullptr;     // WINDOW (when it is loaded), or the window of WINDOW.CONTROL
    QObject* control = nullptr; // WINDOW.CONTROL or WINDOW.LIST
    QStringList items;          // WINDOW.LIST's items, in display order

    // The text of word i (0 is the keyword or `expect`).
    const QString& text(qsizetype i) const { return w[i].text; }
    // Both return false, for `return s.fail(...)`.
    bool fail(QString expected, QString got) {
        failure = {std::move(expected), std::move(got)};
        return false;
    }
    bool unreadable(QString expected, QString got) {
        failure = {std::move(expected), std::move(got), true};
        return false;
    }
};

// ----- Finding windows and controls --------------------------------------------------------------

bool isWindow(Step& s, const QString& name) {
    return windows::isRegistered(name) ||
           s.fail(QStringLiteral("a window of the program"), QStringLiteral("no window named %1").arg(name));
}

Form* loadedWindow(Step& s, const QString& name) {
    if (!isWindow(s, name))
        return nullptr;
    Form* form = windows::find(name);
    if (!form)
        s.fail(QStringLiteral("window %1 to be open").arg(name), QStringLiteral("it is not loaded"));
    return form;
}

// WINDOW.CONTROL into s.window and s.control.
bool findControl(Step& s, const QString& address) {
    const qsizetype dot = address.indexOf(u'.');
    if (dot <= 0 || dot == address.size() - 1)
        return s.unreadable(QStringLiteral("WINDOW.CONTROL"), address);
    s.window = loadedWindow(s, address.left(dot));
    if (!s.window)
        return false;
    const QString name = address.mid(dot + 1);
    s.control = s.window->findChild<QObject*>(name);
    return s.control || s.fail(QStringLiteral("a control named %1 in %2").arg(name, s.window->className()),
                               QStringLiteral("none"));
}

// ----- Actions -----------------------------------------------------------------------------------

// The user's regional setting: Qt's default locale and the C library's; false when the C library
// has no such locale.
bool setRegion(const QString& name) {
    QLocale::setDefault(QLocale(name));
    // The C library's locale too, all of it, as the start-up of a program run with
    // LANG=NAME.UTF-8 sets it: whatever the program writes through the C library follows it.
    const QByteArray c =
        (name == QLatin1String("C") ? QStringLiteral("C.UTF-8") : name + QStringLiteral(".UTF-8")).toLatin1();
    return std::setlocale(LC_ALL, c.constData()) != nullptr;
}

// start-without FILE: from a copy of the program's folder less that file.
bool startProgram(Step& s) {
    const QString without = s.w.size() > 1 ? s.text(1) : QString();
    Scene& scene = s.scene;
    QString folder = scene.programDir;
    if (!without.isEmpty()) {
        // A copy of the program's folder without that one file: links to everything else.
        scene.copy = std::make_unique<QTemporaryDir>();
        const QDir source(scene.programDir);
        if (!scene.copy->isValid() || !source.exists())
            return s.fail(QStringLiteral("a copy of the program's folder"),
                          QStringLiteral("it could not be made"));
        for (const QFileInfo& fi : source.entryInfoList(QDir::Files | QDir::NoDotAndDotDot)) {
            if (fi.fileName() == without)
                continue;
            QFile::link(fi.absoluteFilePath(), scene.copy->filePath(fi.fileName()));
        }
        folder = scene.copy->path();
    }
    scene.platform.folder.folder = folder;
    program::reset();
    settle();
    Main();
    return true;
}

bool setLocale(Step& s) {
    const QString name = s.text(1);
    if (QLocale(name).name() != name && name != QLatin1String("C"))
        return s.unreadable(QStringLiteral("a locale name such as en_US"), name);
    if (!setRegion(name))
        return s.fail(
            QStringLiteral("the C library's locale %1.UTF-8 (scripts/deps.sh installs them all)").arg(name),
            QStringLiteral("no such locale installed"));
    return true;
}

bool openWindow(Step& s) {
    if (!isWindow(s, s.text(1)))
        return false;
    windows::show(s.text(1));
    return true;
}

// Not part of the shared format: saves the window's image for a person to look at.
bool saveScreenshot(Step& s) {
    Form* form = loadedWindow(s, s.text(1));
    if (!form)
        return false;
    if (!form->grab().save(s.text(2)))
        return s.fail(QStringLiteral("the picture saved"),
                      QStringLiteral("it could not be written to %1").arg(s.text(2)));
    return true;
}

// Not part of the shared format: the desktop's theme for what follows (light, dark or
// high-contrast), set for the whole program as a desktop sets it.
bool setPalette(Step& s) {
    Theme theme;
    if (!themeNamed(s.text(1), &theme))
        return s.unreadable(QStringLiteral("light, dark or high-contrast"), s.text(1));
    applyTheme(theme);
    return true;
}

bool closeWindow(Step& s) {
    Form* form = loadedWindow(s, s.text(1));
    if (!form)
        return false;
    form->close();
    return true;
}

// To the control, or to the window's focused control.
bool pressKey(Step& s) {
    Qt::Key key;
    QChar ch;
    Qt::KeyboardModifiers modifiers;
    if (!keyFromWord(s.w[2], &key, &ch, &modifiers))
        return s.unreadable(
            QStringLiteral(
                "a key (Enter, Esc, F1, Tab, Shift+Tab, Backspace, Delete, Home, End, an arrow (Up, "
                "Down, Left, Right), one quoted character, or a chord such as Ctrl+V or Shift+Left)"),
            s.text(2));
    QWidget* target = nullptr;
    if (s.text(1).contains(u'.')) {
        if (!findControl(s, s.text(1)))
            return false;
        target = qobject_cast<QWidget*>(s.control);
        if (!target)
            return s.fail(QStringLiteral("a control that takes keys"), s.text(1));
        target->setFocus();
    } else {
        Form* form = loadedWindow(s, s.text(1));
        if (!form)
            return false;
        target = form->focusWidget() ? form->focusWidget() : form;
    }
    sendKey(target, key, ch, modifiers);
    return true;
}

bool clickControl(Step& s) {
    QObject* c = s.control;
    if (auto* b = qobject_cast<QAbstractButton*>(c)) {
        // A person can only click what is there to click.
        if (b->isEnabled() && b->isVisibleTo(s.window))
            b->click();
        return true;
    }
    if (auto* m = qobject_cast<QMenu*>(c)) {
        // Clicking a menu title opens its drop-down.
        if (m->isEnabled())
            emit m->aboutToShow();
        return true;
    }
    if (auto* a = qobject_cast<QAction*>(c)) {
        if (a->isEnabled() && a->isVisible())
            a->trigger();
        return true;
    }
    if (auto* widget = qobject_cast<QWidget*>(c)) {
        // Any other control (a frame, a picture): a mouse click at its middle, received by
        // whatever a person's click would reach there.
        if (widget->isEnabled() && widget->isVisibleTo(s.window)) {
            QWidget* top = widget->window();
            const QPoint at = widget->mapTo(top, widget->rect().center());
            QWidget* target = top->childAt(at);
            if (!target)
                target = top;
            QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(top, at));
        }
        return true;
    }
    return s.fail(QStringLiteral("a control"),
                  QStringLiteral("%1 (%2)").arg(s.text(1), c->metaObject()->className()));
}

QWidget* takesText(Step& s) {
    auto* widget = qobject_cast<QWidget*>(s.control);
    if (!widget)
        s.fail(QStringLiteral("a control that takes text"), s.text(1));
    return widget;
}

// Key by key, through the control's key handling.
bool typeText(Step& s) {
    QWidget* widget = takesText(s);
    if (!widget)
        return false;
    widget->setFocus();
    QPointer<QWidget> guard(widget);
    for (const QChar ch : s.text(2)) {
        if (!guard)
            break;
        sendKey(widget, keyForChar(ch), ch == u'\n' ? QChar(u'\r') : ch);
        settle();
    }
    return true;
}

// All at once, as the mouse pastes: no key filter.
bool pasteText(Step& s) {
    if (!takesText(s))
        return false;
    if (auto* e = qobject_cast<QLineEdit*>(s.control)) {
        if (e->isEnabled() && !e->isReadOnly())
            e->setText(s.text(2));
        return true;
    }
    if (auto* t = qobject_cast<QTextEdit*>(s.control)) {
        t->setPlainText(s.text(2));
        return true;
    }
    return s.fail(QStringLiteral("a text box"), s.text(1));
}

// Selects the item of a list or tree whose text is the line's third word, and dblclick double-clicks it.
bool pickItem(Step& s) {
    const bool twice = s.text(0) == QLatin1String("dblclick");
    const QString text = s.text(2);
    auto none = [&] {
        return s.fail(QStringLiteral("an item %1 in %2").arg(quote(text), s.text(1)), QStringLiteral("none"));
    };
    if (auto* l = qobject_cast<QListWidget*>(s.control)) {
        const QList<QListWidgetItem*> found = l->findItems(text, Qt::MatchExactly);
        if (found.isEmpty())
            return none();
        l->setCurrentItem(found.first());
        if (twice)
            emit l->itemDoubleClicked(found.first());
        return true;
    }
    if (auto* t = qobject_cast<QTreeWidget*>(s.control)) {
        const QList<QTreeWidgetItem*> found = t->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
        if (found.isEmpty())
            return none();
        t->setCurrentItem(found.first());
        if (twice)
            emit t->itemDoubleClicked(found.first(), 0);
        return true;
    }
    return s.fail(QStringLiteral("a list or tree control"), s.text(1));
}

// ----- Expectations ------------------------------------------------------------------------------

QString messageText(const RecordedMessage& m) {
    return QStringLiteral("message %1 %2 %3").arg(quote(m.title), quote(m.text), iconName(m.icon));
}

// The oldest message not yet matched, taken off the record.
bool expectMessage(Step& s) {
    const QString icon = s.text(4);
    if (!QStringList{"info", "warning", "critical", "none"}.contains(icon))
        return s.unreadable(QStringLiteral("an icon (info, warning, critical or none)"), icon);
    const Word& text = s.w[3];
    const QString expected = QStringLiteral("message %1 %2 %3")
                                 .arg(quote(s.text(2)), text.quoted ? quote(text.text) : text.text, icon);
    RecordingMessages& messages = s.scene.platform.messages;
    if (messages.messages.isEmpty())
        return s.fail(expected, QStringLiteral("no message"));
    const RecordedMessage m = messages.take();
    const bool anyText = !text.quoted && text.text == QLatin1String("*");
    const bool textOk = anyText ? !m.text.isEmpty() : m.text == text.text;
    if (m.title != s.text(2) || !textOk || iconName(m.icon) != icon)
        return s.fail(expected, messageText(m));
    return true;
}

bool expectNoMessage(Step& s) {
    QList<RecordedMessage>& messages = s.scene.platform.messages.messages;
    if (messages.isEmpty())
        return true;
    // They are taken off the record, as a message that does not match is: a file that goes on
    // (past a known failure) is not failed for them again at its end.
    const RecordedMessage m = messages.front();
    messages.clear();
    return s.fail(QStringLiteral("no message"), messageText(m));
}

bool expectProgramEnded(Step& s) {
    if (s.w.size() != 3 || s.text(2) != QLatin1String("ended"))
        return s.unreadable(QStringLiteral("expect program ended"), QStringLiteral("something else"));
    return program::ended() ||
           s.fail(QStringLiteral("the program to have ended"), QStringLiteral("it is running"));
}

// Once since the last such check.
bool expectPrinted(Step& s) {
    QHash<QString, int>& printed = s.scene.platform.printer.printed;
    const int n = printed.value(s.text(2));
    printed.remove(s.text(2));
    return n == 1 || s.fail(QStringLiteral("%1 printed once").arg(s.text(2)),
                            QStringLiteral("printed %1 times").arg(n));
}

// Since the last such check.
bool expectLaunched(Step& s) {
    QStringList& launched = s.scene.platform.launcher.started;
    const QStringList started = launched;
    launched.clear();
    const bool any = !s.w[2].quoted && s.text(2) == QLatin1String("*");
    for (const QString& program : started)
        if (any || program.endsWith(s.text(2)))
            return true;
    return s.fail(QStringLiteral("a program %1 started").arg(any ? QStringLiteral("*") : quote(s.text(2))),
                  started.isEmpty() ? QStringLiteral("none started")
                                    : QStringLiteral("started %1").arg(started.join(", ")));
}

// Open, hidden or closed.
bool expectWindowState(Step& s) {
    const QString status = !s.window               ? QStringLiteral("closed")
                           : s.window->isVisible() ? QStringLiteral("open")
                                                   : QStringLiteral("hidden");
    return status == s.text(2) || s.fail(QStringLiteral("%1 %2").arg(s.text(1), s.text(2)), status);
}

bool expectFront(Step& s) {
    QWidget* active = QApplication::activeWindow();
    if (s.window && active == s.window)
        return true;
    return s.fail(QStringLiteral("%1 front").arg(s.text(1)),
                  active ? QStringLiteral("%1 is in front").arg(active->objectName())
                         : QStringLiteral("no window in front"));
}

bool expectCaption(Step& s) {
    if (!s.window)
        return s.fail(QStringLiteral("window %1 to be open").arg(s.text(1)),
                      QStringLiteral("it is not loaded"));
    const QString caption = s.window->windowTitle();
    return caption == s.text(3) || s.fail(QStringLiteral("caption %1").arg(quote(s.text(3))),
                                          QStringLiteral("caption %1").arg(quote(caption)));
}

// The line's third word names what is compared (text, tooltip), its fourth the text expected.
bool sameText(Step& s, const QString& actual) {
    return actual == s.text(3) || s.fail(QStringLiteral("%1 %2").arg(s.text(2), quote(s.text(3))),
                                         QStringLiteral("%1 %2").arg(s.text(2), quote(actual)));
}

bool expectText(Step& s) {
    return sameText(s, textOf(s.control));
}

bool expectTooltip(Step& s) {
    auto* widget = qobject_cast<QWidget*>(s.control);
    auto* act = qobject_cast<QAction*>(s.control);
    return sameText(s, widget ? widget->toolTip() : act ? act->toolTip() : QString());
}

// Empty or nonempty.
bool expectEmpty(Step& s) {
    const QString actual = textOf(s.control);
    if (actual.isEmpty() == (s.text(2) == QLatin1String("empty")))
        return true;
    return s.fail(s.text(2), QStringLiteral("text %1").arg(quote(actual)));
}

// The two-state expectations: the line's state is either the word for true or the word for false.
bool twoState(Step& s, const char* yes, const char* no, bool actual) {
    if (actual == (s.text(2) == QLatin1String(yes)))
        return true;
    return s.fail(s.text(2), QString::fromLatin1(actual ? yes : no));
}

bool expectEnabled(Step& s) {
    auto* widget = qobject_cast<QWidget*>(s.control);
    auto* act = qobject_cast<QAction*>(s.control);
    return twoState(s, "enabled", "disabled", widget ? widget->isEnabled() : act && act->isEnabled());
}

// Within its window, whether or not the window is on screen.
bool expectShown(Step& s) {
    auto* widget = qobject_cast<QWidget*>(s.control);
    auto* act = qobject_cast<QAction*>(s.control);
    return twoState(s, "shown", "hidden", widget ? widget->isVisibleTo(s.window) : act && act->isVisible());
}

bool expectChecked(Step& s) {
    auto* button = qobject_cast<QAbstractButton*>(s.control);
    auto* act = qobject_cast<QAction*>(s.control);
    return twoState(s, "checked", "unchecked", button ? button->isChecked() : act && act->isChecked());
}

// The keyboard focus in its window.
bool expectFocused(Step& s) {
    QWidget* focus = s.window->focusWidget();
    if (focus == qobject_cast<QWidget*>(s.control))
        return true;
    return s.fail(QStringLiteral("%1 focused").arg(s.text(1)),
                  focus ? QStringLiteral("%1 has the focus").arg(focus->objectName())
                        : QStringLiteral("no focus"));
}

bool expectItemCount(Step& s) {
    bool ok = false;
    const int n = s.text(3).toInt(&ok);
    if (!ok)
        return s.unreadable(QStringLiteral("a count"), s.text(3));
    return s.items.size() == n ||
           s.fail(QStringLiteral("%1 items").arg(n), QStringLiteral("%1 items").arg(s.items.size()));
}

// Item K, from 1.
bool expectItem(Step& s) {
    bool ok = false;
    const int k = s.text(3).toInt(&ok);
    if (!ok || k < 1)
        return s.unreadable(QStringLiteral("an item number from 1"), s.text(3));
    const QString expected = QStringLiteral("item %1 %2").arg(k).arg(quote(s.text(4)));
    if (k > s.items.size())
        return s.fail(expected, QStringLiteral("%1 items").arg(s.items.size()));
    const QString& actual = s.items[k - 1];
    return actual == s.text(4) || s.fail(expected, QStringLiteral("item %1 %2").arg(k).arg(quote(actual)));
}

// ----- The commands ------------------------------------------------------------------------------
//
// One row a command: its line as a scenario writes it, and the function that carries it out. In
// the line, lower-case words are keywords (a|b: either one, to the same function), capitals stand
// for what the writer fills in, and "..." lets any words after pass unread. The runner finds the
// row by the keyword (in an expectation, by the word after `expect` or after the window or
// control), counts the line's words against the row's, finds what the line addresses, and only
// then calls the function, which reads its words by their place in the line:
// - WINDOW.CONTROL: the control, found before the words are counted, into s.window and s.control;
// - WINDOW.LIST (expectations): the same, and its items into s.items (a list, tree or line chart);
// - WINDOW (expectations): a window of the program, into s.window when it is loaded.
// An action's WINDOW is the function's to find: `open` takes a window that is not loaded yet.
// A new command is one function above and one row here.
struct Command {
    const char* line;
    bool (*run)(Step&);
};

const Command commands[] = {
    {"start", startProgram},
    {"start-without FILE", startProgram},
    {"locale NAME", setLocale},
    {"open WINDOW", openWindow},
    {"screenshot WINDOW \"FILE.png\"", saveScreenshot},
    {"palette THEME", setPalette},
    {"close WINDOW", closeWindow},
    {"key WINDOW[.CONTROL] KEY", pressKey},
    {"click WINDOW.CONTROL", clickControl},
    {"type WINDOW.CONTROL \"TEXT\"", typeText},
    {"paste WINDOW.CONTROL \"TEXT\"", pasteText},
    {"select|dblclick WINDOW.CONTROL \"ITEM\"", pickItem},

    {"expect message \"TITLE\" \"TEXT\" ICON", expectMessage},
    {"expect no-message ...", expectNoMessage},
    {"expect program ...", expectProgramEnded}, // ended: the function reads it
    {"expect printed WINDOW", expectPrinted},
    {"expect launched \"PROGRAM\"", expectLaunched},

    {"expect WINDOW open|hidden|closed ...", expectWindowState},
    {"expect WINDOW front ...", expectFront},
    {"expect WINDOW caption \"TEXT\"", expectCaption},

    {"expect WINDOW.CONTROL text \"TEXT\"", expectText},
    {"expect WINDOW.CONTROL tooltip \"TEXT\"", expectTooltip},
    {"expect WINDOW.CONTROL empty|nonempty", expectEmpty},
    {"expect WINDOW.CONTROL enabled|disabled", expectEnabled},
    {"expect WINDOW.CONTROL shown|hidden", expectShown},
    {"expect WINDOW.CONTROL checked|unchecked", expectChecked},
    {"expect WINDOW.CONTROL focused", expectFocused},
    {"expect WINDOW.LIST items N", expectItemCount},
    {"expect WINDOW.LIST item K \"TEXT\"", expectItem},
};

// A row as the runner reads it.
enum class Target { None, Window, Control, List };
struct Row {
    QString line;
    bool expectation = false;
    Target target = Target::None;
    qsizetype words = 0; // the line's words, keyword included; 0 when they are not counted
    bool (*run)(Step&) = nullptr;
};

// The rows by keyword: actions, and expectations of the program (message, printed…), of a window
// and of a control.
struct Table {
    QHash<QString, Row> actions, subjects, windowStates, controlStates;
};

const Table& table() {
    static const Table table = [] {
        Table t;
        for (const Command& c : commands) {
            Row row{QString::fromLatin1(c.line), false, Target::None, 0, c.run};
            QList<Word> words;
            QString error;
            if (!splitWords(row.line, &words, &error))
                qFatal("scenario command %s: %s", c.line, qPrintable(error));
            if (words.last().text == QLatin1String("..."))
                words.removeLast();
            else
                row.words = words.size();
            const QString second = words.value(1).text;
            const bool expectation = words[0].text == QLatin1String("expect");
            row.expectation = expectation;
            row.target = second == QLatin1String("WINDOW.CONTROL") ? Target::Control
                         : !expectation                            ? Target::None
                         : second == QLatin1String("WINDOW")       ? Target::Window
                         : second == QLatin1String("WINDOW.LIST")  ? Target::List
                                                                   : Target::None;
            QHash<QString, Row>& index = !expectation                   ? t.actions
                                         : row.target == Target::None   ? t.subjects
                                         : row.target == Target::Window ? t.windowStates
                                                                        : t.controlStates;
            const QString keyword = !expectation                 ? words[0].text
                                    : row.target == Target::None ? second
                                                                 : words[2].text;
            for (const QString& k : keyword.split(u'|'))
                index.insert(k, row);
        }
        return t;
    }();
    return table;
}

const Row* rowOf(const QHash<QString, Row>& index, const QString& keyword) {
    const auto it = index.constFind(keyword);
    return it == index.constEnd() ? nullptr : &*it;
}

// Counts the line's words against its row, and carries the command out.
bool run(Step& s, const Row& row) {
    const qsizetype n = s.w.size();
    if (row.words != 0 && n != row.words) {
        if (!row.expectation)
            return s.unreadable(
                QStringLiteral("%1 with %2 word(s) after it").arg(s.text(0)).arg(row.words - 1),
                QStringLiteral("%1 word(s)").arg(n - 1));
        if (row.target == Target::Control || row.target == Target::List)
            return s.unreadable(
                QStringLiteral("expect %1 %2 with %3 word(s)").arg(s.text(1), s.text(2)).arg(row.words),
                QStringLiteral("%1 word(s)").arg(n));
        return s.unreadable(row.line, QStringLiteral("%1 words").arg(n));
    }
    return row.run(s);
}

bool action(Step& s) {
    const Row* row = rowOf(table().actions, s.text(0));
    if (!row || (row->target == Target::Control && s.w.size() < 2))
        return s.unreadable(QStringLiteral("a command"), s.text(0));
    if (row->target == Target::Control && !findControl(s, s.text(1)))
        return false;
    return run(s, *row);
}

bool expectation(Step& s) {
    if (s.w.size() < 2)
        return s.unreadable(QStringLiteral("an expectation"), QStringLiteral("expect alone"));
    const Table& t = table();
    const QString what = s.text(1);
    if (const Row* row = rowOf(t.subjects, what))
        return run(s, *row);
    if (s.w.size() < 3)
        return s.unreadable(QStringLiteral("expect TARGET STATE"), what);
    const QString state = s.text(2);
    if (!what.contains(u'.')) {
        if (!isWindow(s, what))
            return false;
        s.window = windows::find(what);
        const Row* row = rowOf(t.windowStates, state);
        return row ? run(s, *row)
                   : s.unreadable(QStringLiteral("open, hidden, closed, front or caption"), state);
    }
    if (!findControl(s, what))
        return false;
    const Row* row = rowOf(t.controlStates, state);
    if (!row)
        return s.unreadable(
            QStringLiteral("an expectation such as text, empty, enabled, shown, checked, focused, items"),
            state);
    if (row->target == Target::List && !itemsOf(s.control, &s.items))
        return s.fail(QStringLiteral("a list or tree control"), what);
    return run(s, *row);
}

// One line; false with the failure filled in when it does not hold.
bool execute(Scene& scene, const Line& line, Failure* failure) {
    if (!line.error.isEmpty()) {
        *failure = {QStringLiteral("a well-formed line"), line.error, true};
        return false;
    }
    Step s{line.words, scene, *failure};
    if (!s.w.first().quoted && s.text(0) == QLatin1String("expect"))
        return expectation(s);
    const bool ok = action(s);
    settle();
    return ok;
}

} // namespace

ScenarioRunner::ScenarioRunner(QString programDir) {
    m_scene.programDir = std::move(programDir);
    m_scene.platform.folder.folder = m_scene.programDir;
    registerWindows();
}

void ScenarioRunner::resetState() {
    program::reset();
    settle();
    m_scene.platform.messages.messages.clear();
    m_scene.platform.printer.printed.clear();
    m_scene.platform.launcher.started.clear();
    m_scene.platform.folder.folder = m_scene.programDir;
    m_scene.copy.reset();
    setRegion(QStringLiteral("en_US"));
    applyTheme(Theme::Light);
}

bool ScenarioRunner::runFile(const QString& path) {
    resetState();
    QList<Line> lines;
    QString error;
    if (!readScript(path, &lines, &error)) {
        std::printf("%s: expected a readable scenario file, got %s\n", qPrintable(path), qPrintable(error));
        return false;
    }
    for (const Line& line : lines) {
        // known "REASON" COMMAND...: a fault of today, kept in the file until it is mended.
        const bool known = line.error.isEmpty() && !line.words.first().quoted &&
                           line.words.first().text == QLatin1String("known");
        Line command = line;
        QString reason;
        Failure f;
        bool ok = false;
        if (known && (line.words.size() < 3 || !line.words[1].quoted)) {
            f = {QStringLiteral("known \"REASON\" COMMAND..."),
                 QStringLiteral("%1 word(s) after known").arg(line.words.size() - 1), true};
        } else {
            if (known) {
                reason = line.words[1].text;
                command.words = line.words.mid(2);
            }
            ok = execute(m_scene, command, &f);
        }
        if (known && !ok && !f.unreadable) {
            std::printf("%s:%d: known (%s): expected %s, got %s\n", qPrintable(path), line.number,
                        qPrintable(reason), qPrintable(f.expected), qPrintable(f.got));
            ++m_knownFailures;
            continue;
        }
        if (ok && !known)
            continue;
        if (ok) // the fault is mended: the mark goes
            std::printf("%s:%d: known failure now passes (%s)\n", qPrintable(path), line.number,
                        qPrintable(reason));
        else
            std::printf("%s:%d: expected %s, got %s\n", qPrintable(path), line.number, qPrintable(f.expected),
                        qPrintable(f.got));
        std::fflush(stdout);
        resetState();
        return false;
    }
    bool ok = true;
    if (!m_scene.platform.messages.messages.isEmpty()) {
        std::printf("%s: expected no unmatched message, got unexpected %s\n", qPrintable(path),
                    qPrintable(messageText(m_scene.platform.messages.messages.front())));
        ok = false;
    }
    std::fflush(stdout);
    resetState();
    return ok;
}
