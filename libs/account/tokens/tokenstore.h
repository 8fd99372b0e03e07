#pragma once

#include <QString>

#include <optional>

namespace TovAccount {

// Keeps the two sign-in tokens across runs, in whatever safe place the platform offers.
class TokenStore
{
public:
    static QString accessTokenKey() { return QStringLiteral("tovarly_access_token"); }
    static QString refreshTokenKey() { return QStringLiteral("tovarly_refresh_token"); }

    virtual ~TokenStore() = default;

    // The stored value, or nothing when none is stored or it cannot be read.
    virtual std::optional<QString> load(const QString& key) = 0;
    // True when the value was written.
    virtual bool save(const QString& key, const QString& value) = 0;
    // True when a value was deleted.
    virtual bool remove(const QString& key) = 0;
    // Removes both tokens.
    virtual void clear();
};

} // namespace TovAccount
