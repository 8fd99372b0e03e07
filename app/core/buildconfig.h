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

} // namespace BuildConfig
