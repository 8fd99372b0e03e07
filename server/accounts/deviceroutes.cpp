#include "server/accounts/deviceroutes.h"

#include "server/accounts/devicestore.h"
#include "server/auth/authenticator.h"
#include "server/auth/sessionstore.h"
#include "server/core/clock.h"
#include "server/http/jsonbody.h"

#include <QJsonArray>

namespace PennibarServer {

namespace {

constexpr qsizetype kMaximumFieldLength = 200;

} // namespace

DeviceRoutes::DeviceRoutes(DeviceStore& devices, SessionStore& sessions,
                           Authenticator& authenticator, const Clock& clock)
    : m_devices(devices), m_sessions(sessions), m_authenticator(authenticator), m_clock(clock)
{
}

void DeviceRoutes::addTo(Router& router)
{
    router.add("POST", QStringLiteral("/devices/register"),
               m_authenticator.guard(
                   [this](const HttpRequest& request, const AuthContext& caller,
                          const QStringList&) { return registerDevice(request, caller); }));
    router.add("GET", QStringLiteral("/devices"),
               m_authenticator.guard([this](const HttpRequest&, const AuthContext& caller,
                                            const QStringList&) { return list(caller.userId); }));
    router.add("DELETE", QStringLiteral("/devices/{}"),
               m_authenticator.guard([this](const HttpRequest&, const AuthContext& caller,
                                            const QStringList& captures) {
                   return remove(caller.userId, captures.at(0));
               }));
}

HttpResponse DeviceRoutes::registerDevice(const HttpRequest& request, const AuthContext& caller)
{
    const auto body = JsonBody::parse(request);
    if (!body)
        return JsonBody::malformed();
    Device device;
    device.userId = caller.userId;
    device.createdAt = m_clock.now();
    const std::pair<QString, QString*> fields[] = {
        {QStringLiteral("device_fingerprint"), &device.fingerprint},
        {QStringLiteral("device_name"), &device.name},
        {QStringLiteral("platform"), &device.platform},
        {QStringLiteral("app_id"), &device.appId},
        {QStringLiteral("app_version"), &device.appVersion},
    };
    for (const auto& [key, target] : fields) {
        const auto text = JsonBody::optionalString(*body, key);
        if (!text || text->size() > kMaximumFieldLength)
            return JsonBody::wrongType(
                key, tr("a string of at most %1 characters").arg(kMaximumFieldLength));
        *target = text->trimmed();
    }
    if (device.fingerprint.isEmpty())
        return JsonBody::wrongType(QStringLiteral("device_fingerprint"), tr("a non-empty string"));
    const auto stored = m_devices.upsert(device);
    if (!stored || !m_sessions.linkDevice(caller.sessionId, stored->id))
        return HttpResponse::serverError();
    return HttpResponse::ok(stored->toJson());
}

HttpResponse DeviceRoutes::list(const QString& userId)
{
    const auto devices = m_devices.ofUser(userId);
    if (!devices)
        return HttpResponse::serverError();
    QJsonArray array;
    for (const Device& device : *devices)
        array.append(device.toJson());
    return HttpResponse::ok({{QStringLiteral("devices"), array}});
}

HttpResponse DeviceRoutes::remove(const QString& userId, const QString& deviceId)
{
    if (!m_devices.remove(userId, deviceId))
        return HttpResponse::error(404, tr("No such device."));
    m_sessions.revokeDevice(userId, deviceId, m_clock.now());
    return HttpResponse::noContent();
}

} // namespace PennibarServer
