#include "ui/theme/styles.h"

QString Styles::primaryButton()
{
    return QStringLiteral(
               "QPushButton {  background-color: %1;  color: white;  border: none;  "
               "border-radius: 4px;  padding: 6px 16px;  font-weight: 600;  min-width: "
               "80px;}QPushButton:hover {  background-color: #00796B;}QPushButton:pressed "
               "{  background-color: #004D40;}")
        .arg(QStringLiteral("#00897B"));
}

QString Styles::textColor(const QString& colour)
{
    return QStringLiteral("color: %1;").arg(colour);
}
