#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QString>

#include <optional>

namespace PennibarServer {

// One account of the realm, as stored.
struct User
{
    QString id;
    QString email;
    QString displayName;
    QByteArray passwordHash;
    bool disabled = false;
    qint64 createdAt = 0;
    qint64 deletionDueAt = 0; // 0: no deletion scheduled

    // "active", "disabled" or "pending_deletion".
    QString status() const;
    // The realm's user record: id, email, display_name, username, avatar_url, created_at.
    QJsonObject toJson() const;

    // The address in the stored form (trimmed, lower case), or nothing when it is no e-mail
    // address at all.
    static std::optional<QString> normalizedEmail(const QString& text);

    static constexpr int kMaximumDisplayNameLength = 100;
    // The display name in the stored form (trimmed), or nothing when it is longer than
    // kMaximumDisplayNameLength or holds a control character: a name reaches other members'
    // screens and the admin's terminal. The one rule for sign-up, the app and the command line.
    static std::optional<QString> normalizedDisplayName(const QString& text);
};

} // namespace PennibarServer
