#include "services/sampledata/sampledataservice.h"

#include "app/core/ids.h"
#include "app/core/isodates.h"
#include "data/database.h"

#include <QCoreApplication>
#include <QSqlQuery>
#include <QVariant>

namespace {

const char* const checkingId = "sample-acct-checking";
const char* const savingsId = "sample-acct-savings";
const char* const visaId = "sample-acct-visa";

struct SampleAccount
{
    const char* id;
    const char* name;
    const char* type;
    const char* institution;
    const char* lastDigits;
    qint64 startingBalance;
    int sortOrder;
};

const SampleAccount sampleAccounts[] = {
    {checkingId, QT_TRANSLATE_NOOP("SampleDataService", "Main Checking"), "checking",
     QT_TRANSLATE_NOOP("SampleDataService", "Riverbend Credit Union"), "4521", 250000, 0},
    {savingsId, QT_TRANSLATE_NOOP("SampleDataService", "Savings"), "savings",
     QT_TRANSLATE_NOOP("SampleDataService", "Riverbend Credit Union"), "8834", 1000000, 1},
    {visaId, QT_TRANSLATE_NOOP("SampleDataService", "Visa Rewards"), "credit_card",
     QT_TRANSLATE_NOOP("SampleDataService", "Summit Bank"), "7712", 0, 2},
};

enum class Status
{
    Reconciled,
    Cleared,
    Uncleared
};

struct SampleTransaction
{
    const char* accountId;
    int day; // offset from today
    const char* payee;
    const char* memo;
    qint64 amount;
    const char* parent;   // category parent, or null
    const char* category; // category name, or null
    const char* checkNumber;
    Status status;
    int transfer;                // 0: none; 1 or 2: which transfer this half belongs to
    const char* transferAccount; // the other half's account
};

constexpr Status R = Status::Reconciled;
constexpr Status C = Status::Cleared;
constexpr Status U = Status::Uncleared;

const SampleTransaction sampleTransactions[] = {
    {checkingId, -60, QT_TRANSLATE_NOOP("SampleDataService", "Brightpath Inc"),
     QT_TRANSLATE_NOOP("SampleDataService", "Biweekly paycheck"), 285000, nullptr,
     QT_TRANSLATE_NOOP("SampleDataService", "Salary / Wages"), nullptr, R, 0, nullptr},
    {checkingId, -59, QT_TRANSLATE_NOOP("SampleDataService", "Pinecrest Apartments"),
     QT_TRANSLATE_NOOP("SampleDataService", "February rent"), -145000,
     QT_TRANSLATE_NOOP("SampleDataService", "Housing"),
     QT_TRANSLATE_NOOP("SampleDataService", "Rent/Mortgage Payment"), "1041", R, 0, nullptr},
    {checkingId, -57, QT_TRANSLATE_NOOP("SampleDataService", "Greenleaf Market"),
     QT_TRANSLATE_NOOP("SampleDataService", "Weekly groceries"), -8745, nullptr,
     QT_TRANSLATE_NOOP("SampleDataService", "Groceries"), nullptr, R, 0, nullptr},
    {checkingId, -55, QT_TRANSLATE_NOOP("SampleDataService", "Hilltop Gas"),
     QT_TRANSLATE_NOOP("SampleDataService", "Fill up"), -4523,
     QT_TRANSLATE_NOOP("SampleDataService", "Transportation"),
     QT_TRANSLATE_NOOP("SampleDataService", "Gas/Fuel"), nullptr, R, 0, nullptr},
    {checkingId, -53, QT_TRANSLATE_NOOP("SampleDataService", "Lakeside Utilities"),
     QT_TRANSLATE_NOOP("SampleDataService", "Electric bill"), -11280,
     QT_TRANSLATE_NOOP("SampleDataService", "Utilities"),
     QT_TRANSLATE_NOOP("SampleDataService", "Electric"), nullptr, R, 0, nullptr},
    {checkingId, -51, QT_TRANSLATE_NOOP("SampleDataService", "Lakeside Utilities"),
     QT_TRANSLATE_NOOP("SampleDataService", "Water bill"), -4590,
     QT_TRANSLATE_NOOP("SampleDataService", "Utilities"),
     QT_TRANSLATE_NOOP("SampleDataService", "Water"), nullptr, R, 0, nullptr},
    {checkingId, -49, QT_TRANSLATE_NOOP("SampleDataService", "Streamline TV"),
     QT_TRANSLATE_NOOP("SampleDataService", "Monthly streaming"), -1599,
     QT_TRANSLATE_NOOP("SampleDataService", "Entertainment"),
     QT_TRANSLATE_NOOP("SampleDataService", "Streaming"), nullptr, R, 0, nullptr},
    {checkingId, -47, QT_TRANSLATE_NOOP("SampleDataService", "Greenleaf Market"),
     QT_TRANSLATE_NOOP("SampleDataService", "Weekly groceries"), -9230, nullptr,
     QT_TRANSLATE_NOOP("SampleDataService", "Groceries"), nullptr, R, 0, nullptr},
    {checkingId, -46, QT_TRANSLATE_NOOP("SampleDataService", "Brightpath Inc"),
     QT_TRANSLATE_NOOP("SampleDataService", "Biweekly paycheck"), 285000, nullptr,
     QT_TRANSLATE_NOOP("SampleDataService", "Salary / Wages"), nullptr, R, 0, nullptr},
    {checkingId, -44, QT_TRANSLATE_NOOP("SampleDataService", "Maplewood Diner"),
     QT_TRANSLATE_NOOP("SampleDataService", "Dinner out"), -4275, nullptr,
     QT_TRANSLATE_NOOP("SampleDataService", "Dining & Restaurants"), nullptr, R, 0, nullptr},
    {checkingId, -42, QT_TRANSLATE_NOOP("SampleDataService", "Hilltop Gas"),
     QT_TRANSLATE_NOOP("SampleDataService", "Fill up"), -3980,
     QT_TRANSLATE_NOOP("SampleDataService", "Transportation"),
     QT_TRANSLATE_NOOP("SampleDataService", "Gas/Fuel"), nullptr, R, 0, nullptr},
    {checkingId, -40, QT_TRANSLATE_NOOP("SampleDataService", "Clearview Insurance"),
     QT_TRANSLATE_NOOP("SampleDataService", "Auto insurance"), -12500,
     QT_TRANSLATE_NOOP("SampleDataService", "Insurance"),
     QT_TRANSLATE_NOOP("SampleDataService", "Auto"), nullptr, R, 0, nullptr},
    {checkingId, -38, QT_TRANSLATE_NOOP("SampleDataService", "Greenleaf Market"),
     QT_TRANSLATE_NOOP("SampleDataService", "Weekly groceries"), -7650, nullptr,
     QT_TRANSLATE_NOOP("SampleDataService", "Groceries"), nullptr, R, 0, nullptr},
    {checkingId, -35, QT_TRANSLATE_NOOP("SampleDataService", "Hope Community Church"),
     QT_TRANSLATE_NOOP("SampleDataService", "Monthly donation"), -10000, nullptr,
     QT_TRANSLATE_NOOP("SampleDataService", "Charitable Donations"), "1042", R, 0, nullptr},
    {checkingId, -33, QT_TRANSLATE_NOOP("SampleDataService", "Brightpath Inc"),
     QT_TRANSLATE_NOOP("SampleDataService", "Biweekly paycheck"), 285000, nullptr,
     QT_TRANSLATE_NOOP("SampleDataService", "Salary / Wages"), nullptr, R, 0, nullptr},
    {checkingId, -30, QT_TRANSLATE_NOOP("SampleDataService", "Transfer to Savings"),
     QT_TRANSLATE_NOOP("SampleDataService", "Monthly savings"), -50000, nullptr, nullptr, nullptr,
     R, 1, savingsId},
    {checkingId, -29, QT_TRANSLATE_NOOP("SampleDataService", "Pinecrest Apartments"),
     QT_TRANSLATE_NOOP("SampleDataService", "March rent"), -145000,
     QT_TRANSLATE_NOOP("SampleDataService", "Housing"),
     QT_TRANSLATE_NOOP("SampleDataService", "Rent/Mortgage Payment"), "1043", C, 0, nullptr},
    {checkingId, -27, QT_TRANSLATE_NOOP("SampleDataService", "Greenleaf Market"),
     QT_TRANSLATE_NOOP("SampleDataService", "Weekly groceries"), -10120, nullptr,
     QT_TRANSLATE_NOOP("SampleDataService", "Groceries"), nullptr, C, 0, nullptr},
    {checkingId, -25, QT_TRANSLATE_NOOP("SampleDataService", "Hilltop Gas"),
     QT_TRANSLATE_NOOP("SampleDataService", "Fill up"), -4100,
     QT_TRANSLATE_NOOP("SampleDataService", "Transportation"),
     QT_TRANSLATE_NOOP("SampleDataService", "Gas/Fuel"), nullptr, C, 0, nullptr},
    {checkingId, -23, QT_TRANSLATE_NOOP("SampleDataService", "NetConnect ISP"),
     QT_TRANSLATE_NOOP("SampleDataService", "Internet service"), -7999,
     QT_TRANSLATE_NOOP("SampleDataService", "Utilities"),
     QT_TRANSLATE_NOOP("SampleDataService", "Internet"), nullptr, C, 0, nullptr},
    {checkingId, -21, QT_TRANSLATE_NOOP("SampleDataService", "Lakeside Utilities"),
     QT_TRANSLATE_NOOP("SampleDataService", "Electric bill"), -10870,
     QT_TRANSLATE_NOOP("SampleDataService", "Utilities"),
     QT_TRANSLATE_NOOP("SampleDataService", "Electric"), nullptr, C, 0, nullptr},
    {checkingId, -19, QT_TRANSLATE_NOOP("SampleDataService", "Brightpath Inc"),
     QT_TRANSLATE_NOOP("SampleDataService", "Biweekly paycheck"), 285000, nullptr,
     QT_TRANSLATE_NOOP("SampleDataService", "Salary / Wages"), nullptr, C, 0, nullptr},
    {checkingId, -17, QT_TRANSLATE_NOOP("SampleDataService", "Greenleaf Market"),
     QT_TRANSLATE_NOOP("SampleDataService", "Weekly groceries"), -8890, nullptr,
     QT_TRANSLATE_NOOP("SampleDataService", "Groceries"), nullptr, C, 0, nullptr},
    {checkingId, -15, QT_TRANSLATE_NOOP("SampleDataService", "Streamline TV"),
     QT_TRANSLATE_NOOP("SampleDataService", "Monthly streaming"), -1599,
     QT_TRANSLATE_NOOP("SampleDataService", "Entertainment"),
     QT_TRANSLATE_NOOP("SampleDataService", "Streaming"), nullptr, C, 0, nullptr},
    {checkingId, -13, QT_TRANSLATE_NOOP("SampleDataService", "Maplewood Diner"),
     QT_TRANSLATE_NOOP("SampleDataService", "Lunch"), -2340, nullptr,
     QT_TRANSLATE_NOOP("SampleDataService", "Dining & Restaurants"), nullptr, C, 0, nullptr},
    {checkingId, -11, QT_TRANSLATE_NOOP("SampleDataService", "Hilltop Gas"),
     QT_TRANSLATE_NOOP("SampleDataService", "Fill up"), -4250,
     QT_TRANSLATE_NOOP("SampleDataService", "Transportation"),
     QT_TRANSLATE_NOOP("SampleDataService", "Gas/Fuel"), nullptr, C, 0, nullptr},
    {checkingId, -8, QT_TRANSLATE_NOOP("SampleDataService", "Greenleaf Market"),
     QT_TRANSLATE_NOOP("SampleDataService", "Weekly groceries"), -11540, nullptr,
     QT_TRANSLATE_NOOP("SampleDataService", "Groceries"), nullptr, U, 0, nullptr},
    {checkingId, -6, QT_TRANSLATE_NOOP("SampleDataService", "Brightpath Inc"),
     QT_TRANSLATE_NOOP("SampleDataService", "Biweekly paycheck"), 285000, nullptr,
     QT_TRANSLATE_NOOP("SampleDataService", "Salary / Wages"), nullptr, U, 0, nullptr},
    {checkingId, -5, QT_TRANSLATE_NOOP("SampleDataService", "Ridgeline Pharmacy"),
     QT_TRANSLATE_NOOP("SampleDataService", "Prescriptions"), -3520, nullptr,
     QT_TRANSLATE_NOOP("SampleDataService", "Medical Expenses"), nullptr, U, 0, nullptr},
    {checkingId, -4, QT_TRANSLATE_NOOP("SampleDataService", "Hilltop Gas"),
     QT_TRANSLATE_NOOP("SampleDataService", "Fill up"), -4680,
     QT_TRANSLATE_NOOP("SampleDataService", "Transportation"),
     QT_TRANSLATE_NOOP("SampleDataService", "Gas/Fuel"), nullptr, U, 0, nullptr},
    {checkingId, -2, QT_TRANSLATE_NOOP("SampleDataService", "Greenleaf Market"),
     QT_TRANSLATE_NOOP("SampleDataService", "Weekly groceries"), -9475, nullptr,
     QT_TRANSLATE_NOOP("SampleDataService", "Groceries"), nullptr, U, 0, nullptr},
    {checkingId, -1, QT_TRANSLATE_NOOP("SampleDataService", "Maplewood Diner"),
     QT_TRANSLATE_NOOP("SampleDataService", "Coffee & pastry"), -1285, nullptr,
     QT_TRANSLATE_NOOP("SampleDataService", "Dining & Restaurants"), nullptr, U, 0, nullptr},
    {checkingId, 0, QT_TRANSLATE_NOOP("SampleDataService", "Transfer to Savings"),
     QT_TRANSLATE_NOOP("SampleDataService", "Monthly savings"), -50000, nullptr, nullptr, nullptr,
     U, 2, savingsId},

    {savingsId, -45, QT_TRANSLATE_NOOP("SampleDataService", "Riverbend Credit Union"),
     QT_TRANSLATE_NOOP("SampleDataService", "Interest payment"), 820, nullptr,
     QT_TRANSLATE_NOOP("SampleDataService", "Interest Income"), nullptr, C, 0, nullptr},
    {savingsId, -30, QT_TRANSLATE_NOOP("SampleDataService", "Transfer from Checking"),
     QT_TRANSLATE_NOOP("SampleDataService", "Monthly savings"), 50000, nullptr, nullptr, nullptr, C,
     1, checkingId},
    {savingsId, -15, QT_TRANSLATE_NOOP("SampleDataService", "Riverbend Credit Union"),
     QT_TRANSLATE_NOOP("SampleDataService", "Interest payment"), 875, nullptr,
     QT_TRANSLATE_NOOP("SampleDataService", "Interest Income"), nullptr, C, 0, nullptr},
    {savingsId, 0, QT_TRANSLATE_NOOP("SampleDataService", "Transfer from Checking"),
     QT_TRANSLATE_NOOP("SampleDataService", "Monthly savings"), 50000, nullptr, nullptr, nullptr, U,
     2, checkingId},

    {visaId, -55, QT_TRANSLATE_NOOP("SampleDataService", "Dash Delivery"),
     QT_TRANSLATE_NOOP("SampleDataService", "Food delivery"), -3275, nullptr,
     QT_TRANSLATE_NOOP("SampleDataService", "Dining & Restaurants"), nullptr, C, 0, nullptr},
    {visaId, -50, QT_TRANSLATE_NOOP("SampleDataService", "Gadget World"),
     QT_TRANSLATE_NOOP("SampleDataService", "Phone case"), -2999,
     QT_TRANSLATE_NOOP("SampleDataService", "Shopping"),
     QT_TRANSLATE_NOOP("SampleDataService", "Electronics"), nullptr, C, 0, nullptr},
    {visaId, -45, QT_TRANSLATE_NOOP("SampleDataService", "CloudWatch Plus"),
     QT_TRANSLATE_NOOP("SampleDataService", "Cloud storage plan"), -999, nullptr,
     QT_TRANSLATE_NOOP("SampleDataService", "Subscriptions"), nullptr, C, 0, nullptr},
    {visaId, -40, QT_TRANSLATE_NOOP("SampleDataService", "Dash Delivery"),
     QT_TRANSLATE_NOOP("SampleDataService", "Food delivery"), -2850, nullptr,
     QT_TRANSLATE_NOOP("SampleDataService", "Dining & Restaurants"), nullptr, C, 0, nullptr},
    {visaId, -35, QT_TRANSLATE_NOOP("SampleDataService", "Payment - Thank You"),
     QT_TRANSLATE_NOOP("SampleDataService", "Credit card payment"), 10123, nullptr, nullptr,
     nullptr, C, 0, nullptr},
    {visaId, -30, QT_TRANSLATE_NOOP("SampleDataService", "Stellar Coffee"),
     QT_TRANSLATE_NOOP("SampleDataService", "Coffee beans"), -1895, nullptr,
     QT_TRANSLATE_NOOP("SampleDataService", "Groceries"), nullptr, C, 0, nullptr},
    {visaId, -25, QT_TRANSLATE_NOOP("SampleDataService", "BookNest Online"),
     QT_TRANSLATE_NOOP("SampleDataService", "Programming books"), -4599, nullptr,
     QT_TRANSLATE_NOOP("SampleDataService", "Education Expenses"), nullptr, C, 0, nullptr},
    {visaId, -20, QT_TRANSLATE_NOOP("SampleDataService", "Dash Delivery"),
     QT_TRANSLATE_NOOP("SampleDataService", "Food delivery"), -2650, nullptr,
     QT_TRANSLATE_NOOP("SampleDataService", "Dining & Restaurants"), nullptr, U, 0, nullptr},
    {visaId, -15, QT_TRANSLATE_NOOP("SampleDataService", "Payment - Thank You"),
     QT_TRANSLATE_NOOP("SampleDataService", "Credit card payment"), 12993, nullptr, nullptr,
     nullptr, U, 0, nullptr},
    {visaId, -10, QT_TRANSLATE_NOOP("SampleDataService", "TechVault"),
     QT_TRANSLATE_NOOP("SampleDataService", "USB hub"), -3499,
     QT_TRANSLATE_NOOP("SampleDataService", "Shopping"),
     QT_TRANSLATE_NOOP("SampleDataService", "Electronics"), nullptr, U, 0, nullptr},
    {visaId, -5, QT_TRANSLATE_NOOP("SampleDataService", "Dash Delivery"),
     QT_TRANSLATE_NOOP("SampleDataService", "Food delivery"), -3190, nullptr,
     QT_TRANSLATE_NOOP("SampleDataService", "Dining & Restaurants"), nullptr, U, 0, nullptr},
    {visaId, -2, QT_TRANSLATE_NOOP("SampleDataService", "CloudWatch Plus"),
     QT_TRANSLATE_NOOP("SampleDataService", "Cloud storage plan"), -999, nullptr,
     QT_TRANSLATE_NOOP("SampleDataService", "Subscriptions"), nullptr, U, 0, nullptr},
};

struct SampleRecurring
{
    const char* payee;
    const char* memo;
    qint64 amount;
    const char* parent;
    const char* category;
    const char* frequency;
    int nextDueInDays;
};

const SampleRecurring sampleRecurring[] = {
    {QT_TRANSLATE_NOOP("SampleDataService", "Pinecrest Apartments"),
     QT_TRANSLATE_NOOP("SampleDataService", "Monthly rent"), -145000,
     QT_TRANSLATE_NOOP("SampleDataService", "Housing"),
     QT_TRANSLATE_NOOP("SampleDataService", "Rent/Mortgage Payment"), "monthly", 1},
    {QT_TRANSLATE_NOOP("SampleDataService", "Brightpath Inc"),
     QT_TRANSLATE_NOOP("SampleDataService", "Biweekly paycheck"), 285000, nullptr,
     QT_TRANSLATE_NOOP("SampleDataService", "Salary / Wages"), "biweekly", 8},
    {QT_TRANSLATE_NOOP("SampleDataService", "Transfer to Savings"),
     QT_TRANSLATE_NOOP("SampleDataService", "Monthly savings"), -50000, nullptr, nullptr, "monthly",
     1},
};

QString text(const char* source)
{
    return QCoreApplication::translate("SampleDataService", source);
}

QString sampleId(const char* kind)
{
    return QStringLiteral("sample-%1-%2").arg(QLatin1String(kind), newId().left(8));
}

QVariant nullIfEmpty(const QString& value)
{
    return value.isEmpty() ? QVariant(QMetaType::fromType<QString>()) : QVariant(value);
}

void run(QSqlQuery& query, const QVariantList& values)
{
    for (const QVariant& value : values)
        query.addBindValue(value);
    query.exec(); // single failures are not fatal to a demonstration data set
}

} // namespace

