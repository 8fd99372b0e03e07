#include "ui/theme/thememanager.h"

#include "ui/theme/displaysettings.h"
#include "ui/theme/fontroles.h"

#include "data/preferencesrepository.h"

#include <QApplication>
#include <QStyleHints>
#include <QWidget>

#if QT_VERSION < QT_VERSION_CHECK(6, 5, 0)
#include <QtGui/private/qguiapplication_p.h>
#include <QtGui/qpa/qplatformtheme.h>
#endif

namespace {

const QString themeKey = QStringLiteral("theme");
const QString fontScaleKey = QStringLiteral("fontScale");

struct PaletteColours
{
    const char* window;
    const char* windowText;
    const char* base;
    const char* alternateBase;
    const char* text;
    const char* button;
    const char* buttonText;
    const char* highlight;
    const char* highlightedText;
    const char* toolTipBase;
    const char* toolTipText;
    const char* placeholderText;
    const char* mid;
    const char* light;
    const char* dark;
    const char* disabledText;
};

QPalette buildPalette(const PaletteColours& c)
{
    QPalette palette;
    const auto set = [&palette](QPalette::ColorRole role, const char* colour) {
        palette.setColor(role, QColor(QLatin1String(colour)));
    };
    set(QPalette::Window, c.window);
    set(QPalette::WindowText, c.windowText);
    set(QPalette::Base, c.base);
    set(QPalette::AlternateBase, c.alternateBase);
    set(QPalette::Text, c.text);
    set(QPalette::Button, c.button);
    set(QPalette::ButtonText, c.buttonText);
    set(QPalette::Highlight, c.highlight);
    set(QPalette::HighlightedText, c.highlightedText);
    set(QPalette::ToolTipBase, c.toolTipBase);
    set(QPalette::ToolTipText, c.toolTipText);
    set(QPalette::PlaceholderText, c.placeholderText);
    set(QPalette::Mid, c.mid);
    set(QPalette::Light, c.light);
    set(QPalette::Dark, c.dark);

    const QColor disabled(QLatin1String(c.disabledText));
    for (const QPalette::ColorRole role :
         {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, disabled);
    return palette;
}

} // namespace

ThemeManager::ThemeManager(PreferencesRepository* preferences, QObject* parent)
    : QObject(parent), m_preferences(preferences)
{
}

void ThemeManager::setTheme(Theme theme)
{
    m_theme = theme;

    bool dark = theme == Dark;
    if (theme == System)
        dark = systemPrefersDark();
    QApplication::setPalette(dark ? darkPalette() : lightPalette());
    QApplication::setFont(baseFont());

    if (m_preferences)
        m_preferences->set(themeKey, themeName(theme));
    emit themeChanged(theme);
}

void ThemeManager::setThemeFromString(const QString& text)
{
    if (text == QLatin1String("light"))
        setTheme(Light);
    else if (text == QLatin1String("dark"))
        setTheme(Dark);
    else
        setTheme(System);
}

void ThemeManager::setFontScale(int percent)
{
    DisplaySettings::setFontScale(percent);
    const int applied = DisplaySettings::fontScale();
    if (m_preferences)
        m_preferences->set(fontScaleKey, QString::number(applied));

    setTheme(m_theme);

    const QWidgetList widgets = QApplication::allWidgets();
    for (QWidget* widget : widgets)
        FontRoles::refont(widget);

    emit fontScaleChanged(applied);
}

int ThemeManager::fontScale() const
{
    return DisplaySettings::fontScale();
}

QFont ThemeManager::baseFont()
{
    return FontRoles::font(FontRoles::Body);
}

QFont ThemeManager::fontForRole(int role)
{
    return FontRoles::font(role);
}

QFont ThemeManager::monospaceFont()
{
    return FontRoles::font(FontRoles::Monospace);
}

QString ThemeManager::themeName(Theme theme)
{
    switch (theme) {
    case Light:
        return QStringLiteral("light");
    case Dark:
        return QStringLiteral("dark");
    case System:
        break;
    }
    return QStringLiteral("system");
}

QPalette ThemeManager::lightPalette()
{
    return buildPalette({"#FAFBFA", "#1B2D26", "#FFFFFF", "#F2F7F4", "#1B2D26", "#E0EBE5",
                         "#1B2D26", "#00897B", "#FFFFFF", "#FFFFFF", "#1B2D26", "#6E8A7E",
                         "#D8E0DB", "#FFFFFF", "#9BB0A3", "#A0B5A8"});
}

QPalette ThemeManager::darkPalette()
{
    return buildPalette({"#0F1E19", "#D8E8DF", "#152420", "#1A2E28", "#D8E8DF", "#1E3530",
                         "#D8E8DF", "#4DB6AC", "#0F1E19", "#1E3530", "#D8E8DF", "#8FAF9F",
                         "#2A4038", "#2A4038", "#0A1510", "#3A5A4A"});
}

// The operating system's scheme is read only when a theme is set. Qt 6.4 has no public
// colour-scheme hint yet, so there the platform theme's appearance answers the same question.
bool ThemeManager::systemPrefersDark()
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 5, 0)
    return QGuiApplication::styleHints()->colorScheme() == Qt::ColorScheme::Dark;
#else
    const QPlatformTheme* platformTheme = QGuiApplicationPrivate::platformTheme();
    return platformTheme && platformTheme->appearance() == QPlatformTheme::Appearance::Dark;
#endif
}
