#pragma once

#include "server/auth/authcontext.h"
#include "server/http/router.h"

#include <QCoreApplication>

namespace PennibarServer {

class Authenticator;
class Clock;
class DeviceStore;
class SessionStore;

// "/devices": registration after each sign-in (one device per fingerprint), the list, and
// removal, which also signs that device out.
class DeviceRoutes
{
    Q_DECLARE_TR_FUNCTIONS(DeviceRoutes)

public:
    DeviceRoutes(DeviceStore& devices, SessionStore& sessions, Authenticator& authenticator,
                 const Clock& clock);
    void addTo(Router& router);

private:
    HttpResponse registerDevice(const HttpRequest& request, const AuthContext& caller);
    HttpResponse list(const QString& userId);
    HttpResponse remove(const QString& userId, const QString& deviceId);

    DeviceStore& m_devices;
    SessionStore& m_sessions;
    Authenticator& m_authenticator;
    const Clock& m_clock;
};

} // namespace PennibarServer
