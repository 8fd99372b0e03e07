#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

// How an account's opening balance is stored: a transaction of the account, cleared and
// reconciled, neither split nor a transfer, whose payee is "Opening Balance" in English or in the
// interface language. The account service writes it and the account form edits it; the income
// and spending reports leave it out, as it is what the account held before the book began.
class OpeningBalance
{
    Q_DECLARE_TR_FUNCTIONS(OpeningBalance)

public:
    // The payee a new opening transaction gets, in the interface language.
    static QString payee();
    // The payees an opening transaction is known by: the English one and the interface
    // language's, once each.
    static QStringList payees();
    // An SQL condition that holds for the opening transactions among the rows of
    // `transactions t`. It holds one "?" per payee, bound with the payees in order.
    static QString sqlCondition(qsizetype payeeCount);
};