SampleDataService::SampleDataService(Database* database, QObject* parent)
    : QObject(parent), m_database(database)
{
}

bool SampleDataService::hasSampleData() const
{
    QSqlQuery query(m_database->connection());
    return query.exec(QStringLiteral("SELECT 1 FROM accounts WHERE id LIKE 'sample-%' LIMIT 1")) &&
           query.next();
}

void SampleDataService::buildCategoryLookup()
{
    m_categoryIds.clear();
    QSqlQuery query(m_database->connection());
    query.exec(
        QStringLiteral("SELECT c.id, c.name, p.name AS parent_name FROM categories c LEFT "
                       "JOIN categories p ON c.parent_id = p.id WHERE c.deleted_at IS NULL"));
    while (query.next()) {
        const QString id = query.value(0).toString();
        const QString name = query.value(1).toString();
        const QString parentName = query.value(2).toString();
        m_categoryIds.insert(name, id);
        if (!parentName.isEmpty())
            m_categoryIds.insert(QStringLiteral("%1/%2").arg(parentName, name), id);
    }
}

QString SampleDataService::categoryId(const char* name, const char* parent) const
{
    if (!name)
        return {};
    if (parent) {
        const QString path = QStringLiteral("%1/%2").arg(text(parent), text(name));
        if (m_categoryIds.contains(path))
            return m_categoryIds.value(path);
    }
    return m_categoryIds.value(text(name));
}

