#include "ui/appearance.h"

#include "ui/colours.h"

#include <QApplication>
#include <QIconEngine>
#include <QList>
#include <QPainter>
#include <QPixmap>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace appearance {

QFont formFont(double pointSize) {
    QFont f(QStringLiteral("Times New Roman"));
    f.setStyleHint(QFont::Serif);
    f.setPointSizeF(pointSize);
    return f;
}

QFont fixedFont(double pointSize) {
    QFont f(QStringLiteral("Courier"));
    f.setStyleHint(QFont::TypeWriter);
    f.setFixedPitch(true);
    f.setPointSizeF(pointSize);
    return f;
}

Qt::WindowFlags toolWindowFlags() {
    return Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
}

Qt::WindowFlags mainWindowFlags() {
    return Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
           Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint;
}

namespace {

// A palette equal to the given one that lasts for the whole run: one is kept for each set of
// colours the program draws buttons with, a handful.
QPalette lastingPalette(const QPalette& palette) {
    static QList<QPalette> kept;
    for (const QPalette& p : kept)
        if (p == palette)
            return p;
    kept.append(palette);
    return palette;
}

// A small open book, the picture on every help button. Drawn once for the whole run: the style
// caches the icon's rendering under the picture's identity, and a picture drawn anew for each
// button would leave an entry behind at every opening of a calculator.
QPixmap drawBook() {
    QPixmap pm(16, 16);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0, 64, 128), 1));
    p.setBrush(QColor(255, 255, 230));
    p.drawPolygon(QPolygonF({QPointF(1, 3), QPointF(8, 5), QPointF(8, 14), QPointF(1, 12)}));
    p.drawPolygon(QPolygonF({QPointF(15, 3), QPointF(8, 5), QPointF(8, 14), QPointF(15, 12)}));
    p.drawLine(QPointF(3, 6), QPointF(6.5, 7));
    p.drawLine(QPointF(13, 6), QPointF(9.5, 7));
    p.drawLine(QPointF(3, 9), QPointF(6.5, 10));
    p.drawLine(QPointF(13, 9), QPointF(9.5, 10));
    return pm;
}

const QPixmap& bookPicture() {
    static const QPixmap book = drawBook();
    return book;
}

} // namespace

namespace {

// The desktop's style, with the edges of the controls a student works with drawn over where they
// would fade into the background: many styles shade them from the window colour, which leaves a
// text box or an option circle without any edge at all on a black window.
// The chevron of a menu bar too narrow for its titles, drawn in the text colour of the palette in
// force when it is painted. (The style's own is a picture file, and reading one loads every image
// format the system has before the main window can first be painted.)
class ChevronEngine : public QIconEngine {
  public:
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override {
        const QPalette palette = QGuiApplication::palette();
        const QColor ink = palette.color(mode == QIcon::Disabled ? QPalette::Disabled : QPalette::Active,
                                         QPalette::ButtonText);
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setPen(QPen(ink, qMax(1.5, rect.height() / 10.0)));
        const QRectF r = QRectF(rect).adjusted(rect.width() * 0.25, rect.height() * 0.3, -rect.width() * 0.25,
                                               -rect.height() * 0.3);
        for (const qreal x : {r.left(), r.center().x()}) {
            const qreal half = r.width() / 2;
            painter->drawPolyline(QPolygonF(
                {QPointF(x, r.top()), QPointF(x + half * 0.8, r.center().y()), QPointF(x, r.bottom())}));
        }
        painter->restore();
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        QPixmap picture(size);
        picture.fill(Qt::transparent);
        QPainter painter(&picture);
        paint(&painter, QRect(QPoint(), size), mode, state);
        return picture;
    }
    QIconEngine* clone() const override { return new ChevronEngine; }
};

class ProgramStyle : public QProxyStyle {
  public:
    using QProxyStyle::QProxyStyle;

    QIcon standardIcon(StandardPixmap which, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override {
        if (which == SP_ToolBarHorizontalExtensionButton)
            return QIcon(new ChevronEngine);
        return QProxyStyle::standardIcon(which, option, widget);
    }

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        if (!(option->state & State_Enabled))
            return;
        switch (element) {
        case PE_FrameLineEdit:
            // A focused box keeps the style's focus frame.
            if (!(option->state & State_HasFocus))
                drawEdge(option, painter, Shape::Rounded);
            break;
        case PE_Frame:
            drawEdge(option, painter, Shape::Square);
            break;
        case PE_IndicatorRadioButton:
            drawEdge(option, painter, Shape::Circle);
            break;
        case PE_IndicatorCheckBox:
            drawEdge(option, painter, Shape::Square);
            break;
        case PE_PanelButtonCommand:
            if (const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option);
                !button || !(button->features & QStyleOptionButton::Flat))
                drawEdge(option, painter, Shape::Rounded);
            break;
        default:
            break;
        }
    }

  private:
    enum class Shape { Square, Rounded, Circle };

    // A line along the inside of the control's rectangle, in a colour that stands out from the
    // window behind it. A circle's line is smoothed, and fades where it runs across pixels rather
    // than along them: it is drawn half as wide again, and stronger.
    static void drawEdge(const QStyleOption* option, QPainter* painter, Shape shape) {
        const QPalette& p = option->palette;
        const bool circle = shape == Shape::Circle;
        const QColor edge =
            colours::edgeOn(p.color(QPalette::Window), p.color(QPalette::WindowText), circle ? 5.0 : 3.5);
        const double width = circle ? 1.5 : 1.0;
        const QRectF r = QRectF(option->rect).adjusted(width / 2, width / 2, -width / 2, -width / 2);
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing, shape != Shape::Square);
        painter->setPen(QPen(edge, width));
        painter->setBrush(Qt::NoBrush);
        switch (shape) {
        case Shape::Square:
            painter->drawRect(r);
            break;
        case Shape::Rounded:
            painter->drawRoundedRect(r, 2, 2);
            break;
        case Shape::Circle:
            painter->drawEllipse(r);
            break;
        }
        painter->restore();
    }
};

} // namespace

void useProgramStyle() {
    if (dynamic_cast<ProgramStyle*>(QApplication::style()))
        return;
    // A fresh instance of the desktop's style for the proxy to own: the application deletes the
    // one it has when it is replaced.
    QStyle* desktop = QStyleFactory::create(QApplication::style()->name());
    QApplication::setStyle(new ProgramStyle(desktop));
}

void PushButton::paintEvent(QPaintEvent*) {
    // As QPushButton draws itself, with the lasting palette in place of the widget's own copy.
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QPalette::ColorGroup group = option.palette.currentColorGroup();
    option.palette = lastingPalette(option.palette);
    option.palette.setCurrentColorGroup(group);
    painter.drawControl(QStyle::CE_PushButton, option);
}

QPushButton* commandButton(QWidget* parent, const QString& name, const QString& caption,
                           std::function<void()> onClick) {
    auto* b = new PushButton(caption, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    b->setMinimumWidth(twips(1215));
    QObject::connect(b, &QPushButton::clicked, parent, std::move(onClick));
    return b;
}

void styleHelpButton(QPushButton* button) {
    QFont f = button->font();
    f.setBold(true);
    f.setPointSize(18);
    button->setFont(f);
    button->setIcon(QIcon(bookPicture()));
    button->setToolTip(QStringLiteral("Press for help"));
    button->setAccessibleName(QStringLiteral("Help"));
}

} // namespace appearance
