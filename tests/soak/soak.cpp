// A bounded soak of every registered window: the main window, the topic windows, the calculators,
// the tools, the reference windows and the help viewer are opened one after another and driven
// with random keys, pastes, option and button clicks, menu items and list picks, through the
// windows' real event handling (key events pass the key preview and the key filters; clicks are
// mouse events). Message boxes, prints and program starts are recorded, as in the scenarios.
//
// It fails on a crash (the process dies: the seed printed first tells which run), on a read-only
// box (a result, a worked formula) showing "inf", "nan" or "-0.000", and on a message box
// without text or title. Pastes come from the shared list of hostile texts (hostile.h). A run
// drives the fixed seeds below one after another, the same actions each time, so the test run
// gives the same verdict on the same program; --fresh adds a seed of its own to look for new
// faults. Every seed is printed, and a failure prints the command that replays it:
//
//   soak [--seconds S] [--steps N] [--seed N] [--fresh]
//
// --seconds bounds the whole run (shared out among the seeds; 0: no bound), --steps each seed's
// actions, --seed replays that one seed alone.

#include "app/Module1.h"
#include "checks.h"
#include "hostile.h"
#include "recorders.h"
#include "ui/form.h"
#include "ui/windows.h"
#include "uitest.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDeadlineTimer>
#include <QHash>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPointer>
#include <QSet>
#include <QTest>
#include <QTreeWidget>

#include <chrono>
#include <cstdio>
#include <optional>
#include <random>

namespace {

// Characters typed into boxes: digits most often, then what the key filters accept, then what
// they refuse.
const char typedCharacters[] = "0123456789012345678901234567890123456789..--++EEe ,^Xx/*()aZ";

struct Key {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers = Qt::NoModifier;
};
const Key specialKeys[] = {
    {Qt::Key_Backspace},
    {Qt::Key_Delete},
    {Qt::Key_Return},
    {Qt::Key_Escape},
    {Qt::Key_Tab},
    {Qt::Key_F1},
    {Qt::Key_Left},
    {Qt::Key_Right},
    {Qt::Key_Up},
    {Qt::Key_Down},
    {Qt::Key_Home},
    {Qt::Key_End},
    {Qt::Key_Space},
    {Qt::Key_A, Qt::ControlModifier},
    {Qt::Key_V, Qt::ControlModifier},
    {Qt::Key_X, Qt::ControlModifier},
    {Qt::Key_Z, Qt::ControlModifier},
    {Qt::Key_Tab, Qt::ShiftModifier},
};
const Key windowKeys[] = {
    {Qt::Key_Return}, {Qt::Key_Escape}, {Qt::Key_F1},    {Qt::Key_Tab},
    {Qt::Key_Up},     {Qt::Key_Down},   {Qt::Key_Space},
};

class Soak {
  public:
    Soak(quint64 seed, RecordingPlatform& platform) : m_rng(seed), m_platform(platform) {}

    // Runs up to steps actions or until the deadline; an empty string, or what went wrong.
    QString run(qint64 steps, QDeadlineTimer deadline);
    qint64 stepsDone() const { return m_step; }
    QString summary() const;
    int prints() const {
        int n = 0;
        for (const int count : m_platform.printer.printed)
            n += count;
        return n;
    }

