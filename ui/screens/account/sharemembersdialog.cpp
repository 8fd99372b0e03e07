#include "ui/screens/account/sharemembersdialog.h"

#include "ui/theme/themecolors.h"

#include "libs/account/accountapi/accountclient.h"
#include "libs/account/client.h"
#include "libs/account/records/group.h"
#include "libs/account/records/profile.h"
#include "libs/account/sharing/sharingbackend.h"

#include <QApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLayoutItem>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QScrollArea>
#include <QToolButton>
#include <QVBoxLayout>

namespace TovAccount {

namespace {

constexpr int avatarSize = 36;
constexpr double candidateAvatarAlpha = 0.55;

QString orDefault(const QString& text, const QString& fallback)
{
    return text.isEmpty() ? fallback : text;
}

QLabel* placeholderLabel(const QString& text)
{
    auto* label = new QLabel(text);
    label->setWordWrap(true);
    label->setForegroundRole(QPalette::PlaceholderText);
    return label;
}

QLabel* avatar(const QString& initials, QColor colour)
{
    auto* label = new QLabel(initials);
    label->setFixedSize(avatarSize, avatarSize);
    label->setAlignment(Qt::AlignCenter);
    label->setStyleSheet(
        QStringLiteral("QLabel { background: %1; color: %2; border-radius: %3px; "
                       "font-weight: 600; }")
            .arg(colour.name(QColor::HexArgb), ThemeColors::primaryButtonText().name())
            .arg(avatarSize / 2));
    QFont font = label->font();
    font.setPointSize(avatarSize / 3 < 9 ? 8 : avatarSize / 3);
    label->setFont(font);
    return label;
}

QHBoxLayout* personRow(QLabel* picture, const QString& name, const QString& email)
{
    auto* row = new QHBoxLayout;
    row->setContentsMargins(0, 4, 0, 4);
    row->setSpacing(10);
    row->addWidget(picture);
    auto* block = new QVBoxLayout;
    block->setSpacing(0);
    auto* nameLabel = new QLabel(name);
    QFont font = nameLabel->font();
    font.setWeight(QFont::Medium);
    nameLabel->setFont(font);
    block->addWidget(nameLabel);
    if (!email.isEmpty() && email != name) {
        auto* emailLabel = new QLabel(email);
        emailLabel->setForegroundRole(QPalette::PlaceholderText);
        block->addWidget(emailLabel);
    }
    row->addLayout(block, 1);
    return row;
}

void clearLayout(QLayout* layout)
{
    while (QLayoutItem* item = layout->takeAt(0)) {
        // A reply can arrive while a prompt opened from a row is still up: the row's widgets
        // go once control is back in the event loop.
        if (QWidget* widget = item->widget()) {
            widget->hide();
            widget->deleteLater();
        }
        if (QLayout* child = item->layout()) {
            clearLayout(child);
            child->deleteLater();
        }
        delete item;
    }
}

QLabel* headingLabel(const QString& text)
{
    auto* label = new QLabel(text);
    QFont font = label->font();
    font.setWeight(QFont::DemiBold);
    label->setFont(font);
    return label;
}

} // namespace

ShareMembersDialog::ShareMembersDialog(Client* client, SharingBackend* backend,
                                       const QString& accountId, const Texts& texts,
                                       QWidget* parent)
    : QDialog(parent), m_client(client), m_backend(backend), m_accountId(accountId), m_texts(texts)
{
    m_texts.withAccessHeading = orDefault(texts.withAccessHeading, tr("People with access"));
    m_texts.addHeading = orDefault(texts.addHeading, tr("Add people"));
    m_texts.notShared = orDefault(texts.notShared, tr("Not shared with anyone yet."));
    m_texts.noGroup = orDefault(
        texts.noGroup, tr("You don't have a family group yet. Once people join your group, you "
                          "can share this account with them here."));
    m_texts.allHaveAccess =
        orDefault(texts.allHaveAccess, tr("All group members already have access"));
    m_texts.shareButton = orDefault(texts.shareButton, tr("Share"));
    m_texts.removeTooltip = orDefault(texts.removeTooltip, tr("Remove access"));
    m_texts.closeButton = orDefault(texts.closeButton, tr("Close"));
    m_texts.removeConfirmTitle = orDefault(texts.removeConfirmTitle, tr("Remove access?"));
    m_texts.removeConfirmText =
        orDefault(texts.removeConfirmText, tr("%1 will no longer have access. Continue?"));

    setWindowTitle(m_texts.windowTitle);
    setMinimumSize(560, 560);
    resize(620, 620);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 20, 20, 20);
    layout->setSpacing(12);
    if (!m_texts.heading.isEmpty()) {
        auto* heading = new QLabel(m_texts.heading, this);
        QFont font = heading->font();
        font.setPointSize(font.pointSize() + 2);
        font.setWeight(QFont::DemiBold);
        heading->setFont(font);
        heading->setWordWrap(true);
        layout->addWidget(heading);
    }
    if (!m_texts.description.isEmpty())
        layout->addWidget(placeholderLabel(m_texts.description));
    auto* line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Plain);
    line->setStyleSheet(QStringLiteral("color: rgba(128,128,128,0.25);"));
    layout->addWidget(line);

    m_errorLabel = new QLabel(this);
    m_errorLabel->setObjectName(QStringLiteral("shareError"));
    m_errorLabel->setWordWrap(true);
    m_errorLabel->setStyleSheet(QStringLiteral("QLabel { color: %1; padding: 4px 0; }")
                                    .arg(ThemeColors::negative().name()));
    m_errorLabel->hide();
    layout->addWidget(m_errorLabel);

    auto* scroll = new QScrollArea(this);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    auto* content = new QWidget(scroll);
    auto* contentLayout = new QVBoxLayout(content);
    contentLayout->setContentsMargins(0, 0, 0, 0);
    contentLayout->setSpacing(8);

    auto* withAccess = new QVBoxLayout;
    withAccess->setContentsMargins(0, 0, 0, 0);
    withAccess->setSpacing(4);
    withAccess->addWidget(headingLabel(m_texts.withAccessHeading));
    m_withAccessList = new QVBoxLayout;
    m_withAccessList->setSpacing(2);
    withAccess->addLayout(m_withAccessList);
    contentLayout->addLayout(withAccess);

    auto* add = new QVBoxLayout;
    add->setContentsMargins(0, 8, 0, 0);
    add->setSpacing(4);
    add->addWidget(headingLabel(m_texts.addHeading));
    m_candidateList = new QVBoxLayout;
    m_candidateList->setSpacing(2);
    add->addLayout(m_candidateList);
    m_noGroupLabel = placeholderLabel(m_texts.noGroup);
    m_noGroupLabel->setContentsMargins(0, 8, 0, 0);
    m_noGroupLabel->hide();
    add->addWidget(m_noGroupLabel);
    m_allHaveAccessLabel = placeholderLabel(m_texts.allHaveAccess);
    m_allHaveAccessLabel->setContentsMargins(0, 8, 0, 0);
    m_allHaveAccessLabel->hide();
    add->addWidget(m_allHaveAccessLabel);
    contentLayout->addLayout(add);
    contentLayout->addStretch();
    scroll->setWidget(content);
    layout->addWidget(scroll, 1);

    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    auto* close = new QPushButton(m_texts.closeButton, this);
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    bottom->addWidget(close);
    layout->addLayout(bottom);

    load();
}

