#pragma once

#include "server/auth/signintexts.h"

#include <QString>

namespace PennibarServer {

// The HTML of the browser sign-in: one small self-contained page, no scripts, no external
// resources, in the browser's language, light or dark as the browser prefers, and at home on a
// narrow screen. Every value shown is HTML-escaped.
class LoginPage
{
public:
    struct Form
    {
        // The app's sign-in link, carried through the form and the switch to sign-up.
        QString clientId;
        QString redirectUri;
        QString state;
        QString codeChallenge;
        QString codeChallengeMethod;

        QString csrf;
        QString email;
        QString displayName;
        QString message; // shown above the form when not empty
        bool signUp = false;
        bool signUpAllowed = false;
    };

    static QString form(const Form& form, const SignInTexts& texts);
    // A page that explains why no sign-in can happen from this link.
    static QString refusal(const QString& message, const SignInTexts& texts);

private:
    static QString page(const QString& title, const QString& content, const SignInTexts& texts);
};

} // namespace PennibarServer