void SampleDataService::load()
{
    buildCategoryLookup();
    const QString now = toIsoTimestamp(nowUtc());
    const QDate today = QDate::currentDate();
    QSqlDatabase db = m_database->connection();

    QSqlQuery account(db);
    account.prepare(QStringLiteral(
        "INSERT INTO accounts (id, name, account_type, currency, institution, "
        "account_number_last4, starting_balance, sort_order, is_shared, version, sync_status, "
        "created_at, updated_at) VALUES (?, ?, ?, 'USD', ?, ?, ?, ?, 0, 1, 'pending', ?, ?)"));
    for (const SampleAccount& sample : sampleAccounts) {
        run(account,
            {QString::fromLatin1(sample.id), text(sample.name), QString::fromLatin1(sample.type),
             text(sample.institution), QString::fromLatin1(sample.lastDigits),
             sample.startingBalance, sample.sortOrder, now, now});
    }

    const QString transferLinks[] = {sampleId("xfer"), sampleId("xfer")};
    QSqlQuery transaction(db);
    transaction.prepare(QStringLiteral(
        "INSERT INTO transactions (id, account_id, date, payee, memo, amount, category_id, "
        "check_number, cleared, reconciled, transfer_link_id, transfer_dest_account_id, is_split, "
        "version, sync_status, created_at, updated_at) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, "
        "?, ?, 1, 'pending', ?, ?)"));
    for (const SampleTransaction& sample : sampleTransactions) {
        const bool isTransfer = sample.transfer > 0;
        run(transaction,
            {sampleId("txn"), QString::fromLatin1(sample.accountId),
             toIsoDate(today.addDays(sample.day)), text(sample.payee), text(sample.memo),
             sample.amount, nullIfEmpty(categoryId(sample.category, sample.parent)),
             nullIfEmpty(QString::fromLatin1(sample.checkNumber)),
             sample.status != Status::Uncleared ? 1 : 0,
             sample.status == Status::Reconciled ? 1 : 0,
             nullIfEmpty(isTransfer ? transferLinks[sample.transfer - 1] : QString()),
             nullIfEmpty(QString::fromLatin1(sample.transferAccount)), 0, now, now});
    }

    QSqlQuery recurring(db);
    recurring.prepare(QStringLiteral(
        "INSERT INTO recurring_transactions (id, account_id, payee, memo, amount, category_id, "
        "frequency, start_date, next_due_date, auto_post, is_active, version, sync_status, "
        "created_at, updated_at) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, 0, 1, 1, 'pending', ?, ?)"));
    for (const SampleRecurring& sample : sampleRecurring) {
        run(recurring, {sampleId("rec"), QString::fromLatin1(checkingId), text(sample.payee),
                        text(sample.memo), sample.amount,
                        nullIfEmpty(categoryId(sample.category, sample.parent)),
                        QString::fromLatin1(sample.frequency), toIsoDate(today.addDays(-60)),
                        toIsoDate(today.addDays(sample.nextDueInDays)), now, now});
    }
}

void SampleDataService::clear()
{
    QSqlQuery query(m_database->connection());
    for (const char* statement : {"DELETE FROM split_lines WHERE id LIKE 'sample-%'",
                                  "DELETE FROM reconciliations WHERE id LIKE 'sample-%'",
                                  "DELETE FROM recurring_transactions WHERE id LIKE 'sample-%'",
                                  "DELETE FROM transactions WHERE id LIKE 'sample-%'",
                                  "DELETE FROM accounts WHERE id LIKE 'sample-%'",
                                  "DELETE FROM sync_queue WHERE entity_id LIKE 'sample-%'"})
        query.exec(QString::fromLatin1(statement));
}
