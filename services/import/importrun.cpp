#include "services/import/importrun.h"

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
    m_unit.emplace(m_transactions->database());
}

void ImportRun::step(int current)
{
    if (current % progressInterval != 0)
        return;
    emit importProgress(current, m_total);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, eventSliceMs);
}

bool ImportRun::commit()
{
    const bool committed = m_unit && m_unit->commit();
    m_unit.reset();
    return committed;
}

void ImportRun::rollback()
{
    m_unit.reset();
}

void ImportRun::end()
{
    emit importProgress(m_total, m_total);
}
