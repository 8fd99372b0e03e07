#pragma once

#include <QString>

#include <optional>

namespace PennibarServer {

class Database;

// The server's own key/value settings table (identity of this database, token-secret
// fingerprint).
class SettingsStore
{
public:
    explicit SettingsStore(Database& database) : m_database(database) {}

    // The value, an empty string when unset, nothing when the read failed.
    std::optional<QString> value(const QString& key);
    bool setValue(const QString& key, const QString& value);
    // Stores `value` unless the key has one already; returns the value that holds afterwards.
    std::optional<QString> valueOrInsert(const QString& key, const QString& value);

private:
    Database& m_database;
};

} // namespace PennibarServer
