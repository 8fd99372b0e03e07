#pragma once

#include "libs/account/sharing/sharingbackend.h"

#include <QUrlQuery>

class AccountRepository;

namespace TovAccount {
class ApiClient;
}

// Shares the user's accounts through the sync server, which keeps who may see which account.
// A share is addressed by the id synchronisation uses for the account: its local id, or, for an
// account kept under an id of its own because the user's own account has the one the server
// knows it by, that id and its server id ("server_id"), which also goes along for the user's
// own account then. The local account's shared flag is left alone: it arrives with the next
// pull like any other field.
class AccountSharingService : public TovAccount::SharingBackend
{
    Q_OBJECT

public:
    // Without `accounts`, every account goes under its local id.
    explicit AccountSharingService(TovAccount::ApiClient* syncApi,
                                   const AccountRepository* accounts = nullptr,
                                   QObject* parent = nullptr);

    // An empty list on any failure.
    void listMembers(const QString& accountId, MembersCallback callback) override;
    // The server's "error" text on failure, or a text naming the HTTP status.
    void shareWith(const QString& accountId, const QString& userIdOrEmail, const QString& role,
                   ShareCallback callback) override;
    void removeShare(const QString& accountId, const QString& userId,
                     RemoveCallback callback) override;

private:
    struct Address
    {
        QString path; // "/accounts/<id>"
        QUrlQuery query;
    };
    Address address(const QString& accountId) const;

    TovAccount::ApiClient* m_syncApi;
    const AccountRepository* m_accounts;
};
