#include "ui/accesskeys.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QList>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>

#include <functional>
#include <vector>

namespace accesskeys {

namespace {

const char* const captionProperty = "quellorinCaption";
const char* const markedProperty = "quellorinMarkedCaption";
const char* const leftOutProperty = "quellorinNoAccessKey";

// A character of a caption that can be its key, and where it stands in the caption's text.
struct Candidate {
    qsizetype at;
    QChar key;
};

// The characters of the caption that can be its key, best first: its first letter, the first
// letters of its other words, its other letters and digits; for a caption without any (a "?"), its
// other visible characters. Each key once, at its best place.
QList<Candidate> candidates(const QString& caption) {
    QList<Candidate> first;
    QList<Candidate> initials;
    QList<Candidate> others;
    QList<Candidate> signs;
    bool wordStart = true;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        const QChar c = caption[i];
        if (c == u'&') {
            // "&&" is an ampersand: neither it nor what follows it is a key.
            ++i;
            wordStart = true;
            continue;
        }
        if (c.isLetterOrNumber()) {
            const Candidate candidate{i, c.toUpper()};
            if (first.isEmpty() && initials.isEmpty() && others.isEmpty())
                first << candidate;
            else if (wordStart)
                initials << candidate;
            else
                others << candidate;
            wordStart = false;
        } else {
            if (c.isPrint() && !c.isSpace())
                signs << Candidate{i, c};
            wordStart = true;
        }
    }
    QList<Candidate> all = first + initials + others;
    if (all.isEmpty())
        all = signs;
    QList<Candidate> unique;
    QSet<QChar> seen;
    for (const Candidate& c : std::as_const(all))
        if (!seen.contains(c.key)) {
            seen.insert(c.key);
            unique << c;
        }
    return unique;
}

// The window's buttons, options and check boxes that take a key, in the order they were made.
QList<QAbstractButton*> keyedControls(QWidget* window) {
    QList<QAbstractButton*> list;
    for (QAbstractButton* b : window->findChildren<QAbstractButton*>())
        if (b->window() == window && takesKey(b) && !isLeftOut(b))
            list << b;
    return list;
}

// The keys of the window's menu titles.
QSet<QChar> keysOfMenus(QWidget* window) {
    QSet<QChar> keys;
    for (const QMenuBar* bar : window->findChildren<QMenuBar*>())
        for (const QAction* a : bar->actions())
            keys << keyOf(a->text());
    keys.remove(QChar());
    return keys;
}

// The keys of the window's menus, of its labels that move the focus to a box, and of its frames.
QSet<QChar> keysOfOthers(QWidget* window) {
    QSet<QChar> keys = keysOfMenus(window);
    for (const QLabel* l : window->findChildren<QLabel*>())
        if (l->buddy())
            keys << keyOf(l->text());
    for (const QGroupBox* g : window->findChildren<QGroupBox*>())
        keys << keyOf(g->title());
    keys.remove(QChar());
    return keys;
}

void mark(QAbstractButton* button, const QString& caption, qsizetype at) {
    QString marked = caption;
    marked.insert(at, u'&');
    button->setText(marked);
    button->setProperty(captionProperty, caption);
    button->setProperty(markedProperty, marked);
}

} // namespace

QChar keyOf(const QString& text) {
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != u'&')
            continue;
        if (text[i + 1] == u'&') {
            ++i;
            continue;
        }
        return text[i + 1].toUpper();
    }
    return {};
}

bool takesKey(const QWidget* control) {
    return qobject_cast<const QPushButton*>(control) || qobject_cast<const QRadioButton*>(control) ||
           qobject_cast<const QCheckBox*>(control);
}

void leaveOut(QAbstractButton* button) {
    button->setProperty(leftOutProperty, true);
}

bool isLeftOut(const QAbstractButton* button) {
    return button->property(leftOutProperty).toBool();
}

