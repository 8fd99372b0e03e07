#include "server/auth/loginroutes.h"

#include "server/auth/clientregistry.h"
#include "server/auth/pkce.h"
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

// The app's sign-in link as the page carries it, from the query of a GET or the fields of a POST.
LoginPage::Form linkOf(const QUrlQuery& fields)
{
    LoginPage::Form form;
    form.clientId = value(fields, QStringLiteral("client_id"));
    form.redirectUri = value(fields, QStringLiteral("redirect_uri"));
    form.state = value(fields, QStringLiteral("state"));
    form.codeChallenge = value(fields, QStringLiteral("code_challenge"));
    form.codeChallengeMethod = value(fields, QStringLiteral("code_challenge_method"));
    form.signUp = value(fields, QStringLiteral("mode")) == QLatin1String("signup");
    return form;
}

// An opaque value of the app's, 1 to 512 visible ASCII characters or blanks (RFC 6749's VSCHAR).
bool isState(const QString& state)
{
    return !state.isEmpty() && state.size() <= 512 &&
           std::all_of(state.cbegin(), state.cend(),
                       [](QChar c) { return c.unicode() >= 0x20 && c.unicode() <= 0x7e; });
}

SignInTexts textsFor(const HttpRequest& request)
{
    return SignInTexts(SignInTexts::languageFor(request.header("accept-language")));
}

// Every page says which language it chose, and that the choice follows Accept-Language.
HttpResponse pageResponse(int status, const QString& html, const SignInTexts& texts)
{
    HttpResponse response = HttpResponse::html(status, html);
    response.setHeader("Content-Language", texts.language().toLatin1());
    response.setHeader("Vary", "Accept-Language");
    response.setHeader("X-Frame-Options", "DENY");
    response.setHeader("Referrer-Policy", "no-referrer");
    return response;
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

std::optional<HttpResponse> LoginRoutes::refuse(const LoginPage::Form& form,
                                                const SignInTexts& texts) const
{
    using Text = SignInTexts::Text;
    std::optional<Text> reason;
    if (!m_clients.isRegistered(form.clientId))
        reason = Text::UnknownClient;
    else if (!ClientRegistry::loopbackCallback(form.redirectUri))
        reason = Text::ForeignRedirect;
    else if (!isState(form.state) || form.codeChallengeMethod != QLatin1String(Pkce::kMethod) ||
             !Pkce::isChallenge(form.codeChallenge))
        // An app from before codes and PKCE: it would wait for tokens that never come.
        reason = Text::OlderApp;
    if (!reason)
        return std::nullopt;
    return pageResponse(400, LoginPage::refusal(texts(*reason), texts), texts)
        .setHeader("Content-Security-Policy", "default-src 'none'; style-src 'unsafe-inline'");
}

HttpResponse LoginRoutes::formPage(int status, LoginPage::Form form, const SignInTexts& texts) const
{
    form.csrf = newCsrfToken();
    form.signUpAllowed = m_options.signUpAllowed;
    form.signUp = form.signUp && m_options.signUpAllowed;
    HttpResponse response = pageResponse(status, LoginPage::form(form, texts), texts);
    response.setHeader("Content-Security-Policy",
                       "default-src 'none'; style-src 'unsafe-inline'; form-action 'self' "
                       "http://localhost:* http://127.0.0.1:*; frame-ancestors 'none'; "
                       "base-uri 'none'");
    // No Path attribute: the browser scopes the cookie to the page's own directory, which is
    // right also when a proxy serves the server under a path prefix.
    response.setHeader("Set-Cookie", kCookie + '=' + form.csrf.toLatin1() +
                                         "; HttpOnly; SameSite=Strict" +
                                         (m_options.secureCookie ? "; Secure" : ""));
    return response;
}

HttpResponse LoginRoutes::show(const HttpRequest& request)
{
    const SignInTexts texts = textsFor(request);
    const LoginPage::Form form = linkOf(request.query());
    if (auto refusal = refuse(form, texts))
        return *refusal;
    return formPage(200, form, texts);
}

HttpResponse LoginRoutes::submit(const HttpRequest& request)
{
    const SignInTexts texts = textsFor(request);
    const QUrlQuery fields = formFields(request.body());
    LoginPage::Form form = linkOf(fields);
    form.email = value(fields, QStringLiteral("email")).trimmed();
    form.displayName = value(fields, QStringLiteral("display_name"));
    if (auto refusal = refuse(form, texts))
        return *refusal;

    const QByteArray cookie = request.cookie(kCookie);
    const QByteArray posted = value(fields, QStringLiteral("csrf")).toLatin1();
    if (cookie.isEmpty() || cookie.size() != posted.size() ||
        sodium_memcmp(cookie.constData(), posted.constData(), size_t(cookie.size())) != 0) {
        form.message = texts(SignInTexts::Text::PageExpired);
        return formPage(400, form, texts);
    }

    const QString password = value(fields, QStringLiteral("password"));
    const AuthService::Caller caller{request.userAgent(), request.clientAddress()};
    QString userId;
    qint64 retryAfter = 0;
    AuthService::Outcome outcome;
    if (form.signUp && m_options.signUpAllowed) {
        if (password != value(fields, QStringLiteral("password_confirm"))) {
            form.message = texts(SignInTexts::Text::PasswordsDiffer);
            return formPage(400, form, texts);
        }
        outcome =
            m_auth.signUp(form.email, form.displayName, password, caller, &userId, &retryAfter);
    } else {
        outcome = m_auth.signIn(form.email, password, caller, &userId, &retryAfter);
    }
    if (outcome != AuthService::Outcome::Ok)
        return failure(outcome, retryAfter, form, texts);
    return redirectWithCode(userId, form, caller, texts);
}

HttpResponse LoginRoutes::redirectWithCode(const QString& userId, const LoginPage::Form& form,
                                           const AuthService::Caller& caller,
                                           const SignInTexts& texts)
{
    const auto code =
        m_auth.issueCode(userId, {form.clientId, form.redirectUri, form.codeChallenge}, caller);
    if (!code)
        return failure(AuthService::Outcome::Failed, 0, form, texts);
    QUrl redirect = *ClientRegistry::loopbackCallback(form.redirectUri);
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("code"), *code);
    query.addQueryItem(QStringLiteral("state"),
                       QString::fromLatin1(QUrl::toPercentEncoding(form.state)));
    redirect.setQuery(query);
    HttpResponse response = HttpResponse::seeOther(redirect);
    response.setHeader("Referrer-Policy", "no-referrer");
    return response;
}

