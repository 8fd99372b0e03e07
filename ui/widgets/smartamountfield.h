#pragma once

#include <QDoubleSpinBox>

// An amount box (two decimals, right-aligned) whose decimal key jumps to the cents instead of
// being refused: the cursor goes right after the point and the cents are selected, so "12",
// ".", "50" types 12.50 over a shown 0.00. Digits that would take the amount beyond the box's
// range are refused with a tip saying how far it goes.
class SmartAmountField : public QDoubleSpinBox
{
    Q_OBJECT

public:
    explicit SmartAmountField(QWidget* parent = nullptr);

    QValidator::State validate(QString& text, int& position) const override;

signals:
    // Typing was refused because the amount would leave the range; the text says why.
    void amountRefused(const QString& explanation) const;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Whether the text, as typed, is a number beyond the range.
    bool isBeyondRange(const QString& text) const;
};
