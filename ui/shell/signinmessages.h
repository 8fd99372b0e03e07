#pragma once

#include <QCoreApplication>
#include <QString>

// What the main window tells the user about a browser sign-in: the account library reports
// why a sign-in failed in its own terms, and this says it in the user's.
class SignInMessages
{
    Q_DECLARE_TR_FUNCTIONS(SignInMessages)

public:
    // Shown while the sign-in page is open in the browser.
    static QString continueInBrowser();
    // "Sign-in failed: " and the reason; a reason this does not know is shown as it stands.
    static QString failure(const QString& reason);
};
