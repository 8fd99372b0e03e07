#pragma once

#include <QFont>

class QWidget;

// The numbered font roles. A widget that takes part in font scaling carries the dynamic
// property "tovFontRole" (and optionally "tovFontItalic" and "tovFontWeight"), so that a change
// of the scale can re-font every such widget without knowing where it lives.
class FontRoles
{
public:
    enum Role
    {
        Body = 0,
        BodyStrong = 1,
        Small = 2,
        Subheading = 3,
        Heading = 4,
        Title = 5,
        Display = 6,
        Monospace = 7,
    };

    static const char* const roleProperty;
    static const char* const italicProperty;
    static const char* const weightProperty;

    // The base font's point size (10 when it is pixel-sized) times percent / 100.
    static int scaledPointSize(const QFont& base, int percent);
    // The font of a role for a given base font and scale; unknown roles read as Body.
    static QFont font(int role, const QFont& base, int percent);
    // The same with the process-wide base font and scale.
    static QFont font(int role);

    // Applies the widget's role, italic and weight properties to its font; widgets without a
    // role are left alone. Returns whether the widget carries a role.
    static bool refont(QWidget* widget);
};

// Sets the widget's "tovFontRole" property and gives it the role's font at the current scale,
// keeping the italic and weight properties the widget already carries.
void applyFontRole(QWidget* widget, int role);
