#include "libs/account/client.h"

#include "libs/account/accountapi/accountclient.h"
#include "libs/account/api/apiclient.h"
#include "libs/account/records/group.h"
#include "libs/account/signin/authclient.h"
#include "libs/account/tokens/jwtclaims.h"
#include "libs/account/tokens/platformtokenstore.h"
#include "libs/account/tokens/tokenmanager.h"
#include "libs/account/tokens/tokenstore.h"

#include <QJsonObject>

namespace TovAccount {

Client::Client(const ClientConfig& config, QObject* parent)
    : Client(config, createPlatformTokenStore(config.appId, config.appName).release(), parent)
{
}

Client::Client(const ClientConfig& config, TokenStore* store, QObject* parent)
    : QObject(parent), m_config(config), m_tokenManager(new TokenManager(store, this)),
      m_authApi(createApiClient(
          QUrl(QStringLiteral("%1/api/v1/realms/%2").arg(config.authBaseUrl, config.realmSlug)))),
      m_accountApi(createApiClient(QUrl(config.accountApiUrl))), m_syncApi(createApiClient(QUrl())),
      m_authClient(new AuthClient(config.authBaseUrl, config.realmSlug, config.clientId, m_authApi,
                                  m_tokenManager, this)),
      m_accountClient(new AccountClient(m_accountApi, m_authClient, config, this))
{
    connect(m_authClient, &AuthClient::stateChanged, this, &Client::authStateChanged);
}

Client::~Client()
{
    // Those who borrow the token manager go first, so that nothing they tear down can still
    // reach it.
    delete m_accountClient;
    delete m_authClient;
    delete m_syncApi;
    delete m_accountApi;
    delete m_authApi;
}

void Client::setSyncBaseUrl(const QUrl& url)
{
    m_syncApi->setBaseUrl(url);
}

void Client::restoreSession()
{
    m_authClient->initialize();
}

bool Client::isAuthenticated() const
{
    return m_authClient->state() == AuthState::Authenticated;
}

QString Client::groupRole() const
{
    const QJsonObject payload = JwtClaims::fromToken(m_tokenManager->accessToken()).payload;
    return payload.value(QLatin1String("custom"))
        .toObject()
        .value(QLatin1String("tov"))
        .toObject()
        .value(QLatin1String("role"))
        .toString();
}

QString Client::groupRole(const Group& group) const
{
    const QString userId = JwtClaims::fromToken(m_tokenManager->accessToken()).subject;
    if (!userId.isEmpty()) {
        for (const GroupMember& member : group.members) {
            if (member.authUserId == userId || member.accountId == userId)
                return member.role;
        }
    }
    return groupRole();
}

ApiClient* Client::createApiClient(const QUrl& baseUrl)
{
    auto* api = new ApiClient(m_tokenManager, this);
    api->setBaseUrl(baseUrl);
    api->setAppInfo(m_config.appId, m_config.appVersion, m_config.effectivePlatform());
    return api;
}

} // namespace TovAccount
