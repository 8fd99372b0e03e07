#pragma once

#include <QWidget>

class QLabel;
class QListWidget;
class QPushButton;
class QStackedWidget;
class QVBoxLayout;

namespace TovAccount {

class Client;
struct Device;
struct Group;
struct GroupInvitation;
struct GroupMember;
struct Session;

// The signed-in user's account window: five tabs on the left (profile and password, the family
// group, the registered devices, the signed-in sessions, account deletion), one page each. It
// shows what the account services answer and keeps nothing beyond its widgets.
class AccountScreen : public QWidget
{
    Q_OBJECT

public:
    enum Tab
    {
        ProfileTab = 0,
        GroupTab = 1,
        DevicesTab = 2,
        SecurityTab = 3,
        PrivacyTab = 4,
    };
    Q_ENUM(Tab)

    explicit AccountScreen(Client* client, QWidget* parent = nullptr);

    void setCurrentTab(Tab tab);
    Tab currentTab() const;

    // The profile, the group, the devices and the sessions, in that order.
    void refreshAll();
    void refreshProfile();
    void refreshGroup();
    void refreshDevices();
    void refreshSessions();

    // The status line under the pages: red for 4 s, green for 3 s.
    void showError(const QString& text);
    void showSuccess(const QString& text);
    QLabel* statusLabel() const { return m_statusLabel; }

signals:
    void logoutRequested();

private:
    QWidget* buildProfilePage();
    QWidget* buildContentPage(const QString& title, QVBoxLayout** layout);
    QWidget* buildPrivacyPage();
    void replaceContent(QVBoxLayout* page, QWidget*& current, QWidget* content);
    QWidget* groupContent(const Group& group, bool viewerIsOwner);
    // An owner cannot delete the account while the group is theirs: the button is disabled
    // and a note says why.
    void showOwnerRestrictions(bool isOwner);
    void addMemberRow(QVBoxLayout* layout, const GroupMember& member, bool viewerIsOwner);
    void addInvitationRows(QVBoxLayout* layout, const QList<GroupInvitation>& invitations);
    void addInviteButtons(QVBoxLayout* layout);
    QWidget* devicesContent(const QList<Device>& devices);
    QWidget* sessionsContent(const QList<Session>& sessions);
    void editDisplayName();
    void changePassword();
    void joinGroup();
    void deleteAccount();
    void showStatus(const QString& text, bool isError, int timeoutMs);
    void refreshLater(void (AccountScreen::*refresh)());

    Client* m_client;
    QListWidget* m_tabList = nullptr;
    QStackedWidget* m_pages = nullptr;
    QLabel* m_statusLabel = nullptr;
    QLabel* m_displayNameLabel = nullptr;
    QLabel* m_emailLabel = nullptr;
    QPushButton* m_editNameButton = nullptr;
    QPushButton* m_changePasswordButton = nullptr;
    QPushButton* m_deleteAccountButton = nullptr;
    QLabel* m_ownerNote = nullptr;
    QVBoxLayout* m_groupPage = nullptr;
    QVBoxLayout* m_devicesPage = nullptr;
    QVBoxLayout* m_securityPage = nullptr;
    QWidget* m_groupContent = nullptr;
    QWidget* m_devicesContent = nullptr;
    QWidget* m_securityContent = nullptr;
};

} // namespace TovAccount
