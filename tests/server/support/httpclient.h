#pragma once

#include <QByteArray>
#include <QJsonArray>
#include <QJsonObject>
#include <QList>
#include <QNetworkAccessManager>
#include <QPair>
#include <QSslCertificate>
#include <QUrl>
#include <QUrlQuery>

#include <memory>

// A blocking HTTP client for tests: each call runs the event loop (and with it an in-process
// server) until the reply is complete.
class HttpClient
{
public:
    struct Reply
    {
        int status = 0;
        QByteArray body;
        QList<QPair<QByteArray, QByteArray>> headers;
        QString networkError;

        QJsonObject json() const;
        QString error() const { return json().value(QStringLiteral("error")).toString(); }
        QByteArray header(const QByteArray& name) const;
    };

    explicit HttpClient(QUrl base)
        : m_base(std::move(base)), m_network(std::make_shared<QNetworkAccessManager>())
    {
    }

    void setBase(const QUrl& base) { m_base = base; }
    const QUrl& base() const { return m_base; }
    // Sent as "Authorization: Bearer ..." when not empty.
    void setToken(const QString& token) { m_token = token; }
    const QString& token() const { return m_token; }
    // Certificates trusted for https, besides the system's.
    void trust(const QList<QSslCertificate>& certificates) { m_trusted = certificates; }

    Reply get(const QString& path, const QUrlQuery& query = {}) const;
    Reply post(const QString& path, const QJsonObject& body) const;
    Reply postEmpty(const QString& path) const;
    Reply patch(const QString& path, const QJsonObject& body) const;
    Reply del(const QString& path) const;
    // A body sent as it stands, with the app's headers and token.
    Reply raw(const QByteArray& method, const QString& path, const QByteArray& body) const;
    // Any request, headers as given, no redirect followed.
    Reply send(const QByteArray& method, const QUrl& url, const QByteArray& body,
               const QList<QPair<QByteArray, QByteArray>>& headers) const;

    // The path may carry its own query after a "?", used when `query` is empty.
    QUrl url(const QString& path, const QUrlQuery& query = {}) const;

private:
    QUrl m_base;
    QString m_token;
    QList<QSslCertificate> m_trusted;
    std::shared_ptr<QNetworkAccessManager> m_network; // shared by copies
};
