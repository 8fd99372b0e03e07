#include "libs/account/accountapi/accountclient.h"

#include "libs/account/accountapi/deviceidentity.h"
#include "libs/account/api/apiclient.h"
#include "libs/account/api/replies.h"
#include "libs/account/signin/authclient.h"

#include <QDesktopServices>
#include <QPointer>
#include <QUrl>

namespace TovAccount {

AccountClient::AccountClient(ApiClient* accountApi, AuthClient* auth, const ClientConfig& config,
                             QObject* parent)
    : QObject(parent), m_accountApi(accountApi), m_auth(auth), m_appId(config.appId),
      m_appVersion(config.appVersion), m_portalUrl(config.portalUrl)
{
}

void AccountClient::getProfile(std::function<void(const Profile&)> callback)
{
    m_accountApi->get(QStringLiteral("/profile"), Replies::record<Profile>(std::move(callback)));
}

void AccountClient::deleteAccount(std::function<void(bool)> callback)
{
    m_accountApi->del(QStringLiteral("/profile"), Replies::flag(std::move(callback)));
}

void AccountClient::getGroup(std::function<void(const Group&)> callback)
{
    m_accountApi->get(QStringLiteral("/group"), Replies::record<Group>(std::move(callback)));
}

void AccountClient::generateInviteCode(std::function<void(const GroupInvitation&)> callback)
{
    postInvitation({}, std::move(callback));
}

void AccountClient::inviteByEmail(const QString& email,
                                  std::function<void(const GroupInvitation&)> callback)
{
    postInvitation({{QStringLiteral("email"), email}}, std::move(callback));
}

void AccountClient::joinGroup(const QString& code, std::function<void(bool)> callback)
{
    const QPointer<AccountClient> self(this);
    m_accountApi->post(
        QStringLiteral("/group/join/%1").arg(code), {},
        [this, self, callback = std::move(callback)](bool ok, int, const QJsonObject&) {
            if (ok && self)
                onMembershipChanged();
            if (callback)
                callback(ok);
        });
}

void AccountClient::leaveGroup()
{
    const QPointer<AccountClient> self(this);
    m_accountApi->post(QStringLiteral("/group/leave"), {},
                       [this, self](bool ok, int, const QJsonObject&) {
                           if (ok && self)
                               onMembershipChanged();
                       });
}

void AccountClient::removeMember(const QString& memberId)
{
    const QPointer<AccountClient> self(this);
    m_accountApi->del(QStringLiteral("/group/members/%1").arg(memberId),
                      [this, self](bool ok, int, const QJsonObject&) {
                          if (ok && self)
                              emit groupChanged();
                      });
}

void AccountClient::revokeInvitation(const QString& invitationId)
{
    m_accountApi->del(QStringLiteral("/group/invitations/%1").arg(invitationId), {});
}

void AccountClient::getDevices(std::function<void(const QList<Device>&)> callback)
{
    m_accountApi->get(QStringLiteral("/devices"),
                      Replies::list<Device>("devices", std::move(callback)));
}

void AccountClient::removeDevice(const QString& deviceId)
{
    m_accountApi->del(QStringLiteral("/devices/%1").arg(deviceId), {});
}

void AccountClient::registerDevice()
{
    const QJsonObject body{
        {QStringLiteral("device_name"), DeviceIdentity::deviceName()},
        {QStringLiteral("platform"), DeviceIdentity::platformName()},
        {QStringLiteral("app_id"), m_appId},
        {QStringLiteral("app_version"), m_appVersion},
        {QStringLiteral("device_fingerprint"), DeviceIdentity::fingerprint()},
    };
    m_accountApi->post(QStringLiteral("/devices/register"), body, {});
}

void AccountClient::openPortal(const QString& path)
{
    if (m_portalUrl.isEmpty())
        return;
    QString url = m_portalUrl;
    if (url.endsWith(QLatin1Char('/')))
        url.chop(1);
    if (!path.isEmpty())
        url += path.startsWith(QLatin1Char('/')) ? path : QLatin1Char('/') + path;
    QDesktopServices::openUrl(QUrl(url, QUrl::TolerantMode));
}

void AccountClient::postInvitation(const QJsonObject& body,
                                   std::function<void(const GroupInvitation&)> callback)
{
    m_accountApi->post(QStringLiteral("/group/invite"), body,
                       Replies::record<GroupInvitation>(std::move(callback)));
}

void AccountClient::onMembershipChanged()
{
    m_auth->refreshToken({});
    emit groupChanged();
}

} // namespace TovAccount
