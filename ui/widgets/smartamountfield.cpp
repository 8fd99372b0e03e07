#include "ui/widgets/smartamountfield.h"

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
    const bool decimalKey =
        !typed.isEmpty() &&
        (typed == decimalPoint || typed == QLatin1String(".") || typed == QLatin1String(","));
    if (decimalKey) {
        const QString text = lineEdit()->text();
        const int position = text.indexOf(decimalPoint);
        if (position >= 0) {
            // The cursor lands right after the point with the cents selected, so that typed
            // digits replace them: inserted before "00" they would make too many decimals and
            // the spin box would refuse them.
            const int centsStart = position + decimalPoint.size();
            int centsEnd = centsStart;
            while (centsEnd < text.size() && text.at(centsEnd).isDigit())
                ++centsEnd;
            lineEdit()->deselect();
            lineEdit()->setCursorPosition(centsEnd);
            lineEdit()->cursorBackward(true, centsEnd - centsStart);
            event->accept();
            return;
        }
    }
    QDoubleSpinBox::keyPressEvent(event);
}
