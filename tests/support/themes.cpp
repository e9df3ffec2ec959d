#include "themes.h"

#include <QApplication>
#include <QStyle>

namespace {

struct Colours {
    QColor window, text, base, alternateBase, button, highlight, highlightedText, link, disabled;
    QColor light, midlight, mid, dark, shadow;
};

QPalette fromColours(const Colours& c) {
    QPalette p;
    p.setColor(QPalette::Window, c.window);
    p.setColor(QPalette::WindowText, c.text);
    p.setColor(QPalette::Base, c.base);
    p.setColor(QPalette::AlternateBase, c.alternateBase);
    p.setColor(QPalette::ToolTipBase, c.base);
    p.setColor(QPalette::ToolTipText, c.text);
    p.setColor(QPalette::PlaceholderText, c.disabled);
    p.setColor(QPalette::Text, c.text);
    p.setColor(QPalette::Button, c.button);
    p.setColor(QPalette::ButtonText, c.text);
    p.setColor(QPalette::BrightText, Qt::red);
    p.setColor(QPalette::Light, c.light);
    p.setColor(QPalette::Midlight, c.midlight);
    p.setColor(QPalette::Mid, c.mid);
    p.setColor(QPalette::Dark, c.dark);
    p.setColor(QPalette::Shadow, c.shadow);
    p.setColor(QPalette::Highlight, c.highlight);
    p.setColor(QPalette::HighlightedText, c.highlightedText);
    p.setColor(QPalette::Link, c.link);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(QPalette::Disabled, role, c.disabled);
    return p;
}

} // namespace

QPalette themePalette(Theme theme) {
    switch (theme) {
    case Theme::Dark:
        return fromColours({.window = {53, 53, 53},
                            .text = {238, 238, 238},
                            .base = {35, 35, 35},
                            .alternateBase = {53, 53, 53},
                            .button = {60, 60, 60},
                            .highlight = {42, 130, 218},
                            .highlightedText = Qt::white,
                            .link = {90, 170, 250},
                            .disabled = {127, 127, 127},
                            .light = {90, 90, 90},
                            .midlight = {75, 75, 75},
                            .mid = {45, 45, 45},
                            .dark = {35, 35, 35},
                            .shadow = {20, 20, 20}});
    case Theme::HighContrast:
        return fromColours({.window = Qt::black,
                            .text = Qt::white,
                            .base = Qt::black,
                            .alternateBase = {24, 24, 24},
                            .button = Qt::black,
                            .highlight = {255, 255, 0},
                            .highlightedText = Qt::black,
                            .link = {0, 255, 255},
                            .disabled = {160, 160, 160},
                            .light = Qt::white,
                            .midlight = {200, 200, 200},
                            .mid = {128, 128, 128},
                            .dark = Qt::white,
                            .shadow = Qt::white});
    case Theme::Light:
        break;
    }
    return QApplication::style()->standardPalette();
}

bool themeNamed(const QString& name, Theme* theme) {
    if (name == QLatin1String("light"))
        *theme = Theme::Light;
    else if (name == QLatin1String("dark"))
        *theme = Theme::Dark;
    else if (name == QLatin1String("high-contrast"))
        *theme = Theme::HighContrast;
    else
        return false;
    return true;
}

void applyTheme(Theme theme) {
    QApplication::setPalette(themePalette(theme));
}
