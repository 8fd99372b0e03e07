#include "server/http/jsonbody.h"

#include <QJsonDocument>

namespace PennibarServer {

std::optional<QJsonObject> JsonBody::parse(const HttpRequest& request)
{
    if (request.body().trimmed().isEmpty())
        return QJsonObject();
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(request.body(), &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return std::nullopt;
    return document.object();
}

HttpResponse JsonBody::malformed()
{
    return HttpResponse::error(400, tr("The request body is not a JSON object."));
}

HttpResponse JsonBody::wrongType(const QString& key, const QString& expected)
{
    return HttpResponse::error(400, tr("\"%1\" must be %2.").arg(key, expected));
}

std::optional<QString> JsonBody::optionalString(const QJsonObject& object, const QString& key)
{
    const QJsonValue value = object.value(key);
    if (value.isUndefined() || value.isNull())
        return QString();
    if (!value.isString())
        return std::nullopt;
    return value.toString();
}

} // namespace PennibarServer
