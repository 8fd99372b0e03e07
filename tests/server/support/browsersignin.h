#pragma once

#include "tests/server/support/httpclient.h"

#include <QMap>

// Signs in through the server's sign-in page the way the app and a browser do together: the app
// makes a link with a fresh state and PKCE verifier; the browser GETs the form (keeping its
// cookie and hidden fields), POSTs it and follows the redirect to a loopback listener; the app
// checks the state and exchanges the code with its verifier for the token pair.
class BrowserSignIn
{
public:
    // What the app puts in the sign-in link, and keeps to itself (the verifier).
    struct Link
    {
        Link();
        QString clientId;
        QString redirectUri;
        QString state;
        QString verifier;
        QString challengeMethod = QStringLiteral("S256");
        bool signUp = false;

        // BASE64URL(SHA-256(verifier)), as RFC 7636 defines S256.
        QString challenge() const;
        QUrlQuery query() const;
        // A value as random as the app's: 32 random bytes, Base64url.
        static QString randomValue();
    };
    struct Page
    {
        HttpClient::Reply reply;
        QMap<QString, QString> hiddenFields;
        QByteArray cookie; // "name=value" from Set-Cookie
    };
    struct Result
    {
        HttpClient::Reply formReply; // the answer to the POST
        QString code;                // what the browser brought to the listener
        QString state;
        HttpClient::Reply tokenReply; // the answer to the code exchange
        QString accessToken;
        QString refreshToken;
    };

    explicit BrowserSignIn(const HttpClient& client, QString realm = QStringLiteral("tovarly"))
        : m_client(client), m_realm(std::move(realm))
    {
    }

    // Every request then claims to come from `address` through a proxy (X-Forwarded-For).
    BrowserSignIn& from(const QByteArray& address)
    {
        m_forwardedFor = address;
        return *this;
    }

    Page open(const Link& link) const;
    // A link with a fresh state and verifier for this client and redirect.
    Page open(const QString& clientId, const QString& redirectUri, bool signUp = false) const;
    // The sign-in page at the address an app handed to the browser.
    Page openUrl(const QUrl& signInPage) const;
    HttpClient::Reply submit(const Page& page, const QMap<QString, QString>& fields,
                             const QByteArray& userAgent = "TestBrowser/1.0") const;
    // Up to the browser's return to a fresh listener, without the exchange: code and state.
    Result signInForCode(const QString& email, const QString& password, Link* link) const;
    // The app's code exchange at the realm's token endpoint.
    HttpClient::Reply exchange(const QString& code, const Link& link) const;
    HttpClient::Reply exchange(const QJsonObject& body) const;
    // The whole road with the app's default client id and a fresh listener.
    Result signIn(const QString& email, const QString& password,
                  const QByteArray& userAgent = "TestBrowser/1.0") const;
    Result signUp(const QString& email, const QString& password, const QString& displayName) const;

private:
    // Sends the browser to a fresh listener, which becomes the link's redirect.
    Result complete(const QMap<QString, QString>& fields, Link* link, const QByteArray& userAgent,
                    bool exchangeCode) const;
    QList<QPair<QByteArray, QByteArray>> headers() const;

    const HttpClient& m_client;
    QString m_realm;
    QByteArray m_forwardedFor;
};
