#pragma once

#include "server/auth/authcontext.h"
#include "server/http/router.h"

#include <QCoreApplication>

#include <functional>

namespace PennibarServer {

class Authenticator;
class PullService;
class PushService;

// "/sync/push" and "/sync/pull".
class SyncRoutes
{
    Q_DECLARE_TR_FUNCTIONS(SyncRoutes)

public:
    SyncRoutes(PushService& push, PullService& pull, Authenticator& authenticator);
    // Called after every successful push or pull (to note the device's last sync).
    void setSyncedHook(std::function<void(const AuthContext&)> hook) { m_synced = std::move(hook); }
    void addTo(Router& router);

private:
    HttpResponse push(const HttpRequest& request, const AuthContext& caller);
    HttpResponse pull(const HttpRequest& request, const AuthContext& caller);

    PushService& m_push;
    PullService& m_pull;
    Authenticator& m_authenticator;
    std::function<void(const AuthContext&)> m_synced;
};

} // namespace PennibarServer
