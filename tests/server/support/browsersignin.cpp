#include "tests/server/support/browsersignin.h"

#include "tests/server/support/loopbacklistener.h"

#include "server/core/serverconfig.h"

#include <QCryptographicHash>
#include <QJsonDocument>
#include <QRandomGenerator>
#include <QRegularExpression>

namespace {

QString base64Url(const QByteArray& bytes)
{
    return QString::fromLatin1(
        bytes.toBase64(QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals));
}

} // namespace

BrowserSignIn::Link::Link()
    : clientId(PennibarServer::ServerConfig::defaultClientId()), state(randomValue()),
      verifier(randomValue())
{
}

QString BrowserSignIn::Link::challenge() const
{
    return base64Url(QCryptographicHash::hash(verifier.toLatin1(), QCryptographicHash::Sha256));
}

QUrlQuery BrowserSignIn::Link::query() const
{
    QUrlQuery query;
    const auto add = [&query](const QString& key, const QString& value) {
        query.addQueryItem(key, QString::fromLatin1(QUrl::toPercentEncoding(value)));
    };
    add(QStringLiteral("client_id"), clientId);
    add(QStringLiteral("redirect_uri"), redirectUri);
    add(QStringLiteral("state"), state);
    add(QStringLiteral("code_challenge"), challenge());
    add(QStringLiteral("code_challenge_method"), challengeMethod);
    if (signUp)
        query.addQueryItem(QStringLiteral("mode"), QStringLiteral("signup"));
    return query;
}

QString BrowserSignIn::Link::randomValue()
{
    quint32 words[8];
    QRandomGenerator::system()->fillRange(words);
    return base64Url(QByteArray(reinterpret_cast<const char*>(words), sizeof(words)));
}

QList<QPair<QByteArray, QByteArray>> BrowserSignIn::headers() const
{
    if (m_forwardedFor.isEmpty())
        return {};
    return {{"X-Forwarded-For", m_forwardedFor}};
}

BrowserSignIn::Page BrowserSignIn::open(const Link& link) const
{
    return openUrl(m_client.url(QStringLiteral("/%1/account/login").arg(m_realm), link.query()));
}

BrowserSignIn::Page BrowserSignIn::open(const QString& clientId, const QString& redirectUri,
                                        bool signUp) const
{
    Link link;
    link.clientId = clientId;
    link.redirectUri = redirectUri;
    link.signUp = signUp;
    return open(link);
}

BrowserSignIn::Page BrowserSignIn::openUrl(const QUrl& signInPage) const
{
    Page page;
    page.reply = m_client.send("GET", signInPage, {}, headers());
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
    QList<QPair<QByteArray, QByteArray>> sent = headers();
    sent += {{"Content-Type", "application/x-www-form-urlencoded"}, {"User-Agent", userAgent}};
    if (!page.cookie.isEmpty())
        sent.append({"Cookie", page.cookie});
    return m_client.send("POST", m_client.url(QStringLiteral("/%1/account/login").arg(m_realm)),
                         body, sent);
}

HttpClient::Reply BrowserSignIn::exchange(const QJsonObject& body) const
{
    QList<QPair<QByteArray, QByteArray>> sent = headers();
    sent += {{"Content-Type", "application/json"}, {"Accept", "application/json"}};
    return m_client.send("POST",
                         m_client.url(QStringLiteral("/api/v1/realms/%1/auth/token").arg(m_realm)),
                         QJsonDocument(body).toJson(QJsonDocument::Compact), sent);
}

HttpClient::Reply BrowserSignIn::exchange(const QString& code, const Link& link) const
{
    return exchange({{QStringLiteral("grant_type"), QStringLiteral("authorization_code")},
                     {QStringLiteral("code"), code},
                     {QStringLiteral("code_verifier"), link.verifier},
                     {QStringLiteral("client_id"), link.clientId},
                     {QStringLiteral("redirect_uri"), link.redirectUri}});
}

BrowserSignIn::Result BrowserSignIn::complete(const QMap<QString, QString>& fields, Link* link,
                                              const QByteArray& userAgent, bool exchangeCode) const
{
    LoopbackListener listener;
    link->redirectUri = listener.redirectUri();
    Result result;
    result.formReply = submit(open(*link), fields, userAgent);
    const QByteArray location = result.formReply.header("Location");
    if (result.formReply.status != 303 || location.isEmpty())
        return result;
    // The browser follows the redirect to the app's listener.
    m_client.send("GET", QUrl::fromEncoded(location), {}, {});
    const QUrlQuery returned(listener.waitForCallback());
    result.code = returned.queryItemValue(QStringLiteral("code"), QUrl::FullyDecoded);
    result.state = returned.queryItemValue(QStringLiteral("state"), QUrl::FullyDecoded);
    // The app takes a code only with the state of the sign-in it started.
    if (!exchangeCode || result.code.isEmpty() || result.state != link->state)
        return result;
    result.tokenReply = exchange(result.code, *link);
    const QJsonObject tokens = result.tokenReply.json();
    if (result.tokenReply.status == 200) {
        result.accessToken = tokens.value(QStringLiteral("access_token")).toString();
        result.refreshToken = tokens.value(QStringLiteral("refresh_token")).toString();
    }
    return result;
}

BrowserSignIn::Result BrowserSignIn::signInForCode(const QString& email, const QString& password,
                                                   Link* link) const
{
    return complete({{QStringLiteral("email"), email}, {QStringLiteral("password"), password}},
                    link, "TestBrowser/1.0", false);
}

BrowserSignIn::Result BrowserSignIn::signIn(const QString& email, const QString& password,
                                            const QByteArray& userAgent) const
{
    Link link;
    return complete({{QStringLiteral("email"), email}, {QStringLiteral("password"), password}},
                    &link, userAgent, true);
}

BrowserSignIn::Result BrowserSignIn::signUp(const QString& email, const QString& password,
                                            const QString& displayName) const
{
    Link link;
    link.signUp = true;
    return complete({{QStringLiteral("email"), email},
                     {QStringLiteral("password"), password},
                     {QStringLiteral("password_confirm"), password},
                     {QStringLiteral("display_name"), displayName}},
                    &link, "TestBrowser/1.0", true);
}
