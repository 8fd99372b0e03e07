#pragma once

#include <QString>

namespace PennibarServer {

class Database;
class GroupService;
class ShareService;
class ShareStore;
class SyncFeed;
class SyncRowStore;
class UserStore;

// Carries out an account deletion once its date has come: the user leaves (or, as owner,
// dissolves) their family group, every share by or to them ends (members receive gone entries),
// and their rows, feed, sessions, devices and the user record are removed, in one transaction.
class AccountPurger
{
public:
    AccountPurger(Database& database, UserStore& users, GroupService& groups, ShareStore& shares,
                  ShareService& sharing, SyncRowStore& rows, SyncFeed& feed);

    bool purge(const QString& userId);

private:
    Database& m_database;
    UserStore& m_users;
    GroupService& m_groups;
    ShareStore& m_shares;
    ShareService& m_sharing;
    SyncRowStore& m_rows;
    SyncFeed& m_feed;
};

} // namespace PennibarServer
