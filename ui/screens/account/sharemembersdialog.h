#pragma once

#include "libs/account/records/groupmember.h"
#include "libs/account/records/sharemember.h"

#include <QDialog>
#include <QList>

class QLabel;
class QVBoxLayout;

namespace TovAccount {

class Client;
class SharingBackend;

// Shares one account (a register) with members of the user's family group: who has access,
// with a button to take it back, and the members who can still be added. Failures show in a
// line above the lists; one share or removal at a time.
class ShareMembersDialog : public QDialog
{
    Q_OBJECT

public:
    // The caller's wording; an empty entry takes the dialog's own where it has one.
    struct Texts
    {
        QString windowTitle{};
        QString heading{};     // shown only when not empty
        QString description{}; // shown only when not empty
        QString withAccessHeading{};
        QString addHeading{};
        QString notShared{};
        QString noGroup{};
        QString allHaveAccess{};
        QString shareButton{};
        QString removeTooltip{};
        QString closeButton{};
        QString role{}; // passed with each new share as it stands
        QString shareFailedTitle{};
        QString removeFailedTitle{};
        QString removeConfirmTitle{};
        QString removeConfirmText{}; // %1: the person's name
    };

    ShareMembersDialog(Client* client, SharingBackend* backend, const QString& accountId,
                       const Texts& texts, QWidget* parent = nullptr);

    bool isBusy() const { return m_busy; }

    // One or two letters for an avatar: the first and last words' initials of the name, the
    // first letter of the e-mail without a name, "?" without either.
    static QString initials(const QString& name, const QString& email);

signals:
    // A share was added or taken back.
    void sharingChanged();

private:
    void load();
    void loadGroupMembers();
    void loadShares();
    void render();
    void addShareRow(const ShareMember& share);
    void addCandidateRow(const GroupMember& member);
    void shareWithMember(const QString& id, const QString& name);
    void removeShare(const QString& userId, const QString& name);
    void showError(const QString& text);

    Client* m_client;
    SharingBackend* m_backend;
    QString m_accountId;
    Texts m_texts;
    QLabel* m_errorLabel = nullptr;
    QVBoxLayout* m_withAccessList = nullptr;
    QVBoxLayout* m_candidateList = nullptr;
    QLabel* m_noGroupLabel = nullptr;
    QLabel* m_allHaveAccessLabel = nullptr;
    QList<GroupMember> m_groupMembers;
    QList<ShareMember> m_shares;
    QString m_ownAccountId;
    bool m_busy = false;
};

} // namespace TovAccount
