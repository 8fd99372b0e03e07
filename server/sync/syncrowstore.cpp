#include "server/sync/syncrowstore.h"

#include "server/storage/database.h"
#include "server/sync/entityschema.h"

#include <QJsonDocument>
#include <QUuid>

namespace PennibarServer {

namespace {

const QStringList kColumnNames = {
    QStringLiteral("server_id"),  QStringLiteral("owner_id"),   QStringLiteral("entity_type"),
    QStringLiteral("client_id"),  QStringLiteral("account_id"), QStringLiteral("category_ids"),
    QStringLiteral("version"),    QStringLiteral("deleted"),    QStringLiteral("payload"),
    QStringLiteral("updated_at"),
};

QString payloadText(const SyncRow& row)
{
    return QString::fromUtf8(QJsonDocument(row.payload).toJson(QJsonDocument::Compact));
}

QVariant accountColumn(const SyncRow& row)
{
    return row.accountId.isEmpty() ? QVariant() : QVariant(row.accountId);
}

} // namespace

QString SyncRowStore::columns(const QString& alias)
{
    QStringList names;
    for (const QString& name : kColumnNames)
        names.append(alias + name);
    return names.join(QStringLiteral(", "));
}

SyncRow SyncRowStore::fromValues(const SqlRow& values, int first)
{
    SyncRow row;
    row.serverId = values.at(first).toString();
    row.ownerId = values.at(first + 1).toString();
    row.schema = EntitySchema::find(values.at(first + 2).toString());
    row.clientId = values.at(first + 3).toString();
    row.accountId = values.at(first + 4).toString();
    row.categoryIds = values.at(first + 5).toString().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    row.version = values.at(first + 6).toLongLong();
    row.deleted = values.at(first + 7).toInt() != 0;
    row.payload = QJsonDocument::fromJson(values.at(first + 8).toString().toUtf8()).object();
    row.updatedAt = values.at(first + 9).toLongLong();
    return row;
}

std::optional<QList<SyncRow>> SyncRowStore::select(const QString& where,
                                                   const QVariantList& arguments)
{
    const auto rows = m_database.select(
        QStringLiteral("SELECT %1 FROM sync_rows WHERE %2").arg(columns(), where), arguments);
    if (!rows)
        return std::nullopt;
    QList<SyncRow> result;
    result.reserve(rows->size());
    for (const SqlRow& row : *rows)
        result.append(fromValues(row));
    return result;
}

SyncRowStore::Lookup SyncRowStore::find(const QString& ownerId, const QString& entityType,
                                        const QString& clientId)
{
    const auto rows = select(QStringLiteral("owner_id = ? AND entity_type = ? AND client_id = ?"),
                             {ownerId, entityType, clientId});
    if (!rows)
        return {};
    return {true, rows->isEmpty() ? std::nullopt : std::optional(rows->first())};
}

SyncRowStore::Lookup SyncRowStore::byServerId(const QString& serverId)
{
    const auto rows = select(QStringLiteral("server_id = ?"), {serverId});
    if (!rows)
        return {};
    return {true, rows->isEmpty() ? std::nullopt : std::optional(rows->first())};
}

std::optional<QList<SyncRow>> SyncRowStore::rowsOfAccount(const QString& ownerId,
                                                          const QString& accountId)
{
    return select(QStringLiteral("owner_id = ? AND account_id = ?"), {ownerId, accountId});
}

std::optional<QStringList> SyncRowStore::categoryReferences(const QString& ownerId)
{
    return referencedCategories(QStringLiteral("owner_id = ?"), {ownerId});
}

std::optional<QStringList> SyncRowStore::categoryReferences(const QString& ownerId,
                                                            const QString& accountId)
{
    return referencedCategories(QStringLiteral("owner_id = ? AND account_id = ?"),
                                {ownerId, accountId});
}

std::optional<QStringList> SyncRowStore::referencedCategories(const QString& where,
                                                              const QVariantList& arguments)
{
    const auto rows = m_database.select(QStringLiteral("SELECT DISTINCT category_ids FROM "
                                                       "sync_rows WHERE %1 AND deleted = 0 AND "
                                                       "category_ids <> ''")
                                            .arg(where),
                                        arguments);
    if (!rows)
        return std::nullopt;
    QStringList ids;
    for (const SqlRow& row : *rows)
        ids.append(row.at(0).toString().split(QLatin1Char(' '), Qt::SkipEmptyParts));
    ids.removeDuplicates();
    return ids;
}

std::optional<QList<SyncRow>> SyncRowStore::categories(const QString& ownerId,
                                                       const QStringList& clientIds)
{
    QList<SyncRow> found;
    for (const QString& clientId : clientIds) {
        const Lookup lookup = find(ownerId, QStringLiteral("category"), clientId);
        if (!lookup.ok)
            return std::nullopt;
        if (lookup.row)
            found.append(*lookup.row);
    }
    return found;
}

bool SyncRowStore::insert(SyncRow* row)
{
    row->serverId = QUuid::createUuid().toString(QUuid::WithoutBraces);
    return m_database.execute(
        QStringLiteral("INSERT INTO sync_rows (%1) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)")
            .arg(columns()),
        {row->serverId, row->ownerId, row->schema->type(), row->clientId, accountColumn(*row),
         row->categoryIds.join(QLatin1Char(' ')), row->version, row->deleted ? 1 : 0,
         payloadText(*row), row->updatedAt});
}

bool SyncRowStore::update(const SyncRow& row)
{
    return m_database.execute(
        QStringLiteral("UPDATE sync_rows SET account_id = ?, category_ids = ?, version = ?, "
                       "deleted = ?, payload = ?, updated_at = ? WHERE server_id = ?"),
        {accountColumn(row), row.categoryIds.join(QLatin1Char(' ')), row.version,
         row.deleted ? 1 : 0, payloadText(row), row.updatedAt, row.serverId});
}

bool SyncRowStore::removeOwner(const QString& ownerId)
{
    return m_database.execute(QStringLiteral("DELETE FROM sync_rows WHERE owner_id = ?"),
                              {ownerId});
}

} // namespace PennibarServer
