#pragma once

#include "server/http/httprequest.h"
#include "server/http/httpresponse.h"

#include <QCoreApplication>
#include <QJsonObject>

#include <optional>

namespace PennibarServer {

// Reading JSON request bodies. An empty body reads as an empty object (the app sends some
// requests without a body); anything else must be a JSON object.
class JsonBody
{
    Q_DECLARE_TR_FUNCTIONS(JsonBody)

public:
    static std::optional<QJsonObject> parse(const HttpRequest& request);
    static HttpResponse malformed();
    // The 400 answer for a key of the wrong type.
    static HttpResponse wrongType(const QString& key, const QString& expected);
    // A string member: its text, an empty string when absent, nothing when of another type.
    static std::optional<QString> optionalString(const QJsonObject& object, const QString& key);
};

} // namespace PennibarServer
