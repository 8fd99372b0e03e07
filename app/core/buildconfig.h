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

} // namespace BuildConfig
