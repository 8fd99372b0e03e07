#pragma once

#include "tests/server/support/httpclient.h"

#include <QMap>

// Signs in through the server's sign-in page the way a browser does: GET the form (keeping its
// cookie and hidden fields), POST it, and follow the redirect to a loopback listener.
class BrowserSignIn
{
public:
    struct Page
    {
        HttpClient::Reply reply;
        QMap<QString, QString> hiddenFields;
        QByteArray cookie; // "name=value" from Set-Cookie
    };
    struct Result
    {
        HttpClient::Reply formReply; // the answer to the POST
        QString accessToken;
        QString refreshToken;
    };

    explicit BrowserSignIn(const HttpClient& client, QString realm = QStringLiteral("tovarly"))
        : m_client(client), m_realm(std::move(realm))
    {
    }

    Page open(const QString& clientId, const QString& redirectUri, bool signUp = false) const;
    // The sign-in page at the address an app handed to the browser.
    Page openUrl(const QUrl& signInPage) const;
    HttpClient::Reply submit(const Page& page, const QMap<QString, QString>& fields,
                             const QByteArray& userAgent = "TestBrowser/1.0") const;
    // The whole road with the app's default client id and a fresh listener.
    Result signIn(const QString& email, const QString& password,
                  const QByteArray& userAgent = "TestBrowser/1.0") const;
    Result signUp(const QString& email, const QString& password, const QString& displayName) const;

private:
    Result complete(const QMap<QString, QString>& fields, bool signUp,
                    const QByteArray& userAgent) const;

    const HttpClient& m_client;
    QString m_realm;
};