QString ShareMembersDialog::initials(const QString& name, const QString& email)
{
    if (name.isEmpty())
        return email.isEmpty() ? QStringLiteral("?") : email.left(1).toUpper();
    const QStringList parts = name.trimmed().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (parts.size() < 2)
        return name.trimmed().left(1).toUpper();
    return (parts.first().left(1) + parts.last().left(1)).toUpper();
}

void ShareMembersDialog::load()
{
    loadGroupMembers();
    loadShares();
}

void ShareMembersDialog::loadGroupMembers()
{
    QPointer<ShareMembersDialog> self(this);
    m_client->accountClient()->getProfile([self](const Profile& profile) {
        if (!self)
            return;
        self->m_ownAccountId = profile.id;
        self->m_client->accountClient()->getGroup([self](const Group& group) {
            if (!self)
                return;
            self->m_groupMembers = group.members;
            self->render();
        });
    });
}

void ShareMembersDialog::loadShares()
{
    QPointer<ShareMembersDialog> self(this);
    m_backend->listMembers(m_accountId, [self](const QList<ShareMember>& shares) {
        if (!self)
            return;
        self->m_shares = shares;
        self->render();
    });
}

void ShareMembersDialog::render()
{
    clearLayout(m_withAccessList);
    clearLayout(m_candidateList);

    QStringList sharedUserIds;
    for (const ShareMember& share : std::as_const(m_shares)) {
        if (share.role == QLatin1String("owner"))
            continue;
        sharedUserIds << share.userId;
        addShareRow(share);
    }
    if (sharedUserIds.isEmpty()) {
        QLabel* none = placeholderLabel(m_texts.notShared);
        none->setContentsMargins(0, 4, 0, 4);
        m_withAccessList->addWidget(none);
    }

    if (m_groupMembers.isEmpty()) {
        m_noGroupLabel->show();
        m_allHaveAccessLabel->hide();
        return;
    }
    QString ownShareId;
    for (const GroupMember& member : std::as_const(m_groupMembers)) {
        if (member.accountId == m_ownAccountId)
            ownShareId = m_backend->shareIdForMember(member);
    }
    bool anyCandidate = false;
    for (const GroupMember& member : std::as_const(m_groupMembers)) {
        const QString shareId = m_backend->shareIdForMember(member);
        if (shareId == ownShareId || sharedUserIds.contains(shareId))
            continue;
        addCandidateRow(member);
        anyCandidate = true;
    }
    m_noGroupLabel->hide();
    m_allHaveAccessLabel->setVisible(!anyCandidate);
}

