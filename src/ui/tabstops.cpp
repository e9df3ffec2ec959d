#include "ui/tabstops.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QEvent>
#include <QList>
#include <QPointer>
#include <QRadioButton>

namespace tabstops {

namespace {

using Group = QList<QPointer<QAbstractButton>>;

// The options of the window's groups, each group in its order.
QList<Group> groupsOf(QWidget* window) {
    QList<Group> groups;
    QList<const QAbstractButton*> seen;
    for (QRadioButton* option : window->findChildren<QRadioButton*>()) {
        if (option->window() != window || seen.contains(option))
            continue;
        QList<QAbstractButton*> members;
        if (const QButtonGroup* buttons = option->group())
            members = buttons->buttons();
        else if (option->autoExclusive() && option->parentWidget())
            for (QAbstractButton* b :
                 option->parentWidget()->findChildren<QAbstractButton*>(Qt::FindDirectChildrenOnly))
                if (b->autoExclusive() && b->isCheckable())
                    members << b;
        if (members.size() < 2)
            continue;
        Group group;
        for (QAbstractButton* b : std::as_const(members)) {
            seen << b;
            group << b;
        }
        groups << group;
    }
    return groups;
}

// The group's one Tab stop: its selected option where that can take the focus, else its first that
// can; the others take the focus from the mouse and the arrow keys alone.
void placeStop(const Group& group, const QWidget* window) {
    const auto reachable = [window](const QAbstractButton* b) {
        return b && b->isEnabled() && b->isVisibleTo(window);
    };
    const QAbstractButton* stop = nullptr;
    for (const QPointer<QAbstractButton>& b : group)
        if (reachable(b) && b->isChecked())
            stop = b;
    for (const QPointer<QAbstractButton>& b : group)
        if (!stop && reachable(b))
            stop = b;
    for (const QPointer<QAbstractButton>& b : group)
        if (b)
            b->setFocusPolicy(b == stop ? Qt::StrongFocus : Qt::ClickFocus);
}

// Places a group's stop again when one of its options is enabled, disabled, shown or hidden.
class Watcher : public QObject {
  public:
    Watcher(Group group, QWidget* window) : QObject(window), m_group(std::move(group)), m_window(window) {}

    void place() const { placeStop(m_group, m_window); }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
        case QEvent::EnabledChange:
        case QEvent::ShowToParent:
        case QEvent::HideToParent:
            place();
            break;
        default:
            break;
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    Group m_group;
    QWidget* m_window;
};

} // namespace

void onePerGroup(QWidget* window) {
    for (const Group& group : groupsOf(window)) {
        auto* watcher = new Watcher(group, window);
        for (const QPointer<QAbstractButton>& b : group) {
            b->installEventFilter(watcher);
            QObject::connect(b, &QAbstractButton::toggled, watcher, [watcher] { watcher->place(); });
        }
        watcher->place();
    }
}

} // namespace tabstops
