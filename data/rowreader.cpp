#include "data/rowreader.h"

#include "app/core/isodates.h"

RowReader::RowReader(const QSqlQuery& query, int firstColumn)
    : m_query(query), m_column(firstColumn)
{
}

QVariant RowReader::next()
{
    return m_query.value(m_column++);
}

QString RowReader::text()
{
    return next().toString();
}

int RowReader::integer()
{
    return next().toInt();
}

qint64 RowReader::money()
{
    return next().toLongLong();
}

bool RowReader::flag()
{
    return next().toBool();
}

QDate RowReader::date()
{
    return fromIsoDate(text());
}

std::optional<QDate> RowReader::optionalDate()
{
    const QString value = text();
    if (value.isEmpty())
        return std::nullopt;
    return fromIsoDate(value);
}

QDateTime RowReader::timestamp()
{
    return fromIsoTimestamp(text());
}

std::optional<QDateTime> RowReader::optionalTimestamp()
{
    const QString value = text();
    if (value.isEmpty())
        return std::nullopt;
    return fromIsoTimestamp(value);
}

AccountType RowReader::accountType()
{
    return Enumerations::accountTypeFromStorage(text());
}

Currency RowReader::currency()
{
    return Enumerations::currencyFromStorage(text());
}

CategoryType RowReader::categoryType()
{
    return Enumerations::categoryTypeFromStorage(text());
}

Frequency RowReader::frequency()
{
    return Enumerations::frequencyFromStorage(text());
}

void RowReader::readBookkeeping(SyncBookkeeping& record)
{
    record.version = integer();
    record.syncStatus = Enumerations::syncStatusFromStorage(text());
    record.serverId = text();
    record.createdAt = timestamp();
    record.updatedAt = timestamp();
    record.deletedAt = optionalTimestamp();
}
