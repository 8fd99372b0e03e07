#include "libs/account/signin/signinattempt.h"

#include "libs/account/accountlog.h"
#include "libs/account/api/apiclient.h"
#include "libs/account/signin/webauthhandler.h"

#include <QJsonObject>
#include <QPointer>
#include <QUrlQuery>

namespace TovAccount {

SignInAttempt::SignInAttempt(Realm realm, ApiClient* authApi, QObject* parent)
    : QObject(parent), m_realm(std::move(realm)), m_authApi(authApi),
      m_secrets(SignInSecrets::create()), m_listener(new WebAuthHandler(m_secrets.state, this))
{
    connect(m_listener, &WebAuthHandler::callbackReceived, this, &SignInAttempt::onCallback);
}

QUrl SignInAttempt::start()
{
    m_redirectUri = m_listener->start();
    if (m_redirectUri.isEmpty())
        return {};
    // The state and the challenge are Base64url and need no encoding.
    const QString url = QStringLiteral("%1/%2/account/login?client_id=%3&redirect_uri=%4&state=%5"
                                       "&code_challenge=%6&code_challenge_method=S256")
                            .arg(m_realm.authBaseUrl, m_realm.realmSlug, m_realm.clientId,
                                 QString::fromLatin1(QUrl::toPercentEncoding(m_redirectUri)),
                                 m_secrets.state, m_secrets.codeChallenge());
    qCInfo(lcAccount) << "SignInAttempt: waiting for the browser on port" << m_listener->port();
    return QUrl(url, QUrl::TolerantMode);
}

void SignInAttempt::onCallback(const QUrl& url)
{
    const QString code = QUrlQuery(url).queryItemValue(QStringLiteral("code"), QUrl::FullyDecoded);
    if (code.isEmpty()) {
        qCWarning(lcAccount) << "SignInAttempt: the browser came back without a code";
        emit failed(QString::fromLatin1(NoCode));
        return;
    }
    exchange(code);
}

void SignInAttempt::exchange(const QString& code)
{
    const QJsonObject body{{QStringLiteral("grant_type"), QStringLiteral("authorization_code")},
                           {QStringLiteral("code"), code},
                           {QStringLiteral("code_verifier"), m_secrets.codeVerifier},
                           {QStringLiteral("client_id"), m_realm.clientId},
                           {QStringLiteral("redirect_uri"), m_redirectUri}};
    const QPointer<SignInAttempt> self(this);
    m_authApi->postPublic(
        QStringLiteral("/auth/token"), body,
        [this, self](bool ok, int status, const QJsonObject& reply) {
            if (!self)
                return;
            const QString access = reply.value(QLatin1String("access_token")).toString();
            const QString refresh = reply.value(QLatin1String("refresh_token")).toString();
            if (ok && !access.isEmpty() && !refresh.isEmpty()) {
                emit succeeded(access, refresh);
                return;
            }
            qCWarning(lcAccount) << "SignInAttempt: the code exchange failed with status" << status;
            const bool refused = (status >= 400 && status <= 499) || ok;
            emit failed(QString::fromLatin1(refused ? CodeRefused : ExchangeFailed));
        });
}

} // namespace TovAccount
