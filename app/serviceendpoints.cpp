#include "app/serviceendpoints.h"

#include "app/core/buildconfig.h"

#include <QCoreApplication>

namespace {

// The variable's value read as UTF-8, or `fallback` when it is unset or empty.
QString environmentOr(const char* name, const QString& fallback)
{
    const QByteArray value = qgetenv(name);
    return value.isEmpty() ? fallback : QString::fromUtf8(value);
}

} // namespace

ServiceEndpoints ServiceEndpoints::fromEnvironment()
{
    return {
        .authBaseUrl = environmentOr("AUTH_BASE_URL", BuildConfig::authBaseUrl()),
        .accountApiUrl = environmentOr("ACCOUNT_API_URL", BuildConfig::accountApiUrl()),
        .syncApiUrl = environmentOr("SYNC_API_URL", BuildConfig::syncApiUrl()),
        .realmSlug = environmentOr("AUTH_REALM_SLUG", BuildConfig::authRealmSlug()),
        .clientId = environmentOr("AUTH_CLIENT_ID", BuildConfig::authClientId()),
        .portalUrl = environmentOr("ACCOUNT_PORTAL_URL", BuildConfig::accountPortalUrl()),
    };
}

TovAccount::ClientConfig ServiceEndpoints::clientConfig() const
{
    return {
        .authBaseUrl = authBaseUrl,
        .realmSlug = realmSlug,
        .accountApiUrl = accountApiUrl,
        .clientId = clientId,
        .appId = BuildConfig::applicationId(),
        .appName = BuildConfig::applicationTitle(),
        .appVersion = QCoreApplication::applicationVersion(),
        // Left empty: the account library names the running platform itself.
        .platform = QString(),
        .portalUrl = portalUrl,
    };
}
