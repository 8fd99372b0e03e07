#include "server/accounts/devicestore.h"

#include "server/storage/database.h"

#include <QUuid>

namespace PennibarServer {

namespace {

// A sync is noted at most once a minute per device, not on every page.
constexpr qint64 kSyncNoteInterval = 60;

} // namespace

std::optional<QList<Device>> DeviceStore::select(const QString& where,
                                                 const QVariantList& arguments)
{
    const auto rows = m_database.select(
        QStringLiteral("SELECT id, user_id, fingerprint, device_name, platform, app_id, "
                       "app_version, created_at, last_sync_at FROM devices WHERE %1 ORDER BY "
                       "created_at, id")
            .arg(where),
        arguments);
    if (!rows)
        return std::nullopt;
    QList<Device> devices;
    for (const SqlRow& row : *rows)
        devices.append({row.at(0).toString(), row.at(1).toString(), row.at(2).toString(),
                        row.at(3).toString(), row.at(4).toString(), row.at(5).toString(),
                        row.at(6).toString(), row.at(7).toLongLong(), row.at(8).toLongLong()});
    return devices;
}

std::optional<Device> DeviceStore::upsert(const Device& device)
{
    if (!m_database.execute(
            QStringLiteral("INSERT INTO devices (id, user_id, fingerprint, device_name, platform, "
                           "app_id, app_version, created_at) VALUES (?, ?, ?, ?, ?, ?, ?, ?) ON "
                           "CONFLICT (user_id, fingerprint) DO UPDATE SET device_name = "
                           "excluded.device_name, platform = excluded.platform, app_id = "
                           "excluded.app_id, app_version = excluded.app_version"),
            {QUuid::createUuid().toString(QUuid::WithoutBraces), device.userId, device.fingerprint,
             device.name, device.platform, device.appId, device.appVersion, device.createdAt}))
        return std::nullopt;
    const auto found = select(QStringLiteral("user_id = ? AND fingerprint = ?"),
                              {device.userId, device.fingerprint});
    if (!found || found->isEmpty())
        return std::nullopt;
    return found->first();
}

std::optional<QList<Device>> DeviceStore::ofUser(const QString& userId)
{
    return select(QStringLiteral("user_id = ?"), {userId});
}

bool DeviceStore::remove(const QString& userId, const QString& deviceId)
{
    qint64 removed = 0;
    return m_database.execute(QStringLiteral("DELETE FROM devices WHERE id = ? AND user_id = ?"),
                              {deviceId, userId}, &removed) &&
           removed == 1;
}

void DeviceStore::noteSync(const QString& deviceId, qint64 now)
{
    m_database.execute(QStringLiteral("UPDATE devices SET last_sync_at = ? WHERE id = ? AND "
                                      "(last_sync_at IS NULL OR last_sync_at < ?)"),
                       {now, deviceId, now - kSyncNoteInterval});
}

} // namespace PennibarServer
