#pragma once

#include <QColor>

class QPalette;

// The colours screens pick by theme. Widgets never ask the theme manager: they look at the
// application palette (the dark test) and take the matching constant from here.
class ThemeColors
{
public:
    // Dark when the palette's window colour has a lightness below 128.
    static bool isDark(const QPalette& palette);
    // The dark test on the application palette.
    static bool isDark();

    static QColor positive(bool dark);
    static QColor negative(bool dark);
    static QColor warning(bool dark);
    static QColor accent(bool dark);
    static QColor secondary(bool dark);

    // The same for the application palette's theme.
    static QColor positive() { return positive(isDark()); }
    static QColor negative() { return negative(isDark()); }
    static QColor warning() { return warning(isDark()); }
    static QColor accent() { return accent(isDark()); }
    static QColor secondary() { return secondary(isDark()); }

    // The background that marks the row being typed in the register.
    static QColor entryRowBackground(bool dark);
};
