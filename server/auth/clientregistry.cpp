#include "server/auth/clientregistry.h"

namespace PennibarServer {

std::optional<QUrl> ClientRegistry::loopbackCallback(const QString& redirectUri)
{
    const QUrl url(redirectUri, QUrl::StrictMode);
    const bool loopback =
        url.host() == QLatin1String("localhost") || url.host() == QLatin1String("127.0.0.1");
    if (!url.isValid() || url.scheme() != QLatin1String("http") || !loopback || url.port() < 1 ||
        url.path() != QLatin1String("/callback") || !url.userInfo().isEmpty() || url.hasQuery() ||
        url.hasFragment())
        return std::nullopt;
    return url;
}

} // namespace PennibarServer
