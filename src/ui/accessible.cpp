#include "ui/accessible.h"

#include "ui/form.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QFocusFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRegularExpression>

namespace accessible {

namespace {

const char* const decorativeProperty = "quellorinDecorative";

// A window of the program: a frame, named by its title (Qt names a window's interface by its
// title), whose children are those Qt would list less the decorative pictures.
class WindowInterface : public QAccessibleWidget {
  public:
    explicit WindowInterface(QWidget* window) : QAccessibleWidget(window, QAccessible::Window) {}

    int childCount() const override { return int(children().size()); }

    QAccessibleInterface* child(int index) const override {
        const QList<QWidget*> list = children();
        return index >= 0 && index < list.size() ? QAccessible::queryAccessibleInterface(list[index])
                                                 : nullptr;
    }

    int indexOfChild(const QAccessibleInterface* child) const override {
        if (!child || !child->object() || !child->object()->isWidgetType())
            return -1;
        return int(children().indexOf(static_cast<QWidget*>(child->object())));
    }

  private:
    // The child widgets Qt presents (not windows, menus, focus frames or rubber bands), in order.
    QList<QWidget*> children() const {
        QList<QWidget*> list;
        for (QObject* o : widget()->children()) {
            auto* w = qobject_cast<QWidget*>(o);
            if (!w || w->isWindow() || qobject_cast<QFocusFrame*>(w) || qobject_cast<QMenu*>(w) ||
                w->objectName() == QLatin1String("qt_rubberband") ||
                w->objectName() == QLatin1String("qt_spinbox_lineedit") ||
                w->property(decorativeProperty).toBool())
                continue;
            list << w;
        }
        return list;
    }
};

// A read-only box: text that can be read, selected and copied, never edited. (Qt presents every
// line edit as editable, read-only or not.)
class OutputBoxInterface : public QAccessibleWidget, public QAccessibleTextInterface {
  public:
    explicit OutputBoxInterface(QLineEdit* box) : QAccessibleWidget(box, QAccessible::EditableText) {}

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.readOnly = true;
        s.editable = false;
        s.selectableText = true;
        return s;
    }

    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Value ? box()->text() : QAccessibleWidget::text(t);
    }

    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    QString text(int startOffset, int endOffset) const override {
        return box()->text().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return int(box()->text().size()); }
    int cursorPosition() const override { return box()->cursorPosition(); }
    void setCursorPosition(int position) override { box()->setCursorPosition(position); }
    int selectionCount() const override { return box()->hasSelectedText() ? 1 : 0; }
    void selection(int selectionIndex, int* startOffset, int* endOffset) const override {
        *startOffset = *endOffset = 0;
        if (selectionIndex == 0 && box()->hasSelectedText()) {
            *startOffset = box()->selectionStart();
            *endOffset = box()->selectionEnd();
        }
    }
    void setSelection(int, int startOffset, int endOffset) override {
        box()->setSelection(startOffset, endOffset - startOffset);
    }
    void addSelection(int startOffset, int endOffset) override { setSelection(0, startOffset, endOffset); }
    void removeSelection(int) override { box()->deselect(); }
    // The box's own place on the screen stands for each character's.
    QRect characterRect(int) const override { return rect(); }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int* startOffset, int* endOffset) const override {
        *startOffset = *endOffset = offset;
        return {};
    }

  private:
    QLineEdit* box() const { return static_cast<QLineEdit*>(widget()); }
};

const char* const notificationProperty = "quellorinNotification";
const char* const announcementName = "quellorinAnnouncement";

// A notification: Qt has no widget that presents itself as one.
class NotificationInterface : public QAccessibleWidget {
  public:
    explicit NotificationInterface(QWidget* widget) : QAccessibleWidget(widget, QAccessible::Notification) {}
};

QAccessibleInterface* factory(const QString& className, QObject* object) {
    if (auto* form = qobject_cast<Form*>(object); form && form->isWindow())
        return new WindowInterface(form);
    if (auto* widget = qobject_cast<QWidget*>(object);
        widget && widget->property(notificationProperty).toBool())
        return new NotificationInterface(widget);
    if (className == QLatin1String("QLineEdit"))
        if (auto* box = qobject_cast<QLineEdit*>(object); box && box->isReadOnly())
            return new OutputBoxInterface(box);
    return nullptr;
}

} // namespace

void labelFor(QLabel* label, QWidget* box) {
    if (label->parentWidget() != box->parentWidget())
        qFatal("The label %s cannot name the box %s: they are not in the same parent",
               qPrintable(label->objectName()), qPrintable(box->objectName()));
    label->setBuddy(box);
}

QString plainText(const QString& text) {
    static const QRegularExpression lineBreaks(QStringLiteral("\\s*[\\r\\n]+\\s*"));
    return QString(text).replace(lineBreaks, QStringLiteral(" ")).trimmed();
}

void plainName(QLabel* label) {
    label->setAccessibleName(plainText(label->text()));
}

void decorative(QWidget* picture) {
    if (!picture->parentWidget() || !picture->parentWidget()->isWindow())
        qFatal("The picture %s is not a child of a window", qPrintable(picture->objectName()));
    picture->setProperty(decorativeProperty, true);
}

void notification(QWidget* widget, const QString& title, const QString& text) {
    widget->setProperty(notificationProperty, true);
    widget->setAccessibleName(plainText(title));
    widget->setAccessibleDescription(plainText(text));
}

void announce(QWidget* window, const QString& text) {
    auto* announcement =
        window->findChild<QWidget*>(QLatin1String(announcementName), Qt::FindDirectChildrenOnly);
    if (!announcement) {
        announcement = new QWidget(window);
        notification(announcement, text, QString());
        announcement->setObjectName(QLatin1String(announcementName));
        announcement->setAttribute(Qt::WA_TransparentForMouseEvents);
        announcement->setFocusPolicy(Qt::NoFocus);
        announcement->setGeometry(0, 0, 1, 1);
        announcement->hide();
    }
    // Shown anew each time, so that the same answer twice is said twice; it draws nothing.
    announcement->hide();
    notification(announcement, text, QString());
    announcement->show();
}

void presentWindows() {
    static const bool installed = [] {
        QAccessible::installFactory(factory);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace accessible
