#include "ui/form.h"

#include "core/numbers.h"
#include "ui/accessible.h"
#include "ui/appearance.h"
#include "ui/notice.h"
#include "ui/platform.h"
#include "ui/windows.h"

#include <QAbstractItemView>
#include <QBoxLayout>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

#include <algorithm>

Form::Form(const QString& className) : QWidget(nullptr, Qt::Window) {
    accessible::presentWindows();
    setObjectName(className);
    setAttribute(Qt::WA_DeleteOnClose, false);
}

Form::Form(const QString& className, const Setup& setup) : Form(className) {
    setWindowTitle(setup.caption);
    setWindowFlags(setup.flags);
    setFont(appearance::formFont());
    setHelpOnF1(setup.helpOnF1);
}

void Form::Unload() {
    windows::unload(this);
}

void Form::UnloadAndShow(QString next) {
    Unload();
    if (!next.isEmpty())
        windows::show(next);
}

void Form::centerOnScreen() {
    adjustSize();
    if (const QScreen* s = screen()) {
        QRect r = frameGeometry();
        r.moveCenter(s->availableGeometry().center());
        move(r.topLeft());
    }
}

int Form::captionWidth(const QString& caption) {
    if (caption.isEmpty())
        return 0;
    // Title bars set their caption in a bold face of about 11 points, beside an icon and up to
    // three buttons.
    QFont title = QFontDatabase::systemFont(QFontDatabase::TitleFont);
    title.setBold(true);
    title.setPointSizeF(std::max(title.pointSizeF(), 11.0));
    constexpr int buttonsAndIcon = 150;
    return QFontMetrics(title).horizontalAdvance(caption) + buttonsAndIcon;
}

void Form::fitCaption() {
    const int needed = captionWidth(windowTitle());
    if (needed == 0)
        return;
    // A window whose layout fixes its size gets a strut across its column; any other a minimum.
    if (auto* column = qobject_cast<QBoxLayout*>(layout());
        column &&
        (column->direction() == QBoxLayout::TopToBottom || column->direction() == QBoxLayout::BottomToTop))
        column->addStrut(needed);
    else if (maximumWidth() >= needed)
        setMinimumWidth(std::max(minimumWidth(), needed));
}

void Form::installKeyPreview() {
    installEventFilter(this);
    // An open drop-down menu keeps its own keys: Esc there closes the menu, not the window.
    for (QWidget* w : findChildren<QWidget*>())
        if (!qobject_cast<QMenu*>(w))
            w->installEventFilter(this);
}

QChar Form::keyChar(const QKeyEvent* e) {
    switch (e->key()) {
    case Qt::Key_Backspace:
        return QChar(8);
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return QChar(13);
    case Qt::Key_Escape:
        return QChar(27);
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Delete:
        return {};
    default:
        break;
    }
    if ((e->modifiers() & Qt::ControlModifier) && e->key() >= Qt::Key_A && e->key() <= Qt::Key_Z)
        return QChar(e->key() - Qt::Key_A + 1);
    const QString t = e->text();
    if (t.size() == 1 && t[0].unicode() >= 32 && t[0].unicode() != 127)
        return t[0];
    return {};
}

bool Form::Form_KeyDown(int key, Qt::KeyboardModifiers) {
    if (key != Qt::Key_F1 || !m_helpOnF1)
        return false;
    windows::showHelp(this);
    return true;
}
bool Form::Form_KeyPress(QChar) {
    return false;
}
bool Form::Control_KeyPress(QWidget* control, QChar ch) {
    const auto it = m_keyFilters.constFind(control);
    if (it == m_keyFilters.constEnd() || keys::accepts(*it, ch, control->isEnabled()))
        return false;
    // The refusal is a notice at the box, which leaves the keyboard where it is: what is typed
    // next goes into the box.
    const keys::KeyProfile& p = keys::keyProfile(*it);
    platform::messages().notice(control, p.title, p.message, platform::Icon::None);
    return true;
}

void Form::bindKeyFilter(QWidget* box, keys::Profile profile) {
    m_keyFilters.insert(box, profile);
}

void Form::underErrorTrap(const std::function<void()>& handler, const QString& title, platform::Icon icon,
                          const QString& text) {
    const auto caught = msg::underErrorTrap(handler, {title, icon, text}, [this](const QString& name) {
        return promptOf(findChild<QWidget*>(name));
    });
    if (!caught)
        return;
    if (auto* box = caught->box.isEmpty() ? nullptr : findChild<QWidget*>(caught->box))
        sayAbout(box, caught->message.title, caught->message.text, caught->message.icon);
    else
        platform::message(caught->message.title, caught->message.text, caught->message.icon, this);
}

void Form::selectBox(QWidget* box) {
    box->setFocus();
    if (auto* edit = qobject_cast<QLineEdit*>(box))
        edit->selectAll();
}

