#include "bench/largedatabase.h"

#include "bench/benchtools.h"

#include "app/core/ids.h"
#include "app/core/isodates.h"
#include "data/categoryrepository.h"
#include "data/database.h"
#include "services/categories/categoryservice.h"

#include <QDebug>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QSqlError>
#include <QSqlQuery>

#include <cstdio>

namespace {

struct AccountShape
{
    const char* id;
    const char* name;
    const char* type;
    int share; // parts of the transactions, out of 100
};

const AccountShape accounts[LargeDatabase::accountCount] = {
    {"acct-checking", "Main Checking", "checking", 30},
    {"acct-card", "Visa Rewards", "credit_card", 25},
    {"acct-joint", "Joint Checking", "checking", 12},
    {"acct-savings", "Savings", "savings", 6},
    {"acct-cash", "Wallet", "cash", 8},
    {"acct-amex", "Amex", "credit_card", 8},
    {"acct-brokerage", "Brokerage", "investment", 3},
    {"acct-emergency", "Emergency Fund", "savings", 3},
    {"acct-kids", "Kids Account", "savings", 2},
    {"acct-loan", "Car Loan", "other", 3},
};

const char* payees[] = {
    "Greenleaf Market", "Hilltop Gas",          "Lakeside Utilities",   "Streamline TV",
    "Maplewood Diner",  "Clearview Insurance",  "Pinecrest Apartments", "Brightpath Inc",
    "NetConnect ISP",   "Ridgeline Pharmacy",   "Dash Delivery",        "Gadget World",
    "CloudWatch Plus",  "Stellar Coffee",       "BookNest Online",      "TechVault",
    "Corner Bakery",    "City Parking",         "Riverside Cinema",     "Harbor Hardware",
    "Summit Fitness",   "Oakwood Pet Supply",   "Blue Sky Airlines",    "Evergreen Pharmacy",
    "Sunrise Cafe",     "Metro Transit",        "Valley Dental",        "Northside Books",
    "Golden Wok",       "Fresh Fields Grocery",
};

const char* memos[] = {"",
                       "",
                       "",
                       "weekly shop",
                       "monthly bill",
                       "card payment",
                       "coffee beans",
                       "gift",
                       "refund",
                       "online order"};

bool exec(QSqlQuery& query)
{
    if (query.exec())
        return true;
    qWarning() << "generator:" << query.lastError().text();
    return false;
}

} // namespace

QString LargeDatabase::largestAccountId()
{
    return QString::fromLatin1(accounts[0].id);
}

