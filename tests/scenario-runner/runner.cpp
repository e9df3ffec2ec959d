#include "runner.h"

#include "themes.h"

#include "uitest.h"

#include "app/Module1.h"
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
#include <functional>

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
    if (auto* b = qobject_cast<QAbstractButton*>(o))
        return b->text();
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

bool keyFromWord(const Word& w, Qt::Key* key, QChar* ch) {
    *ch = QChar();
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
        {"Right", Qt::Key_Right},
    };
    const auto it = named.constFind(w.text);
    if (it == named.constEnd())
        return false;
    *key = *it;
    return true;
}

// One key press and release as the keyboard sends it, through the window's key handling.
void sendKey(QWidget* target, Qt::Key key, QChar ch) {
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
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QSpontaneKeyEvent::setSpontaneous(&press);
    QApplication::sendEvent(target, &press);
    if (guard) {
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
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

} // namespace

ScenarioRunner::ScenarioRunner(QString programDir) : m_programDir(std::move(programDir)) {
    m_platform.folder.folder = m_programDir;
    registerWindows();
}

void ScenarioRunner::resetState() {
    program::reset();
    settle();
    m_platform.messages.messages.clear();
    m_platform.printer.printed.clear();
    m_platform.launcher.started.clear();
    m_platform.folder.folder = m_programDir;
    m_copy.reset();
    setRegion(QStringLiteral("en_US"));
    applyTheme(Theme::Light);
}

bool ScenarioRunner::setRegion(const QString& name) {
    QLocale::setDefault(QLocale(name));
    // The C library's locale too, all of it, as the start-up of a program run with
    // LANG=NAME.UTF-8 sets it: whatever the program writes through the C library follows it.
    const QByteArray c =
        (name == QLatin1String("C") ? QStringLiteral("C.UTF-8") : name + QStringLiteral(".UTF-8")).toLatin1();
    return std::setlocale(LC_ALL, c.constData()) != nullptr;
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
            f = unreadable(QStringLiteral("known \"REASON\" COMMAND..."),
                           QStringLiteral("%1 word(s) after known").arg(line.words.size() - 1));
        } else {
            if (known) {
                reason = line.words[1].text;
                command.words = line.words.mid(2);
            }
            ok = execute(command, &f);
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
    if (!m_platform.messages.messages.isEmpty()) {
        const RecordedMessage m = m_platform.messages.messages.front();
        std::printf("%s: expected no unmatched message, got unexpected message %s %s %s\n", qPrintable(path),
                    qPrintable(quote(m.title)), qPrintable(quote(m.text)), qPrintable(iconName(m.icon)));
        ok = false;
    }
    std::fflush(stdout);
    resetState();
    return ok;
}

bool ScenarioRunner::execute(const Line& line, Failure* f) {
    if (!line.error.isEmpty()) {
        *f = unreadable(QStringLiteral("a well-formed line"), line.error);
        return false;
    }
    const QList<Word>& w = line.words;
    if (w.first().text == QLatin1String("expect") && !w.first().quoted)
        return expectation(w, f);
    const bool ok = action(w, f);
    settle();
    return ok;
}

Form* ScenarioRunner::window(const QString& name, Failure* f) {
    if (!windows::isRegistered(name)) {
        *f = {QStringLiteral("a window of the program"), QStringLiteral("no window named %1").arg(name)};
        return nullptr;
    }
    Form* form = windows::find(name);
    if (!form)
        *f = {QStringLiteral("window %1 to be open").arg(name), QStringLiteral("it is not loaded")};
    return form;
}

QObject* ScenarioRunner::control(const QString& address, Form** owner, Failure* f) {
    const qsizetype dot = address.indexOf(u'.');
    if (dot <= 0 || dot == address.size() - 1) {
        *f = unreadable(QStringLiteral("WINDOW.CONTROL"), address);
        return nullptr;
    }
    Form* form = window(address.left(dot), f);
    if (!form)
        return nullptr;
    *owner = form;
    const QString name = address.mid(dot + 1);
    QObject* c = form->findChild<QObject*>(name);
    if (!c)
        *f = {QStringLiteral("a control named %1 in %2").arg(name, form->className()),
              QStringLiteral("none")};
    return c;
}

bool ScenarioRunner::startProgram(const QString& without, Failure* f) {
    QString folder = m_programDir;
    if (!without.isEmpty()) {
        // A copy of the program's folder without that one file: links to everything else.
        m_copy = std::make_unique<QTemporaryDir>();
        const QDir source(m_programDir);
        if (!m_copy->isValid() || !source.exists()) {
            *f = {QStringLiteral("a copy of the program's folder"), QStringLiteral("it could not be made")};
            return false;
        }
        for (const QFileInfo& fi : source.entryInfoList(QDir::Files | QDir::NoDotAndDotDot)) {
            if (fi.fileName() == without)
                continue;
            QFile::link(fi.absoluteFilePath(), m_copy->filePath(fi.fileName()));
        }
        folder = m_copy->path();
    }
    m_platform.folder.folder = folder;
    program::reset();
    settle();
    Main();
    return true;
}

bool ScenarioRunner::action(const QList<Word>& w, Failure* f) {
    const QString cmd = w[0].text;
    auto arity = [&](int n) {
        if (w.size() == n)
            return true;
        *f = unreadable(QStringLiteral("%1 with %2 word(s) after it").arg(cmd).arg(n - 1),
                        QStringLiteral("%1 word(s)").arg(w.size() - 1));
        return false;
    };
    if (cmd == QLatin1String("start"))
        return arity(1) && startProgram({}, f);
    if (cmd == QLatin1String("start-without"))
        return arity(2) && startProgram(w[1].text, f);
    if (cmd == QLatin1String("locale")) {
        if (!arity(2))
            return false;
        const QLocale l(w[1].text);
        if (l.name() != w[1].text && w[1].text != QLatin1String("C")) {
            *f = unreadable(QStringLiteral("a locale name such as en_US"), w[1].text);
            return false;
        }
        if (!setRegion(w[1].text)) {
            *f = {QStringLiteral("the C library's locale %1.UTF-8 (scripts/deps.sh installs them all)")
                      .arg(w[1].text),
                  QStringLiteral("no such locale installed")};
            return false;
        }
        return true;
    }
    if (cmd == QLatin1String("open")) {
        if (!arity(2))
            return false;
        if (!windows::isRegistered(w[1].text)) {
            *f = {QStringLiteral("a window of the program"),
                  QStringLiteral("no window named %1").arg(w[1].text)};
            return false;
        }
        windows::show(w[1].text);
        return true;
    }
    if (cmd == QLatin1String("screenshot")) {
        // Not part of the shared format: saves the window's image for a person to look at.
        if (!arity(3))
            return false;
        Form* form = window(w[1].text, f);
        if (!form)
            return false;
        if (!form->grab().save(w[2].text)) {
            *f = {QStringLiteral("the picture saved"),
                  QStringLiteral("it could not be written to %1").arg(w[2].text)};
            return false;
        }
        return true;
    }
    if (cmd == QLatin1String("palette")) {
        // Not part of the shared format: the desktop's theme for what follows (light, dark or
        // high-contrast), set for the whole program as a desktop sets it.
        if (!arity(2))
            return false;
        Theme theme;
        if (!themeNamed(w[1].text, &theme)) {
            *f = unreadable(QStringLiteral("light, dark or high-contrast"), w[1].text);
            return false;
        }
        applyTheme(theme);
        return true;
    }
    if (cmd == QLatin1String("close")) {
        if (!arity(2))
            return false;
        Form* form = window(w[1].text, f);
        if (!form)
            return false;
        form->close();
        return true;
    }
    if (cmd == QLatin1String("key")) {
        if (!arity(3))
            return false;
        Qt::Key key;
        QChar ch;
        if (!keyFromWord(w[2], &key, &ch)) {
            *f = unreadable(
                QStringLiteral("a key (Enter, Esc, F1, Tab, Backspace, Delete, an arrow (Up, Down, Left, "
                               "Right) or one quoted character)"),
                w[2].text);
            return false;
        }
        QWidget* target = nullptr;
        if (w[1].text.contains(u'.')) {
            Form* owner = nullptr;
            auto* c = qobject_cast<QWidget*>(control(w[1].text, &owner, f));
            if (!c) {
                if (f->expected.isEmpty())
                    *f = {QStringLiteral("a control that takes keys"), w[1].text};
                return false;
            }
            c->setFocus();
            target = c;
        } else {
            Form* form = window(w[1].text, f);
            if (!form)
                return false;
            target = form->focusWidget() ? form->focusWidget() : form;
        }
        sendKey(target, key, ch);
        return true;
    }

    // The remaining actions address a control.
    if (w.size() < 2) {
        *f = unreadable(QStringLiteral("a command"), cmd);
        return false;
    }
    Form* owner = nullptr;
    const bool known = cmd == QLatin1String("click") || cmd == QLatin1String("dblclick") ||
                       cmd == QLatin1String("select") || cmd == QLatin1String("type") ||
                       cmd == QLatin1String("paste");
    if (!known) {
        *f = unreadable(QStringLiteral("a command"), cmd);
        return false;
    }
    QObject* c = control(w[1].text, &owner, f);
    if (!c)
        return false;

    if (cmd == QLatin1String("click")) {
        if (!arity(2))
            return false;
        if (auto* b = qobject_cast<QAbstractButton*>(c)) {
            // A person can only click what is there to click.
            if (b->isEnabled() && b->isVisibleTo(owner))
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
            if (widget->isEnabled() && widget->isVisibleTo(owner)) {
                QWidget* top = widget->window();
                const QPoint at = widget->mapTo(top, widget->rect().center());
                QWidget* target = top->childAt(at);
                if (!target)
                    target = top;
                QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(top, at));
            }
            return true;
        }
        *f = {QStringLiteral("a control"),
              QStringLiteral("%1 (%2)").arg(w[1].text, c->metaObject()->className())};
        return false;
    }
    if (cmd == QLatin1String("type") || cmd == QLatin1String("paste")) {
        if (!arity(3))
            return false;
        auto* widget = qobject_cast<QWidget*>(c);
        if (!widget) {
            *f = {QStringLiteral("a control that takes text"), w[1].text};
            return false;
        }
        if (cmd == QLatin1String("paste")) {
            if (auto* e = qobject_cast<QLineEdit*>(c)) {
                if (e->isEnabled() && !e->isReadOnly())
                    e->setText(w[2].text);
                return true;
            }
            if (auto* t = qobject_cast<QTextEdit*>(c)) {
                t->setPlainText(w[2].text);
                return true;
            }
            *f = {QStringLiteral("a text box"), w[1].text};
            return false;
        }
        widget->setFocus();
        QPointer<QWidget> guard(widget);
        for (const QChar ch : w[2].text) {
            if (!guard)
                break;
            sendKey(widget, keyForChar(ch), ch == u'\n' ? QChar(u'\r') : ch);
            settle();
        }
        return true;
    }
    // dblclick / select an item of a list or tree.
    if (!arity(3))
        return false;
    if (auto* l = qobject_cast<QListWidget*>(c)) {
        const QList<QListWidgetItem*> found = l->findItems(w[2].text, Qt::MatchExactly);
        if (found.isEmpty()) {
            *f = {QStringLiteral("an item %1 in %2").arg(quote(w[2].text), w[1].text),
                  QStringLiteral("none")};
            return false;
        }
        l->setCurrentItem(found.first());
        if (cmd == QLatin1String("dblclick"))
            emit l->itemDoubleClicked(found.first());
        return true;
    }
    if (auto* t = qobject_cast<QTreeWidget*>(c)) {
        const QList<QTreeWidgetItem*> found = t->findItems(w[2].text, Qt::MatchExactly | Qt::MatchRecursive);
        if (found.isEmpty()) {
            *f = {QStringLiteral("an item %1 in %2").arg(quote(w[2].text), w[1].text),
                  QStringLiteral("none")};
            return false;
        }
        t->setCurrentItem(found.first());
        if (cmd == QLatin1String("dblclick"))
            emit t->itemDoubleClicked(found.first(), 0);
        return true;
    }
    *f = {QStringLiteral("a list or tree control"), w[1].text};
    return false;
}

