#include "smartamountfield.h"

#include <QKeyEvent>
#include <QLineEdit>

SmartAmountField::SmartAmountField(QWidget* parent) : QDoubleSpinBox(parent)
{
    setDecimals(2);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

void SmartAmountField::keyPressEvent(QKeyEvent* event)
{
    QString decimalPoint = locale().decimalPoint();
    if (decimalPoint.isEmpty())
        decimalPoint = QStringLiteral(".");

    const QString typed = event->text();
    const bool decimalKey = !typed.isEmpty() && (typed == decimalPoint || typed == QLatin1String(".") ||
                                                 typed == QLatin1String(","));
    if (decimalKey) {
        const int position = lineEdit()->text().indexOf(decimalPoint);
        if (position >= 0) {
            lineEdit()->deselect();
            lineEdit()->setCursorPosition(position + decimalPoint.size());
            event->accept();
            return;
        }
    }
    QDoubleSpinBox::keyPressEvent(event);
}
