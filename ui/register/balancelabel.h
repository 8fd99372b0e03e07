#pragma once

#include <QLabel>

// A label for balances; screens set its text and style. Its own class so that style sheets and
// tests can tell balances from other labels.
class BalanceLabel : public QLabel
{
    Q_OBJECT

public:
    explicit BalanceLabel(QWidget* parent = nullptr);
};