  private:
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_rng); }
    bool chance(int percent) { return pick(100) < percent; }
    template <typename T, size_t N> const T& pickFrom(const T (&items)[N]) { return items[pick(int(N))]; }
    template <typename T> T pickFrom(const QList<T>& items) { return items[pick(int(items.size()))]; }

    void restart();
    Form* target();
    void act(Form* form);
    void typeInto(Form* form);
    void paste(Form* form);
    void clickButton(Form* form);
    void triggerMenu(Form* form);
    void pickItem(Form* form);
    void pressWindowKey(Form* form);
    QString randomNumber();
    QString check();

    template <typename T> QList<T*> usable(Form* form) const {
        QList<T*> found;
        for (T* w : form->findChildren<T*>())
            if (w->isVisibleTo(form) && w->isEnabled())
                found.append(w);
        return found;
    }

    std::mt19937_64 m_rng;
    RecordingPlatform& m_platform;
    QStringList m_classes;
    int m_next = 0;      // the next window class to visit
    QString m_visiting;  // the window being driven now
    int m_visitLeft = 0; // actions left for it
    qint64 m_step = 0;
    int m_starts = 0;
    int m_messages = 0;
    QSet<QString> m_visited;
    // A worked formula repeats what was typed when it was written, though the boxes may have
    // changed since, even within the same action: each read-only box's text, with the texts of
    // its window's editable boxes at the moment it was written.
    struct Shown {
        QString text;
        QStringList typed;
    };
    QHash<const QLineEdit*, Shown> m_shown;
    QObject m_watching; // the receiver of the boxes' signals, gone with the soak
    void watch(Form* form, QLineEdit* box);
};

void Soak::restart() {
    program::reset();
    settle();
    Main();
    ++m_starts;
}

// The window to act on: mostly the one being visited, now and then any other open one.
Form* Soak::target() {
    if (m_visitLeft <= 0 || !windows::find(m_visiting)) {
        m_visiting = m_classes[m_next];
        m_next = (m_next + 1) % int(m_classes.size());
        m_visitLeft = 5 + pick(40);
        windows::show(m_visiting);
        m_visited.insert(m_visiting);
    }
    --m_visitLeft;
    Form* visiting = windows::find(m_visiting);
    QList<Form*> open;
    for (Form* f : windows::loaded())
        if (f->isVisible())
            open.append(f);
    if (visiting && visiting->isVisible() && (open.size() < 2 || chance(85)))
        return visiting;
    return open.isEmpty() ? nullptr : pickFrom(open);
}

QString Soak::randomNumber() {
    QString t;
    if (chance(30))
        t += pick(2) ? u'-' : u'+';
    const int digits = 1 + pick(12);
    for (int i = 0; i < digits; ++i)
        t += QChar(u'0' + pick(10));
    if (chance(50)) {
        t += u'.';
        for (int i = pick(8); i > 0; --i)
            t += QChar(u'0' + pick(10));
    }
    if (chance(40))
        t += QStringLiteral("E%1%2").arg(pick(2) ? QStringLiteral("-") : QString()).arg(pick(50));
    return t;
}

void Soak::typeInto(Form* form) {
    QList<QLineEdit*> boxes;
    for (QLineEdit* e : usable<QLineEdit>(form))
        if (!e->isReadOnly())
            boxes.append(e);
    if (boxes.isEmpty())
        return pressWindowKey(form);
    QPointer<QLineEdit> box = pickFrom(boxes);
    box->setFocus();
    for (int n = 1 + pick(8); n > 0 && box; --n) {
        if (chance(80)) {
            const char c = typedCharacters[pick(int(sizeof typedCharacters) - 1)];
            QTest::keyClick(box, c);
        } else {
            const Key k = pickFrom(specialKeys);
            QTest::keyClick(box, k.key, k.modifiers);
        }
    }
}

void Soak::paste(Form* form) {
    QList<QLineEdit*> boxes;
    for (QLineEdit* e : usable<QLineEdit>(form))
        if (!e->isReadOnly())
            boxes.append(e);
    if (boxes.isEmpty())
        return;
    const QString text = chance(60) ? pickFrom(hostileTexts()) : randomNumber();
    QLineEdit* box = pickFrom(boxes);
    if (chance(70)) {
        // With the mouse: no key filter.
        box->setText(text);
    } else {
        // From the clipboard with Ctrl+V: the box's key handling decides.
        QGuiApplication::clipboard()->setText(text);
        box->setFocus();
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    }
}

void Soak::clickButton(Form* form) {
    const QList<QAbstractButton*> buttons = usable<QAbstractButton>(form);
    if (buttons.isEmpty())
        return pressWindowKey(form);
    QAbstractButton* b = pickFrom(buttons);
    QTest::mouseClick(b, Qt::LeftButton, {}, b->rect().center());
}

