#include "ui/screenfit.h"

#include <QApplication>
#include <QBoxLayout>
#include <QGuiApplication>
#include <QLayout>
#include <QPixmap>
#include <QPointer>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>

#include <algorithm>

namespace screenfit {

namespace {

const char* const areaName = "qt_screenfit_area";

// The height of the title bar and frame the window manager adds around a window (none on the
// offscreen platforms, which have no window manager).
QSize decorations(const QWidget* window) {
    const QString platform = QGuiApplication::platformName();
    if (platform == QLatin1String("offscreen") || platform == QLatin1String("minimal"))
        return {0, 0};
    const int border = 2 * std::max(2, window->style()->pixelMetric(QStyle::PM_DefaultFrameWidth));
    const int title = std::max(window->style()->pixelMetric(QStyle::PM_TitleBarHeight),
                               2 * window->fontMetrics().height() + 4);
    return {border, title + border};
}

// Moves everything the window holds, its layout's items with it, onto a page of its own.
QWidget* takeContents(QWidget* window) {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("qt_screenfit_page"));
    QLayout* old = window->layout();
    if (old) {
        // The layout's items first: a widget that changes parents leaves the layout it was in.
        auto* oldBox = qobject_cast<QBoxLayout*>(old);
        auto* column = new QBoxLayout(oldBox ? oldBox->direction() : QBoxLayout::TopToBottom, page);
        column->setContentsMargins(old->contentsMargins());
        column->setSpacing(old->spacing());
        column->setSizeConstraint(QLayout::SetFixedSize);
        while (old->count() > 0) {
            const int stretch = oldBox ? oldBox->stretch(0) : 0;
            QLayoutItem* item = old->takeAt(0);
            const Qt::Alignment alignment = item->alignment();
            if (QWidget* w = item->widget()) {
                delete item;
                column->addWidget(w, stretch, alignment);
            } else if (QLayout* l = item->layout()) {
                l->setParent(nullptr);
                column->addLayout(l, stretch);
            } else {
                column->addItem(item);
            }
        }
    } else {
        // Controls placed by their own geometry: the page is the window's size.
        page->setFixedSize(window->size());
    }
    for (QWidget* w : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (!w->isWindow())
            w->setParent(page);
    delete old;
    if (QLayout* l = page->layout())
        l->activate();
    return page;
}

// Once the window is on screen, with the frame the window manager gave it: no larger than the free
// area, and inside it.
void keepInside(QWidget* window) {
    const QScreen* screen = window->screen();
    if (!screen)
        return;
    const QRect free = screen->availableGeometry();
    const QSize frame = window->frameGeometry().size() - window->size();
    const QSize room = free.size() - frame;
    if (window->width() > room.width() || window->height() > room.height())
        window->resize(window->size().boundedTo(room));
    const QRect outer = window->frameGeometry();
    const int x = std::clamp(outer.x(), free.left(), std::max(free.left(), free.right() + 1 - outer.width()));
    const int y = std::clamp(outer.y(), free.top(), std::max(free.top(), free.bottom() + 1 - outer.height()));
    if (x != outer.x() || y != outer.y())
        window->move(x, y);
}

// Keeps a scrolling window inside the free area each time it is shown.
class Keeper : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && watched == parent())
            keepInside(static_cast<QWidget*>(watched));
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

bool scrolls(const QWidget* window) {
    return window->findChild<QScrollArea*>(QLatin1String(areaName), Qt::FindDirectChildrenOnly) != nullptr;
}

QPixmap picture(QWidget* window) {
    const auto* area = window->findChild<QScrollArea*>(QLatin1String(areaName), Qt::FindDirectChildrenOnly);
    return area && area->widget() ? area->widget()->grab() : window->grab();
}

void fit(QWidget* window) {
    const QScreen* screen = window->screen();
    if (!screen || scrolls(window))
        return;
    if (QLayout* l = window->layout())
        l->activate();
    const QRect free = screen->availableGeometry();
    const QSize frame = decorations(window);
    const QSize room = free.size() - frame;
    const QSize full = window->size().expandedTo(window->minimumSize());
    if (full.width() <= room.width() && full.height() <= room.height())
        return;

    QWidget* page = takeContents(window);
    window->setMinimumSize(0, 0);
    window->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    auto* area = new QScrollArea(window);
    area->setObjectName(QLatin1String(areaName));
    area->setFrameShape(QFrame::NoFrame);
    area->setFocusPolicy(Qt::NoFocus);
    area->setWidget(page);
    auto* frameLayout = new QVBoxLayout(window);
    frameLayout->setContentsMargins(0, 0, 0, 0);
    frameLayout->addWidget(area);

    // As large as the contents with the scroll bars they need, no larger than the room.
    const QSize content = page->size();
    QSize wanted = content;
    if (content.height() > room.height())
        wanted.rwidth() += area->verticalScrollBar()->sizeHint().width();
    if (content.width() > room.width())
        wanted.rheight() += area->horizontalScrollBar()->sizeHint().height();
    window->setMaximumSize(wanted);
    const QSize size = wanted.boundedTo(room);
    window->setMinimumSize(std::min(size.width(), 160), std::min(size.height(), 120));
    window->resize(size);
    // Centred where it fits, at the top left of the free area where it does not.
    const int x = free.left() + std::max(0, (free.width() - frame.width() - size.width()) / 2);
    const int y = free.top() + std::max(0, (free.height() - frame.height() - size.height()) / 2);
    window->move(x, y);

    window->installEventFilter(new Keeper(window));

    // Wherever the keyboard goes, the contents scroll to show it. The focus also moves while the
    // window is being taken down; by then the area is no longer a scroll area, and the cast says so.
    QPointer<QWidget> guard(area);
    QObject::connect(qApp, &QApplication::focusChanged, area, [guard, page](QWidget*, QWidget* now) {
        if (auto* scroller = qobject_cast<QScrollArea*>(guard.data());
            scroller && now && page->isAncestorOf(now))
            scroller->ensureWidgetVisible(now);
    });
}

} // namespace screenfit
