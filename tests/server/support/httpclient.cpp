#include "tests/server/support/httpclient.h"

#include <QEventLoop>
#include <QJsonDocument>
#include <QNetworkReply>
#include <QSslConfiguration>
#include <QTimer>

QJsonObject HttpClient::Reply::json() const
{
    return QJsonDocument::fromJson(body).object();
}

QByteArray HttpClient::Reply::header(const QByteArray& name) const
{
    for (const auto& [key, value] : headers) {
        if (key.compare(name, Qt::CaseInsensitive) == 0)
            return value;
    }
    return {};
}

QUrl HttpClient::url(const QString& path, const QUrlQuery& query) const
{
    // A query may also come with the path ("/accounts/x/members?server_id=y").
    QUrl url = m_base;
    url.setPath(m_base.path() + path.section(QLatin1Char('?'), 0, 0));
    if (!query.isEmpty())
        url.setQuery(query);
    else if (path.contains(QLatin1Char('?')))
        url.setQuery(path.section(QLatin1Char('?'), 1));
    return url;
}

HttpClient::Reply HttpClient::get(const QString& path, const QUrlQuery& query) const
{
    QList<QPair<QByteArray, QByteArray>> headers = {{"Content-Type", "application/json"}};
    if (!m_token.isEmpty())
        headers.append({"Authorization", "Bearer " + m_token.toUtf8()});
    return send("GET", url(path, query), {}, headers);
}

HttpClient::Reply HttpClient::post(const QString& path, const QJsonObject& body) const
{
    return raw("POST", path, QJsonDocument(body).toJson(QJsonDocument::Compact));
}

HttpClient::Reply HttpClient::postEmpty(const QString& path) const
{
    return raw("POST", path, {});
}

HttpClient::Reply HttpClient::patch(const QString& path, const QJsonObject& body) const
{
    return raw("PATCH", path, QJsonDocument(body).toJson(QJsonDocument::Compact));
}

HttpClient::Reply HttpClient::del(const QString& path) const
{
    return raw("DELETE", path, {});
}

HttpClient::Reply HttpClient::raw(const QByteArray& method, const QString& path,
                                  const QByteArray& body) const
{
    // The app sends these headers on every request, bodiless ones included.
    QList<QPair<QByteArray, QByteArray>> headers = {{"Content-Type", "application/json"},
                                                    {"Accept", "application/json"}};
    if (!m_token.isEmpty())
        headers.append({"Authorization", "Bearer " + m_token.toUtf8()});
    return send(method, url(path), body, headers);
}

HttpClient::Reply HttpClient::send(const QByteArray& method, const QUrl& url,
                                   const QByteArray& body,
                                   const QList<QPair<QByteArray, QByteArray>>& headers) const
{
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::ManualRedirectPolicy);
    for (const auto& [name, value] : headers)
        request.setRawHeader(name, value);
    if (!m_trusted.isEmpty()) {
        QSslConfiguration tls = QSslConfiguration::defaultConfiguration();
        tls.addCaCertificates(m_trusted);
        request.setSslConfiguration(tls);
    }
    // A HEAD sent as a custom verb would make the network layer wait for a body.
    QNetworkReply* reply = method == "HEAD" ? m_network->head(request)
                                            : m_network->sendCustomRequest(request, method, body);
    QEventLoop loop;
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    QTimer::singleShot(60000, &loop, &QEventLoop::quit);
    loop.exec();
    Reply result;
    result.status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    result.body = reply->readAll();
    result.headers = reply->rawHeaderPairs();
    if (reply->error() != QNetworkReply::NoError && result.status == 0)
        result.networkError = reply->errorString();
    reply->deleteLater();
    return result;
}
