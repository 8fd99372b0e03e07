#include "tests/sync/syncbench.h"

#include "tests/libs/account/testtokens.h"

#include "libs/account/client.h"

#include <QJsonArray>
#include <QSignalSpy>
#include <QTest>

SyncBench::SyncBench()
{
    account.signIn(TestTokens::expiringIn(3600), QStringLiteral("refresh-1"));
    engine = std::make_unique<SyncEngine>(account.client()->syncApi(), &accounts, &transactions,
                                          &categories, &recurring, &reconciliations, &splitLines,
                                          &preferences);
}

QJsonObject acceptedResults(const QJsonObject& pushBody)
{
    QJsonArray results;
    for (const QJsonValue& value : pushBody.value(QStringLiteral("changes")).toArray()) {
        const QJsonObject change = value.toObject();
        const QString id = change.value(QStringLiteral("entity_id")).toString();
        results.append(QJsonObject{
            {QStringLiteral("entity_type"), change.value(QStringLiteral("entity_type"))},
            {QStringLiteral("entity_id"), id},
            {QStringLiteral("status"), QStringLiteral("ok")},
            {QStringLiteral("server_id"), QStringLiteral("srv-") + id},
            {QStringLiteral("message"), QString()},
        });
    }
    return {{QStringLiteral("results"), results}};
}

void SyncBench::acceptAllPushes()
{
    account.server.setHandler("POST", pushPath(), [](const HttpTestRequest& request) {
        return HttpTestReply::json(200, acceptedResults(request.json()));
    });
}

void SyncBench::answerPulls(const QJsonObject& page)
{
    account.server.setReply("GET", pullPath(), HttpTestReply::json(200, page));
}

bool SyncBench::syncAndWait(int timeoutMs)
{
    QSignalSpy completed(engine.get(), &SyncEngine::syncCompleted);
    QSignalSpy failed(engine.get(), &SyncEngine::syncFailed);
    engine->sync();
    return QTest::qWaitFor([&] { return completed.count() + failed.count() > 0; }, timeoutMs);
}
