#pragma once

#include "libs/account/signin/signinsecrets.h"

#include <QObject>
#include <QString>
#include <QUrl>

namespace TovAccount {

class ApiClient;
class WebAuthHandler;

// One browser sign-in, from the link to the token pair (OAuth 2.0 authorization code with PKCE,
// RFC 6749, 7636 and 8252): a loopback listener waits for the browser, which brings back a code
// and this sign-in's state; the code and the verifier are then exchanged for the tokens at the
// realm's token endpoint. Nothing secret travels through the browser: the code is good once, for
// a minute, and only with the verifier that never leaves the application.
class SignInAttempt : public QObject
{
    Q_OBJECT

public:
    struct Realm
    {
        QString authBaseUrl;
        QString realmSlug;
        QString clientId;
    };

    // The reasons `failed` gives, in the library's terms.
    static constexpr auto NoListener = "Failed to start local auth server";
    static constexpr auto NoCode = "No tokens received";
    static constexpr auto CodeRefused = "The sign-in code was refused";
    static constexpr auto ExchangeFailed = "The sign-in could not be completed";

    SignInAttempt(Realm realm, ApiClient* authApi, QObject* parent = nullptr);

    // Starts listening and returns the sign-in page's address with this sign-in's state and
    // challenge; empty when no loopback port could be opened.
    QUrl start();

signals:
    void succeeded(const QString& accessToken, const QString& refreshToken);
    void failed(const QString& reason);

private:
    void onCallback(const QUrl& url);
    void exchange(const QString& code);

    Realm m_realm;
    ApiClient* m_authApi;
    SignInSecrets m_secrets;
    WebAuthHandler* m_listener;
    QString m_redirectUri;
};

} // namespace TovAccount
