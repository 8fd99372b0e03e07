#include "server/auth/loginpage.h"

#include <QUrl>
#include <QUrlQuery>

namespace PennibarServer {

namespace {

QString escaped(const QString& text)
{
    return text.toHtmlEscaped();
}

// The field the user types in first has the focus: the address on a fresh form, the password
// when the form comes back with the address filled in.
enum class Focus
{
    None,
    Here
};

QString field(const QString& label, const QString& type, const QString& name,
              const QString& autocomplete, const QString& value, bool required, Focus focus)
{
    return QStringLiteral("<label>%1<input type=\"%2\" name=\"%3\" autocomplete=\"%4\" "
                          "value=\"%5\"%6%7></label>\n")
        .arg(escaped(label), type, name, autocomplete, escaped(value),
             required ? QStringLiteral(" required") : QString(),
             focus == Focus::Here ? QStringLiteral(" autofocus") : QString());
}

QString hidden(const QString& name, const QString& value)
{
    return QStringLiteral("<input type=\"hidden\" name=\"%1\" value=\"%2\">\n")
        .arg(name, escaped(value));
}

const char kStyle[] =
    ":root{color-scheme:light dark}"
    "body{font-family:system-ui,sans-serif;background:#f3f6f4;color:#1c2b25;margin:0}"
    "main{max-width:380px;margin:10vh auto;background:#fff;padding:32px;border-radius:12px;"
    "box-shadow:0 2px 12px rgba(0,0,0,.08)}"
    "h1{font-size:1.4em;margin:0 0 20px}"
    "label{display:block;margin:0 0 14px;font-size:.9em;color:#4a6358}"
    "input{display:block;width:100%;box-sizing:border-box;margin-top:4px;padding:9px;"
    "font-size:1em;color:inherit;background:#fff;border:1px solid #c8d3cd;border-radius:6px}"
    // The field that takes the keys is plain to see, whether focused by hand or on loading.
    "input:focus{outline:2px solid #00796b;outline-offset:1px;border-color:#00796b}"
    "button{width:100%;padding:10px;font-size:1em;background:#00796b;color:#fff;border:0;"
    "border-radius:6px;cursor:pointer}"
    "a{color:#00695c}"
    ".message{background:#fdecea;color:#b71c1c;padding:10px;border-radius:6px}"
    "p.switch{text-align:center;font-size:.9em}"
    // A phone held upright: the card takes the whole width.
    "@media (max-width:440px){main{margin:16px;padding:24px 20px}}"
    "@media (prefers-color-scheme:dark){"
    "body{background:#101714;color:#e2ebe6}"
    "main{background:#1b2521;box-shadow:0 2px 12px rgba(0,0,0,.5)}"
    "label{color:#a7bbb1}"
    "input{background:#101714;border-color:#41524a}"
    "input:focus{outline-color:#80cbc4;border-color:#80cbc4}"
    "button{background:#26a69a;color:#06201c}"
    "a{color:#80cbc4}"
    ".message{background:#4a1f1f;color:#ffcdd2}}";

} // namespace

QString LoginPage::page(const QString& title, const QString& content, const SignInTexts& texts)
{
    return QStringLiteral("<!DOCTYPE html>\n<html lang=\"%1\"><head><meta charset=\"utf-8\">"
                          "<meta name=\"viewport\" content=\"width=device-width, "
                          "initial-scale=1\"><title>%2</title><style>%3</style></head>\n"
                          "<body><main>\n<h1>%2</h1>\n%4</main></body></html>\n")
        .arg(texts.language(), escaped(title), QString::fromLatin1(kStyle), content);
}

QString LoginPage::form(const Form& form, const SignInTexts& texts)
{
    using Text = SignInTexts::Text;
    QString content;
    if (!form.message.isEmpty())
        content += QStringLiteral("<p class=\"message\" role=\"alert\">%1</p>\n")
                       .arg(escaped(form.message));
    content += QStringLiteral("<form method=\"post\" action=\"login\">\n");
    content += hidden(QStringLiteral("client_id"), form.clientId);
    content += hidden(QStringLiteral("redirect_uri"), form.redirectUri);
    content += hidden(QStringLiteral("state"), form.state);
    content += hidden(QStringLiteral("code_challenge"), form.codeChallenge);
    content += hidden(QStringLiteral("code_challenge_method"), form.codeChallengeMethod);
    content += hidden(QStringLiteral("csrf"), form.csrf);
    content += hidden(QStringLiteral("mode"),
                      form.signUp ? QStringLiteral("signup") : QStringLiteral("signin"));
    const Focus onAddress = form.email.isEmpty() ? Focus::Here : Focus::None;
    const Focus onPassword = form.email.isEmpty() ? Focus::None : Focus::Here;
    content += field(texts(Text::Email), QStringLiteral("email"), QStringLiteral("email"),
                     QStringLiteral("username"), form.email, true, onAddress);
    if (form.signUp) {
        content +=
            field(texts(Text::YourName), QStringLiteral("text"), QStringLiteral("display_name"),
                  QStringLiteral("name"), form.displayName, false, Focus::None);
        content +=
            field(texts(Text::NewPassword), QStringLiteral("password"), QStringLiteral("password"),
                  QStringLiteral("new-password"), QString(), true, onPassword);
        content += field(texts(Text::RepeatPassword), QStringLiteral("password"),
                         QStringLiteral("password_confirm"), QStringLiteral("new-password"),
                         QString(), true, Focus::None);
    } else {
        content +=
            field(texts(Text::Password), QStringLiteral("password"), QStringLiteral("password"),
                  QStringLiteral("current-password"), QString(), true, onPassword);
    }
    content += QStringLiteral("<button type=\"submit\">%1</button>\n</form>\n")
                   .arg(escaped(texts(form.signUp ? Text::SignUpButton : Text::SignInButton)));
    if (form.signUpAllowed) {
        QUrlQuery query;
        const auto add = [&query](const QString& key, const QString& value) {
            query.addQueryItem(key, QString::fromLatin1(QUrl::toPercentEncoding(value)));
        };
        add(QStringLiteral("client_id"), form.clientId);
        add(QStringLiteral("redirect_uri"), form.redirectUri);
        add(QStringLiteral("state"), form.state);
        add(QStringLiteral("code_challenge"), form.codeChallenge);
        add(QStringLiteral("code_challenge_method"), form.codeChallengeMethod);
        if (!form.signUp)
            query.addQueryItem(QStringLiteral("mode"), QStringLiteral("signup"));
        content +=
            QStringLiteral("<p class=\"switch\"><a href=\"login?%1\">%2</a></p>\n")
                .arg(escaped(query.toString(QUrl::FullyEncoded)),
                     escaped(texts(form.signUp ? Text::HaveAnAccount : Text::CreateAnAccount)));
    }
    return page(texts(form.signUp ? Text::SignUpTitle : Text::SignInTitle), content, texts);
}

QString LoginPage::refusal(const QString& message, const SignInTexts& texts)
{
    return page(
        texts(SignInTexts::Text::NotPossibleTitle),
        QStringLiteral("<p class=\"message\" role=\"alert\">%1</p>\n").arg(escaped(message)),
        texts);
}

} // namespace PennibarServer
