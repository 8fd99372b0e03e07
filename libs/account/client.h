#pragma once

#include "libs/account/clientconfig.h"
#include "libs/account/signin/authstate.h"

#include <QObject>
#include <QString>
#include <QUrl>

namespace TovAccount {

class AccountClient;
class ApiClient;
class AuthClient;
class TokenManager;
class TokenStore;
struct Group;

// The account library's front door: built once by the application, it owns the token manager,
// the three API clients (auth server realm, account API, sync API), the auth client and the
// account client.
class Client : public QObject
{
    Q_OBJECT

public:
    // Keeps the tokens in the platform's own store for `config.appId`.
    explicit Client(const ClientConfig& config, QObject* parent = nullptr);
    // Keeps the tokens in `store`, which the client takes over.
    Client(const ClientConfig& config, TokenStore* store, QObject* parent = nullptr);
    ~Client() override;

    const ClientConfig& config() const { return m_config; }

    void setSyncBaseUrl(const QUrl& url);
    // Looks at the stored tokens once at start-up.
    void restoreSession();
    bool isAuthenticated() const;
    // The user's role in the family group, from the current access token; "owner" for the
    // group's owner, empty without a usable token.
    QString groupRole() const;
    // The user's role in `group` as the account API answered it: the role of the member who is
    // the signed-in user. The token's role dates from the last token refresh and lags behind a
    // group made or joined since; it stands in only when the group does not list the user.
    QString groupRole(const Group& group) const;

    AuthClient* authClient() const { return m_authClient; }
    AccountClient* accountClient() const { return m_accountClient; }
    TokenManager* tokenManager() const { return m_tokenManager; }
    ApiClient* authApi() const { return m_authApi; }
    ApiClient* accountApi() const { return m_accountApi; }
    ApiClient* syncApi() const { return m_syncApi; }

signals:
    void authStateChanged(TovAccount::AuthState state);

private:
    ApiClient* createApiClient(const QUrl& baseUrl);

    ClientConfig m_config;
    TokenManager* m_tokenManager;
    ApiClient* m_authApi;
    ApiClient* m_accountApi;
    ApiClient* m_syncApi;
    AuthClient* m_authClient;
    AccountClient* m_accountClient;
};

} // namespace TovAccount
