#pragma once

#include <QDoubleSpinBox>

// An amount box (two decimals, right-aligned) whose decimal key jumps to the cents instead of
// being refused: the cursor goes right after the point and the cents are selected, so "12",
// ".", "50" types 12.50 over a shown 0.00.
class SmartAmountField : public QDoubleSpinBox
{
    Q_OBJECT

public:
    explicit SmartAmountField(QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
