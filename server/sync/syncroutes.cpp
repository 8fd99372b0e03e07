#include "server/sync/syncroutes.h"

#include "server/auth/authenticator.h"
#include "server/http/jsonbody.h"
#include "server/sync/pullservice.h"
#include "server/sync/pushservice.h"

#include <QJsonArray>

namespace PennibarServer {

SyncRoutes::SyncRoutes(PushService& push, PullService& pull, Authenticator& authenticator)
    : m_push(push), m_pull(pull), m_authenticator(authenticator)
{
}

void SyncRoutes::addTo(Router& router)
{
    router.add("POST", QStringLiteral("/sync/push"),
               m_authenticator.guard([this](const HttpRequest& request, const AuthContext& caller,
                                            const QStringList&) { return push(request, caller); }));
    router.add("GET", QStringLiteral("/sync/pull"),
               m_authenticator.guard([this](const HttpRequest& request, const AuthContext& caller,
                                            const QStringList&) { return pull(request, caller); }));
}

HttpResponse SyncRoutes::push(const HttpRequest& request, const AuthContext& caller)
{
    const auto body = JsonBody::parse(request);
    if (!body)
        return JsonBody::malformed();
    const QJsonValue changes = body->value(QStringLiteral("changes"));
    if (!changes.isArray())
        return JsonBody::wrongType(QStringLiteral("changes"), tr("an array"));
    const QJsonArray list = changes.toArray();
    if (list.size() > PushService::kMaximumChanges)
        return HttpResponse::error(
            400, tr("A push holds at most %1 changes.").arg(PushService::kMaximumChanges));
    for (const QJsonValue& change : list) {
        if (!change.isObject())
            return JsonBody::wrongType(QStringLiteral("changes"), tr("an array of objects"));
    }
    const auto results = m_push.push(caller.userId, list);
    if (!results)
        return HttpResponse::error(500, tr("The changes could not be stored; nothing was kept."));
    if (m_synced)
        m_synced(caller);
    return HttpResponse::ok({{QStringLiteral("results"), *results}});
}

HttpResponse SyncRoutes::pull(const HttpRequest& request, const AuthContext& caller)
{
    int limit = PullService::kDefaultLimit;
    if (request.query().hasQueryItem(QStringLiteral("limit"))) {
        bool ok = false;
        limit = request.query().queryItemValue(QStringLiteral("limit")).toInt(&ok);
        if (!ok || limit < 1)
            return HttpResponse::error(400, tr("\"limit\" must be a whole number above 0."));
        limit = qMin(limit, PullService::kMaximumLimit);
    }
    const QString cursor =
        request.query().queryItemValue(QStringLiteral("cursor"), QUrl::FullyDecoded);
    QJsonObject page;
    switch (m_pull.pull(caller.userId, cursor, limit, &page)) {
    case PullService::Outcome::Ok:
        if (m_synced)
            m_synced(caller);
        return HttpResponse::ok(page);
    case PullService::Outcome::BadCursor:
        return HttpResponse::error(400, tr("The cursor is not one this server gave out."));
    case PullService::Outcome::Failed:
        break;
    }
    return HttpResponse::error(500, tr("The changes could not be read just now."));
}

} // namespace PennibarServer
