#include "sync/sharing/accountsharingservice.h"

#include "libs/account/api/apiclient.h"
#include "libs/account/records/jsonfields.h"

AccountSharingService::AccountSharingService(TovAccount::ApiClient* syncApi, QObject* parent)
    : TovAccount::SharingBackend(parent), m_syncApi(syncApi)
{
}

void AccountSharingService::listMembers(const QString& accountId, MembersCallback callback)
{
    m_syncApi->get(
        QStringLiteral("/accounts/%1/members").arg(accountId),
        [callback](bool ok, int, const QJsonObject& body) {
            callback(ok ? TovAccount::JsonFields::list<TovAccount::ShareMember>(body, "members")
                        : QList<TovAccount::ShareMember>());
        });
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
    m_syncApi->post(QStringLiteral("/accounts/%1/share").arg(accountId), body,
                    [callback](bool ok, int status, const QJsonObject& reply) {
                        if (ok) {
                            callback(true, QString());
                            return;
                        }
                        QString error = TovAccount::JsonFields::text(reply, "error");
                        if (error.isEmpty())
                            error = tr("Failed to share account (HTTP %1)").arg(status);
                        callback(false, error);
                    });
}

void AccountSharingService::removeShare(const QString& accountId, const QString& userId,
                                        RemoveCallback callback)
{
    m_syncApi->del(QStringLiteral("/accounts/%1/share/%2").arg(accountId, userId),
                   [callback](bool ok, int, const QJsonObject&) { callback(ok); });
}
