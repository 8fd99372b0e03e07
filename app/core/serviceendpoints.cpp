#include "app/core/serviceendpoints.h"

#include "app/core/buildconfig.h"

#include <QSettings>

namespace {

const QString serverKey = QStringLiteral("server/baseUrl");
const QString releasesPath = QStringLiteral("/releases/pennibar/stable/");

QString withoutTrailingSlash(QString text)
{
    while (text.endsWith(QLatin1Char('/')))
        text.chop(1);
    return text;
}

QString fromEnvironment(const char* variable, const QString& fallback)
{
    const QString value = qEnvironmentVariable(variable);
    return value.isEmpty() ? fallback : value;
}

} // namespace

ServiceEndpoints ServiceEndpoints::defaults()
{
    return {BuildConfig::authBaseUrl(),
            BuildConfig::accountApiUrl(),
            BuildConfig::syncApiUrl(),
            QUrl(QStringLiteral("https://downloads.tovarly.com/pennibar/stable/")),
            BuildConfig::authRealmSlug(),
            BuildConfig::authClientId(),
            BuildConfig::accountPortalUrl()};
}

ServiceEndpoints ServiceEndpoints::forServer(const QString& baseUrl)
{
    const QString base = withoutTrailingSlash(baseUrl.trimmed());
    ServiceEndpoints server = defaults();
    server.authBaseUrl = server.accountApiUrl = server.syncApiUrl = base;
    server.releasesUrl = QUrl(base + releasesPath);
    return server;
}

ServiceEndpoints ServiceEndpoints::resolve()
{
    const QString server = chosenServerUrl();
    const ServiceEndpoints fallback =
        isUsableServerUrl(server) ? forServer(server) : ServiceEndpoints::defaults();
    return {fromEnvironment("AUTH_BASE_URL", fallback.authBaseUrl),
            fromEnvironment("ACCOUNT_API_URL", fallback.accountApiUrl),
            fromEnvironment("SYNC_API_URL", fallback.syncApiUrl),
            QUrl(fromEnvironment("PENNIBAR_RELEASES_URL", fallback.releasesUrl.toString())),
            fromEnvironment("AUTH_REALM_SLUG", fallback.realmSlug),
            fromEnvironment("AUTH_CLIENT_ID", fallback.clientId),
            fromEnvironment("ACCOUNT_PORTAL_URL", fallback.portalUrl)};
}

QString chosenServerUrl()
{
    return QSettings().value(serverKey).toString();
}

void setChosenServerUrl(const QString& baseUrl)
{
    QSettings settings;
    const QString base = withoutTrailingSlash(baseUrl.trimmed());
    if (base.isEmpty())
        settings.remove(serverKey);
    else
        settings.setValue(serverKey, base);
}

bool isUsableServerUrl(const QString& text)
{
    const QUrl url(text.trimmed(), QUrl::StrictMode);
    const QString scheme = url.scheme();
    return url.isValid() && !url.host().isEmpty() &&
           (scheme == QLatin1String("http") || scheme == QLatin1String("https")) &&
           !url.hasQuery() && !url.hasFragment();
}
