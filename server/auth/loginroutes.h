#pragma once

#include "server/auth/authservice.h"
#include "server/auth/loginpage.h"
#include "server/http/router.h"

#include <optional>

namespace PennibarServer {

class ClientRegistry;

// The browser sign-in at "/REALM/account/login": GET shows the form, POST checks it. The app's
// link names its client, its loopback redirect, a `state` and a PKCE challenge (S256); success
// sends the browser to that redirect with a one-time `code` and the `state`, and nothing else.
// A double-submit cookie ties each post to a form this server showed, so another site cannot
// sign the user's app in to somebody else's account. Pages speak the browser's language.
class LoginRoutes
{
public:
    struct Options
    {
        QString realm;
        bool signUpAllowed = false;
        // Browsers reach the server over TLS (its own or a proxy's): the cookie demands it.
        bool secureCookie = false;
    };

    LoginRoutes(AuthService& auth, const ClientRegistry& clients, Options options);
    void addTo(Router& router);

private:
    HttpResponse show(const HttpRequest& request);
    HttpResponse submit(const HttpRequest& request);
    // The refusal page when the sign-in link is not one of a known app on this computer.
    std::optional<HttpResponse> refuse(const LoginPage::Form& form, const SignInTexts& texts) const;
    HttpResponse formPage(int status, LoginPage::Form form, const SignInTexts& texts) const;
    HttpResponse failure(AuthService::Outcome outcome, qint64 retryAfter, LoginPage::Form form,
                         const SignInTexts& texts) const;
    // Sends the browser back to the app with a code for the user.
    HttpResponse redirectWithCode(const QString& userId, const LoginPage::Form& form,
                                  const AuthService::Caller& caller, const SignInTexts& texts);

    AuthService& m_auth;
    const ClientRegistry& m_clients;
    Options m_options;
};

} // namespace PennibarServer
