#include "ui/theme/fontroles.h"

#include "ui/theme/displaysettings.h"

#include <QVariant>
#include <QWidget>

#include <algorithm>

const char* const FontRoles::roleProperty = "tovFontRole";
const char* const FontRoles::italicProperty = "tovFontItalic";
const char* const FontRoles::weightProperty = "tovFontWeight";

namespace {

constexpr int pixelSizedBasePoints = 10;
constexpr int smallestSmallPoints = 7;

} // namespace

int FontRoles::scaledPointSize(const QFont& base, int percent)
{
    const int points = base.pointSize() > 0 ? base.pointSize() : pixelSizedBasePoints;
    return points * percent / 100;
}

QFont FontRoles::font(int role, const QFont& base, int percent)
{
    const int scaled = scaledPointSize(base, percent);
    const int body = std::max(scaled, 1);

    if (role == Monospace) {
        QFont mono(QStringLiteral("monospace"));
        mono.setStyleHint(QFont::Monospace, QFont::PreferDefault);
        mono.setPointSize(body);
        return mono;
    }

    QFont result = base;
    switch (role) {
    case BodyStrong:
        result.setPointSize(body);
        result.setWeight(QFont::Medium);
        break;
    case Small:
        result.setPointSize(std::max(scaled - 2, smallestSmallPoints));
        break;
    case Subheading:
        result.setPointSize(body + 1);
        result.setWeight(QFont::Medium);
        break;
    case Heading:
        result.setPointSize(body + 4);
        result.setWeight(QFont::DemiBold);
        break;
    case Title:
        result.setPointSize(body + 8);
        result.setWeight(QFont::DemiBold);
        break;
    case Display:
        result.setPointSize(body + 14);
        result.setWeight(QFont::Bold);
        break;
    default:
        result.setPointSize(body);
        break;
    }
    return result;
}

QFont FontRoles::font(int role)
{
    return font(role, DisplaySettings::baseFont(), DisplaySettings::fontScale());
}

bool FontRoles::refont(QWidget* widget)
{
    const QVariant role = widget->property(roleProperty);
    if (!role.isValid())
        return false;

    QFont result = font(role.toInt());
    const QVariant italic = widget->property(italicProperty);
    if (italic.isValid() && italic.toBool())
        result.setItalic(true);
    const QVariant weight = widget->property(weightProperty);
    if (weight.isValid())
        result.setWeight(QFont::Weight(weight.toInt()));
    widget->setFont(result);
    return true;
}

void applyFontRole(QWidget* widget, int role)
{
    widget->setProperty(FontRoles::roleProperty, role);
    // Through refont, so that italic and weight set beforehand are kept.
    FontRoles::refont(widget);
}
