#pragma once

#include "app/core/currency.h"
#include "data/splitline.h"

#include <QDialog>

class AppState;
class QLabel;
class SplitLinesWidget;

// Edits the split lines of an existing transaction against its fixed amount, in its account's
// currency, showing what is still to be distributed; OK waits until nothing is. It writes nothing:
// the caller replaces the stored lines by lines().
class SplitEditorDialog : public QDialog
{
    Q_OBJECT

public:
    SplitEditorDialog(AppState* appState, qint64 amount, Currency currency,
                      const QList<SplitLine>& lines, QWidget* parent = nullptr);

    // The lines with the transaction's sign, without transaction id.
    QList<SplitLine> lines() const;

    // Refused while a line with an amount has no category, and while the lines do not add up
    // to the amount (unless no line has an amount: the transaction is no longer split).
    void accept() override;

public slots:
    void updateRemaining();

private:
    AppState* m_appState = nullptr;
    qint64 m_amount = 0;
    Currency m_currency;
    SplitLinesWidget* m_lines = nullptr;
    QLabel* m_remaining = nullptr;
};
