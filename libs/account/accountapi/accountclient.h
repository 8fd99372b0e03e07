#pragma once

#include "libs/account/clientconfig.h"
#include "libs/account/records/device.h"
#include "libs/account/records/group.h"
#include "libs/account/records/groupinvitation.h"
#include "libs/account/records/profile.h"

#include <QList>
#include <QObject>
#include <QString>

#include <functional>

namespace TovAccount {

class ApiClient;
class AuthClient;

// The account API: the user's profile, the family group with its members and invitations,
// the registered devices, account deletion, and the pages of the account web portal.
// Every call reports back through its callback, or not at all when it has none.
class AccountClient : public QObject
{
    Q_OBJECT

public:
    AccountClient(ApiClient* accountApi, AuthClient* auth, const ClientConfig& config,
                  QObject* parent = nullptr);

    void getProfile(std::function<void(const Profile&)> callback);
    void deleteAccount(std::function<void(bool)> callback);

    void getGroup(std::function<void(const Group&)> callback);
    void generateInviteCode(std::function<void(const GroupInvitation&)> callback);
    void inviteByEmail(const QString& email, std::function<void(const GroupInvitation&)> callback);
    void joinGroup(const QString& code, std::function<void(bool)> callback);
    void leaveGroup();
    void removeMember(const QString& memberId);
    void revokeInvitation(const QString& invitationId);

    void getDevices(std::function<void(const QList<Device>&)> callback);
    void removeDevice(const QString& deviceId);
    // Tells the account service about this computer; called after every browser sign-in.
    void registerDevice();

    // Opens a page of the account web portal in the browser.
    void openPortal(const QString& path = {});

signals:
    void groupChanged();

private:
    void postInvitation(const QJsonObject& body,
                        std::function<void(const GroupInvitation&)> callback);
    // The group membership travels in the token: take a fresh one, then tell the listeners.
    void onMembershipChanged();

    ApiClient* m_accountApi;
    AuthClient* m_auth;
    QString m_appId;
    QString m_appVersion;
    QString m_portalUrl;
};

} // namespace TovAccount
