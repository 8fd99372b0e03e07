#pragma once

#include <QString>

namespace TovAccount {

// What the application tells the account library about itself and where the services live.
struct ClientConfig
{
    QString authBaseUrl;
    QString realmSlug;
    QString accountApiUrl;
    QString clientId;
    QString appId;
    QString appName;
    QString appVersion;
    // Sent as X-Platform; derived from the running kernel when left empty.
    QString platform;
    QString portalUrl;

    // The platform as configured, or the running kernel's name in the services' lower-case
    // vocabulary: "linux", "macos", "windows", anything else unchanged.
    QString effectivePlatform() const;
    static QString platformForKernel(const QString& kernelType);
};

} // namespace TovAccount