QString Form::promptOf(const QWidget* box) const {
    if (box)
        for (const QLabel* label : findChildren<QLabel*>())
            if (label->buddy() == box)
                return label->text().remove(u'&');
    return {};
}

void Form::sayAbout(QWidget* box, const QString& title, const QString& text, platform::Icon icon) {
    // The second line names the box by its prompt, unless the message already does.
    const QString prompt = accessible::plainText(promptOf(box));
    platform::messages().showAbout(this, title, text, icon,
                                   text.simplified().contains(prompt.simplified()) ? QString() : prompt);
    selectBox(box);
}

QHBoxLayout* Form::buttonRow(const std::vector<Button>& buttons) {
    auto* row = new QHBoxLayout;
    for (const Button& b : buttons)
        row->addWidget(appearance::commandButton(this, b.name, b.caption, b.onClick));
    return row;
}

namespace {

// The focused command button carries a ring in the highlight colour inside its edge, drawn over
// the button once it has painted itself, so that the keyboard's place is plain on any background.
bool paintWithFocusRing(QPushButton* button, QEvent* paint) {
    if (!button->hasFocus())
        return false;
    static_cast<QObject*>(button)->event(paint);
    QPainter p(button);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(button->palette().color(QPalette::Highlight), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(button->rect()).adjusted(3, 3, -3, -3));
    return true;
}

} // namespace

bool Form::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Paint) {
        if (auto* button = qobject_cast<QPushButton*>(watched))
            return paintWithFocusRing(button, event);
        return QWidget::eventFilter(watched, event);
    }
    if (event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    if (m_keyPreview && Form_KeyDown(key->key(), key->modifiers()))
        return true;
    if (auto* option = qobject_cast<QRadioButton*>(watched);
        option && (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) == 0 &&
        (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down || key->key() == Qt::Key_Left ||
         key->key() == Qt::Key_Right))
        return moveInGroup(option, key->key());
    const QChar ch = keyChar(key);
    // Enter opens the current item of a list or tree as a double click does; otherwise Enter and
    // Esc go to the window's buttons before any key handler sees them.
    if (ch == QChar(13)) {
        if (auto* view = qobject_cast<QAbstractItemView*>(watched); view && view->currentIndex().isValid()) {
            emit view->doubleClicked(view->currentIndex());
            return true;
        }
        auto* focused = qobject_cast<QPushButton*>(watched);
        QPushButton* target = focused ? focused : m_default;
        if (target && target->isEnabled() && target->isVisibleTo(this)) {
            target->click();
            return true;
        }
    } else if (ch == QChar(27)) {
        if (m_cancel && m_cancel->isEnabled() && m_cancel->isVisibleTo(this)) {
            m_cancel->click();
            return true;
        }
    }
    if (ch.isNull()) {
        notice::dismiss();
        return false;
    }
    if (m_keyPreview && Form_KeyPress(ch))
        return true;
    auto* control = qobject_cast<QWidget*>(watched);
    if (control && control != this && !keys::passesUnfiltered(key->key(), key->modifiers()) &&
        Control_KeyPress(control, ch))
        return true;
    // An Alt chord that no access key took types nothing into a filtered box.
    if (m_keyFilters.contains(control) && (key->modifiers() & (Qt::AltModifier | Qt::MetaModifier)) &&
        !(key->modifiers() & Qt::ControlModifier) && ch.isPrint())
        return true;
    // A key the box takes ends the notice of a key it refused before.
    notice::dismiss();
    return false;
}

bool Form::moveInGroup(QAbstractButton* option, int key) {
    QList<QAbstractButton*> group;
    if (const QButtonGroup* buttons = option->group())
        group = buttons->buttons();
    else if (option->autoExclusive() && option->parentWidget())
        for (QAbstractButton* b :
             option->parentWidget()->findChildren<QAbstractButton*>(Qt::FindDirectChildrenOnly))
            if (b->autoExclusive() && b->isCheckable())
                group.append(b);
    const qsizetype at = group.indexOf(option);
    if (at < 0)
        return false;
    const qsizetype step = key == Qt::Key_Down || key == Qt::Key_Right ? 1 : group.size() - 1;
    for (qsizetype i = (at + step) % group.size(); i != at; i = (i + step) % group.size()) {
        QAbstractButton* next = group[i];
        if (!next->isEnabled() || !next->isVisibleTo(this))
            continue;
        next->setFocus(Qt::TabFocusReason);
        if (!next->isChecked())
            next->click();
        break;
    }
    return true;
}

void Form::closeEvent(QCloseEvent* event) {
    if (!Form_QueryUnload()) {
        event->ignore();
        return;
    }
    event->accept();
    if (windows::find(className()) == this)
        windows::unload(this);
}
