#include "ui/shell/signinmessages.h"

#include "libs/account/signin/signinattempt.h"

QString SignInMessages::continueInBrowser()
{
    return tr("Sign in on the page now open in your web browser");
}

QString SignInMessages::failure(const QString& reason)
{
    using TovAccount::SignInAttempt;
    QString said = reason;
    if (reason == QLatin1String(SignInAttempt::NoListener))
        said = tr("no local port was free for the browser to come back to");
    else if (reason == QLatin1String(SignInAttempt::NoCode))
        said = tr("the browser came back without a sign-in");
    else if (reason == QLatin1String(SignInAttempt::CodeRefused))
        said = tr("the server did not accept it; please sign in again");
    else if (reason == QLatin1String(SignInAttempt::ExchangeFailed))
        said = tr("the server could not be reached to finish it; please sign in again");
    return tr("Sign-in failed: %1").arg(said);
}
