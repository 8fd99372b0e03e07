#pragma once

#include <QString>

class QLabel;
class QWidget;
class ThemeColor;

// Style sheets shared by several screens.
class Styles
{
public:
    // The filled teal button of a screen's main action.
    static QString primaryButton();
    // "color: <colour>;"
    static QString textColor(const ThemeColor& colour);
    // Shows a caption or note in the muted text colour of the theme shown, and marks it so that
    // restyleMuted can follow a change of theme.
    static void setMuted(QLabel* label);
    // The muted colour of the theme now shown, for every label marked under `root`.
    static void restyleMuted(QWidget* root);
};
