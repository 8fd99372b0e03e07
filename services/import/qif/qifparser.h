#pragma once

#include "services/import/qif/qiftypes.h"

#include <QSet>
#include <QStringList>

#include <optional>

// Reads the Quicken Interchange Format: section headers ("!Type:Bank", "!Account", ...),
// records of one field per line keyed by their first letter, and "^" between records.
// Amounts and dates are read the forgiving way QIF writers need: either decimal separator,
// parentheses for negatives, two-digit years, day-first or month-first dates.
class QifParser
{
public:
    // dateOrder 0 detects the order from the file's dates; 1 is month-first, 2 day-first.
    static QifParseResult parse(const QString& text, int dateOrder = 0);
    static std::optional<qint64> parseAmount(const QString& text);
    static QDate parseDate(const QString& text, int dateOrder);
    // 2 when a date of the text can only be day-first, else 1.
    static int detectDateOrder(QStringView text);

private:
    enum class Section
    {
        NoHeader,
        Transactions,
        AccountList,
        CategoryList,
        Ignored,
    };

    explicit QifParser(int dateOrder) : m_result{}, m_dateOrder(dateOrder) {}

    void readLine(QStringView line);
    void startSection(const QString& header);
    void readTransactionField(QChar letter, const QString& value);
    void readCategoryField(QChar letter, const QString& value);
    void closeSplit();
    void endRecord();
    void endAccountListRecord();
    void endTransactionRecord(int typeIndex);

    QifParseResult m_result;
    int m_dateOrder;
    Section m_section = Section::NoHeader;
    int m_typeIndex = 0;
    QString m_accountName;
    int m_accountTypeIndex = 0;    // from the "T" line of the account in force
    QSet<QString> m_knownAccounts; // lower-case names already in m_result.accounts

    // The record being read.
    bool m_hasContent = false;
    bool m_dated = false;
    bool m_hasAmount = false;
    QifTransaction m_transaction;
    std::optional<QifSplit> m_split;
    QifCategoryDefinition m_category;
    QList<std::pair<QChar, QString>> m_accountListFields; // letter and value, in order
};
