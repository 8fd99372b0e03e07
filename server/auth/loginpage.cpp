#include "server/auth/loginpage.h"

#include <QUrl>
#include <QUrlQuery>

namespace PennibarServer {

namespace {

QString escaped(const QString& text)
{
    return text.toHtmlEscaped();
}

QString field(const QString& label, const QString& type, const QString& name,
              const QString& autocomplete, const QString& value = QString(), bool required = true)
{
    return QStringLiteral("<label>%1<input type=\"%2\" name=\"%3\" autocomplete=\"%4\" "
                          "value=\"%5\"%6></label>\n")
        .arg(escaped(label), type, name, autocomplete, escaped(value),
             required ? QStringLiteral(" required") : QString());
}

QString hidden(const QString& name, const QString& value)
{
    return QStringLiteral("<input type=\"hidden\" name=\"%1\" value=\"%2\">\n")
        .arg(name, escaped(value));
}

const char kStyle[] =
    "body{font-family:system-ui,sans-serif;background:#f3f6f4;color:#1c2b25;margin:0}"
    "main{max-width:380px;margin:10vh auto;background:#fff;padding:32px;border-radius:12px;"
    "box-shadow:0 2px 12px rgba(0,0,0,.08)}"
    "h1{font-size:1.4em;margin:0 0 20px}"
    "label{display:block;margin:0 0 14px;font-size:.9em;color:#4a6358}"
    "input{display:block;width:100%;box-sizing:border-box;margin-top:4px;padding:9px;"
    "font-size:1em;border:1px solid #c8d3cd;border-radius:6px}"
    "button{width:100%;padding:10px;font-size:1em;background:#00897b;color:#fff;border:0;"
    "border-radius:6px;cursor:pointer}"
    ".message{background:#fdecea;color:#b71c1c;padding:10px;border-radius:6px}"
    "p.switch{text-align:center;font-size:.9em}";

} // namespace

QString LoginPage::page(const QString& title, const QString& content)
{
    return QStringLiteral("<!DOCTYPE html>\n<html lang=\"en\"><head><meta charset=\"utf-8\">"
                          "<meta name=\"viewport\" content=\"width=device-width, "
                          "initial-scale=1\"><title>%1</title><style>%2</style></head>\n"
                          "<body><main>\n<h1>%1</h1>\n%3</main></body></html>\n")
        .arg(escaped(title), QString::fromLatin1(kStyle), content);
}

QString LoginPage::form(const Form& form)
{
    QString content;
    if (!form.message.isEmpty())
        content += QStringLiteral("<p class=\"message\" role=\"alert\">%1</p>\n")
                       .arg(escaped(form.message));
    content += QStringLiteral("<form method=\"post\" action=\"login\">\n");
    content += hidden(QStringLiteral("client_id"), form.clientId);
    content += hidden(QStringLiteral("redirect_uri"), form.redirectUri);
    content += hidden(QStringLiteral("csrf"), form.csrf);
    content += hidden(QStringLiteral("mode"),
                      form.signUp ? QStringLiteral("signup") : QStringLiteral("signin"));
    content += field(tr("E-mail"), QStringLiteral("email"), QStringLiteral("email"),
                     QStringLiteral("username"), form.email);
    if (form.signUp) {
        content += field(tr("Your name"), QStringLiteral("text"), QStringLiteral("display_name"),
                         QStringLiteral("name"), form.displayName, false);
        content += field(tr("Password (at least 8 characters)"), QStringLiteral("password"),
                         QStringLiteral("password"), QStringLiteral("new-password"));
        content += field(tr("Repeat the password"), QStringLiteral("password"),
                         QStringLiteral("password_confirm"), QStringLiteral("new-password"));
    } else {
        content += field(tr("Password"), QStringLiteral("password"), QStringLiteral("password"),
                         QStringLiteral("current-password"));
    }
    content += QStringLiteral("<button type=\"submit\">%1</button>\n</form>\n")
                   .arg(escaped(form.signUp ? tr("Create account") : tr("Sign in")));
    if (form.signUpAllowed) {
        QUrlQuery query;
        query.addQueryItem(QStringLiteral("client_id"),
                           QString::fromLatin1(QUrl::toPercentEncoding(form.clientId)));
        query.addQueryItem(QStringLiteral("redirect_uri"),
                           QString::fromLatin1(QUrl::toPercentEncoding(form.redirectUri)));
        if (!form.signUp)
            query.addQueryItem(QStringLiteral("mode"), QStringLiteral("signup"));
        content += QStringLiteral("<p class=\"switch\"><a href=\"login?%1\">%2</a></p>\n")
                       .arg(escaped(query.toString(QUrl::FullyEncoded)),
                            escaped(form.signUp ? tr("I already have an account")
                                                : tr("Create an account")));
    }
    return page(form.signUp ? tr("Create your Pennibar account") : tr("Sign in to Pennibar"),
                content);
}

QString LoginPage::refusal(const QString& message)
{
    return page(
        tr("Sign-in is not possible"),
        QStringLiteral("<p class=\"message\" role=\"alert\">%1</p>\n").arg(escaped(message)));
}

} // namespace PennibarServer