HttpResponse LoginRoutes::failure(AuthService::Outcome outcome, qint64 retryAfter,
                                  LoginPage::Form form, const SignInTexts& texts) const
{
    using Text = SignInTexts::Text;
    int status = 500;
    switch (outcome) {
    case AuthService::Outcome::WrongCredentials:
        status = 401;
        form.message = texts(Text::WrongCredentials);
        break;
    case AuthService::Outcome::Disabled:
        status = 403;
        form.message = texts(Text::Disabled);
        break;
    case AuthService::Outcome::Throttled:
        status = 429;
        form.message = texts.tooManyAttempts(retryAfter);
        break;
    case AuthService::Outcome::EmailTaken:
        status = 409;
        form.message = texts(Text::EmailTaken);
        break;
    case AuthService::Outcome::InvalidEmail:
        status = 400;
        form.message = texts(Text::InvalidEmail);
        break;
    case AuthService::Outcome::InvalidDisplayName:
        status = 400;
        form.message =
            texts(Text::InvalidDisplayName).arg(User::kMaximumDisplayNameLength);
        break;
    case AuthService::Outcome::WeakPassword:
        status = 400;
        form.message = texts(Text::WeakPassword);
        break;
    case AuthService::Outcome::Ok:
    case AuthService::Outcome::Failed:
        form.message = texts(Text::ServerFailure);
        break;
    }
    HttpResponse response = formPage(status, form, texts);
    if (outcome == AuthService::Outcome::Throttled)
        response.setHeader("Retry-After", QByteArray::number(retryAfter));
    return response;
}

} // namespace PennibarServer
