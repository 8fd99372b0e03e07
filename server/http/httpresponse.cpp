#include "server/http/httpresponse.h"

#include <QDateTime>
#include <QJsonDocument>
#include <QLocale>

namespace PennibarServer {

namespace {

QByteArray reasonPhrase(int status)
{
    switch (status) {
    case 100:
        return "Continue";
    case 200:
        return "OK";
    case 204:
        return "No Content";
    case 303:
        return "See Other";
    case 400:
        return "Bad Request";
    case 401:
        return "Unauthorized";
    case 403:
        return "Forbidden";
    case 404:
        return "Not Found";
    case 405:
        return "Method Not Allowed";
    case 408:
        return "Request Timeout";
    case 409:
        return "Conflict";
    case 413:
        return "Content Too Large";
    case 429:
        return "Too Many Requests";
    case 431:
        return "Request Header Fields Too Large";
    case 500:
        return "Internal Server Error";
    case 501:
        return "Not Implemented";
    case 503:
        return "Service Unavailable";
    case 505:
        return "HTTP Version Not Supported";
    default:
        return {}; // the reason phrase may be empty
    }
}

} // namespace

HttpResponse::HttpResponse(int status, QByteArray contentType, QByteArray body)
    : m_status(status), m_body(std::move(body))
{
    if (!contentType.isEmpty())
        setHeader("Content-Type", contentType);
}

HttpResponse HttpResponse::json(int status, const QJsonObject& object)
{
    HttpResponse response(status, "application/json",
                          QJsonDocument(object).toJson(QJsonDocument::Compact));
    response.setHeader("Cache-Control", "no-store");
    return response;
}

HttpResponse HttpResponse::error(int status, const QString& message)
{
    return json(status, QJsonObject{{QStringLiteral("error"), message}});
}

HttpResponse HttpResponse::serverError()
{
    return error(500, tr("The server could not do that just now. Please try again later."));
}

HttpResponse HttpResponse::html(int status, const QString& page)
{
    HttpResponse response(status, "text/html; charset=utf-8", page.toUtf8());
    response.setHeader("Cache-Control", "no-store");
    return response;
}

HttpResponse HttpResponse::noContent()
{
    return HttpResponse(204, {}, {});
}

HttpResponse HttpResponse::file(const QString& path, const QByteArray& contentType,
                                const QByteArray& cacheControl)
{
    HttpResponse response(200, contentType, {});
    response.m_filePath = path;
    response.setHeader("Cache-Control", cacheControl);
    return response;
}

HttpResponse HttpResponse::seeOther(const QUrl& location)
{
    HttpResponse response(303, {}, {});
    response.setHeader("Location", location.toEncoded());
    response.setHeader("Cache-Control", "no-store");
    return response;
}

QByteArray HttpResponse::header(const QByteArray& name) const
{
    for (const auto& [key, value] : m_headers) {
        if (key.compare(name, Qt::CaseInsensitive) == 0)
            return value;
    }
    return {};
}

HttpResponse& HttpResponse::setHeader(const QByteArray& name, const QByteArray& value)
{
    for (auto& header : m_headers) {
        if (header.first.compare(name, Qt::CaseInsensitive) == 0) {
            header.second = value;
            return *this;
        }
    }
    m_headers.append({name, value});
    return *this;
}

QByteArray HttpResponse::wireHead(qint64 contentLength, bool closesConnection) const
{
    QByteArray head =
        "HTTP/1.1 " + QByteArray::number(m_status) + ' ' + reasonPhrase(m_status) + "\r\n";
    for (const auto& [name, value] : m_headers) {
        // A line break in a value would start a header or a body of its own.
        if (value.contains('\r') || value.contains('\n')) {
            qWarning("Header %s left out of a response: its value breaks the line",
                     name.constData());
            continue;
        }
        head += name + ": " + value + "\r\n";
    }
    head += "X-Content-Type-Options: nosniff\r\nDate: " +
            QLocale::c()
                .toString(QDateTime::currentDateTimeUtc(), u"ddd, dd MMM yyyy hh:mm:ss 'GMT'")
                .toLatin1() +
            "\r\n";
    // A 204 has no body, and says nothing of one (RFC 9110 8.6).
    if (m_status != 204)
        head += "Content-Length: " + QByteArray::number(contentLength) + "\r\n";
    if (closesConnection)
        head += "Connection: close\r\n";
    return head + "\r\n";
}

HttpResponse& HttpResponse::setLogUser(const QString& userId)
{
    m_logUser = userId;
    return *this;
}

} // namespace PennibarServer
