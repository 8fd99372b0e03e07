#include "ui/screens/account/accountscreen.h"

#include "ui/screens/account/relativetime.h"
#include "ui/theme/styles.h"
#include "ui/theme/themecolors.h"

#include "libs/account/accountapi/accountclient.h"
#include "libs/account/client.h"
#include "libs/account/records/device.h"
#include "libs/account/records/group.h"
#include "libs/account/records/groupinvitation.h"
#include "libs/account/records/session.h"
#include "libs/account/records/user.h"
#include "libs/account/signin/authclient.h"

#include <QApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QStackedWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace TovAccount {

namespace {

constexpr int tabListWidth = 180;
constexpr int errorTimeoutMs = 4000;
constexpr int successTimeoutMs = 3000;
constexpr int delayedRefreshMs = 500;
constexpr int minimumPointSize = 7;
constexpr int userAgentLength = 60;
constexpr int minimumPasswordLength = 8;
// The content widgets of the Group, Devices and Security pages sit after the title and its
// spacing.
constexpr int contentPosition = 2;

void resizeFont(QWidget* widget, int pointDelta, int weight = -1)
{
    QFont font = widget->font();
    font.setPointSize(std::max(minimumPointSize, font.pointSize() + pointDelta));
    if (weight > 0)
        font.setWeight(QFont::Weight(weight));
    widget->setFont(font);
}

QString placeholderColour()
{
    return QStringLiteral("color: %1;")
        .arg(QApplication::palette().color(QPalette::PlaceholderText).name());
}

QLabel* secondaryLabel(const QString& text, QWidget* parent = nullptr)
{
    auto* label = new QLabel(text, parent);
    label->setStyleSheet(placeholderColour());
    resizeFont(label, -1);
    return label;
}

QWidget* sectionHeader(const QString& title, const QString& description = QString())
{
    auto* header = new QWidget;
    auto* layout = new QVBoxLayout(header);
    layout->setContentsMargins(0, 0, 0, 8);
    auto* titleLabel = new QLabel(title, header);
    resizeFont(titleLabel, 1, 500);
    layout->addWidget(titleLabel);
    if (!description.isEmpty()) {
        auto* descriptionLabel = new QLabel(description, header);
        descriptionLabel->setWordWrap(true);
        descriptionLabel->setStyleSheet(placeholderColour());
        resizeFont(descriptionLabel, -2);
        layout->addWidget(descriptionLabel);
    }
    return header;
}

QFrame* separator()
{
    auto* line = new QFrame;
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

QLabel* strongLabel(const QString& text, int weight = 500)
{
    auto* label = new QLabel(text);
    resizeFont(label, 0, weight);
    return label;
}

QLabel* badge(const QString& text, const ThemeColor& colour)
{
    auto* label = new QLabel(text);
    label->setStyleSheet(Styles::textColor(colour));
    resizeFont(label, -2, 500);
    return label;
}

// A row indented under its section: a block of lines on the left, then what the caller adds.
QHBoxLayout* indentedRow(QVBoxLayout* parent, QVBoxLayout** block, int top = 6)
{
    auto* row = new QHBoxLayout;
    row->setContentsMargins(12, top, 0, top);
    *block = new QVBoxLayout;
    (*block)->setSpacing(2);
    row->addLayout(*block);
    parent->addLayout(row);
    return row;
}

QString tabListStyle()
{
    const QPalette palette = QApplication::palette();
    const QColor window = palette.color(QPalette::Window);
    const QColor alternate = palette.color(QPalette::AlternateBase);
    const QColor background =
        alternate.isValid() ? alternate : window.lighter(window.lightness() < 128 ? 115 : 97);
    const QColor hover = window.lightness() > 127 ? window.darker(105) : window.lighter(135);
    return QStringLiteral("QListWidget {  background: %1; border: none; padding: 12px 8px;}"
                          "QListWidget::item {  padding: 8px 12px; border-radius: 6px;}"
                          "QListWidget::item:hover { background: %2; }"
                          "QListWidget::item:selected { background: %3; color: %4; }")
        .arg(background.name(), hover.name(), palette.color(QPalette::Highlight).name(),
             palette.color(QPalette::HighlightedText).name());
}

QString dangerButtonStyle()
{
    return QStringLiteral("QPushButton { color: %1; background: %2; border: none;  "
                          "border-radius: 4px; padding: 6px 16px; font-weight: 600; }"
                          "QPushButton:hover { background: %3; }"
                          "QPushButton:disabled { background: %4; }")
        .arg(ThemeColors::primaryButtonText().name(), ThemeColors::dangerButton().name(),
             ThemeColors::dangerButtonHover().name(), ThemeColors::dangerButtonDisabled().name());
}

} // namespace

AccountScreen::AccountScreen(Client* client, QWidget* parent) : QWidget(parent), m_client(client)
{
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    m_tabList = new QListWidget(this);
    m_tabList->setFixedWidth(tabListWidth);
    m_tabList->setFrameShape(QFrame::NoFrame);
    m_tabList->setFocusPolicy(Qt::NoFocus);
    m_tabList->setSpacing(2);
    m_tabList->setStyleSheet(tabListStyle());
    m_tabList->addItems({QStringLiteral("Profile"), QStringLiteral("Group"),
                         QStringLiteral("Devices"), QStringLiteral("Security"),
                         QStringLiteral("Data & Privacy")});
    layout->addWidget(m_tabList);

    auto* right = new QVBoxLayout;
    right->setContentsMargins(0, 0, 0, 0);
    right->setSpacing(0);
    m_pages = new QStackedWidget(this);
    m_pages->addWidget(buildProfilePage());
    m_pages->addWidget(buildContentPage(QStringLiteral("Group"), &m_groupPage));
    m_pages->addWidget(buildContentPage(QStringLiteral("Devices"), &m_devicesPage));
    m_pages->addWidget(buildContentPage(QStringLiteral("Security"), &m_securityPage));
    m_pages->addWidget(buildPrivacyPage());
    right->addWidget(m_pages, 1);
    m_statusLabel = new QLabel(this);
    m_statusLabel->setFixedHeight(24);
    resizeFont(m_statusLabel, -1);
    right->addWidget(m_statusLabel);
    layout->addLayout(right, 1);

    connect(m_tabList, &QListWidget::currentRowChanged, m_pages, &QStackedWidget::setCurrentIndex);
    m_tabList->setCurrentRow(ProfileTab);
}

void AccountScreen::setCurrentTab(Tab tab)
{
    m_tabList->setCurrentRow(tab);
    m_pages->setCurrentIndex(tab);
}

AccountScreen::Tab AccountScreen::currentTab() const
{
    return Tab(m_pages->currentIndex());
}

// ---------------------------------------------------------------------------------------------
// Common pieces

QWidget* AccountScreen::buildContentPage(const QString& title, QVBoxLayout** layout)
{
    auto* page = new QWidget;
    *layout = new QVBoxLayout(page);
    (*layout)->setContentsMargins(24, 24, 24, 24);
    (*layout)->setSpacing(8);
    (*layout)->addWidget(strongLabel(title, 600));
    resizeFont((*layout)->itemAt(0)->widget(), 4, 600);
    (*layout)->addSpacing(12);
    (*layout)->addStretch();
    return page;
}

void AccountScreen::replaceContent(QVBoxLayout* page, QWidget*& current, QWidget* content)
{
    // A reply can arrive while a prompt opened from the old content is still up: the old
    // content goes once control is back in the event loop.
    if (current) {
        current->hide();
        current->deleteLater();
    }
    current = content;
    page->insertWidget(contentPosition, content);
}

void AccountScreen::showError(const QString& text)
{
    showStatus(text, true, errorTimeoutMs);
}

void AccountScreen::showSuccess(const QString& text)
{
    showStatus(text, false, successTimeoutMs);
}

void AccountScreen::showStatus(const QString& text, bool isError, int timeoutMs)
{
    m_statusLabel->setStyleSheet(
        QStringLiteral("color: %1; padding: 4px;")
            .arg((isError ? ThemeColors::negative(false) : ThemeColors::positive(false)).name()));
    m_statusLabel->setText(text);
    // Never cancelled: an earlier timer may clear a later message early.
    QTimer::singleShot(timeoutMs, m_statusLabel, &QLabel::clear);
}

void AccountScreen::refreshLater(void (AccountScreen::*refresh)())
{
    QTimer::singleShot(delayedRefreshMs, this, refresh);
}

void AccountScreen::refreshAll()
{
    refreshProfile();
    refreshGroup();
    refreshDevices();
    refreshSessions();
}

// ---------------------------------------------------------------------------------------------
// Profile

QWidget* AccountScreen::buildProfilePage()
{
    QVBoxLayout* layout = nullptr;
    QWidget* page = buildContentPage(QStringLiteral("Profile"), &layout);
    int at = contentPosition;
    const auto add = [&](QWidget* widget) { layout->insertWidget(at++, widget); };
    const auto addSpacing = [&](int size) { layout->insertSpacing(at++, size); };

    add(sectionHeader(QStringLiteral("Personal Information")));
    auto* identity = new QVBoxLayout;
    identity->setContentsMargins(12, 0, 0, 0);
    identity->setSpacing(6);
    m_displayNameLabel = new QLabel(page);
    m_emailLabel = new QLabel(page);
    m_emailLabel->setStyleSheet(placeholderColour());
    identity->addWidget(m_displayNameLabel);
    identity->addWidget(m_emailLabel);
    layout->insertLayout(at++, identity);
    addSpacing(8);

    auto* buttons = new QHBoxLayout;
    m_editNameButton = new QPushButton(QStringLiteral("Edit Display Name"), page);
    auto* signOut = new QPushButton(QStringLiteral("Sign Out"), page);
    buttons->addWidget(m_editNameButton);
    buttons->addStretch();
    buttons->addWidget(signOut);
    layout->insertLayout(at++, buttons);
    connect(m_editNameButton, &QPushButton::clicked, this, &AccountScreen::editDisplayName);
    connect(signOut, &QPushButton::clicked, this, &AccountScreen::logoutRequested);

    addSpacing(16);
    add(separator());
    addSpacing(8);
    add(sectionHeader(QStringLiteral("Password"), QStringLiteral("Change your account password.")));
    m_changePasswordButton = new QPushButton(QStringLiteral("Change Password"), page);
    layout->insertWidget(at++, m_changePasswordButton, 0, Qt::AlignLeft);
    connect(m_changePasswordButton, &QPushButton::clicked, this, &AccountScreen::changePassword);
    return page;
}

void AccountScreen::refreshProfile()
{
    QPointer<AccountScreen> self(this);
    m_client->authClient()->fetchCurrentUser([self](const User& user) {
        if (!self)
            return;
        self->m_displayNameLabel->setText(user.displayName.isEmpty() ? QStringLiteral("(not set)")
                                                                     : user.displayName);
        self->m_emailLabel->setText(user.email);
    });
}

void AccountScreen::editDisplayName()
{
    bool accepted = false;
    const QString name = QInputDialog::getText(this, QStringLiteral("Edit Display Name"),
                                               QStringLiteral("Display name:"), QLineEdit::Normal,
                                               m_displayNameLabel->text(), &accepted)
                             .trimmed();
    if (!accepted || name.isEmpty())
        return;
    m_editNameButton->setEnabled(false);
    QPointer<AccountScreen> self(this);
    m_client->authClient()->updateProfile(name, [self](const User& user) {
        if (!self)
            return;
        self->m_editNameButton->setEnabled(true);
        if (user.id.isEmpty()) {
            self->showError(QStringLiteral("Failed to update profile."));
            return;
        }
        self->m_displayNameLabel->setText(user.displayName);
        self->showSuccess(QStringLiteral("Display name updated."));
    });
}

void AccountScreen::changePassword()
{
    const QString title = QStringLiteral("Change Password");
    const auto ask = [this, &title](const QString& label, bool* accepted) {
        return QInputDialog::getText(this, title, label, QLineEdit::Password, QString(), accepted);
    };
    bool accepted = false;
    const QString current = ask(QStringLiteral("Current password:"), &accepted);
    if (!accepted || current.isEmpty())
        return;
    const QString replacement = ask(QStringLiteral("New password (min 8 characters):"), &accepted);
    if (!accepted || replacement.isEmpty())
        return;
    if (replacement.size() < minimumPasswordLength) {
        showError(QStringLiteral("Password must be at least 8 characters."));
        return;
    }
    const QString confirmation = ask(QStringLiteral("Confirm new password:"), &accepted);
    if (!accepted || confirmation != replacement) {
        showError(QStringLiteral("Passwords do not match."));
        return;
    }
    m_changePasswordButton->setEnabled(false);
    QPointer<AccountScreen> self(this);
    m_client->authClient()->changePassword(current, replacement, [self](bool ok) {
        if (!self)
            return;
        self->m_changePasswordButton->setEnabled(true);
        if (ok)
            self->showSuccess(QStringLiteral("Password changed."));
        else
            self->showError(QStringLiteral("Failed to change password."));
    });
}

// ---------------------------------------------------------------------------------------------
// Group

void AccountScreen::refreshGroup()
{
    QPointer<AccountScreen> self(this);
    m_client->accountClient()->getGroup([self](const Group& group) {
        if (!self)
            return;
        // Owner or member as the group answers, not as the token said when it was issued: a
        // group made or joined since then shows the right view at once.
        const bool viewerIsOwner = self->m_client->groupRole(group) == QLatin1String("owner");
        self->showOwnerRestrictions(viewerIsOwner);
        self->replaceContent(self->m_groupPage, self->m_groupContent,
                             self->groupContent(group, viewerIsOwner));
    });
}

QWidget* AccountScreen::groupContent(const Group& group, bool viewerIsOwner)
{
    auto* content = new QWidget;
    auto* layout = new QVBoxLayout(content);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(8);

    if (group.id.isEmpty()) {
        layout->addWidget(sectionHeader(
            QStringLiteral("No Group"),
            QStringLiteral("You're not part of a group. The group owner can invite you, or you "
                           "can join with an invite code.")));
        auto* join = new QPushButton(QStringLiteral("Join with Invite Code"), content);
        connect(join, &QPushButton::clicked, this, &AccountScreen::joinGroup);
        layout->addWidget(join, 0, Qt::AlignLeft);
        return content;
    }

    layout->addWidget(sectionHeader(
        group.name,
        QStringLiteral("%1 of %2 seats used").arg(group.members.size()).arg(group.maxSeats)));
    layout->addSpacing(4);
    layout->addWidget(strongLabel(QStringLiteral("Members")));
    for (const GroupMember& member : group.members)
        addMemberRow(layout, member, viewerIsOwner);

    if (viewerIsOwner) {
        addInvitationRows(layout, group.pendingInvitations);
        addInviteButtons(layout);
    } else {
        auto* leave = new QPushButton(QStringLiteral("Leave Group"), content);
        auto* row = new QHBoxLayout;
        row->setContentsMargins(12, 0, 0, 0);
        row->addWidget(leave);
        row->addStretch();
        layout->addLayout(row);
        connect(leave, &QPushButton::clicked, this, [this] {
            if (QMessageBox::question(
                    this, QStringLiteral("Leave Group"),
                    QStringLiteral("Leave this group? You will lose access to shared data."),
                    QMessageBox::Yes | QMessageBox::No, QMessageBox::No) != QMessageBox::Yes)
                return;
            m_client->accountClient()->leaveGroup();
            showSuccess(QStringLiteral("Left group."));
            refreshLater(&AccountScreen::refreshGroup);
        });
    }
    return content;
}

void AccountScreen::addMemberRow(QVBoxLayout* layout, const GroupMember& member, bool viewerIsOwner)
{
    QVBoxLayout* block = nullptr;
    QHBoxLayout* row = indentedRow(layout, &block);
    const QString shown = member.displayName.isEmpty() ? member.email : member.displayName;
    block->addWidget(new QLabel(shown));
    if (!member.email.isEmpty() && member.email != shown)
        block->addWidget(secondaryLabel(member.email));
    row->addStretch();
    const bool isOwner = member.role == QLatin1String("owner");
    if (isOwner)
        row->addWidget(badge(QStringLiteral("Owner"), ThemeColors::accent()));
    if (viewerIsOwner && !isOwner) {
        auto* remove = new QPushButton(QStringLiteral("Remove"));
        row->addWidget(remove);
        const QString memberId = member.accountId;
        connect(remove, &QPushButton::clicked, this, [this, memberId, shown] {
            if (QMessageBox::question(this, QStringLiteral("Remove Member"),
                                      QStringLiteral("Remove %1 from the group?").arg(shown),
                                      QMessageBox::Yes | QMessageBox::No,
                                      QMessageBox::No) != QMessageBox::Yes)
                return;
            m_client->accountClient()->removeMember(memberId);
            showSuccess(QStringLiteral("%1 removed.").arg(shown));
            refreshLater(&AccountScreen::refreshGroup);
        });
    }
}

void AccountScreen::addInvitationRows(QVBoxLayout* layout,
                                      const QList<GroupInvitation>& invitations)
{
    if (invitations.isEmpty())
        return;
    layout->addSpacing(8);
    layout->addWidget(separator());
    layout->addSpacing(4);
    layout->addWidget(strongLabel(QStringLiteral("Pending Invitations")));
    for (const GroupInvitation& invitation : invitations) {
        QVBoxLayout* block = nullptr;
        QHBoxLayout* row = indentedRow(layout, &block, 4);
        block->addWidget(
            new QLabel(invitation.invitedEmail.isEmpty()
                           ? QStringLiteral("Invite code: %1").arg(invitation.inviteCode)
                           : invitation.invitedEmail));
        row->addStretch();
        auto* revoke = new QPushButton(QStringLiteral("Revoke"));
        row->addWidget(revoke);
        const QString id = invitation.id;
        connect(revoke, &QPushButton::clicked, this, [this, id] {
            m_client->accountClient()->revokeInvitation(id);
            showSuccess(QStringLiteral("Invitation revoked."));
            refreshLater(&AccountScreen::refreshGroup);
        });
    }
}

void AccountScreen::addInviteButtons(QVBoxLayout* layout)
{
    layout->addWidget(sectionHeader(QStringLiteral("Invite Members")));
    auto* row = new QHBoxLayout;
    row->setContentsMargins(12, 0, 0, 0);
    row->setSpacing(8);
    auto* byEmail = new QPushButton(QStringLiteral("Invite by Email"));
    auto* byCode = new QPushButton(QStringLiteral("Generate Invite Code"));
    row->addWidget(byEmail);
    row->addWidget(byCode);
    row->addStretch();
    layout->addLayout(row);

    connect(byEmail, &QPushButton::clicked, this, [this] {
        bool accepted = false;
        const QString email = QInputDialog::getText(this, QStringLiteral("Invite by Email"),
                                                    QStringLiteral("Email address:"),
                                                    QLineEdit::Normal, QString(), &accepted)
                                  .trimmed();
        if (!accepted || email.isEmpty())
            return;
        QPointer<AccountScreen> self(this);
        m_client->accountClient()->inviteByEmail(email, [self](const GroupInvitation& invitation) {
            if (!self)
                return;
            if (invitation.id.isEmpty()) {
                self->showError(QStringLiteral("Failed to send invitation."));
                return;
            }
            self->showSuccess(QStringLiteral("Invitation sent."));
            self->refreshGroup();
        });
    });
    connect(byCode, &QPushButton::clicked, this, [this] {
        QPointer<AccountScreen> self(this);
        m_client->accountClient()->generateInviteCode([self](const GroupInvitation& invitation) {
            if (!self)
                return;
            if (invitation.inviteCode.isEmpty()) {
                self->showError(QStringLiteral("Failed to generate code."));
                return;
            }
            QMessageBox::information(
                self, QStringLiteral("Invite Code"),
                QStringLiteral("Share this code with the person you want to invite:\n\n%1")
                    .arg(invitation.inviteCode));
            if (self)
                self->refreshGroup();
        });
    });
}

void AccountScreen::joinGroup()
{
    bool accepted = false;
    const QString code = QInputDialog::getText(this, QStringLiteral("Join Group"),
                                               QStringLiteral("Enter invite code:"),
                                               QLineEdit::Normal, QString(), &accepted)
                             .trimmed();
    if (!accepted || code.isEmpty())
        return;
    QPointer<AccountScreen> self(this);
    m_client->accountClient()->joinGroup(code, [self](bool ok) {
        if (!self)
            return;
        if (!ok) {
            self->showError(QStringLiteral("Invalid or expired invite code."));
            return;
        }
        self->showSuccess(QStringLiteral("Joined group."));
        self->refreshGroup();
    });
}

// ---------------------------------------------------------------------------------------------
// Devices and sessions

void AccountScreen::refreshDevices()
{
    QPointer<AccountScreen> self(this);
    m_client->accountClient()->getDevices([self](const QList<Device>& devices) {
        if (self)
            self->replaceContent(self->m_devicesPage, self->m_devicesContent,
                                 self->devicesContent(devices));
    });
}

QWidget* AccountScreen::devicesContent(const QList<Device>& devices)
{
    auto* content = new QWidget;
    auto* layout = new QVBoxLayout(content);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    layout->addWidget(sectionHeader(QStringLiteral("Registered Devices"),
                                    QStringLiteral("Devices that have synced with your account.")));
    if (devices.isEmpty()) {
        QLabel* none = secondaryLabel(QStringLiteral("No devices registered."));
        none->setContentsMargins(12, 0, 0, 0);
        layout->addWidget(none);
        return content;
    }
    for (const Device& device : devices) {
        QVBoxLayout* block = nullptr;
        QHBoxLayout* row = indentedRow(layout, &block);
        auto* name =
            new QLabel(QStringLiteral("<b>%1</b>")
                           .arg((device.deviceName.isEmpty() ? QStringLiteral("Unknown Device")
                                                             : device.deviceName)
                                    .toHtmlEscaped()));
        name->setTextFormat(Qt::RichText);
        block->addWidget(name);
        QString platform = device.platform;
        if (!device.appVersion.isEmpty())
            platform += QStringLiteral("  ·  v%1").arg(device.appVersion);
        block->addWidget(secondaryLabel(platform));
        block->addWidget(secondaryLabel(formatRelativeTime(device.lastSyncAt)));
        row->addStretch();
        auto* remove = new QPushButton(QStringLiteral("Remove"));
        row->addWidget(remove);
        const QString id = device.id;
        const QString deviceName = device.deviceName;
        connect(remove, &QPushButton::clicked, this, [this, id, deviceName] {
            if (QMessageBox::question(this, QStringLiteral("Remove Device"),
                                      QStringLiteral("Remove %1?").arg(deviceName),
                                      QMessageBox::Yes | QMessageBox::No,
                                      QMessageBox::No) != QMessageBox::Yes)
                return;
            m_client->accountClient()->removeDevice(id);
            showSuccess(QStringLiteral("Device removed."));
            refreshLater(&AccountScreen::refreshDevices);
        });
        layout->addWidget(separator());
    }
    return content;
}

void AccountScreen::refreshSessions()
{
    QPointer<AccountScreen> self(this);
    m_client->authClient()->listSessions([self](const QList<Session>& sessions) {
        if (self)
            self->replaceContent(self->m_securityPage, self->m_securityContent,
                                 self->sessionsContent(sessions));
    });
}

QWidget* AccountScreen::sessionsContent(const QList<Session>& sessions)
{
    auto* content = new QWidget;
    auto* layout = new QVBoxLayout(content);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(8);
    layout->addWidget(
        sectionHeader(QStringLiteral("Active Sessions"),
                      QStringLiteral("Sessions currently signed in to your account.")));
    if (sessions.isEmpty()) {
        QLabel* none = secondaryLabel(QStringLiteral("No active sessions."));
        none->setContentsMargins(12, 0, 0, 0);
        layout->addWidget(none);
        return content;
    }
    for (const Session& session : sessions) {
        QVBoxLayout* block = nullptr;
        QHBoxLayout* row = indentedRow(layout, &block);
        QString client = session.userAgent;
        if (client.isEmpty())
            client = QStringLiteral("Unknown client");
        else if (client.size() > userAgentLength)
            client = client.left(userAgentLength) + QStringLiteral("...");
        auto* clientLabel = strongLabel(client);
        clientLabel->setTextFormat(Qt::PlainText);
        block->addWidget(clientLabel);
        QString detail = session.isCurrent ? QStringLiteral("This session")
                                           : formatRelativeTime(session.lastActiveAt);
        if (!session.ipAddress.isEmpty())
            detail += QStringLiteral("  ·  %1").arg(session.ipAddress);
        block->addWidget(secondaryLabel(detail));
        row->addStretch();
        if (session.isCurrent) {
            row->addWidget(badge(QStringLiteral("Current"), ThemeColors::positive()));
        } else {
            auto* revoke = new QPushButton(QStringLiteral("Revoke"));
            row->addWidget(revoke);
            const QString id = session.id;
            connect(revoke, &QPushButton::clicked, this, [this, id] {
                m_client->authClient()->revokeSession(id);
                showSuccess(QStringLiteral("Session revoked."));
                refreshLater(&AccountScreen::refreshSessions);
            });
        }
        layout->addWidget(separator());
    }
    return content;
}

// ---------------------------------------------------------------------------------------------
// Data & Privacy

QWidget* AccountScreen::buildPrivacyPage()
{
    QVBoxLayout* layout = nullptr;
    QWidget* page = buildContentPage(QStringLiteral("Data & Privacy"), &layout);
    int at = contentPosition;
    layout->insertWidget(
        at++, sectionHeader(QStringLiteral("Danger Zone"),
                            QStringLiteral("Permanently delete your account. This cannot be "
                                           "undone after 30 days.")));
    auto* row = new QHBoxLayout;
    row->setContentsMargins(12, 0, 0, 0);
    m_deleteAccountButton = new QPushButton(QStringLiteral("Delete Account"), page);
    m_deleteAccountButton->setObjectName(QStringLiteral("deleteAccount"));
    m_deleteAccountButton->setStyleSheet(dangerButtonStyle());
    row->addWidget(m_deleteAccountButton);
    row->addStretch();
    layout->insertLayout(at++, row);
    connect(m_deleteAccountButton, &QPushButton::clicked, this, &AccountScreen::deleteAccount);

    m_ownerNote = secondaryLabel(QStringLiteral(
        "You are the group owner. Transfer ownership or remove all members before deleting "
        "your account."));
    m_ownerNote->setWordWrap(true);
    m_ownerNote->setContentsMargins(12, 0, 0, 0);
    layout->insertWidget(at++, m_ownerNote);
    // The token's role until the group arrives (refreshGroup).
    showOwnerRestrictions(m_client->groupRole() == QLatin1String("owner"));
    return page;
}

void AccountScreen::showOwnerRestrictions(bool isOwner)
{
    m_deleteAccountButton->setEnabled(!isOwner);
    m_ownerNote->setVisible(isOwner);
}

void AccountScreen::deleteAccount()
{
    bool accepted = false;
    const QString typed = QInputDialog::getText(
        this, QStringLiteral("Delete Account"),
        QStringLiteral("This will schedule your account for permanent deletion after 30 "
                       "days.\n\nType DELETE to confirm:"),
        QLineEdit::Normal, QString(), &accepted);
    if (!accepted || typed != QLatin1String("DELETE"))
        return;
    QPointer<AccountScreen> self(this);
    m_client->accountClient()->deleteAccount([self](bool ok) {
        if (!self)
            return;
        if (!ok) {
            self->showError(QStringLiteral("Failed to delete account."));
            return;
        }
        QMessageBox::information(self, QStringLiteral("Account Scheduled for Deletion"),
                                 QStringLiteral("Your account will be permanently deleted in 30 "
                                                "days. You can recover it by signing in before "
                                                "then."));
        if (self)
            emit self->logoutRequested();
    });
}

} // namespace TovAccount
