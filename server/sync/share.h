#pragma once

#include <QString>

namespace PennibarServer {

// One account shared by its owner with another member of the owner's family group.
struct Share
{
    QString ownerId;
    QString accountId; // the owner's client id of the account
    QString granteeId;
    QString role;
    qint64 createdAt = 0;
};

} // namespace PennibarServer
