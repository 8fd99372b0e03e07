#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>
#include <QUrlQuery>

namespace PennibarServer {

// One request as the handlers see it: a plain value copied out of Qt's request object.
class HttpRequest
{
public:
    using Headers = QList<QPair<QByteArray, QByteArray>>;

    HttpRequest(QByteArray method, QString path, QUrlQuery query, Headers headers, QByteArray body,
                QString clientAddress);

    const QByteArray& method() const { return m_method; }
    // The decoded path, always starting with "/".
    const QString& path() const { return m_path; }
    const QUrlQuery& query() const { return m_query; }
    const QByteArray& body() const { return m_body; }
    // The peer's address, or the forwarding proxy's report of it when the server trusts it.
    const QString& clientAddress() const { return m_clientAddress; }
    // The first header of that name, compared without regard to case; empty when absent.
    QByteArray header(const QByteArray& name) const;
    QString userAgent() const { return QString::fromUtf8(header("user-agent")); }
    // A cookie sent in the Cookie header, or empty.
    QByteArray cookie(const QByteArray& name) const;

private:
    QByteArray m_method;
    QString m_path;
    QUrlQuery m_query;
    Headers m_headers;
    QByteArray m_body;
    QString m_clientAddress;
};

} // namespace PennibarServer
