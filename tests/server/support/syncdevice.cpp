#include "tests/server/support/syncdevice.h"

namespace {

const QStringList kKeys = {QStringLiteral("accounts"), QStringLiteral("categories"),
                           QStringLiteral("recurring_transactions"), QStringLiteral("transactions"),
                           QStringLiteral("reconciliations")};

} // namespace

QJsonArray SyncDevice::push(const QJsonArray& changes, int* status)
{
    const auto reply =
        m_client.post(QStringLiteral("/sync/push"), {{QStringLiteral("changes"), changes}});
    if (status)
        *status = reply.status;
    return reply.json().value(QStringLiteral("results")).toArray();
}

SyncDevice::Pull SyncDevice::pullAll(int limit)
{
    Pull pull;
    for (;;) {
        QUrlQuery query;
        if (!m_cursor.isEmpty())
            query.addQueryItem(QStringLiteral("cursor"), m_cursor);
        query.addQueryItem(QStringLiteral("limit"), QString::number(limit));
        const auto reply = m_client.get(QStringLiteral("/sync/pull"), query);
        if (reply.status != 200 || pull.pages > 10000)
            return pull;
        ++pull.pages;
        pull.lastPage = reply.json();
        for (const QString& key : kKeys) {
            for (const QJsonValue& record : pull.lastPage.value(key).toArray())
                pull.records[key].append(record.toObject());
        }
        const QString cursor = pull.lastPage.value(QStringLiteral("cursor")).toString();
        if (!cursor.isEmpty())
            m_cursor = cursor;
        if (!pull.lastPage.value(QStringLiteral("has_more")).toBool()) {
            pull.ok = true;
            return pull;
        }
    }
}

QJsonObject SyncDevice::Pull::find(const QString& key, const QString& clientId) const
{
    QJsonObject found;
    for (const QJsonObject& record : records.value(key)) {
        if (record.value(QStringLiteral("client_id")).toString() == clientId)
            found = record;
    }
    return found;
}

QStringList SyncDevice::Pull::clientIds(const QString& key) const
{
    QStringList ids;
    for (const QJsonObject& record : records.value(key))
        ids.append(record.value(QStringLiteral("client_id")).toString());
    return ids;
}
