#pragma once

#include <QStringList>
#include <QUrl>

#include <optional>

namespace PennibarServer {

// The applications allowed to start a browser sign-in, and where a sign-in may send its tokens:
// only to a registered client's loopback listener, http://localhost:PORT/callback or
// http://127.0.0.1:PORT/callback, so tokens never leave the user's machine.
class ClientRegistry
{
public:
    explicit ClientRegistry(QStringList clientIds) : m_clientIds(std::move(clientIds)) {}

    bool isRegistered(const QString& clientId) const { return m_clientIds.contains(clientId); }
    // The redirect as a URL when it is a loopback callback, else nothing.
    static std::optional<QUrl> loopbackCallback(const QString& redirectUri);

private:
    QStringList m_clientIds;
};

} // namespace PennibarServer
