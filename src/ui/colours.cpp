#include "ui/colours.h"

#include <QPalette>
#include <QPushButton>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace colours {
namespace {

double channel(double c) {
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double luminance(const QColor& c) {
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

} // namespace

double contrast(const QColor& a, const QColor& b) {
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor readableOn(const QColor& background) {
    const QColor black(Qt::black), white(Qt::white);
    return contrast(background, black) >= contrast(background, white) ? black : white;
}

QColor edgeOn(const QColor& background, const QColor& ink, double ratio) {
    constexpr int steps = 40;
    for (int i = 1; i < steps; ++i) {
        const double t = double(i) / steps;
        const QColor shade =
            QColor::fromRgbF(float(background.redF() + t * (ink.redF() - background.redF())),
                             float(background.greenF() + t * (ink.greenF() - background.greenF())),
                             float(background.blueF() + t * (ink.blueF() - background.blueF())));
        if (contrast(shade, background) >= ratio)
            return shade;
    }
    return contrast(ink, background) >= 3.0 ? ink : readableOn(background);
}

void fixBackground(QWidget* w, const QColor& background) {
    const bool button = qobject_cast<QPushButton*>(w) != nullptr;
    QPalette p = w->palette();
    p.setColor(button ? QPalette::Button : QPalette::Window, background);
    p.setColor(button ? QPalette::ButtonText : QPalette::WindowText, readableOn(background));
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

} // namespace colours
