#include "ui/shell/signinmessages.h"

QString SignInMessages::continueInBrowser()
{
    return tr("Sign in on the page now open in your web browser");
}

QString SignInMessages::failure(const QString& reason)
{
    QString said = reason;
    if (reason == QLatin1String("Failed to start local auth server"))
        said = tr("no local port was free for the browser to come back to");
    else if (reason == QLatin1String("No tokens received"))
        said = tr("the browser came back without a sign-in");
    return tr("Sign-in failed: %1").arg(said);
}
