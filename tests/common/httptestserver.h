#pragma once

#include <QByteArray>
#include <QHash>
#include <QJsonObject>
#include <QList>
#include <QObject>
#include <QPair>
#include <QString>
#include <QUrl>
#include <QUrlQuery>

#include <functional>

class QTcpServer;
class QTcpSocket;

// One request as the server received it.
struct HttpTestRequest
{
    QByteArray method;
    // Decoded path, without the query.
    QString path;
    QUrlQuery query;
    // Header names in lower case.
    QHash<QByteArray, QByteArray> headers;
    QByteArray body;

    bool hasHeader(const QByteArray& name) const { return headers.contains(name.toLower()); }
    QByteArray header(const QByteArray& name) const { return headers.value(name.toLower()); }
    // The body as a JSON object; empty when it is none.
    QJsonObject json() const;
};

// What the server does with a request: answer it, cut the connection, or say nothing at all.
struct HttpTestReply
{
    enum class Kind
    {
        Answer,
        // Closes the connection without a word: the client sees a transport failure.
        Drop,
        // Keeps the connection open and never answers: for time-outs.
        Silent,
    };

    Kind kind = Kind::Answer;
    int status = 200;
    QByteArray body;
    QList<QPair<QByteArray, QByteArray>> headers;

    static HttpTestReply json(int status, const QJsonObject& body = {});
    static HttpTestReply raw(int status, const QByteArray& body,
                             const QByteArray& contentType = "text/plain");
    static HttpTestReply redirect(const QUrl& location);
    static HttpTestReply dropped();
    static HttpTestReply silent();
};

// A scripted HTTP/1.1 server on 127.0.0.1 with an ephemeral port. Routes answer by method and
// path, from a queue of one-off replies first and then from a standing reply or handler;
// anything else gets a 404. Every request is recorded.
class HttpTestServer : public QObject
{
    Q_OBJECT

public:
    using Handler = std::function<HttpTestReply(const HttpTestRequest&)>;

    explicit HttpTestServer(QObject* parent = nullptr);

    bool listen();
    // Stops accepting connections: further requests fail as if the server were down.
    void close();
    quint16 port() const { return m_port; }
    // "http://127.0.0.1:<port>" followed by `path`.
    QUrl url(const QString& path = {}) const;

    void setReply(const QByteArray& method, const QString& path, const HttpTestReply& reply);
    void setHandler(const QByteArray& method, const QString& path, Handler handler);
    void queueReply(const QByteArray& method, const QString& path, const HttpTestReply& reply);

    QList<HttpTestRequest> requests() const { return m_requests; }
    QList<HttpTestRequest> requestsTo(const QByteArray& method, const QString& path) const;
    void clearRequests() { m_requests.clear(); }
    // Processes events until `count` requests have arrived in all, or the time is up.
    bool waitForRequests(qsizetype count, int timeoutMs = 5000);

signals:
    void requestReceived(const HttpTestRequest& request);

private:
    using RouteKey = QPair<QByteArray, QString>;

    void onNewConnection();
    void onReadyRead(QTcpSocket* socket);
    HttpTestReply replyFor(const HttpTestRequest& request);
    static void send(QTcpSocket* socket, const HttpTestReply& reply);

    QTcpServer* m_server;
    quint16 m_port = 0;
    QHash<QTcpSocket*, QByteArray> m_buffers;
    QHash<RouteKey, Handler> m_handlers;
    QHash<RouteKey, QList<HttpTestReply>> m_queued;
    QList<HttpTestRequest> m_requests;
};
