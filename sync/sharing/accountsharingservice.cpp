#include "sync/sharing/accountsharingservice.h"

#include "sync/wire/wireidentities.h"

#include "data/accountrepository.h"
#include "data/syncwireidrepository.h"

#include "libs/account/api/apiclient.h"
#include "libs/account/records/jsonfields.h"

AccountSharingService::AccountSharingService(TovAccount::ApiClient* syncApi,
                                             const AccountRepository* accounts, QObject* parent)
    : TovAccount::SharingBackend(parent), m_syncApi(syncApi), m_accounts(accounts)
{
}

AccountSharingService::Address AccountSharingService::address(const QString& accountId) const
{
    if (!m_accounts)
        return {QStringLiteral("/accounts/%1").arg(accountId), {}};
    const SyncWireIdRepository wireIds(m_accounts->database());
    const WireIdentities::AccountAddress account =
        WireIdentities(wireIds.current(), m_accounts).account(accountId);
    Address address{QStringLiteral("/accounts/%1").arg(account.clientId), {}};
    if (!account.serverId.isEmpty())
        address.query.addQueryItem(QStringLiteral("server_id"), account.serverId);
    return address;
}

void AccountSharingService::listMembers(const QString& accountId, MembersCallback callback)
{
    const Address account = address(accountId);
    m_syncApi->get(
        account.path + QStringLiteral("/members"),
        [callback](bool ok, int, const QJsonObject& body) {
            callback(ok ? TovAccount::JsonFields::list<TovAccount::ShareMember>(body, "members")
                        : QList<TovAccount::ShareMember>());
        },
        account.query);
}

void AccountSharingService::shareWith(const QString& accountId, const QString& userIdOrEmail,
                                      const QString& role, ShareCallback callback)
{
    QJsonObject body{
        {QStringLiteral("user_id"), userIdOrEmail},
        {QStringLiteral("role"), role.isEmpty() ? QStringLiteral("member") : role},
    };
    if (userIdOrEmail.contains(QLatin1Char('@')))
        body.insert(QStringLiteral("email"), userIdOrEmail);
    const Address account = address(accountId);
    m_syncApi->sendRequest(
        "POST", account.path + QStringLiteral("/share"), body,
        [callback](bool ok, int status, const QJsonObject& reply) {
            if (ok) {
                callback(true, QString());
                return;
            }
            QString error = TovAccount::JsonFields::text(reply, "error");
            if (error.isEmpty())
                error = tr("Failed to share account (HTTP %1)").arg(status);
            callback(false, error);
        },
        account.query, true);
}

void AccountSharingService::removeShare(const QString& accountId, const QString& userId,
                                        RemoveCallback callback)
{
    const Address account = address(accountId);
    m_syncApi->sendRequest(
        "DELETE", account.path + QStringLiteral("/share/%1").arg(userId), {},
        [callback](bool ok, int, const QJsonObject&) { callback(ok); }, account.query, true);
}
