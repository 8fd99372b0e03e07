#pragma once

#include <QFont>

// Process-wide display values set during start-up and read by every screen: the base font as
// it was before any scaling, the font-scale percent and the first day of the week.
class DisplaySettings
{
public:
    static constexpr int minimumFontScale = 70;
    static constexpr int maximumFontScale = 160;

    // QApplication::font() as taken on first use, before the theme scales it.
    static QFont baseFont();
    // Replaces the captured base font; for start-up code that captures it explicitly and for
    // checks that need a particular base (a pixel-sized one, a small one).
    static void setBaseFont(const QFont& font);

    // Percent, always within 70..160; 100 until set.
    static int fontScale();
    static void setFontScale(int percent); // clamps
    // Reads a stored preference text: a non-integer gives 100, then the value is clamped.
    static int fontScaleFromText(const QString& text);

    // Qt day of week (1 Monday .. 7 Sunday); the interface locale's first day until set.
    static Qt::DayOfWeek weekStartDay();
    static void setWeekStartDay(Qt::DayOfWeek day);
    // Applies a stored preference text when it is an integer 1..7; returns whether it did.
    static bool applyWeekStartText(const QString& text);
};
