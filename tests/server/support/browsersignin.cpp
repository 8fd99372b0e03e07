#include "tests/server/support/browsersignin.h"

#include "tests/server/support/loopbacklistener.h"

#include "server/core/serverconfig.h"

#include <QRegularExpression>

BrowserSignIn::Page BrowserSignIn::open(const QString& clientId, const QString& redirectUri,
                                        bool signUp) const
{
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("client_id"), clientId);
    query.addQueryItem(QStringLiteral("redirect_uri"),
                       QString::fromLatin1(QUrl::toPercentEncoding(redirectUri)));
    if (signUp)
        query.addQueryItem(QStringLiteral("mode"), QStringLiteral("signup"));
    return openUrl(m_client.url(QStringLiteral("/%1/account/login").arg(m_realm), query));
}

BrowserSignIn::Page BrowserSignIn::openUrl(const QUrl& signInPage) const
{
    Page page;
    page.reply = m_client.send("GET", signInPage, {}, {});
    static const QRegularExpression hidden(
        QStringLiteral("<input type=\"hidden\" name=\"([a-z_]+)\" value=\"([^\"]*)\">"));
    for (auto match = hidden.globalMatch(QString::fromUtf8(page.reply.body)); match.hasNext();) {
        const auto found = match.next();
        QString value = found.captured(2);
        value.replace(QStringLiteral("&amp;"), QStringLiteral("&"))
            .replace(QStringLiteral("&quot;"), QStringLiteral("\""));
        page.hiddenFields.insert(found.captured(1), value);
    }
    page.cookie = page.reply.header("Set-Cookie").split(';').first();
    return page;
}

HttpClient::Reply BrowserSignIn::submit(const Page& page, const QMap<QString, QString>& fields,
                                        const QByteArray& userAgent) const
{
    QMap<QString, QString> all = page.hiddenFields;
    for (auto it = fields.cbegin(); it != fields.cend(); ++it)
        all.insert(it.key(), it.value());
    QByteArray body;
    for (auto it = all.cbegin(); it != all.cend(); ++it) {
        if (!body.isEmpty())
            body += '&';
        body += QUrl::toPercentEncoding(it.key()) + '=' +
                QUrl::toPercentEncoding(it.value()).replace("%20", "+");
    }
    QList<QPair<QByteArray, QByteArray>> headers = {
        {"Content-Type", "application/x-www-form-urlencoded"}, {"User-Agent", userAgent}};
    if (!page.cookie.isEmpty())
        headers.append({"Cookie", page.cookie});
    return m_client.send("POST", m_client.url(QStringLiteral("/%1/account/login").arg(m_realm)),
                         body, headers);
}

BrowserSignIn::Result BrowserSignIn::complete(const QMap<QString, QString>& fields, bool signUp,
                                              const QByteArray& userAgent) const
{
    LoopbackListener listener;
    const Page page =
        open(PennibarServer::ServerConfig::defaultClientId(), listener.redirectUri(), signUp);
    Result result;
    result.formReply = submit(page, fields, userAgent);
    const QByteArray location = result.formReply.header("Location");
    if (result.formReply.status != 303 || location.isEmpty())
        return result;
    // The browser follows the redirect to the app's listener.
    m_client.send("GET", QUrl::fromEncoded(location), {}, {});
    const QUrlQuery tokens(listener.waitForCallback());
    result.accessToken = tokens.queryItemValue(QStringLiteral("access_token"), QUrl::FullyDecoded);
    result.refreshToken =
        tokens.queryItemValue(QStringLiteral("refresh_token"), QUrl::FullyDecoded);
    return result;
}

BrowserSignIn::Result BrowserSignIn::signIn(const QString& email, const QString& password,
                                            const QByteArray& userAgent) const
{
    return complete({{QStringLiteral("email"), email}, {QStringLiteral("password"), password}},
                    false, userAgent);
}

BrowserSignIn::Result BrowserSignIn::signUp(const QString& email, const QString& password,
                                            const QString& displayName) const
{
    return complete({{QStringLiteral("email"), email},
                     {QStringLiteral("password"), password},
                     {QStringLiteral("password_confirm"), password},
                     {QStringLiteral("display_name"), displayName}},
                    true, "TestBrowser/1.0");
}
