#pragma once

#include "libs/account/api/apiclient.h"
#include "libs/account/sharing/sharingbackend.h"

#include <QJsonArray>

// The sharing endpoints of a pennibar-server, reached through a client's sync API as the app
// reaches them, for the share dialog's tests and screenshots.
class ServerSharing : public TovAccount::SharingBackend
{
public:
    explicit ServerSharing(TovAccount::ApiClient* api) : m_api(api) {}

    void listMembers(const QString& accountId,
                     std::function<void(QList<TovAccount::ShareMember>)> callback) override
    {
        m_api->get(QStringLiteral("/accounts/%1/members").arg(accountId),
                   [callback](bool ok, int, const QJsonObject& body) {
                       QList<TovAccount::ShareMember> members;
                       const QJsonArray array = body.value(QStringLiteral("members")).toArray();
                       for (const QJsonValue& member : array)
                           if (ok)
                               members << TovAccount::ShareMember::fromJson(member.toObject());
                       callback(members);
                   });
    }
    void shareWith(const QString& accountId, const QString& userIdOrEmail, const QString& role,
                   std::function<void(bool, QString)> callback) override
    {
        m_api->post(QStringLiteral("/accounts/%1/share").arg(accountId),
                    {{QStringLiteral("user_id"), userIdOrEmail}, {QStringLiteral("role"), role}},
                    [callback](bool ok, int, const QJsonObject& body) {
                        callback(ok,
                                 ok ? QString() : body.value(QStringLiteral("error")).toString());
                    });
    }
    void removeShare(const QString& accountId, const QString& userId,
                     std::function<void(bool)> callback) override
    {
        m_api->del(QStringLiteral("/accounts/%1/share/%2").arg(accountId, userId),
                   [callback](bool ok, int, const QJsonObject&) { callback(ok); });
    }

private:
    TovAccount::ApiClient* m_api;
};
