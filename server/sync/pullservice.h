#pragma once

#include "server/sync/syncfeed.h"

#include <QJsonObject>

#include <optional>

namespace PennibarServer {

class ChangeSequence;

// Builds one pull page: the user's feed entries after the cursor, oldest change first, grouped
// into the five arrays. Rows that the page's rows refer to but that come later in the feed (an
// account renamed after its transactions were written, a parent category) are sent along, so a
// device can store every row of the page. The last page carries "integrity".
class PullService
{
public:
    static constexpr int kDefaultLimit = 200;
    static constexpr int kMaximumLimit = 1000;

    PullService(SyncFeed& feed, ChangeSequence& sequence, QString databaseId);

    enum class Outcome
    {
        Ok,
        BadCursor,
        Failed
    };
    Outcome pull(const QString& userId, const QString& cursor, int limit, QJsonObject* page);

private:
    std::optional<QList<SyncFeed::Entry>> referencedLater(const QString& userId,
                                                          const QList<SyncFeed::Entry>& entries,
                                                          const FeedPosition& end);

    SyncFeed& m_feed;
    ChangeSequence& m_sequence;
    QString m_databaseId;
};

} // namespace PennibarServer
