#pragma once

#include <QColor>
#include <QString>

// One named colour of the theme. It keeps the text the style sheets write ("#6E8A7E", "green"),
// so a style sheet reads exactly as the colour was given; painters and models take its QColor.
class ThemeColor
{
public:
    constexpr explicit ThemeColor(const char* name) : m_name(name) {}

    // The colour as a style sheet writes it.
    QString name() const { return QLatin1String(m_name); }
    QColor color() const { return QColor(QLatin1String(m_name)); }

private:
    const char* m_name;
};
