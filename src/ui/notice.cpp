#include "ui/notice.h"

#include "ui/accessible.h"

#include <QApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace notice {
namespace {

const char* const noticeName = "quellorinNotice";

// One notice per window, kept while the window lives and hidden between refusals, so that a
// screen reader that asks about it after it has gone still finds it.
class Notice : public QFrame {
  public:
    explicit Notice(QWidget* window) : QFrame(window) {
        setObjectName(QLatin1String(noticeName));
        accessible::notification(this, QString(), QString());
        setFrameShape(QFrame::Box);
        setFocusPolicy(Qt::NoFocus);
        setAutoFillBackground(true);
        QPalette p = palette();
        p.setColor(QPalette::Window, p.color(QPalette::ToolTipBase));
        p.setColor(QPalette::WindowText, p.color(QPalette::ToolTipText));
        setPalette(p);
        auto* row = new QHBoxLayout(this);
        row->setContentsMargins(6, 4, 6, 4);
        m_icon = new QLabel(this);
        row->addWidget(m_icon, 0, Qt::AlignTop);
        auto* column = new QVBoxLayout;
        m_title = new QLabel(this);
        QFont bold = m_title->font();
        bold.setBold(true);
        m_title->setFont(bold);
        m_text = new QLabel(this);
        m_text->setWordWrap(true);
        column->addWidget(m_title);
        column->addWidget(m_text);
        row->addLayout(column);
        m_timer.setSingleShot(true);
        QObject::connect(&m_timer, &QTimer::timeout, this, [this] { hide(); });
        hide();
    }

    void say(QWidget* box, const QString& title, const QString& text, msg::Icon icon) {
        hide();
        accessible::notification(this, title, text);
        m_title->setText(title);
        m_text->setText(text);
        const QStyle::StandardPixmap pixmaps[] = {QStyle::SP_CustomBase, QStyle::SP_MessageBoxInformation,
                                                  QStyle::SP_MessageBoxWarning,
                                                  QStyle::SP_MessageBoxCritical};
        if (icon == msg::Icon::None) {
            m_icon->clear();
            m_icon->hide();
        } else {
            const int size = style()->pixelMetric(QStyle::PM_SmallIconSize);
            m_icon->setPixmap(style()->standardIcon(pixmaps[int(icon)]).pixmap(size, size));
            m_icon->show();
        }
        QWidget* window = parentWidget();
        // On one line where the window is wide enough, wrapped within it where not.
        setMaximumWidth(std::max(box->width(), window->width() - 8));
        m_text->setMinimumWidth(
            std::min(m_text->fontMetrics().horizontalAdvance(text), window->width() - 40));
        adjustSize();
        // Below the box, or above it where the window has no room below; within the window.
        const QPoint at = box->mapTo(window, QPoint(0, 0));
        int y = at.y() + box->height() + 2;
        if (y + height() > window->height())
            y = std::max(0, at.y() - height() - 2);
        const int x = std::clamp(at.x(), 0, std::max(0, window->width() - width()));
        move(x, y);
        raise();
        show();
        m_timer.start(showMs);
    }

  private:
    QLabel* m_icon = nullptr;
    QLabel* m_title = nullptr;
    QLabel* m_text = nullptr;
    QTimer m_timer;
};

QPointer<Notice> current;

} // namespace

void show(QWidget* box, const QString& title, const QString& text, msg::Icon icon) {
    dismiss();
    QWidget* window = box->window();
    auto* notice = static_cast<Notice*>(
        window->findChild<QFrame*>(QLatin1String(noticeName), Qt::FindDirectChildrenOnly));
    if (!notice) {
        notice = new Notice(window);
        // A move of the focus takes it down.
        static const bool watching = [] {
            QObject::connect(qApp, &QApplication::focusChanged, qApp, [] { dismiss(); });
            return true;
        }();
        Q_UNUSED(watching);
    }
    current = notice;
    notice->say(box, title, text, icon);
}

void dismiss() {
    if (current)
        current->hide();
    current = nullptr;
}

} // namespace notice
