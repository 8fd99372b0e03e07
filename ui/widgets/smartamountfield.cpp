#include "ui/widgets/smartamountfield.h"

#include "app/core/money.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QToolTip>

#include <algorithm>

SmartAmountField::SmartAmountField(QWidget* parent) : QDoubleSpinBox(parent)
{
    setDecimals(decimalPlaces(m_currency));
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

void SmartAmountField::setCurrency(Currency currency, bool signedAmounts)
{
    m_currency = currency;
    const double largest = toMajorUnits(largestEnteredAmount(currency), currency);
    // Decimals first: they round the range and the value.
    setDecimals(decimalPlaces(currency));
    setRange(signedAmounts ? -largest : 0, largest);
    setPrefix(QStringLiteral("%1 ").arg(currencySymbol(currency)));
}

bool SmartAmountField::confirmAmount()
{
    const QString refusal = refusalOf(text());
    if (refusal.isEmpty())
        return true;
    emit amountRefused(refusal);
    QMessageBox::warning(window(), window()->windowTitle(), refusal);
    setFocus();
    return false;
}

bool SmartAmountField::confirmAmountsIn(const QWidget* form)
{
    const QList<SmartAmountField*> fields = form->findChildren<SmartAmountField*>();
    return std::all_of(fields.begin(), fields.end(), [form](SmartAmountField* field) {
        return !field->isVisibleTo(form) || !field->isEnabled() || field->confirmAmount();
    });
}

void SmartAmountField::keyPressEvent(QKeyEvent* event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && !confirmAmount()) {
        // The form's default button would take the box's last amount instead of the text.
        event->accept();
        return;
    }

    QString decimalPoint = locale().decimalPoint();
    if (decimalPoint.isEmpty())
        decimalPoint = QStringLiteral(".");
    const QString typed = event->text();
    const bool decimalKey =
        !typed.isEmpty() &&
        (typed == decimalPoint || typed == QLatin1String(".") || typed == QLatin1String(","));
    // Only towards cents still ahead: typed after the point, a mark belongs to what is being
    // typed ("1,234." on the way to "1,234.56" in German).
    const int point = lineEdit()->text().indexOf(decimalPoint);
    const int typingAt =
        lineEdit()->hasSelectedText() ? lineEdit()->selectionStart() : lineEdit()->cursorPosition();
    if (decimalKey && point >= 0 && typingAt <= point) {
        jumpToTheCents(point + int(decimalPoint.size()));
        event->accept();
        return;
    }
    QDoubleSpinBox::keyPressEvent(event);
}

// The cursor lands right after the point with the cents selected, so that typed digits
// replace them: inserted before "00" they would make too many decimals, which are refused.
void SmartAmountField::jumpToTheCents(int centsStart)
{
    const QString text = lineEdit()->text();
    int centsEnd = centsStart;
    while (centsEnd < text.size() && text.at(centsEnd).isDigit())
        ++centsEnd;
    lineEdit()->deselect();
    lineEdit()->setCursorPosition(centsEnd);
    lineEdit()->cursorBackward(true, centsEnd - centsStart);
}

void SmartAmountField::focusOutEvent(QFocusEvent* event)
{
    const QString typed = text();
    const QString refusal = refusalOf(typed);
    QDoubleSpinBox::focusOutEvent(event);
    if (refusal.isEmpty())
        return;
    // Leaving puts the box's last amount back in place of the text, which would then be taken
    // for what was typed. The text stays instead, to be put right.
    lineEdit()->setText(typed);
    // Another window taking the focus (a message saying the same) is no leaving.
    if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason)
        explain(refusal);
}

QValidator::State SmartAmountField::validate(QString& text, int&) const
{
    const QString number = numberIn(text);
    if (number.isEmpty())
        return QValidator::Intermediate;
    if (minimum() >= 0 &&
        (number.startsWith(QLatin1Char('-')) || number.startsWith(locale().negativeSign())))
        return QValidator::Invalid;

    const TypedAmount typed = readTypedAmount(number, m_currency, locale());
    switch (typed.reading) {
    case TypedAmount::Reading::Amount: {
        const double value = toMajorUnits(typed.amount, m_currency);
        return value >= minimum() && value <= maximum() ? QValidator::Acceptable
                                                        : QValidator::Invalid;
    }
    case TypedAmount::Reading::Ambiguous:
        return QValidator::Intermediate;
    case TypedAmount::Reading::NotAnAmount:
    case TypedAmount::Reading::TooManyDecimals:
        if (couldBecomeAnAmount(number))
            return QValidator::Intermediate;
        break;
    case TypedAmount::Reading::TooLarge:
        break;
    }
    if (typed.reading != TypedAmount::Reading::NotAnAmount)
        explain(typedAmountRefusal(number, m_currency, locale()));
    return QValidator::Invalid;
}

// The spin box would drop the language's grouping marks from text it cannot read, and so read
// "1.234" in German as 1234 on leaving it: what cannot be read is left as typed.
void SmartAmountField::fixup(QString&) const {}

double SmartAmountField::valueFromText(const QString& text) const
{
    const TypedAmount typed = readTypedAmount(numberIn(text), m_currency, locale());
    return typed.isAmount() ? toMajorUnits(typed.amount, m_currency) : value();
}

QString SmartAmountField::numberIn(const QString& text) const
{
    QString number = text;
    if (!prefix().isEmpty() && number.startsWith(prefix()))
        number.remove(0, prefix().size());
    if (!suffix().isEmpty() && number.endsWith(suffix()))
        number.chop(suffix().size());
    return number.trimmed();
}

QString SmartAmountField::refusalOf(const QString& text) const
{
    const QString number = numberIn(text);
    return number.isEmpty() ? QString() : typedAmountRefusal(number, m_currency, locale());
}

bool SmartAmountField::couldBecomeAnAmount(const QString& number) const
{
    using Reading = TypedAmount::Reading;
    for (const QString& more : {QStringLiteral("0"), QStringLiteral("00"), QStringLiteral("000")}) {
        const Reading reading = readTypedAmount(number + more, m_currency, locale()).reading;
        if (reading != Reading::NotAnAmount && reading != Reading::TooManyDecimals)
            return true;
    }
    return false;
}

void SmartAmountField::explain(const QString& explanation) const
{
    QToolTip::showText(mapToGlobal(QPoint(0, height())), explanation, lineEdit());
    emit amountRefused(explanation);
}
