#pragma once

#include "server/sync/feedposition.h"

#include <QString>

#include <optional>

namespace PennibarServer {

// The opaque pull cursor: a place in the user's feed, tagged with the database it belongs to so
// a cursor from another server (or a database set up anew) starts the pull over instead of
// silently skipping rows.
class SyncCursor
{
public:
    static QString encode(const QString& databaseId, const FeedPosition& position);
    // The database id and the position, or nothing when the text is no cursor of this server.
    static std::optional<std::pair<QString, FeedPosition>> decode(const QString& text);
};

} // namespace PennibarServer
