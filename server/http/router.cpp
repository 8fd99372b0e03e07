#include "server/http/router.h"

namespace PennibarServer {

void Router::add(const QByteArray& method, const QString& pattern, Handler handler)
{
    m_routes.append({method, pattern.split(QLatin1Char('/')).mid(1), std::move(handler)});
}

HttpResponse Router::dispatch(const HttpRequest& request) const
{
    const QStringList segments = request.path().split(QLatin1Char('/')).mid(1);
    const QByteArray method = request.method() == "HEAD" ? QByteArray("GET") : request.method();
    QList<QByteArray> allowed;
    for (const Route& route : m_routes) {
        QStringList captures;
        if (!matches(route, segments, &captures))
            continue;
        if (route.method == method)
            return route.handler(request, captures);
        allowed.append(route.method);
    }
    if (allowed.isEmpty())
        return HttpResponse::error(404, tr("Not found."));
    HttpResponse response = HttpResponse::error(405, tr("Method not allowed."));
    response.setHeader("Allow", allowed.join(", "));
    return response;
}

bool Router::matches(const Route& route, const QStringList& segments, QStringList* captures)
{
    const bool hasTail = !route.segments.isEmpty() && route.segments.last() == QLatin1String("*");
    const qsizetype fixed = hasTail ? route.segments.size() - 1 : route.segments.size();
    if (hasTail ? segments.size() <= fixed : segments.size() != fixed)
        return false;
    for (qsizetype i = 0; i < fixed; ++i) {
        const QString& expected = route.segments.at(i);
        if (expected == QLatin1String("{}")) {
            if (segments.at(i).isEmpty())
                return false;
            captures->append(segments.at(i));
        } else if (expected != segments.at(i)) {
            return false;
        }
    }
    if (hasTail)
        captures->append(segments.mid(fixed).join(QLatin1Char('/')));
    return true;
}

} // namespace PennibarServer
