#pragma once

#include "server/auth/authservice.h"
#include "server/auth/loginpage.h"
#include "server/http/router.h"

#include <QCoreApplication>

#include <optional>

namespace PennibarServer {

class ClientRegistry;

// The browser sign-in at "/REALM/account/login": GET shows the form, POST checks it. Success
// sends the browser to the app's loopback redirect with "access_token" and "refresh_token" in
// the query. A double-submit cookie ties each post to a form this server showed, so another site
// cannot sign the user's app in to somebody else's account.
class LoginRoutes
{
    Q_DECLARE_TR_FUNCTIONS(LoginRoutes)

public:
    struct Options
    {
        QString realm;
        bool signUpAllowed = false;
        bool secureCookie = false;
    };

    LoginRoutes(AuthService& auth, const ClientRegistry& clients, Options options);
    void addTo(Router& router);

private:
    HttpResponse show(const HttpRequest& request);
    HttpResponse submit(const HttpRequest& request);
    // The refusal page when the client or the redirect is not acceptable.
    std::optional<HttpResponse> refuse(const QString& clientId, const QString& redirectUri) const;
    HttpResponse formPage(int status, LoginPage::Form form) const;
    HttpResponse failure(AuthService::Outcome outcome, qint64 retryAfter,
                         LoginPage::Form form) const;

    AuthService& m_auth;
    const ClientRegistry& m_clients;
    Options m_options;
};

} // namespace PennibarServer
