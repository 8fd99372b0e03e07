#pragma once

#include <QString>

class ThemeColor;

// Style sheets shared by several screens.
class Styles
{
public:
    // The filled teal button of a screen's main action.
    static QString primaryButton();
    // "color: <colour>;"
    static QString textColor(const ThemeColor& colour);
};