bool LargeDatabase::generate(const QString& path)
{
    if (QFile::exists(path))
        return false;
    Database database;
    if (!database.open(path) || !database.runMigrations())
        return false;
    {
        CategoryRepository categories(&database);
        CategoryService(&categories).ensureDefaultCategories();
    }

    QSqlDatabase db = database.connection();
    QRandomGenerator random(20240315);
    const QString now = toIsoTimestamp(nowUtc());

    QStringList categoryIds;
    {
        QSqlQuery query(QStringLiteral("SELECT id FROM categories WHERE category_type = 'expense'"),
                        db);
        while (query.next())
            categoryIds << query.value(0).toString();
    }

    db.transaction();
    QSqlQuery account(db);
    account.prepare(
        QStringLiteral("INSERT INTO accounts (id, name, account_type, currency, "
                       "starting_balance, sort_order, version, sync_status, created_at, "
                       "updated_at) VALUES (?, ?, ?, 'USD', ?, ?, 1, 'synced', ?, ?)"));
    for (int i = 0; i < accountCount; ++i) {
        for (const QVariant& value :
             {QVariant(QString::fromLatin1(accounts[i].id)),
              QVariant(QString::fromLatin1(accounts[i].name)),
              QVariant(QString::fromLatin1(accounts[i].type)),
              QVariant(qint64(random.bounded(500000))), QVariant(i), QVariant(now), QVariant(now)})
            account.addBindValue(value);
        if (!exec(account))
            return false;
    }

    QSqlQuery insert(db);
    insert.prepare(QStringLiteral(
        "INSERT INTO transactions (id, account_id, date, payee, memo, amount, category_id, "
        "check_number, cleared, reconciled, transfer_link_id, transfer_dest_account_id, is_split, "
        "version, sync_status, created_at, updated_at) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, "
        "?, ?, 1, 'synced', ?, ?)"));
    QSqlQuery split(db);
    split.prepare(
        QStringLiteral("INSERT INTO split_lines (id, transaction_id, category_id, amount, "
                       "memo, created_at, updated_at) VALUES (?, ?, ?, ?, ?, ?, ?)"));

    const QDate first = QDate::currentDate().addYears(-years);
    const int days = int(first.daysTo(QDate::currentDate()));
    const auto addTransaction = [&](const QString& id, const QString& accountId, const QDate& date,
                                    const QString& payee, const QString& memo, qint64 amount,
                                    const QString& categoryId, bool isSplit, const QString& linkId,
                                    const QString& destination) {
        const bool old = date.daysTo(QDate::currentDate()) > 60;
        const QString created = toIsoTimestamp(QDateTime(date, QTime(12, 0), Qt::UTC));
        for (const QVariant& value :
             {QVariant(id), QVariant(accountId), QVariant(toIsoDate(date)), QVariant(payee),
              QVariant(memo), QVariant(amount),
              categoryId.isEmpty() ? QVariant(QMetaType::fromType<QString>())
                                   : QVariant(categoryId),
              QVariant(QMetaType::fromType<QString>()), QVariant(old ? 1 : 0),
              QVariant(old ? 1 : 0), QVariant(linkId), QVariant(destination),
              QVariant(isSplit ? 1 : 0), QVariant(created), QVariant(created)})
            insert.addBindValue(value);
        return exec(insert);
    };

    int written = 0;
    while (written < transactionCount) {
        const int pick = random.bounded(100);
        int accountIndex = 0;
        for (int sum = accounts[0].share; pick >= sum; sum += accounts[++accountIndex].share) {
        }
        const QString accountId = QString::fromLatin1(accounts[accountIndex].id);
        const QDate date = first.addDays(random.bounded(days + 1));
        const QString id = newId();
        const int kind = random.bounded(100);

        if (kind < 3 && written + 2 <= transactionCount) { // a transfer: two linked rows
            const int other = (accountIndex + 1 + random.bounded(accountCount - 1)) % accountCount;
            const QString otherId = QString::fromLatin1(accounts[other].id);
            const QString partner = newId();
            const qint64 amount = 1000 + random.bounded(200000);
            if (!addTransaction(
                    id, accountId, date,
                    QStringLiteral("Transfer to %1").arg(QLatin1String(accounts[other].name)),
                    QString(), -amount, QString(), false, partner, otherId) ||
                !addTransaction(partner, otherId, date,
                                QStringLiteral("Transfer from %1")
                                    .arg(QLatin1String(accounts[accountIndex].name)),
                                QString(), amount, QString(), false, id, accountId))
                return false;
            written += 2;
            continue;
        }

        const QString payee = QString::fromLatin1(payees[random.bounded(int(std::size(payees)))]);
        const QString memo = QString::fromLatin1(memos[random.bounded(int(std::size(memos)))]);
        const bool deposit = kind >= 90;
        const qint64 amount =
            deposit ? 50000 + random.bounded(300000) : -(100 + random.bounded(25000));
        const bool isSplit = kind >= 85 && kind < 90;
        const QString categoryId =
            isSplit ? QString() : categoryIds.at(random.bounded(int(categoryIds.size())));
        if (!addTransaction(id, accountId, date, payee, memo, amount, categoryId, isSplit,
                            QString(), QString()))
            return false;
        if (isSplit) {
            const qint64 part = amount / 3;
            for (const qint64 lineAmount : {part, amount - part}) {
                for (const QVariant& value :
                     {QVariant(newId()), QVariant(id),
                      QVariant(categoryIds.at(random.bounded(int(categoryIds.size())))),
                      QVariant(lineAmount), QVariant(QString()), QVariant(now), QVariant(now)})
                    split.addBindValue(value);
                if (!exec(split))
                    return false;
            }
        }
        ++written;
    }

    QSqlQuery recurring(db);
    recurring.prepare(QStringLiteral(
        "INSERT INTO recurring_transactions (id, account_id, payee, amount, category_id, "
        "frequency, "
        "start_date, next_due_date, auto_post, is_active, version, sync_status, created_at, "
        "updated_at, lead_days) VALUES (?, ?, ?, ?, ?, ?, ?, ?, 0, ?, 1, 'synced', ?, ?, ?)"));
    const char* frequencies[] = {"weekly", "biweekly", "monthly", "quarterly", "annual"};
    for (int i = 0; i < 40; ++i) {
        const QDate next = QDate::currentDate().addDays(random.bounded(60) - 20);
        for (const QVariant& value :
             {QVariant(newId()), QVariant(QString::fromLatin1(accounts[i % accountCount].id)),
              QVariant(QString::fromLatin1(payees[i % int(std::size(payees))])),
              QVariant(-qint64(1000 + random.bounded(100000))),
              QVariant(categoryIds.at(i % categoryIds.size())),
              QVariant(QString::fromLatin1(frequencies[i % 5])), QVariant(toIsoDate(first)),
              QVariant(toIsoDate(next)), QVariant(i % 7 == 0 ? 0 : 1), QVariant(now), QVariant(now),
              QVariant(random.bounded(10))})
            recurring.addBindValue(value);
        if (!exec(recurring))
            return false;
    }
    if (!db.commit())
        return false;
    QSqlQuery(QStringLiteral("ANALYZE"), db);
    return true;
}

QString LargeDatabase::openOrGenerate(const QString& path)
{
    if (!path.isEmpty() && QFile::exists(path))
        return path;
    const QString target =
        path.isEmpty() ? BenchTools::scratchPath(QStringLiteral("large.db")) : path;
    QElapsedTimer timer;
    timer.start();
    if (!generate(target)) {
        std::fprintf(stderr, "could not generate %s\n", qPrintable(target));
        return {};
    }
    std::printf("generated %s in %.1f s\n", qPrintable(target), timer.elapsed() / 1000.0);
    return target;
}
