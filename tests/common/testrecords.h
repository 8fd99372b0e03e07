#pragma once

#include "app/core/isodates.h"
#include "data/account.h"
#include "data/category.h"
#include "data/recurringtransaction.h"
#include "data/transaction.h"

// Small record factories for fixtures: fresh rows as an editor would build them.

inline Account testAccount(const QString& id, const QString& name, qint64 startingBalance = 0,
                           Currency currency = Currency::USD)
{
    Account account;
    account.id = id;
    account.name = name;
    account.currency = currency;
    account.startingBalance = startingBalance;
    account.createdAt = account.updatedAt = nowUtc();
    return account;
}

inline Transaction testTransaction(const QString& id, const QString& accountId, const QDate& date,
                                   const QString& payee, qint64 amount)
{
    Transaction transaction;
    transaction.id = id;
    transaction.accountId = accountId;
    transaction.date = date;
    transaction.payee = payee;
    transaction.amount = amount;
    transaction.createdAt = transaction.updatedAt = nowUtc();
    return transaction;
}

inline Category testCategory(const QString& id, const QString& name, const QString& parentId = {})
{
    Category category;
    category.id = id;
    category.name = name;
    category.parentId = parentId;
    category.createdAt = category.updatedAt = nowUtc();
    return category;
}

inline RecurringTransaction testRecurring(const QString& id, const QString& accountId,
                                          const QString& payee, qint64 amount, Frequency frequency,
                                          const QDate& nextDue)
{
    RecurringTransaction recurring;
    recurring.id = id;
    recurring.accountId = accountId;
    recurring.payee = payee;
    recurring.amount = amount;
    recurring.frequency = frequency;
    recurring.startDate = nextDue;
    recurring.nextDueDate = nextDue;
    recurring.createdAt = recurring.updatedAt = nowUtc();
    return recurring;
}
