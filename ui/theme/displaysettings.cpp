#include "ui/theme/displaysettings.h"

#include <QApplication>
#include <QLocale>

#include <algorithm>
#include <optional>

namespace {

int& scalePercent()
{
    static int percent = 100;
    return percent;
}

std::optional<QFont>& capturedBaseFont()
{
    static std::optional<QFont> font;
    return font;
}

std::optional<Qt::DayOfWeek>& weekStart()
{
    static std::optional<Qt::DayOfWeek> day;
    return day;
}

} // namespace

QFont DisplaySettings::baseFont()
{
    if (!capturedBaseFont())
        capturedBaseFont() = QApplication::font();
    return *capturedBaseFont();
}

void DisplaySettings::setBaseFont(const QFont& font)
{
    capturedBaseFont() = font;
}

int DisplaySettings::fontScale()
{
    return scalePercent();
}

void DisplaySettings::setFontScale(int percent)
{
    scalePercent() = std::clamp(percent, minimumFontScale, maximumFontScale);
}

int DisplaySettings::fontScaleFromText(const QString& text)
{
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    return std::clamp(ok ? value : 100, minimumFontScale, maximumFontScale);
}

Qt::DayOfWeek DisplaySettings::weekStartDay()
{
    if (!weekStart())
        weekStart() = QLocale().firstDayOfWeek();
    return *weekStart();
}

void DisplaySettings::setWeekStartDay(Qt::DayOfWeek day)
{
    weekStart() = day;
}

bool DisplaySettings::applyWeekStartText(const QString& text)
{
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    if (!ok || value < 1 || value > 7)
        return false;
    setWeekStartDay(Qt::DayOfWeek(value));
    return true;
}
