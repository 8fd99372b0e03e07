#include "server/auth/loginroutes.h"

#include "server/auth/clientregistry.h"
#include "server/auth/user.h"

#include <QUrlQuery>

#include <sodium.h>

namespace PennibarServer {

namespace {

const QByteArray kCookie = "pennibar_login";

QString newCsrfToken()
{
    QByteArray bytes(18, Qt::Uninitialized);
    randombytes_buf(bytes.data(), size_t(bytes.size()));
    return QString::fromLatin1(
        bytes.toBase64(QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals));
}

// A form post, application/x-www-form-urlencoded: "+" stands for a blank.
QUrlQuery formFields(const QByteArray& body)
{
    QByteArray text = body;
    text.replace('+', "%20");
    return QUrlQuery(QString::fromLatin1(text));
}

QString value(const QUrlQuery& fields, const QString& key)
{
    return fields.queryItemValue(key, QUrl::FullyDecoded);
}

} // namespace

LoginRoutes::LoginRoutes(AuthService& auth, const ClientRegistry& clients, Options options)
    : m_auth(auth), m_clients(clients), m_options(std::move(options))
{
}

void LoginRoutes::addTo(Router& router)
{
    const QString path = QStringLiteral("/%1/account/login").arg(m_options.realm);
    router.add("GET", path,
               [this](const HttpRequest& request, const QStringList&) { return show(request); });
    router.add("POST", path,
               [this](const HttpRequest& request, const QStringList&) { return submit(request); });
}

std::optional<HttpResponse> LoginRoutes::refuse(const QString& clientId,
                                                const QString& redirectUri) const
{
    QString message;
    if (!m_clients.isRegistered(clientId))
        message = tr("This sign-in link does not come from an application this server knows.");
    else if (!ClientRegistry::loopbackCallback(redirectUri))
        message = tr("This sign-in link would send your sign-in somewhere other than the "
                     "application on this computer.");
    if (message.isEmpty())
        return std::nullopt;
    return HttpResponse::html(400, LoginPage::refusal(message))
        .setHeader("Content-Security-Policy", "default-src 'none'; style-src 'unsafe-inline'")
        .setHeader("X-Frame-Options", "DENY");
}

HttpResponse LoginRoutes::formPage(int status, LoginPage::Form form) const
{
    form.csrf = newCsrfToken();
    form.signUpAllowed = m_options.signUpAllowed;
    form.signUp = form.signUp && m_options.signUpAllowed;
    HttpResponse response = HttpResponse::html(status, LoginPage::form(form));
    response.setHeader("Content-Security-Policy",
                       "default-src 'none'; style-src 'unsafe-inline'; form-action 'self' "
                       "http://localhost:* http://127.0.0.1:*; frame-ancestors 'none'; "
                       "base-uri 'none'");
    response.setHeader("X-Frame-Options", "DENY");
    response.setHeader("Referrer-Policy", "no-referrer");
    // No Path attribute: the browser scopes the cookie to the page's own directory, which is
    // right also when a proxy serves the server under a path prefix.
    response.setHeader("Set-Cookie", kCookie + '=' + form.csrf.toLatin1() +
                                         "; HttpOnly; SameSite=Strict" +
                                         (m_options.secureCookie ? "; Secure" : ""));
    return response;
}

HttpResponse LoginRoutes::show(const HttpRequest& request)
{
    LoginPage::Form form;
    form.clientId = request.query().queryItemValue(QStringLiteral("client_id"), QUrl::FullyDecoded);
    form.redirectUri =
        request.query().queryItemValue(QStringLiteral("redirect_uri"), QUrl::FullyDecoded);
    form.signUp = request.query().queryItemValue(QStringLiteral("mode")) == QLatin1String("signup");
    if (auto refusal = refuse(form.clientId, form.redirectUri))
        return *refusal;
    return formPage(200, form);
}

HttpResponse LoginRoutes::submit(const HttpRequest& request)
{
    const QUrlQuery fields = formFields(request.body());
    LoginPage::Form form;
    form.clientId = value(fields, QStringLiteral("client_id"));
    form.redirectUri = value(fields, QStringLiteral("redirect_uri"));
    form.email = value(fields, QStringLiteral("email")).trimmed();
    form.displayName = value(fields, QStringLiteral("display_name"));
    form.signUp = value(fields, QStringLiteral("mode")) == QLatin1String("signup");
    if (auto refusal = refuse(form.clientId, form.redirectUri))
        return *refusal;

    const QByteArray cookie = request.cookie(kCookie);
    const QByteArray posted = value(fields, QStringLiteral("csrf")).toLatin1();
    if (cookie.isEmpty() || cookie.size() != posted.size() ||
        sodium_memcmp(cookie.constData(), posted.constData(), size_t(cookie.size())) != 0) {
        form.message = tr("This sign-in page has expired. Please sign in again.");
        return formPage(400, form);
    }

    const QString password = value(fields, QStringLiteral("password"));
    const AuthService::Caller caller{request.userAgent(), request.clientAddress()};
    TokenPair tokens;
    qint64 retryAfter = 0;
    AuthService::Outcome outcome;
    if (form.signUp && m_options.signUpAllowed) {
        if (password != value(fields, QStringLiteral("password_confirm"))) {
            form.message = tr("The two passwords differ.");
            return formPage(400, form);
        }
        outcome =
            m_auth.signUp(form.email, form.displayName, password, caller, &tokens, &retryAfter);
    } else {
        outcome = m_auth.signIn(form.email, password, caller, &tokens, &retryAfter);
    }
    if (outcome != AuthService::Outcome::Ok)
        return failure(outcome, retryAfter, form);

    QUrl redirect = *ClientRegistry::loopbackCallback(form.redirectUri);
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("access_token"), tokens.accessToken);
    query.addQueryItem(QStringLiteral("refresh_token"), tokens.refreshToken);
    redirect.setQuery(query);
    HttpResponse response = HttpResponse::seeOther(redirect);
    response.setHeader("Referrer-Policy", "no-referrer");
    return response;
}

