#pragma once

#include <QDate>
#include <QString>

#include <optional>

// Narrows a transaction search; every field is optional.
struct SearchFilter
{
    QString accountId;  // empty: any account
    QString categoryId; // empty: any category
    QDate fromDate;     // invalid: open
    QDate toDate;       // invalid: open
    std::optional<bool> cleared;
};
