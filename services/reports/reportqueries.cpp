#include "services/reports/reportqueries.h"

namespace {

QString withAccount(const QString& base, bool byAccount, const QString& tail)
{
    return base + (byAccount ? QStringLiteral(" AND t.account_id = ?") : QString()) + tail;
}

const QString monthlyTail = QStringLiteral(" GROUP BY month ORDER BY month");

} // namespace

QString ReportQueries::categorySpending(bool byAccount)
{
    return withAccount(
        QStringLiteral("SELECT COALESCE(c.name, 'Uncategorized'), SUM(t.amount) FROM "
                       "transactions t LEFT JOIN categories c ON t.category_id = c.id WHERE "
                       "t.deleted_at IS NULL AND t.amount < 0 AND t.date >= ? AND t.date <= ?"),
        byAccount,
        QStringLiteral(" GROUP BY COALESCE(c.name, 'Uncategorized') ORDER BY SUM(t.amount) ASC"));
}

QString ReportQueries::payeeSummary(bool byAccount)
{
    return withAccount(
        QStringLiteral("SELECT t.payee, SUM(t.amount), COUNT(*) FROM transactions t WHERE "
                       "t.deleted_at IS NULL AND t.date >= ? AND t.date <= ?"),
        byAccount, QStringLiteral(" GROUP BY t.payee ORDER BY SUM(t.amount) ASC"));
}

QString ReportQueries::taxReport()
{
    return QStringLiteral(
        "SELECT c.name, c.tax_category, SUM(t.amount) FROM transactions t JOIN categories c ON "
        "t.category_id = c.id WHERE t.deleted_at IS NULL AND c.is_tax_relevant = 1 AND t.date >= "
        "? AND t.date <= ? GROUP BY c.name, c.tax_category ORDER BY c.tax_category, c.name");
}

QString ReportQueries::incomeVsExpenses(bool byAccount)
{
    // The triple blanks belong to the statement's text.
    return withAccount(
        QStringLiteral("SELECT strftime('%Y-%m', t.date) AS month, SUM(CASE WHEN t.amount > 0 "
                       "THEN t.amount ELSE 0 END) AS income, SUM(CASE WHEN t.amount < 0 THEN "
                       "t.amount ELSE 0 END) AS expenses FROM transactions t WHERE t.deleted_at "
                       "IS NULL   AND (t.transfer_link_id IS NULL OR t.transfer_link_id = '')   "
                       "AND t.date >= ? AND t.date <= ?"),
        byAccount, monthlyTail);
}

QString ReportQueries::cashFlow(bool byAccount)
{
    return withAccount(
        QStringLiteral("SELECT strftime('%Y-%m', t.date) AS month, SUM(CASE WHEN t.amount > 0 "
                       "THEN t.amount ELSE 0 END) AS inflows, SUM(CASE WHEN t.amount < 0 THEN "
                       "t.amount ELSE 0 END) AS outflows FROM transactions t WHERE t.deleted_at "
                       "IS NULL AND t.date >= ? AND t.date <= ?"),
        byAccount, monthlyTail);
}

QString ReportQueries::categoryTotals(bool byAccount)
{
    return withAccount(
        QStringLiteral("SELECT COALESCE(c.name, 'Uncategorized'), SUM(t.amount) FROM "
                       "transactions t LEFT JOIN categories c ON t.category_id = c.id WHERE "
                       "t.deleted_at IS NULL AND t.date >= ? AND t.date <= ?"),
        byAccount, QStringLiteral(" GROUP BY COALESCE(c.name, 'Uncategorized')"));
}

QString ReportQueries::accountSummary()
{
    return QStringLiteral(
        "SELECT a.name, a.account_type, a.starting_balance, COALESCE(SUM(CASE WHEN t.cleared = 1 "
        "THEN t.amount ELSE 0 END), 0) AS cleared_sum, COALESCE(SUM(CASE WHEN t.cleared = 0 THEN "
        "t.amount ELSE 0 END), 0) AS uncleared_sum, COALESCE(SUM(t.amount), 0) AS total_sum FROM "
        "accounts a LEFT JOIN transactions t ON t.account_id = a.id AND t.deleted_at IS NULL "
        "WHERE a.deleted_at IS NULL GROUP BY a.id ORDER BY a.sort_order, a.name");
}

QString ReportQueries::transactionReport(bool byAccount, bool byCategory)
{
    // The runs of eight blanks belong to the statement's text.
    return withAccount(
        QStringLiteral("SELECT t.date, a.name AS account_name, t.payee,        COALESCE(c.name, "
                       "'') AS category_name,        COALESCE(t.memo, ''), t.amount FROM "
                       "transactions t LEFT JOIN accounts a ON t.account_id = a.id LEFT JOIN "
                       "categories c ON t.category_id = c.id WHERE t.deleted_at IS NULL AND "
                       "t.date >= ? AND t.date <= ?"),
        byAccount,
        (byCategory ? QStringLiteral(" AND t.category_id = ?") : QString()) +
            QStringLiteral(" ORDER BY t.date, t.payee"));
}
