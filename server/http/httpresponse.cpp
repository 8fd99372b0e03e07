#include "server/http/httpresponse.h"

#include <QJsonDocument>

namespace PennibarServer {

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

HttpResponse& HttpResponse::setLogUser(const QString& userId)
{
    m_logUser = userId;
    return *this;
}

} // namespace PennibarServer
