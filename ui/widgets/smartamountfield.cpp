#include "ui/widgets/smartamountfield.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QToolTip>

#include <algorithm>
#include <cmath>

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

QValidator::State SmartAmountField::validate(QString& text, int& position) const
{
    const QValidator::State state = QDoubleSpinBox::validate(text, position);
    if (state == QValidator::Invalid && isBeyondRange(text)) {
        const QLocale english(QLocale::English);
        const double largest = std::max(std::abs(minimum()), std::abs(maximum()));
        const QString explanation =
            tr("Enter an amount up to %1").arg(english.toString(largest, 'f', decimals()));
        QToolTip::showText(mapToGlobal(QPoint(0, height())), explanation, lineEdit());
        emit amountRefused(explanation);
    }
    return state;
}

bool SmartAmountField::isBeyondRange(const QString& text) const
{
    QString number = text;
    if (number.startsWith(prefix()))
        number.remove(0, prefix().size());
    if (!suffix().isEmpty() && number.endsWith(suffix()))
        number.chop(suffix().size());
    number.remove(locale().groupSeparator());
    bool ok = false;
    const double value = locale().toDouble(number.trimmed(), &ok);
    return ok && (value > maximum() || value < minimum());
}
