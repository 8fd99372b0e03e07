#pragma once

#include <QString>

namespace PennibarServer {

// A place in a user's feed: entries are ordered by change number, then by row id.
struct FeedPosition
{
    qint64 seq = 0;
    QString rowId;
};

} // namespace PennibarServer
