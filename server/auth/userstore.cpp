#include "server/auth/userstore.h"

#include "server/storage/database.h"

#include <QUuid>

namespace PennibarServer {

namespace {

const QString kColumns =
    QStringLiteral("id, email, display_name, password_hash, disabled, created_at, deletion_due_at");

User fromRow(const SqlRow& row)
{
    User user;
    user.id = row.at(0).toString();
    user.email = row.at(1).toString();
    user.displayName = row.at(2).toString();
    user.passwordHash = row.at(3).toString().toLatin1();
    user.disabled = row.at(4).toInt() != 0;
    user.createdAt = row.at(5).toLongLong();
    user.deletionDueAt = row.at(6).toLongLong();
    return user;
}

} // namespace

UserStore::CreateResult UserStore::create(const QString& email, const QString& displayName,
                                          const QByteArray& passwordHash, qint64 now, User* user)
{
    if (byEmail(email))
        return CreateResult::EmailTaken;
    User created;
    created.id = QUuid::createUuid().toString(QUuid::WithoutBraces);
    created.email = email;
    created.displayName = displayName;
    created.passwordHash = passwordHash;
    created.createdAt = now;
    if (!m_database.execute(
            QStringLiteral("INSERT INTO users (id, email, display_name, "
                           "password_hash, disabled, created_at) VALUES (?, ?, "
                           "?, ?, 0, ?)"),
            {created.id, email, displayName, QString::fromLatin1(passwordHash), now})) {
        // Another instance may have taken the address a moment ago.
        return byEmail(email) ? CreateResult::EmailTaken : CreateResult::Failed;
    }
    *user = created;
    return CreateResult::Created;
}

std::optional<User> UserStore::one(const QString& where, const QVariant& value)
{
    const auto rows = m_database.select(
        QStringLiteral("SELECT %1 FROM users WHERE %2 = ?").arg(kColumns, where), {value});
    if (!rows || rows->isEmpty())
        return std::nullopt;
    return fromRow(rows->first());
}

std::optional<User> UserStore::byEmail(const QString& email)
{
    return one(QStringLiteral("email"), email);
}

std::optional<User> UserStore::byId(const QString& id)
{
    return one(QStringLiteral("id"), id);
}

std::optional<QList<User>> UserStore::all()
{
    const auto rows = m_database.select(
        QStringLiteral("SELECT %1 FROM users ORDER BY created_at, email").arg(kColumns));
    if (!rows)
        return std::nullopt;
    QList<User> users;
    for (const SqlRow& row : *rows)
        users.append(fromRow(row));
    return users;
}

bool UserStore::setDisabled(const QString& id, bool disabled)
{
    return m_database.execute(QStringLiteral("UPDATE users SET disabled = ? WHERE id = ?"),
                              {disabled ? 1 : 0, id});
}

bool UserStore::setPasswordHash(const QString& id, const QByteArray& hash)
{
    return m_database.execute(QStringLiteral("UPDATE users SET password_hash = ? WHERE id = ?"),
                              {QString::fromLatin1(hash), id});
}

bool UserStore::setDisplayName(const QString& id, const QString& displayName)
{
    return m_database.execute(QStringLiteral("UPDATE users SET display_name = ? WHERE id = ?"),
                              {displayName, id});
}

bool UserStore::setDeletionDue(const QString& id, qint64 dueAt)
{
    return m_database.execute(QStringLiteral("UPDATE users SET deletion_due_at = ? WHERE id = ?"),
                              {dueAt > 0 ? QVariant(dueAt) : QVariant(), id});
}

std::optional<QStringList> UserStore::dueForDeletion(qint64 now)
{
    const auto rows = m_database.select(
        QStringLiteral("SELECT id FROM users WHERE deletion_due_at IS NOT NULL AND "
                       "deletion_due_at <= ?"),
        {now});
    if (!rows)
        return std::nullopt;
    QStringList ids;
    for (const SqlRow& row : *rows)
        ids.append(row.at(0).toString());
    return ids;
}

bool UserStore::remove(const QString& id)
{
    return m_database.execute(QStringLiteral("DELETE FROM users WHERE id = ?"), {id});
}

} // namespace PennibarServer
