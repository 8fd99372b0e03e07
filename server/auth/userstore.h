#pragma once

#include "server/auth/user.h"

#include <QList>

#include <optional>

namespace PennibarServer {

class Database;

// The users table.
class UserStore
{
public:
    explicit UserStore(Database& database) : m_database(database) {}

    enum class CreateResult
    {
        Created,
        EmailTaken,
        Failed
    };

    // Creates a user with a fresh id; `user` receives the stored record.
    CreateResult create(const QString& email, const QString& displayName,
                        const QByteArray& passwordHash, qint64 now, User* user);
    std::optional<User> byEmail(const QString& email);
    std::optional<User> byId(const QString& id);
    // Every user, oldest first; nothing when the read failed.
    std::optional<QList<User>> all();

    bool setDisabled(const QString& id, bool disabled);
    bool setPasswordHash(const QString& id, const QByteArray& hash);
    bool setDisplayName(const QString& id, const QString& displayName);
    // 0 cancels a scheduled deletion.
    bool setDeletionDue(const QString& id, qint64 dueAt);
    // Ids of users whose scheduled deletion is due.
    std::optional<QStringList> dueForDeletion(qint64 now);
    bool remove(const QString& id);

private:
    std::optional<User> one(const QString& where, const QVariant& value);

    Database& m_database;
};

} // namespace PennibarServer
