#include "server/http/httprequest.h"

namespace PennibarServer {

HttpRequest::HttpRequest(QByteArray method, QString path, QUrlQuery query, Headers headers,
                         QByteArray body, QString clientAddress)
    : m_method(std::move(method)), m_path(std::move(path)), m_query(std::move(query)),
      m_headers(std::move(headers)), m_body(std::move(body)),
      m_clientAddress(std::move(clientAddress))
{
}

QByteArray HttpRequest::header(const QByteArray& name) const
{
    for (const auto& [key, value] : m_headers) {
        if (key.compare(name, Qt::CaseInsensitive) == 0)
            return value;
    }
    return {};
}

QByteArray HttpRequest::cookie(const QByteArray& name) const
{
    for (const auto& [key, value] : m_headers) {
        if (key.compare("cookie", Qt::CaseInsensitive) != 0)
            continue;
        for (const QByteArray& part : value.split(';')) {
            const QByteArray pair = part.trimmed();
            const qsizetype equals = pair.indexOf('=');
            if (equals > 0 && pair.left(equals) == name)
                return pair.mid(equals + 1);
        }
    }
    return {};
}

} // namespace PennibarServer