bool ScenarioRunner::expectation(const QList<Word>& w, Failure* f) {
    if (w.size() < 2) {
        *f = unreadable(QStringLiteral("an expectation"), QStringLiteral("expect alone"));
        return false;
    }
    const QString what = w[1].text;
    if (what == QLatin1String("message") && !w[1].quoted) {
        if (w.size() != 5) {
            *f = unreadable(QStringLiteral("expect message \"TITLE\" \"TEXT\" ICON"),
                            QStringLiteral("%1 words").arg(w.size()));
            return false;
        }
        const QString icon = w[4].text;
        if (!QStringList{"info", "warning", "critical", "none"}.contains(icon)) {
            *f = unreadable(QStringLiteral("an icon (info, warning, critical or none)"), icon);
            return false;
        }
        const QString expected = QStringLiteral("message %1 %2 %3")
                                     .arg(quote(w[2].text), w[3].quoted ? quote(w[3].text) : w[3].text, icon);
        if (m_platform.messages.messages.isEmpty()) {
            *f = {expected, QStringLiteral("no message")};
            return false;
        }
        const RecordedMessage m = m_platform.messages.take();
        const bool anyText = !w[3].quoted && w[3].text == QLatin1String("*");
        const bool textOk = anyText ? !m.text.isEmpty() : m.text == w[3].text;
        if (m.title != w[2].text || !textOk || iconName(m.icon) != icon) {
            *f = {expected,
                  QStringLiteral("message %1 %2 %3").arg(quote(m.title), quote(m.text), iconName(m.icon))};
            return false;
        }
        return true;
    }
    if (what == QLatin1String("no-message")) {
        if (!m_platform.messages.messages.isEmpty()) {
            // They are taken off the record, as a message that does not match is: a file that goes
            // on (past a known failure) is not failed for them again at its end.
            const RecordedMessage m = m_platform.messages.messages.front();
            m_platform.messages.messages.clear();
            *f = {QStringLiteral("no message"),
                  QStringLiteral("message %1 %2 %3").arg(quote(m.title), quote(m.text), iconName(m.icon))};
            return false;
        }
        return true;
    }
    if (what == QLatin1String("program")) {
        if (w.size() != 3 || w[2].text != QLatin1String("ended")) {
            *f = unreadable(QStringLiteral("expect program ended"), QStringLiteral("something else"));
            return false;
        }
        if (!program::ended()) {
            *f = {QStringLiteral("the program to have ended"), QStringLiteral("it is running")};
            return false;
        }
        return true;
    }
    if (what == QLatin1String("printed")) {
        if (w.size() != 3) {
            *f =
                unreadable(QStringLiteral("expect printed WINDOW"), QStringLiteral("%1 words").arg(w.size()));
            return false;
        }
        const int n = m_platform.printer.printed.value(w[2].text);
        m_platform.printer.printed.remove(w[2].text);
        if (n != 1) {
            *f = {QStringLiteral("%1 printed once").arg(w[2].text),
                  QStringLiteral("printed %1 times").arg(n)};
            return false;
        }
        return true;
    }
    if (what == QLatin1String("launched")) {
        if (w.size() != 3) {
            *f = unreadable(QStringLiteral("expect launched \"PROGRAM\""),
                            QStringLiteral("%1 words").arg(w.size()));
            return false;
        }
        const QStringList started = m_platform.launcher.started;
        m_platform.launcher.started.clear();
        const bool any = !w[2].quoted && w[2].text == QLatin1String("*");
        for (const QString& s : started)
            if (any || s.endsWith(w[2].text))
                return true;
        *f = {QStringLiteral("a program %1 started").arg(any ? QStringLiteral("*") : quote(w[2].text)),
              started.isEmpty() ? QStringLiteral("none started")
                                : QStringLiteral("started %1").arg(started.join(", "))};
        return false;
    }

    if (w.size() < 3) {
        *f = unreadable(QStringLiteral("expect TARGET STATE"), what);
        return false;
    }
    const QString state = w[2].text;

    // Window-level expectations.
    if (!what.contains(u'.')) {
        if (!windows::isRegistered(what)) {
            *f = {QStringLiteral("a window of the program"), QStringLiteral("no window named %1").arg(what)};
            return false;
        }
        Form* form = windows::find(what);
        auto status = [&]() -> QString {
            if (!form)
                return QStringLiteral("closed");
            return form->isVisible() ? QStringLiteral("open") : QStringLiteral("hidden");
        };
        if (state == QLatin1String("open") || state == QLatin1String("hidden") ||
            state == QLatin1String("closed")) {
            if (status() != state) {
                *f = {QStringLiteral("%1 %2").arg(what, state), status()};
                return false;
            }
            return true;
        }
        if (state == QLatin1String("front")) {
            QWidget* active = QApplication::activeWindow();
            if (!form || active != form) {
                *f = {QStringLiteral("%1 front").arg(what),
                      active ? QStringLiteral("%1 is in front").arg(active->objectName())
                             : QStringLiteral("no window in front")};
                return false;
            }
            return true;
        }
        if (state == QLatin1String("caption")) {
            if (w.size() != 4) {
                *f = unreadable(QStringLiteral("expect WINDOW caption \"TEXT\""),
                                QStringLiteral("%1 words").arg(w.size()));
                return false;
            }
            if (!form) {
                *f = {QStringLiteral("window %1 to be open").arg(what), QStringLiteral("it is not loaded")};
                return false;
            }
            if (form->windowTitle() != w[3].text) {
                *f = {QStringLiteral("caption %1").arg(quote(w[3].text)),
                      QStringLiteral("caption %1").arg(quote(form->windowTitle()))};
                return false;
            }
            return true;
        }
        *f = unreadable(QStringLiteral("open, hidden, closed, front or caption"), state);
        return false;
    }

    Form* owner = nullptr;
    QObject* c = control(what, &owner, f);
    if (!c)
        return false;
    auto* widget = qobject_cast<QWidget*>(c);
    auto* act = qobject_cast<QAction*>(c);
    auto needArgs = [&](int n) {
        if (w.size() == n)
            return true;
        *f = unreadable(QStringLiteral("expect %1 %2 with %3 word(s)").arg(what, state).arg(n),
                        QStringLiteral("%1 word(s)").arg(w.size()));
        return false;
    };

    if (state == QLatin1String("text") || state == QLatin1String("tooltip")) {
        if (!needArgs(4))
            return false;
        const QString actual = state == QLatin1String("text") ? textOf(c)
                               : widget                       ? widget->toolTip()
                               : act                          ? act->toolTip()
                                                              : QString();
        if (actual != w[3].text) {
            *f = {QStringLiteral("%1 %2").arg(state, quote(w[3].text)),
                  QStringLiteral("%1 %2").arg(state, quote(actual))};
            return false;
        }
        return true;
    }
    if (state == QLatin1String("empty") || state == QLatin1String("nonempty")) {
        if (!needArgs(3))
            return false;
        const QString actual = textOf(c);
        if (actual.isEmpty() != (state == QLatin1String("empty"))) {
            *f = {state, QStringLiteral("text %1").arg(quote(actual))};
            return false;
        }
        return true;
    }
    // The two-state expectations: the word for true, the word for false, and how to read it.
    auto* button = qobject_cast<QAbstractButton*>(c);
    const struct {
        const char* yes;
        const char* no;
        std::function<bool()> read;
    } flags[] = {
        {"enabled", "disabled", [&] { return widget ? widget->isEnabled() : act && act->isEnabled(); }},
        {"shown", "hidden", [&] { return widget ? widget->isVisibleTo(owner) : act && act->isVisible(); }},
        {"checked", "unchecked", [&] { return button ? button->isChecked() : act && act->isChecked(); }},
    };
    for (const auto& flag : flags) {
        if (state != QLatin1String(flag.yes) && state != QLatin1String(flag.no))
            continue;
        if (!needArgs(3))
            return false;
        const bool actual = flag.read();
        if (actual != (state == QLatin1String(flag.yes))) {
            *f = {state, QString::fromLatin1(actual ? flag.yes : flag.no)};
            return false;
        }
        return true;
    }
    if (state == QLatin1String("focused")) {
        if (!needArgs(3))
            return false;
        QWidget* focus = owner->focusWidget();
        if (focus != widget) {
            *f = {QStringLiteral("%1 focused").arg(what),
                  focus ? QStringLiteral("%1 has the focus").arg(focus->objectName())
                        : QStringLiteral("no focus")};
            return false;
        }
        return true;
    }
    if (state == QLatin1String("items") || state == QLatin1String("item")) {
        QStringList texts;
        if (!itemsOf(c, &texts)) {
            *f = {QStringLiteral("a list or tree control"), what};
            return false;
        }
        if (state == QLatin1String("items")) {
            if (!needArgs(4))
                return false;
            bool ok = false;
            const int n = w[3].text.toInt(&ok);
            if (!ok) {
                *f = unreadable(QStringLiteral("a count"), w[3].text);
                return false;
            }
            if (texts.size() != n) {
                *f = {QStringLiteral("%1 items").arg(n), QStringLiteral("%1 items").arg(texts.size())};
                return false;
            }
            return true;
        }
        if (!needArgs(5))
            return false;
        bool ok = false;
        const int k = w[3].text.toInt(&ok);
        if (!ok || k < 1) {
            *f = unreadable(QStringLiteral("an item number from 1"), w[3].text);
            return false;
        }
        if (k > texts.size()) {
            *f = {QStringLiteral("item %1 %2").arg(k).arg(quote(w[4].text)),
                  QStringLiteral("%1 items").arg(texts.size())};
            return false;
        }
        if (texts[k - 1] != w[4].text) {
            *f = {QStringLiteral("item %1 %2").arg(k).arg(quote(w[4].text)),
                  QStringLiteral("item %1 %2").arg(k).arg(quote(texts[k - 1]))};
            return false;
        }
        return true;
    }
    *f = unreadable(
        QStringLiteral("an expectation such as text, empty, enabled, shown, checked, focused, items"), state);
    return false;
}
