#include "services/backup/splitlineowners.h"

#include <QDebug>
#include <QSqlError>
#include <QSqlQuery>

void SplitLineOwners::noteTransaction(const QString& id, BackupRowWriter::Outcome outcome)
{
    if (outcome == BackupRowWriter::Outcome::Skipped)
        m_kept.insert(id);
    else if (outcome == BackupRowWriter::Outcome::Overwritten)
        m_overwritten << id;
}

void SplitLineOwners::clearOverwritten(const QSqlDatabase& connection) const
{
    QSqlQuery clear(connection);
    if (!clear.prepare(QStringLiteral("DELETE FROM split_lines WHERE transaction_id = ?")))
        return;
    for (const QString& id : m_overwritten) {
        clear.bindValue(0, id);
        if (!clear.exec())
            qWarning().noquote() << "SplitLineOwners::clearOverwritten failed:"
                                 << clear.lastError().text() << "for transaction" << id;
    }
}

bool SplitLineOwners::admits(const QJsonObject& splitLine) const
{
    return !m_kept.contains(splitLine.value(QStringLiteral("transaction_id")).toString());
}
