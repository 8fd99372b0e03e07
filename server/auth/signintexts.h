#pragma once

#include <QByteArray>
#include <QString>

namespace PennibarServer {

// The words of the browser sign-in in the languages the app speaks (English, Spanish, German,
// French, Japanese), with the app's own words where it has them. The browser's Accept-Language
// picks the language; English stands in for any other.
class SignInTexts
{
public:
    enum class Text
    {
        SignInTitle,
        SignUpTitle,
        NotPossibleTitle,
        Email,
        Password,
        YourName,
        NewPassword,
        RepeatPassword,
        SignInButton,
        SignUpButton,
        HaveAnAccount,
        CreateAnAccount,
        UnknownClient,
        ForeignRedirect,
        OlderApp,
        PageExpired,
        PasswordsDiffer,
        WrongCredentials,
        Disabled,
        EmailTaken,
        InvalidEmail,
        InvalidDisplayName, // %1: the most characters a name may have
        WeakPassword,
        ServerFailure,
    };

    // The best of the five for an Accept-Language header: "en", "es", "de", "fr" or "ja".
    static QString languageFor(const QByteArray& acceptLanguage);

    explicit SignInTexts(const QString& language);

    const QString& language() const { return m_language; }
    QString operator()(Text text) const;
    // "Too many attempts. Try again in ..." for a wait in seconds: said in seconds under a
    // minute, else in whole minutes, rounded up.
    QString tooManyAttempts(qint64 waitSeconds) const;

private:
    QString m_language;
    int m_column = 0;
};

} // namespace PennibarServer
