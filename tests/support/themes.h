#pragma once
// The desktop themes the windows are checked under: the style's own light palette, a dark one and
// a high-contrast one, set as a desktop sets them, for the whole application.

#include <QPalette>
#include <QString>

enum class Theme { Light, Dark, HighContrast };

QPalette themePalette(Theme theme);
// "light", "dark" or "high-contrast"; false for any other name.
bool themeNamed(const QString& name, Theme* theme);
// Sets the theme's palette for the application, as a desktop's theme change does.
void applyTheme(Theme theme);
