#pragma once

#include "libs/account/sharing/sharingbackend.h"

namespace TovAccount {
class ApiClient;
}

// Shares the user's accounts through the sync server, which keeps who may see which account.
// A share is addressed by the account's local id, the same id synchronisation uses. The local
// account's shared flag is left alone: it arrives with the next pull like any other field.
class AccountSharingService : public TovAccount::SharingBackend
{
    Q_OBJECT

public:
    explicit AccountSharingService(TovAccount::ApiClient* syncApi, QObject* parent = nullptr);

    // An empty list on any failure.
    void listMembers(const QString& accountId, MembersCallback callback) override;
    // The server's "error" text on failure, or a text naming the HTTP status.
    void shareWith(const QString& accountId, const QString& userIdOrEmail, const QString& role,
                   ShareCallback callback) override;
    void removeShare(const QString& accountId, const QString& userId,
                     RemoveCallback callback) override;

private:
    TovAccount::ApiClient* m_syncApi;
};
