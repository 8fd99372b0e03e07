#include "services/reports/reportqueries.h"

#include "app/core/isodates.h"
#include "data/openingbalance.h"

namespace {

ReportStatement sql(const QString& text)
{
    return {text, {}};
}

ReportStatement operator+(ReportStatement statement, const ReportStatement& more)
{
    statement.sql += more.sql;
    statement.bindings += more.bindings;
    return statement;
}

// The range's live transactions: "t" dated within it, of its accounts.
ReportStatement inRange(const ReportQueries::Range& range)
{
    ReportStatement condition{
        QStringLiteral("t.deleted_at IS NULL AND t.date >= ? AND t.date <= ?"),
        {toIsoDate(range.start), toIsoDate(range.end)}};
    const qsizetype accounts = range.accountIds.size();
    if (accounts == 1) {
        condition.sql += QStringLiteral(" AND t.account_id = ?");
    } else if (accounts > 1) {
        condition.sql +=
            QStringLiteral(" AND t.account_id IN (%1)")
                .arg(QStringList(accounts, QStringLiteral("?")).join(QStringLiteral(", ")));
    }
    for (const QString& id : range.accountIds)
        condition.bindings << id;
    return condition;
}

// Money moved between two of the book's accounts is neither earned nor spent.
const ReportStatement noTransfer =
    sql(QStringLiteral(" AND COALESCE(t.transfer_link_id, '') = ''"));

// What an account held before the book began came in at no time of the book's.
ReportStatement noOpeningBalance()
{
    const QStringList payees = OpeningBalance::payees();
    ReportStatement condition =
        sql(QStringLiteral(" AND NOT %1").arg(OpeningBalance::sqlCondition(payees.size())));
    for (const QString& payee : payees)
        condition.bindings << payee;
    return condition;
}

// What a report adds up of each amount earned or spent: the columns it selects (grouped by
// `groupBy`), the joins and the condition it adds. "{amount}" and "{category}" stand for the
// amount and the category id of a transaction, or of a split line.
struct Tally
{
    QString columns;
    QString joins;
    QString condition;
    QString groupBy;

    QString of(const QString& part, const QString& amount, const QString& category) const
    {
        return QString(part)
            .replace(QLatin1String("{amount}"), amount)
            .replace(QLatin1String("{category}"), category);
    }
};

// The tally of every amount the range earned or spent: each transaction that is neither a
// transfer nor an opening balance, a split one by its lines (one without lines whole), as the
// rows of two groupings to be added up. The split lines are read from their own small table
// on, so the many plain transactions are read once, as a report of them alone would.
ReportStatement earnedAndSpent(const ReportQueries::Range& range, const Tally& tally)
{
    struct Source
    {
        QString table;
        QString amount;
        QString category;
        QString condition; // after the range's
    };
    const Source plain{QStringLiteral("transactions t"), QStringLiteral("t.amount"),
                       QStringLiteral("t.category_id"),
                       QStringLiteral(" AND (t.is_split = 0 OR NOT EXISTS (SELECT 1 FROM "
                                      "split_lines x WHERE x.transaction_id = t.id))")};
    // From the lines on: a split transaction is looked up for each of its lines.
    const Source lines{QStringLiteral("split_lines s CROSS JOIN transactions t ON t.id = "
                                      "s.transaction_id"),
                       QStringLiteral("s.amount"), QStringLiteral("s.category_id"),
                       QStringLiteral(" AND t.is_split = 1")};
    const auto head = [&tally](const Source& source) {
        return sql(QStringLiteral("SELECT %1 FROM %2%3 WHERE ")
                       .arg(tally.of(tally.columns, source.amount, source.category), source.table,
                            tally.of(tally.joins, source.amount, source.category)));
    };
    const auto tail = [&tally](const Source& source) {
        return sql(source.condition + tally.of(tally.condition, source.amount, source.category) +
                   QStringLiteral(" GROUP BY ") + tally.groupBy);
    };
    const ReportStatement live = inRange(range) + noTransfer;
    return sql(QStringLiteral("(")) + head(plain) + live + noOpeningBalance() + tail(plain) +
           sql(QStringLiteral(" UNION ALL ")) + head(lines) + live + tail(lines) +
           sql(QStringLiteral(")"));
}

// Category names, the transactions without one (or whose category is gone) as
// "Uncategorized".
const Tally byCategory{
    QStringLiteral("COALESCE(c.name, 'Uncategorized') AS name, SUM({amount}) AS total"),
    QStringLiteral(" LEFT JOIN categories c ON c.id = {category}"), QString(),
    QStringLiteral("name")};

} // namespace