void assign(QWidget* window) {
    const QSet<QChar> others = keysOfOthers(window);
    // A menu title's key always opens its menu: no button shares it.
    const QSet<QChar> menus = keysOfMenus(window);
    QSet<QChar> marked; // keys the captions carry already
    QList<QAbstractButton*> buttons;
    for (QAbstractButton* b : keyedControls(window)) {
        if (const QChar k = keyOf(b->text()); !k.isNull())
            marked << k;
        else if (!b->text().isEmpty())
            buttons << b;
    }
    std::vector<QList<Candidate>> choices;
    for (const QAbstractButton* b : std::as_const(buttons))
        choices.push_back(candidates(b->text()));

    // The most buttons with a key each, no key twice: each button in turn takes its best key that
    // is free, else one a button before it can give up for another of its own.
    QHash<QChar, qsizetype> owner;
    std::vector<qsizetype> chosen(size_t(buttons.size()), -1);
    QSet<QChar> blocked;
    QSet<QChar> visited;
    const std::function<bool(qsizetype)> place = [&](qsizetype i) {
        const QList<Candidate>& mine = choices[size_t(i)];
        const auto take = [&](qsizetype c) {
            owner[mine[c].key] = i;
            chosen[size_t(i)] = c;
            return true;
        };
        for (qsizetype c = 0; c < mine.size(); ++c)
            if (!blocked.contains(mine[c].key) && !owner.contains(mine[c].key))
                return take(c);
        for (qsizetype c = 0; c < mine.size(); ++c) {
            const QChar k = mine[c].key;
            if (blocked.contains(k) || visited.contains(k))
                continue;
            visited.insert(k);
            if (place(owner.value(k)))
                return take(c);
        }
        return false;
    };
    // First among the keys nothing else in the window uses; then, for a button left without one,
    // among the labels' and frames' keys too.
    for (const QSet<QChar>& taken : {marked + others, marked + menus}) {
        blocked = taken;
        for (qsizetype i = 0; i < buttons.size(); ++i) {
            if (chosen[size_t(i)] >= 0)
                continue;
            visited.clear();
            place(i);
        }
    }
    // A button whose every character is another's key (more buttons than their captions have
    // letters) shares the key the fewest controls have, a menu title's never: Alt then moves
    // between them. A button whose only keys are menu titles' has none.
    QHash<QChar, int> holders;
    for (const QChar k : std::as_const(marked))
        ++holders[k];
    for (auto it = owner.cbegin(); it != owner.cend(); ++it)
        ++holders[it.key()];
    for (qsizetype i = 0; i < buttons.size(); ++i) {
        const QList<Candidate>& mine = choices[size_t(i)];
        if (chosen[size_t(i)] >= 0 || mine.isEmpty())
            continue;
        qsizetype best = -1;
        for (qsizetype c = 0; c < mine.size(); ++c)
            if (!menus.contains(mine[c].key) &&
                (best < 0 || holders.value(mine[c].key) < holders.value(mine[best].key)))
                best = c;
        if (best < 0)
            continue;
        chosen[size_t(i)] = best;
        ++holders[mine[best].key];
    }
    for (qsizetype i = 0; i < buttons.size(); ++i)
        if (chosen[size_t(i)] >= 0)
            mark(buttons[i], buttons[i]->text(), choices[size_t(i)][chosen[size_t(i)]].at);
}

QString caption(const QAbstractButton* button) {
    const QVariant marked = button->property(markedProperty);
    if (marked.isValid() && marked.toString() == button->text())
        return button->property(captionProperty).toString();
    return button->text();
}

void setCaption(QAbstractButton* button, const QString& caption) {
    const QVariant was = button->property(markedProperty);
    if (!was.isValid() || was.toString() != button->text()) {
        // Not marked by the program (yet): assign() marks it when the window is loaded.
        button->setText(caption);
        return;
    }
    const QChar key = keyOf(was.toString());
    QSet<QChar> used = keysOfOthers(button->window());
    for (const QAbstractButton* b : keyedControls(button->window()))
        if (b != button)
            used << keyOf(b->text());
    const QList<Candidate> mine = candidates(caption);
    const Candidate* best = nullptr;
    for (const Candidate& c : mine)
        if (c.key == key) {
            best = &c;
            break;
        }
    for (const Candidate& c : mine)
        if (!best && !used.contains(c.key))
            best = &c;
    if (!best && !mine.isEmpty())
        best = &mine.front();
    if (best) {
        mark(button, caption, best->at);
        return;
    }
    button->setText(caption);
    button->setProperty(captionProperty, QVariant());
    button->setProperty(markedProperty, QVariant());
}

} // namespace accesskeys
