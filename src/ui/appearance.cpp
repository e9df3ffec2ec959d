#include "ui/appearance.h"

#include <QPainter>
#include <QPixmap>
#include <QPushButton>

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

// A small open book, the picture on every help button.
QPixmap bookPicture() {
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

} // namespace

QPushButton* commandButton(QWidget* parent, const QString& name, const QString& caption,
                           std::function<void()> onClick) {
    auto* b = new QPushButton(caption, parent);
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
}

} // namespace appearance
