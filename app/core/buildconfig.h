#pragma once

#include <QString>

// Values fixed when the program is built: the maker's hosts and identifiers. Each service
// endpoint can still be overridden from the environment at start-up.
namespace BuildConfig {

inline QString organizationDomain()
{
    return QStringLiteral("tovarly.com");
}
inline QString applicationTitle()
{
    return QStringLiteral("Tovarly Pennibar");
}
inline QString applicationVersion()
{
    return QStringLiteral("1.1.3");
}
inline QString productSlug()
{
    return QStringLiteral("pennibar");
}
inline QString productSiteUrl()
{
    return QStringLiteral("https://tovarly.com/pennibar");
}
inline QString mobileAppUrl()
{
    return QStringLiteral("https://tovarly.com/pennibar/mobile");
}
inline QString feedbackSiteUrl()
{
    return QStringLiteral("https://feedback.tovarly.com");
}
// Names the Linux desktop entry, icon and software-centre listing (resources/linux/), so that
// the desktop can tell the program's windows belong to them.
inline QString desktopEntryId()
{
    return QStringLiteral("com.tovarly.Pennibar");
}

// Names the application to the account service and its entries in the credential store.
inline QString applicationId()
{
    return QStringLiteral("com.tovarly.pennibar");
}

// The account service's endpoints, each overridable from the environment at start-up.
inline QString authBaseUrl()
{
    return QStringLiteral("https://auth.tovarly.com");
}
inline QString accountApiUrl()
{
    return QStringLiteral("https://api.tovarly.com/account/v1");
}
inline QString syncApiUrl()
{
    return QStringLiteral("https://api.tovarly.com/pennibar/v1");
}
inline QString authRealmSlug()
{
    return QStringLiteral("tovarly");
}
// The OAuth client id registered for the desktop application.
inline QString authClientId()
{
    return QStringLiteral("5f0c2b7e9a4d41c68e3b1d2a7c90f4e1");
}
inline QString accountPortalUrl()
{
    return QStringLiteral("https://account.tovarly.com");
}

} // namespace BuildConfig
