#pragma once

#include "libs/account/api/apiclient.h"
#include "libs/account/records/jsonfields.h"

#include <QList>

#include <functional>

// Response callbacks that turn a reply into what the caller asked for: the record on success
// and an empty one otherwise, so the caller is always called back (when it gave a callback).
namespace TovAccount::Replies {

inline ResponseCallback flag(std::function<void(bool)> callback)
{
    return [callback = std::move(callback)](bool ok, int, const QJsonObject&) {
        if (callback)
            callback(ok);
    };
}

template <typename Record> ResponseCallback record(std::function<void(const Record&)> callback)
{
    return [callback = std::move(callback)](bool ok, int, const QJsonObject& body) {
        if (callback)
            callback(ok ? Record::fromJson(body) : Record());
    };
}

// The records of the array under `key`.
template <typename Record>
ResponseCallback list(const char* key, std::function<void(const QList<Record>&)> callback)
{
    return [key, callback = std::move(callback)](bool ok, int, const QJsonObject& body) {
        if (callback)
            callback(ok ? JsonFields::list<Record>(body, key) : QList<Record>());
    };
}

} // namespace TovAccount::Replies
