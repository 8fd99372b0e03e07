#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QJsonObject>
#include <QList>
#include <QPair>
#include <QString>
#include <QUrl>

namespace PennibarServer {

// What a handler answers: status, headers and body, plus the user the access log names.
class HttpResponse
{
    Q_DECLARE_TR_FUNCTIONS(HttpResponse)

public:
    using Headers = QList<QPair<QByteArray, QByteArray>>;

    HttpResponse() = default;
    HttpResponse(int status, QByteArray contentType, QByteArray body);

    static HttpResponse json(int status, const QJsonObject& object);
    static HttpResponse ok(const QJsonObject& object) { return json(200, object); }
    // The error shape of every failed API call: {"error": message}.
    static HttpResponse error(int status, const QString& message);
    // 500 for a failure inside the server (the database, mostly); the log has the details.
    static HttpResponse serverError();
    static HttpResponse html(int status, const QString& page);
    static HttpResponse noContent();
    // A file sent as it is read from disk, so a large one is never held in memory whole.
    static HttpResponse file(const QString& path, const QByteArray& contentType,
                             const QByteArray& cacheControl);
    // 303 See Other, so a browser follows a form post with a GET.
    static HttpResponse seeOther(const QUrl& location);

    int status() const { return m_status; }
    const QByteArray& body() const { return m_body; }
    // The file to send instead of the body; empty for a body response.
    const QString& filePath() const { return m_filePath; }
    const Headers& headers() const { return m_headers; }
    QByteArray header(const QByteArray& name) const;
    HttpResponse& setHeader(const QByteArray& name, const QByteArray& value);

    // The status line and header fields as they are sent, for a body of `contentLength` bytes,
    // with what every response carries: "X-Content-Type-Options: nosniff", Date and the length;
    // "Connection: close" when the connection ends after this response.
    QByteArray wireHead(qint64 contentLength, bool closesConnection) const;

    const QString& logUser() const { return m_logUser; }
    HttpResponse& setLogUser(const QString& userId);

private:
    int m_status = 200;
    Headers m_headers;
    QByteArray m_body;
    QString m_filePath;
    QString m_logUser;
};

} // namespace PennibarServer
