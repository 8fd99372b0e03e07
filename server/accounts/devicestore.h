#pragma once

#include "server/accounts/device.h"

#include <QList>

#include <optional>

namespace PennibarServer {

class Database;

// The devices table.
class DeviceStore
{
public:
    explicit DeviceStore(Database& database) : m_database(database) {}

    // Inserts the device, or updates the user's device with the same fingerprint; returns it.
    std::optional<Device> upsert(const Device& device);
    std::optional<QList<Device>> ofUser(const QString& userId);
    // Removes the user's device; false when the user has no such device or the write failed.
    bool remove(const QString& userId, const QString& deviceId);
    void noteSync(const QString& deviceId, qint64 now);

private:
    std::optional<QList<Device>> select(const QString& where, const QVariantList& arguments);

    Database& m_database;
};

} // namespace PennibarServer
