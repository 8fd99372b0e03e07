#pragma once

#include <QCoreApplication>
#include <QString>

namespace PennibarServer {

// The HTML of the browser sign-in: one small self-contained page, no scripts, no external
// resources. Every value shown is HTML-escaped.
class LoginPage
{
    Q_DECLARE_TR_FUNCTIONS(LoginPage)

public:
    struct Form
    {
        QString clientId;
        QString redirectUri;
        QString csrf;
        QString email;
        QString displayName;
        QString message; // shown above the form when not empty
        bool signUp = false;
        bool signUpAllowed = false;
    };

    static QString form(const Form& form);
    // A page that explains why no sign-in can happen from this link.
    static QString refusal(const QString& message);

private:
    static QString page(const QString& title, const QString& content);
};

} // namespace PennibarServer
