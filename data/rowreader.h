#pragma once

#include "data/syncbookkeeping.h"

#include <QDate>
#include <QDateTime>
#include <QSqlQuery>

#include <optional>

// Reads the columns of the current result row left to right, converting each the one way
// every repository reads it. NULL text reads as empty; an optional column has a value only
// when its text is not empty.
class RowReader
{
public:
    explicit RowReader(const QSqlQuery& query, int firstColumn = 0);

    QString text();
    int integer();
    qint64 money();
    bool flag();
    QDate date();
    std::optional<QDate> optionalDate();
    QDateTime timestamp();
    std::optional<QDateTime> optionalTimestamp();

    AccountType accountType();
    Currency currency();
    CategoryType categoryType();
    Frequency frequency();

    // version, sync_status, server_id, created_at, updated_at, deleted_at
    void readBookkeeping(SyncBookkeeping& record);

    int column() const { return m_column; }

private:
    QVariant next();

    const QSqlQuery& m_query;
    int m_column;
};
