#include "ui/theme/styles.h"

#include "ui/theme/themecolors.h"

#include <QLabel>

namespace {

const char* const mutedProperty = "tovMutedText";

void applyMuted(QLabel* label)
{
    const QString style = Styles::textColor(ThemeColors::mutedText());
    if (label->styleSheet() != style)
        label->setStyleSheet(style);
}

} // namespace

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

void Styles::setMuted(QLabel* label)
{
    label->setProperty(mutedProperty, true);
    applyMuted(label);
}

void Styles::restyleMuted(QWidget* root)
{
    for (QLabel* label : root->findChildren<QLabel*>()) {
        if (label->property(mutedProperty).toBool())
            applyMuted(label);
    }
}
