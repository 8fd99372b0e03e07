#pragma once

#include <QString>

namespace PennibarServer {

// The signed-in caller of an authenticated request.
struct AuthContext
{
    QString userId;
    QString sessionId;
    QString deviceId; // the device registered from this session, if any
};

} // namespace PennibarServer