void Soak::triggerMenu(Form* form) {
    QList<QAction*> items;
    for (QAction* a : form->findChildren<QAction*>())
        if (a->isEnabled() && a->isVisible() && !a->isSeparator() && !a->menu())
            items.append(a);
    const QList<QMenu*> menus = form->findChildren<QMenu*>();
    if (!menus.isEmpty() && (items.isEmpty() || chance(20))) {
        // Opening a menu title runs what its title does, where it does something.
        QMenu* m = pickFrom(menus);
        if (m->isEnabled())
            emit m->aboutToShow();
        return;
    }
    if (items.isEmpty())
        return clickButton(form);
    pickFrom(items)->trigger();
}

void Soak::pickItem(Form* form) {
    const QList<QListWidget*> lists = usable<QListWidget>(form);
    const QList<QTreeWidget*> trees = usable<QTreeWidget>(form);
    if (lists.isEmpty() && trees.isEmpty())
        return typeInto(form);
    if (!trees.isEmpty() && (lists.isEmpty() || chance(50))) {
        QTreeWidget* tree = pickFrom(trees);
        QList<QTreeWidgetItem*> all;
        for (QTreeWidgetItemIterator it(tree); *it; ++it)
            all.append(*it);
        if (all.isEmpty())
            return;
        QTreeWidgetItem* item = pickFrom(all);
        tree->scrollToItem(item);
        const QPoint at = tree->visualItemRect(item).center();
        if (chance(60))
            QTest::mouseDClick(tree->viewport(), Qt::LeftButton, {}, at);
        else
            QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, at);
        return;
    }
    QListWidget* list = pickFrom(lists);
    if (list->count() == 0)
        return;
    QListWidgetItem* item = list->item(pick(list->count()));
    list->scrollToItem(item);
    const QPoint at = list->visualItemRect(item).center();
    if (chance(50))
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    else
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
}

void Soak::pressWindowKey(Form* form) {
    const Key k = pickFrom(windowKeys);
    QWidget* to = form->focusWidget() ? form->focusWidget() : form;
    QTest::keyClick(to, k.key, k.modifiers);
}

void Soak::act(Form* form) {
    const int roll = pick(100);
    if (roll < 35)
        typeInto(form);
    else if (roll < 50)
        paste(form);
    else if (roll < 78)
        clickButton(form);
    else if (roll < 83)
        triggerMenu(form);
    else if (roll < 88)
        pickItem(form);
    else if (roll < 98)
        pressWindowKey(form);
    else
        form->close(); // the title bar's close button
}

// The texts of a window's editable boxes.
QStringList typedIn(const Form* form) {
    QStringList typed;
    for (const QLineEdit* box : form->findChildren<QLineEdit*>())
        if (!box->isReadOnly())
            typed << box->text();
    return typed;
}

void Soak::watch(Form* form, QLineEdit* box) {
    box->setProperty("soakWatched", true);
    m_shown.insert(box, {box->text(), typedIn(form)});
    const QPointer<Form> window(form);
    QObject::connect(box, &QLineEdit::textChanged, &m_watching, [this, window, box](const QString& text) {
        if (window)
            m_shown.insert(box, {text, typedIn(window)});
    });
}

QString Soak::check() {
    for (const RecordedMessage& m : std::as_const(m_platform.messages.messages)) {
        ++m_messages;
        if (m.text.trimmed().isEmpty())
            return QStringLiteral("a message box without text (title \"%1\")").arg(m.title);
        if (m.title.trimmed().isEmpty())
            return QStringLiteral("a message box without a title (text \"%1\")").arg(m.text);
    }
    m_platform.messages.messages.clear();
    for (Form* f : windows::loaded()) {
        for (QLineEdit* box : f->findChildren<QLineEdit*>()) {
            if (!box->isReadOnly())
                continue;
            if (!box->property("soakWatched").toBool())
                watch(f, box); // a box at the address of a destroyed one replaces its entry
            const Shown& shown = m_shown.value(box);
            const QStringList typed = shown.text == box->text() ? shown.typed : typedIn(f);
            if (const QString bad = soak::badOutput(box->text(), typed); !bad.isEmpty())
                return QStringLiteral("%1.%2 shows %3: \"%4\"")
                    .arg(f->className(), box->objectName(), bad, box->text());
        }
    }
    return {};
}

