#include "libs/account/api/apiclient.h"

#include "libs/account/accountlog.h"
#include "libs/account/tokens/tokenmanager.h"

#include <QJsonDocument>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPointer>

namespace TovAccount {

namespace {

// A server that accepts the connection and then says nothing must not hold the caller, nor the
// token refresh everyone else waits for, for ever.
constexpr int DefaultTransferTimeoutMs = 30000;

void respond(const ResponseCallback& callback, bool ok, int status, const QJsonObject& body)
{
    if (callback)
        callback(ok, status, body);
}

QJsonObject jsonObjectOf(const QByteArray& data)
{
    if (data.isEmpty())
        return {};
    const QJsonDocument document = QJsonDocument::fromJson(data);
    return document.isObject() ? document.object() : QJsonObject();
}

} // namespace

ApiClient::ApiClient(TokenManager* tokens, QObject* parent)
    : QObject(parent), m_network(new QNetworkAccessManager(this)), m_tokens(tokens)
{
    m_network->setTransferTimeout(DefaultTransferTimeoutMs);
    // The bearer token must not follow a redirect to another host.
    m_network->setRedirectPolicy(QNetworkRequest::SameOriginRedirectPolicy);
}

void ApiClient::setBaseUrl(const QUrl& baseUrl)
{
    m_baseUrl = baseUrl;
}

void ApiClient::setAppInfo(const QString& appId, const QString& appVersion, const QString& platform)
{
    m_appId = appId;
    m_appVersion = appVersion;
    m_platform = platform;
}

void ApiClient::setTransferTimeout(int milliseconds)
{
    m_network->setTransferTimeout(milliseconds);
}

void ApiClient::get(const QString& path, ResponseCallback callback, const QUrlQuery& query)
{
    sendRequest("GET", path, {}, std::move(callback), query, true);
}

void ApiClient::post(const QString& path, const QJsonObject& body, ResponseCallback callback)
{
    sendRequest("POST", path, body, std::move(callback), {}, true);
}

void ApiClient::postPublic(const QString& path, const QJsonObject& body, ResponseCallback callback)
{
    sendRequest("POST", path, body, std::move(callback), {}, false);
}

void ApiClient::patch(const QString& path, const QJsonObject& body, ResponseCallback callback)
{
    sendRequest("PATCH", path, body, std::move(callback), {}, true);
}

void ApiClient::del(const QString& path, ResponseCallback callback)
{
    sendRequest("DELETE", path, {}, std::move(callback), {}, true);
}

void ApiClient::sendRequest(const QByteArray& method, const QString& path, const QJsonObject& body,
                            ResponseCallback callback, const QUrlQuery& query, bool authenticated)
{
    const QUrl url = urlFor(path, query);
    const QByteArray payload =
        body.isEmpty() ? QByteArray() : QJsonDocument(body).toJson(QJsonDocument::Compact);

    if (!authenticated) {
        executeRequest(method, url, payload, QString(), std::move(callback), false);
        return;
    }
    if (!m_tokens->needsRefresh()) {
        executeRequest(method, url, payload, m_tokens->accessToken(), std::move(callback), true);
        return;
    }

    qCDebug(lcAccount).noquote() << "ApiClient: token needs refresh before" << method << url.path();
    const QPointer<ApiClient> self(this);
    m_tokens->refresh([this, self, method, url, payload, callback](RefreshResult result) {
        if (!self)
            return;
        if (result == RefreshResult::Success) {
            executeRequest(method, url, payload, m_tokens->accessToken(), callback, true);
            return;
        }
        const bool rejected = result == RefreshResult::Rejected;
        qCWarning(lcAccount).noquote()
            << "ApiClient: token refresh" << (rejected ? "rejected" : "failed (transient)") << "for"
            << method << url.path();
        if (rejected)
            emit authenticationRequired();
        respond(callback, false, rejected ? 401 : 0, {});
    });
}

void ApiClient::executeRequest(const QByteArray& method, const QUrl& url, const QByteArray& body,
                               const QString& token, ResponseCallback callback, bool allowRetry)
{
    QNetworkRequest request(url);
    request.setHeader(QNetworkRequest::ContentTypeHeader, QByteArrayLiteral("application/json"));
    request.setRawHeader("Accept", "application/json");
    if (!m_appId.isEmpty())
        request.setRawHeader("X-App-Id", m_appId.toUtf8());
    if (!m_appVersion.isEmpty())
        request.setRawHeader("X-App-Version", m_appVersion.toUtf8());
    if (!m_platform.isEmpty())
        request.setRawHeader("X-Platform", m_platform.toUtf8());
    if (!token.isEmpty())
        request.setRawHeader("Authorization", "Bearer " + token.toUtf8());

    QNetworkReply* reply = nullptr;
    if (method == "GET")
        reply = m_network->get(request);
    else if (method == "POST")
        reply = m_network->post(request, body);
    else if (method == "PATCH")
        reply = m_network->sendCustomRequest(request, method, body);
    else if (method == "DELETE")
        reply = m_network->deleteResource(request);
    if (!reply) {
        qCWarning(lcAccount).noquote() << "ApiClient: cannot send" << method << url.path();
        respond(callback, false, 0, {});
        return;
    }
    connect(reply, &QNetworkReply::finished, this,
            [this, reply, method, url, body, callback = std::move(callback), allowRetry] {
                onReplyFinished(reply, method, url, body, callback, allowRetry);
            });
}

void ApiClient::onReplyFinished(QNetworkReply* reply, const QByteArray& method, const QUrl& url,
                                const QByteArray& body, const ResponseCallback& callback,
                                bool allowRetry)
{
    reply->deleteLater();
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    // An aborted reply (time-out) is closed and has nothing to read.
    const QJsonObject json = jsonObjectOf(reply->isOpen() ? reply->readAll() : QByteArray());

    if (status == 401 && allowRetry) {
        const QPointer<ApiClient> self(this);
        m_tokens->refresh([this, self, method, url, body, callback](RefreshResult result) {
            if (!self)
                return;
            switch (result) {
            case RefreshResult::Success:
                executeRequest(method, url, body, m_tokens->accessToken(), callback, false);
                break;
            case RefreshResult::Rejected:
                emit authenticationRequired();
                respond(callback, false, 401, {});
                break;
            case RefreshResult::TransientFailure:
                respond(callback, false, 0, {});
                break;
            }
        });
        return;
    }

    // A success status whose body broke off (the connection closed half-way) is no answer
    // either: its truncated body would pass for an empty one.
    const bool success = status >= 200 && status <= 299;
    if (reply->error() != QNetworkReply::NoError && (status == 0 || success)) {
        const QString message = reply->errorString();
        qCWarning(lcAccount).noquote()
            << "ApiClient:" << method << url.path() << "got no reply:" << message;
        emit networkError(message);
        respond(callback, false, 0, {});
        return;
    }

    if (!success)
        qCWarning(lcAccount).noquote()
            << "ApiClient:" << method << url.path() << "answered" << status;
    respond(callback, success, status, json);
}

QUrl ApiClient::urlFor(const QString& path, const QUrlQuery& query) const
{
    QUrl url = m_baseUrl;
    url.setPath(m_baseUrl.path(QUrl::FullyDecoded) + path, QUrl::DecodedMode);
    if (!query.isEmpty())
        url.setQuery(query);
    return url;
}

} // namespace TovAccount
