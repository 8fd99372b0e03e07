#pragma once

#include "server/sync/syncfeed.h"

#include <QJsonObject>

#include <optional>

namespace PennibarServer {

class ChangeSequence;
class SyncRowStore;

// Builds one pull page: the user's feed entries after the cursor, oldest change first, grouped
// into the five arrays. Rows that the page's rows refer to but that come later in the feed (an
// account renamed after its transactions were written, a parent category) are sent along, so a
// device can store every row of the page. The last page carries "integrity".
//
// The app keeps one row per type and client id. A user may see two rows of one type and client
// id all the same (their own account and one shared with them, left by a server that shared
// such accounts): each such record carries "ambiguous_client_id": true, and each row booked to
// an account whose client id is ambiguous so carries "account_server_id", the server id of its
// own account, so that the app keeps the rows apart. Categories are never ambiguous: one id is
// one category, whoever owns it.
class PullService
{
public:
    static constexpr int kDefaultLimit = 200;
    static constexpr int kMaximumLimit = 1000;

    PullService(SyncFeed& feed, SyncRowStore& rows, ChangeSequence& sequence, QString databaseId);

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
    // Marks the records whose client id, or whose account's, names more than one row the user
    // sees (see above). `records` and `rows` run in parallel.
    bool markAmbiguous(const QString& userId, const QList<const SyncRow*>& rows,
                       QList<QJsonObject>& records);

    SyncFeed& m_feed;
    SyncRowStore& m_rows;
    ChangeSequence& m_sequence;
    QString m_databaseId;
};

} // namespace PennibarServer
