#pragma once

#include "server/sync/share.h"

#include <QList>
#include <QStringList>

#include <optional>

namespace PennibarServer {

class Database;

// The account_shares table.
class ShareStore
{
public:
    explicit ShareStore(Database& database) : m_database(database) {}

    bool grant(const Share& share);
    bool revoke(const QString& ownerId, const QString& accountId, const QString& granteeId);
    std::optional<QList<Share>> ofAccount(const QString& ownerId, const QString& accountId);
    std::optional<QStringList> grantees(const QString& ownerId, const QString& accountId);
    // The owner of an account with that client id shared with `granteeId`; empty when none.
    std::optional<QString> ownerSharingWith(const QString& granteeId, const QString& accountId);
    // Shares from `ownerId` to `granteeId`.
    std::optional<QList<Share>> fromTo(const QString& ownerId, const QString& granteeId);
    // Every share given by or to the user.
    std::optional<QList<Share>> involving(const QString& userId);

private:
    std::optional<QList<Share>> select(const QString& where, const QVariantList& arguments);

    Database& m_database;
};

} // namespace PennibarServer