ReportStatement ReportQueries::categorySpending(const Range& range)
{
    Tally outflows = byCategory;
    outflows.condition = QStringLiteral(" AND {amount} < 0");
    return sql(QStringLiteral("SELECT name, SUM(total) FROM ")) + earnedAndSpent(range, outflows) +
           sql(QStringLiteral(" GROUP BY name ORDER BY SUM(total) ASC"));
}

ReportStatement ReportQueries::payeeSummary(const Range& range)
{
    return sql(QStringLiteral(
               "SELECT t.payee, SUM(t.amount), COUNT(*) FROM transactions t WHERE ")) +
           inRange(range) + noTransfer + noOpeningBalance() +
           sql(QStringLiteral(" GROUP BY t.payee ORDER BY SUM(t.amount) ASC"));
}

ReportStatement ReportQueries::taxReport(const Range& range)
{
    const Tally taxRelevant{
        QStringLiteral("c.name AS name, c.tax_category AS code, SUM({amount}) AS total"),
        QStringLiteral(" JOIN categories c ON c.id = {category}"),
        QStringLiteral(" AND c.is_tax_relevant = 1"), QStringLiteral("c.name, c.tax_category")};
    return sql(QStringLiteral("SELECT name, code, SUM(total) FROM ")) +
           earnedAndSpent(range, taxRelevant) +
           sql(QStringLiteral(" GROUP BY name, code ORDER BY code, name"));
}

ReportStatement ReportQueries::incomeVsExpenses(const Range& range)
{
    const Tally byMonth{QStringLiteral("strftime('%Y-%m', t.date) AS month, SUM(CASE WHEN "
                                       "{amount} > 0 THEN {amount} ELSE 0 END) AS income, "
                                       "SUM(CASE WHEN {amount} < 0 THEN {amount} ELSE 0 END) AS "
                                       "expenses"),
                        QString(), QString(), QStringLiteral("month")};
    return sql(QStringLiteral("SELECT month, SUM(income), SUM(expenses) FROM ")) +
           earnedAndSpent(range, byMonth) + sql(QStringLiteral(" GROUP BY month ORDER BY month"));
}

ReportStatement ReportQueries::cashFlow(const Range& range)
{
    return sql(QStringLiteral(
               "SELECT strftime('%Y-%m', t.date) AS month, SUM(CASE WHEN t.amount > 0 THEN "
               "t.amount ELSE 0 END), SUM(CASE WHEN t.amount < 0 THEN t.amount ELSE 0 END) FROM "
               "transactions t WHERE ")) +
           inRange(range) + noOpeningBalance() +
           sql(QStringLiteral(" GROUP BY month ORDER BY month"));
}

ReportStatement ReportQueries::categoryTotals(const Range& range)
{
    return sql(QStringLiteral("SELECT name, SUM(total) FROM ")) +
           earnedAndSpent(range, byCategory) + sql(QStringLiteral(" GROUP BY name"));
}

ReportStatement ReportQueries::accountSummary()
{
    return sql(QStringLiteral(
        "SELECT a.name, a.account_type, a.currency, a.starting_balance, COALESCE(SUM(CASE WHEN "
        "t.cleared = 1 THEN t.amount ELSE 0 END), 0) AS cleared_sum, COALESCE(SUM(CASE WHEN "
        "t.cleared = 0 THEN t.amount ELSE 0 END), 0) AS uncleared_sum, COALESCE(SUM(t.amount), 0) "
        "AS total_sum FROM accounts a LEFT JOIN transactions t ON t.account_id = a.id AND "
        "t.deleted_at IS NULL WHERE a.deleted_at IS NULL GROUP BY a.id ORDER BY a.sort_order, "
        "a.name"));
}

ReportStatement ReportQueries::transactionReport(const Range& range, const QString& categoryId)
{
    ReportStatement statement =
        sql(QStringLiteral("SELECT t.date, a.name AS account_name, a.currency, t.payee, "
                           "COALESCE(c.name, '') AS category_name, COALESCE(t.memo, ''), "
                           "t.amount FROM transactions t LEFT JOIN accounts a ON t.account_id = "
                           "a.id LEFT JOIN categories c ON t.category_id = c.id WHERE ")) +
        inRange(range);
    if (!categoryId.isEmpty())
        statement =
            statement + ReportStatement{QStringLiteral(" AND t.category_id = ?"), {categoryId}};
    return statement + sql(QStringLiteral(" ORDER BY t.date, t.payee"));
}
