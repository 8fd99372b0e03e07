#include "ui/theme/thememanager.h"

#include "ui/theme/displaysettings.h"
#include "ui/theme/fontroles.h"
#include "ui/theme/themecolors.h"

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
    return ThemeColors::palette(false);
}

QPalette ThemeManager::darkPalette()
{
    return ThemeColors::palette(true);
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
