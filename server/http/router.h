#pragma once

#include "server/http/httprequest.h"
#include "server/http/httpresponse.h"

#include <QCoreApplication>
#include <QList>
#include <QStringList>

#include <functional>

namespace PennibarServer {

// Maps method and path to a handler. A pattern is a path whose segments are literals, "{}" for one
// captured segment, or a final "*" that captures the rest of the path (one or more segments).
class Router
{
    Q_DECLARE_TR_FUNCTIONS(Router)

public:
    using Handler = std::function<HttpResponse(const HttpRequest&, const QStringList& captures)>;

    void add(const QByteArray& method, const QString& pattern, Handler handler);
    // The matching handler's response; 404 for an unknown path, 405 for a known path with
    // another method. HEAD is served by the GET handler.
    HttpResponse dispatch(const HttpRequest& request) const;

private:
    struct Route
    {
        QByteArray method;
        QStringList segments;
        Handler handler;
    };

    static bool matches(const Route& route, const QStringList& segments, QStringList* captures);

    QList<Route> m_routes;
};

} // namespace PennibarServer