QString Soak::run(qint64 steps, QDeadlineTimer deadline) {
    registerWindows();
    m_classes = windows::registeredClasses();
    if (m_classes.isEmpty())
        return QStringLiteral("no window is registered");
    restart();
    for (m_step = 0; m_step < steps && !deadline.hasExpired(); ++m_step) {
        if (program::ended())
            restart();
        if (Form* form = target())
            act(form);
        settle();
        if (const QString failure = check(); !failure.isEmpty()) {
            ++m_step;
            return failure;
        }
    }
    program::reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return {};
}

QString Soak::summary() const {
    return QStringLiteral("%1 actions, %2 of %3 windows driven, %4 starts, %5 message boxes, %6 prints")
        .arg(m_step)
        .arg(m_visited.size())
        .arg(m_classes.size())
        .arg(m_starts)
        .arg(m_messages)
        .arg(prints());
}

bool runSeed(quint64 seed, qint64 steps, double seconds, const char* which) {
    std::printf("soak: seed %llu (%s)\n", static_cast<unsigned long long>(seed), which);
    std::fflush(stdout);
    RecordingPlatform platform;
    Soak run(seed, platform);
    const QDeadlineTimer deadline =
        seconds > 0 ? QDeadlineTimer(qint64(seconds * 1000)) : QDeadlineTimer(QDeadlineTimer::Forever);
    const QString failure = run.run(steps, deadline);
    if (!failure.isEmpty()) {
        std::printf("soak: seed %llu failed at action %lld: %s\n"
                    "soak: replay with: soak --seed %llu --steps %lld --seconds 0\n",
                    static_cast<unsigned long long>(seed), static_cast<long long>(run.stepsDone()),
                    qPrintable(failure), static_cast<unsigned long long>(seed),
                    static_cast<long long>(run.stepsDone()));
        std::fflush(stdout);
        return false;
    }
    std::printf("soak: seed %llu passed: %s\n", static_cast<unsigned long long>(seed),
                qPrintable(run.summary()));
    std::fflush(stdout);
    return true;
}

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);

    std::optional<quint64> seed;
    bool fresh = false;
    qint64 steps = 1'000'000;
    double seconds = 60;
    const QStringList args = app.arguments().mid(1);
    for (int i = 0; i < args.size(); ++i) {
        bool ok = i + 1 < args.size();
        if (args[i] == QLatin1String("--seed") && ok)
            seed = args[++i].toULongLong(&ok);
        else if (args[i] == QLatin1String("--steps") && ok)
            steps = args[++i].toLongLong(&ok);
        else if (args[i] == QLatin1String("--seconds") && ok)
            seconds = args[++i].toDouble(&ok);
        else if (args[i] == QLatin1String("--fresh"))
            ok = fresh = true;
        else
            ok = false;
        if (!ok) {
            std::fprintf(stderr, "usage: soak [--seconds S] [--steps N] [--seed N] [--fresh]\n");
            return 2;
        }
    }

    if (seed)
        return runSeed(*seed, steps, seconds, "replayed") ? 0 : 1;

    // The first seed, then seeds that once found a fault (in the program or in these checks), kept so
    // that it stays mended.
    const quint64 fixedSeeds[] = {20240518, 1796654154258097334, 42421550329733};
    const int runs = int(std::size(fixedSeeds)) + (fresh ? 1 : 0);
    bool passed = true;
    for (const quint64 s : fixedSeeds)
        passed = passed && runSeed(s, steps, seconds / runs, "fixed");
    if (fresh) {
        const quint64 ownSeed =
            std::random_device{}() ^ quint64(std::chrono::system_clock::now().time_since_epoch().count());
        passed = passed && runSeed(ownSeed, steps, seconds / runs, "this run's own");
    }
    return passed ? 0 : 1;
}