HttpResponse LoginRoutes::failure(AuthService::Outcome outcome, qint64 retryAfter,
                                  LoginPage::Form form) const
{
    int status = 500;
    switch (outcome) {
    case AuthService::Outcome::WrongCredentials:
        status = 401;
        form.message = tr("The e-mail address or the password is wrong.");
        break;
    case AuthService::Outcome::Disabled:
        status = 403;
        form.message = tr("This account is disabled. Ask the administrator of this server.");
        break;
    case AuthService::Outcome::Throttled:
        status = 429;
        form.message = tr("Too many attempts. Try again in %n minute(s).", nullptr,
                          int((retryAfter + 59) / 60));
        break;
    case AuthService::Outcome::EmailTaken:
        status = 409;
        form.message = tr("An account with this e-mail address exists already. Sign in instead.");
        break;
    case AuthService::Outcome::InvalidEmail:
        status = 400;
        form.message = tr("Enter a valid e-mail address.");
        break;
    case AuthService::Outcome::InvalidDisplayName:
        status = 400;
        form.message = tr("A name has at most %1 characters and no control characters.")
                           .arg(User::kMaximumDisplayNameLength);
        break;
    case AuthService::Outcome::WeakPassword:
        status = 400;
        form.message = tr("The password must have at least 8 characters.");
        break;
    case AuthService::Outcome::Ok:
    case AuthService::Outcome::Failed:
        form.message = tr("Something went wrong on the server. Please try again later.");
        break;
    }
    HttpResponse response = formPage(status, form);
    if (outcome == AuthService::Outcome::Throttled)
        response.setHeader("Retry-After", QByteArray::number(retryAfter));
    return response;
}

} // namespace PennibarServer
