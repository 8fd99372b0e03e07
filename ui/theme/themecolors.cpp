#include "ui/theme/themecolors.h"

#include <QGuiApplication>
#include <QPalette>

namespace {

QColor pick(bool dark, const char* light, const char* darkColour)
{
    return QColor(QLatin1String(dark ? darkColour : light));
}

} // namespace

bool ThemeColors::isDark(const QPalette& palette)
{
    return palette.color(QPalette::Window).lightness() < 128;
}

bool ThemeColors::isDark()
{
    return isDark(QGuiApplication::palette());
}

QColor ThemeColors::positive(bool dark)
{
    return pick(dark, "#2E7D32", "#66BB6A");
}

QColor ThemeColors::negative(bool dark)
{
    return pick(dark, "#C62828", "#FF8A80");
}

QColor ThemeColors::warning(bool dark)
{
    return pick(dark, "#E65100", "#FFA726");
}

QColor ThemeColors::accent(bool dark)
{
    return pick(dark, "#00897B", "#4DB6AC");
}

QColor ThemeColors::secondary(bool dark)
{
    return pick(dark, "#6E8A7E", "#8FAF9F");
}

QColor ThemeColors::entryRowBackground(bool dark)
{
    return pick(dark, "#E8F5E9", "#1A2E28");
}
