#pragma once

#include "services/import/csv/csvimportoptions.h"

#include "app/core/currency.h"

#include <QDate>
#include <QList>
#include <QStringList>

#include <optional>

// What one CSV row becomes, or why it cannot become a transaction.
struct CsvRowReading
{
    QDate date; // invalid when the date does not read
    QString payee;
    std::optional<qint64> amount; // in the account's minor unit
    QString memo;
    QString category;
    bool complete = true;         // the row reaches the date, payee and amount columns
    QList<int> unreadableColumns; // columns whose text does not read as what they hold

    bool isImportable() const { return complete && date.isValid() && amount.has_value(); }
};

// Reads the rows of one CSV file the way the options describe: the import stores what it reads,
// and the import screen shows it before the user decides. With an empty date format the order
// of the file's dates is settled once, over its rows, so that 03/04 and 13/04 of one file are
// read alike.
class CsvRowReader
{
public:
    CsvRowReader(const CsvImportOptions& options, const QList<QStringList>& rows,
                 Currency currency);

    CsvRowReading read(const QStringList& row) const;
    // The date format the rows are read with; empty when each date is detected alone.
    QString dateFormat() const { return m_dateFormat; }

private:
    std::optional<qint64> readSignedAmount(const QStringList& row, CsvRowReading& reading) const;
    std::optional<qint64> readTwoColumnAmount(const QStringList& row, CsvRowReading& reading) const;

    CsvImportOptions m_options;
    Currency m_currency;
    QString m_dateFormat;
};
