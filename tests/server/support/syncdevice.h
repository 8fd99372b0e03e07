#pragma once

#include "tests/server/support/httpclient.h"

#include <QHash>
#include <QJsonArray>
#include <QJsonObject>

// One signed-in device of the app, as the sync engine uses the server: pushes in batches and
// pulls page by page from its own stored cursor.
class SyncDevice
{
public:
    explicit SyncDevice(HttpClient client) : m_client(std::move(client)) {}

    HttpClient& http() { return m_client; }
    const HttpClient& http() const { return m_client; }
    // POST /sync/push; the reply's "results".
    QJsonArray push(const QJsonArray& changes, int* status = nullptr);
    QJsonObject pushOne(const QJsonObject& change) { return push({change}).first().toObject(); }

    struct Pull
    {
        bool ok = false;
        int pages = 0;
        // Every record received, per array key, in the order received.
        QHash<QString, QList<QJsonObject>> records;
        QJsonObject lastPage;

        // The last record received of that key and client id (empty when none).
        QJsonObject find(const QString& key, const QString& clientId) const;
        QStringList clientIds(const QString& key) const;
    };
    // Pulls from the stored cursor until "has_more" is false, storing each page's cursor.
    Pull pullAll(int limit = 200);
    const QString& cursor() const { return m_cursor; }
    void resetCursor() { m_cursor.clear(); }

private:
    HttpClient m_client;
    QString m_cursor;
};