void ShareMembersDialog::addShareRow(const ShareMember& share)
{
    QString displayName = share.displayName;
    QString email = share.email;
    if (displayName.isEmpty() || email.isEmpty()) {
        for (const GroupMember& member : std::as_const(m_groupMembers)) {
            if (m_backend->shareIdForMember(member) != share.userId)
                continue;
            if (displayName.isEmpty())
                displayName = member.displayName;
            if (email.isEmpty())
                email = member.email;
            break;
        }
    }
    const QString shown = !displayName.isEmpty() ? displayName
                          : !email.isEmpty()     ? email
                                                 : share.userId;
    QHBoxLayout* row = personRow(
        avatar(initials(displayName, email), QApplication::palette().color(QPalette::Highlight)),
        shown, email);
    auto* remove = new QToolButton;
    remove->setText(QStringLiteral("×"));
    remove->setAutoRaise(true);
    remove->setCursor(Qt::PointingHandCursor);
    remove->setFixedSize(28, 28);
    QFont font = remove->font();
    font.setPointSize(font.pointSize() + 4);
    remove->setFont(font);
    remove->setToolTip(m_texts.removeTooltip);
    const QString userId = share.userId;
    connect(remove, &QToolButton::clicked, this,
            [this, userId, shown] { removeShare(userId, shown); });
    row->addWidget(remove);
    m_withAccessList->addLayout(row);
}

void ShareMembersDialog::addCandidateRow(const GroupMember& member)
{
    QColor colour = QApplication::palette().color(QPalette::Highlight);
    colour.setAlphaF(candidateAvatarAlpha);
    const QString shown = member.displayName.isEmpty() ? member.email : member.displayName;
    const QString email = !member.displayName.isEmpty() && member.displayName != member.email
                              ? member.email
                              : QString();
    QHBoxLayout* row =
        personRow(avatar(initials(member.displayName, member.email), colour), shown, email);
    auto* share = new QPushButton(m_texts.shareButton);
    share->setCursor(Qt::PointingHandCursor);
    const QString id = m_backend->shareIdForMember(member);
    connect(share, &QPushButton::clicked, this, [this, id, shown] { shareWithMember(id, shown); });
    row->addWidget(share);
    m_candidateList->addLayout(row);
}

void ShareMembersDialog::shareWithMember(const QString& id, const QString& name)
{
    if (m_busy)
        return;
    m_busy = true;
    m_errorLabel->hide();
    QPointer<ShareMembersDialog> self(this);
    m_backend->shareWith(
        m_accountId, id, m_texts.role, [self, name](bool ok, const QString& error) {
            if (!self)
                return;
            self->m_busy = false;
            if (!ok) {
                self->showError(error.isEmpty() ? tr("Could not share with %1.").arg(name) : error);
                return;
            }
            emit self->sharingChanged();
            self->load();
        });
}

void ShareMembersDialog::removeShare(const QString& userId, const QString& name)
{
    if (m_busy)
        return;
    if (QMessageBox::question(this, m_texts.removeConfirmTitle, m_texts.removeConfirmText.arg(name),
                              QMessageBox::Yes | QMessageBox::No,
                              QMessageBox::No) != QMessageBox::Yes)
        return;
    m_busy = true;
    m_errorLabel->hide();
    QPointer<ShareMembersDialog> self(this);
    m_backend->removeShare(m_accountId, userId, [self, name](bool ok) {
        if (!self)
            return;
        self->m_busy = false;
        if (!ok) {
            self->showError(tr("Could not remove %1.").arg(name));
            return;
        }
        emit self->sharingChanged();
        self->load();
    });
}

void ShareMembersDialog::showError(const QString& text)
{
    m_errorLabel->setText(text);
    m_errorLabel->show();
}

} // namespace TovAccount
