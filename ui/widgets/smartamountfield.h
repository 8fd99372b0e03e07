#pragma once

#include "app/core/currency.h"

#include <QDoubleSpinBox>

// An amount box (right-aligned) that reads what is typed as the register does, in the
// interface language (readTypedAmount): "12,50" and "1.234,56" in German, "1,234.56" in every
// language. Its decimal key jumps to the cents instead of being refused: the cursor goes right
// after the point and the cents are selected, so "12", ".", "50" types 12.50 over a shown 0.00.
//
// Text that cannot become an amount is refused as it is typed, with a tip saying why (too
// large, too many decimals). Text that could still become one ("1.234" on the way to
// "1.234,56") is kept; when it is left or confirmed as it stands, the tip says how to type it
// and the text stays to be put right, and confirmAmount() stops the form from taking the
// box's value until it is.
class SmartAmountField : public QDoubleSpinBox
{
    Q_OBJECT

public:
    explicit SmartAmountField(QWidget* parent = nullptr);

    // Shows and reads amounts of the currency: its symbol before the value ("$ ", "¥ "),
    // whole yen or two decimals, and up to the largest amount a form takes (from minus that
    // amount when the box takes signed amounts). The box holds whole units; toMinorUnits and
    // toMajorUnits convert to and from what is stored.
    void setCurrency(Currency currency, bool signedAmounts = false);

    // Whether the box's text reads as its value. When it does not, the box takes the focus,
    // a message box says why and how to type it, and false is returned.
    bool confirmAmount();
    // confirmAmount() for every amount box the user can type in on the form, stopping at the
    // first refused.
    static bool confirmAmountsIn(const QWidget* form);

    QValidator::State validate(QString& text, int& position) const override;
    double valueFromText(const QString& text) const override;
    void fixup(QString& text) const override;

signals:
    // What was typed is refused; the text says why and how to type it.
    void amountRefused(const QString& explanation) const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    // The typed number: the text without the box's prefix and suffix.
    QString numberIn(const QString& text) const;
    // Why the text is no amount of this box; empty when it is one, or when nothing is typed
    // (the box then keeps its value).
    QString refusalOf(const QString& text) const;
    // Whether digits typed at the end could still make the text an amount.
    bool couldBecomeAnAmount(const QString& number) const;
    void explain(const QString& explanation) const;
    void jumpToTheCents(int centsStart);

    Currency m_currency = Currency::USD;
};
