#pragma once

#include "server/http/router.h"

#include <QCoreApplication>

namespace PennibarServer {

class Authenticator;
class GroupService;

// "/group" and below: the family group, its invitations and its members.
class GroupRoutes
{
    Q_DECLARE_TR_FUNCTIONS(GroupRoutes)

public:
    GroupRoutes(GroupService& groups, Authenticator& authenticator);
    void addTo(Router& router);

private:
    HttpResponse group(const QString& userId);
    HttpResponse invite(const HttpRequest& request, const QString& userId);
    HttpResponse join(const QString& userId, const QString& code);

    GroupService& m_groups;
    Authenticator& m_authenticator;
};

} // namespace PennibarServer
