#include "server/sync/sharestore.h"

#include "server/storage/database.h"

namespace PennibarServer {

bool ShareStore::grant(const Share& share)
{
    return m_database.execute(
        QStringLiteral("INSERT INTO account_shares (owner_id, account_id, grantee_id, role, "
                       "created_at) VALUES (?, ?, ?, ?, ?) ON CONFLICT (owner_id, account_id, "
                       "grantee_id) DO UPDATE SET role = excluded.role"),
        {share.ownerId, share.accountId, share.granteeId, share.role, share.createdAt});
}

bool ShareStore::revoke(const QString& ownerId, const QString& accountId, const QString& granteeId)
{
    return m_database.execute(QStringLiteral("DELETE FROM account_shares WHERE owner_id = ? AND "
                                             "account_id = ? AND grantee_id = ?"),
                              {ownerId, accountId, granteeId});
}

std::optional<QList<Share>> ShareStore::select(const QString& where, const QVariantList& arguments)
{
    const auto rows = m_database.select(
        QStringLiteral("SELECT owner_id, account_id, grantee_id, role, created_at FROM "
                       "account_shares WHERE %1 ORDER BY created_at, grantee_id")
            .arg(where),
        arguments);
    if (!rows)
        return std::nullopt;
    QList<Share> shares;
    for (const SqlRow& row : *rows)
        shares.append({row.at(0).toString(), row.at(1).toString(), row.at(2).toString(),
                       row.at(3).toString(), row.at(4).toLongLong()});
    return shares;
}

std::optional<QList<Share>> ShareStore::ofAccount(const QString& ownerId, const QString& accountId)
{
    return select(QStringLiteral("owner_id = ? AND account_id = ?"), {ownerId, accountId});
}

std::optional<QStringList> ShareStore::grantees(const QString& ownerId, const QString& accountId)
{
    const auto shares = ofAccount(ownerId, accountId);
    if (!shares)
        return std::nullopt;
    QStringList ids;
    for (const Share& share : *shares)
        ids.append(share.granteeId);
    return ids;
}

std::optional<QString> ShareStore::ownerSharingWith(const QString& granteeId,
                                                    const QString& accountId)
{
    const auto shares =
        select(QStringLiteral("grantee_id = ? AND account_id = ?"), {granteeId, accountId});
    if (!shares)
        return std::nullopt;
    return shares->isEmpty() ? QString() : shares->first().ownerId;
}

std::optional<QList<Share>> ShareStore::fromTo(const QString& ownerId, const QString& granteeId)
{
    return select(QStringLiteral("owner_id = ? AND grantee_id = ?"), {ownerId, granteeId});
}

std::optional<QList<Share>> ShareStore::involving(const QString& userId)
{
    return select(QStringLiteral("owner_id = ? OR grantee_id = ?"), {userId, userId});
}

} // namespace PennibarServer
