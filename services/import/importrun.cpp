#include "services/import/importrun.h"

#include "data/categoryrepository.h"
#include "data/transactionrepository.h"

#include <QCoreApplication>

namespace {

constexpr int eventSliceMs = 5;

} // namespace

ImportRun::ImportRun(TransactionRepository* transactions, CategoryRepository* categories)
    : m_transactions(transactions), m_categories(categories)
{
}

QString ImportRun::duplicateKey(const QDate& date, qint64 amount, const QString& payee)
{
    return QStringLiteral("%1|%2|%3").arg(date.toString(Qt::ISODate)).arg(amount).arg(payee);
}

QSet<QString> ImportRun::duplicateKeys(const QList<Transaction>& transactions)
{
    QSet<QString> keys;
    keys.reserve(transactions.size());
    for (const Transaction& t : transactions)
        keys.insert(duplicateKey(t.date, t.amount, t.payee));
    return keys;
}

void ImportRun::begin(int total)
{
    m_total = total;
    emit importStarted(total);
    // Imports run on the application's default connection, the one the repositories use.
    m_connection = QSqlDatabase::database();
    m_ownsTransaction = m_connection.transaction();
    m_transactionSignals.emplace(m_transactions);
    m_categorySignals.emplace(m_categories);
}

void ImportRun::step(int current)
{
    if (current % progressInterval != 0)
        return;
    emit importProgress(current, m_total);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, eventSliceMs);
}

void ImportRun::release()
{
    m_transactionSignals.reset();
    m_categorySignals.reset();
}

bool ImportRun::commit(bool categoriesCreated)
{
    if (m_ownsTransaction && !m_connection.commit()) {
        rollback();
        return false;
    }
    release();
    if (categoriesCreated)
        emit m_categories->categoriesChanged();
    for (const QString& accountId : std::as_const(m_touchedAccounts))
        emit m_transactions->transactionsChanged(accountId);
    return true;
}

void ImportRun::rollback()
{
    if (m_ownsTransaction)
        m_connection.rollback();
    release();
}

void ImportRun::end()
{
    emit importProgress(m_total, m_total);
}
