#include "ui/theme/styles.h"

#include "ui/theme/themecolors.h"

QString Styles::primaryButton()
{
    return QStringLiteral("QPushButton {  background-color: %1;  color: %2;  border: none;  "
                          "border-radius: 4px;  padding: 6px 16px;  font-weight: 600;  min-width: "
                          "80px;}QPushButton:hover {  background-color: %3;}QPushButton:pressed "
                          "{  background-color: %4;}")
        .arg(ThemeColors::primaryButton().name(), ThemeColors::primaryButtonText().name(),
             ThemeColors::primaryButtonHover().name(), ThemeColors::primaryButtonPressed().name());
}

QString Styles::textColor(const ThemeColor& colour)
{
    return QStringLiteral("color: %1;").arg(colour.name());
}
