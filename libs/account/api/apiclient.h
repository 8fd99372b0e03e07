#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QObject>
#include <QString>
#include <QUrl>
#include <QUrlQuery>

#include <functional>

class QNetworkAccessManager;
class QNetworkReply;

namespace TovAccount {

class TokenManager;

// ok is true exactly for a 2xx status; status is 0 when no HTTP reply arrived; body is the
// reply's JSON object, or an empty one.
using ResponseCallback = std::function<void(bool ok, int status, const QJsonObject& body)>;

// JSON over HTTPS to one service: builds the URL and headers, attaches the bearer token,
// refreshes it first when it is about to expire, retries once after a 401, and reports every
// outcome exactly once through the callback.
class ApiClient : public QObject
{
    Q_OBJECT

public:
    explicit ApiClient(TokenManager* tokens, QObject* parent = nullptr);

    void setBaseUrl(const QUrl& baseUrl);
    QUrl baseUrl() const { return m_baseUrl; }
    void setAppInfo(const QString& appId, const QString& appVersion, const QString& platform);
    // How long a request may go without any data before it counts as failed.
    void setTransferTimeout(int milliseconds);

    void get(const QString& path, ResponseCallback callback, const QUrlQuery& query = {});
    void post(const QString& path, const QJsonObject& body, ResponseCallback callback);
    // Without the bearer token and without the retry after a 401.
    void postPublic(const QString& path, const QJsonObject& body, ResponseCallback callback);
    void patch(const QString& path, const QJsonObject& body, ResponseCallback callback);
    void del(const QString& path, ResponseCallback callback);

    void sendRequest(const QByteArray& method, const QString& path, const QJsonObject& body,
                     ResponseCallback callback, const QUrlQuery& query, bool authenticated);

signals:
    // The refresh token was refused: the user has to sign in again.
    void authenticationRequired();
    void networkError(const QString& message);

private:
    void executeRequest(const QByteArray& method, const QUrl& url, const QByteArray& body,
                        const QString& token, ResponseCallback callback, bool allowRetry);
    void onReplyFinished(QNetworkReply* reply, const QByteArray& method, const QUrl& url,
                         const QByteArray& body, const ResponseCallback& callback, bool allowRetry);
    QUrl urlFor(const QString& path, const QUrlQuery& query) const;

    QNetworkAccessManager* m_network;
    TokenManager* m_tokens;
    QUrl m_baseUrl;
    QString m_appId;
    QString m_appVersion;
    QString m_platform;
};

} // namespace TovAccount
