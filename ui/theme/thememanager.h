#pragma once

#include <QFont>
#include <QObject>
#include <QPalette>

class PreferencesRepository;

// Applies the light or dark palette to the whole application (or the one matching the
// operating system's scheme) and scales every font by the user's percentage. Both choices are
// stored as preferences ("theme", "fontScale"). The font scale itself is process-wide
// (DisplaySettings), so widgets can compute role fonts without reaching the manager.
class ThemeManager : public QObject
{
    Q_OBJECT

public:
    enum Theme
    {
        System = 0,
        Light = 1,
        Dark = 2,
    };
    Q_ENUM(Theme)

    ThemeManager(PreferencesRepository* preferences, QObject* parent = nullptr);

    void setTheme(Theme theme);
    // "light" and "dark" exactly; any other text means System.
    void setThemeFromString(const QString& text);
    Theme currentTheme() const { return m_theme; }

    // Clamps to 70..160, stores it, re-applies the theme and re-fonts every widget that
    // carries a font role.
    void setFontScale(int percent);
    int fontScale() const;

    // The base font at the current scale (role 0).
    static QFont baseFont();
    static QFont fontForRole(int role);
    static QFont monospaceFont();
    static QString themeName(Theme theme);

    static QPalette lightPalette();
    static QPalette darkPalette();

signals:
    void themeChanged(ThemeManager::Theme theme);
    void fontScaleChanged(int percent);

private:
    static bool systemPrefersDark();

    PreferencesRepository* m_preferences = nullptr;
    Theme m_theme = System;
};
