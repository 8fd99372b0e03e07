#include "sync/changedescription.h"

#include "app/core/money.h"

#include <QLocale>
#include <QStringList>

namespace ChangeDescription {

namespace {

QString joined(const QStringList& parts)
{
    QStringList shown;
    for (const QString& part : parts) {
        if (!part.isEmpty())
            shown << part;
    }
    return shown.join(QStringLiteral(" · "));
}

QString shortDate(const QDate& date)
{
    return date.isValid() ? QLocale().toString(date, QLocale::ShortFormat) : QString();
}

} // namespace

QString of(const Account& account)
{
    return account.name;
}

QString of(const Category& category)
{
    return category.name;
}

QString of(const RecurringTransaction& recurring, Currency currency)
{
    return joined({recurring.payee, formatMoney(recurring.amount, currency)});
}

QString of(const Transaction& transaction, Currency currency)
{
    return joined({shortDate(transaction.date), transaction.payee,
                   formatMoney(transaction.amount, currency)});
}

QString of(const Reconciliation& reconciliation, Currency currency)
{
    return joined({shortDate(reconciliation.statementDate),
                   formatMoney(reconciliation.statementBalance, currency)});
}

} // namespace ChangeDescription
