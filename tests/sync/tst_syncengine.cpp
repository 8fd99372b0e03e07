#include "sync/syncengine.h"

#include "tests/common/testrecords.h"
#include "tests/sync/syncbench.h"

#include "data/syncconflictrepository.h"
#include "data/syncwireidrepository.h"
#include "data/unitofwork.h"

#include "libs/account/client.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QLocale>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTest>

Q_DECLARE_METATYPE(HttpTestReply)

namespace {

const QDate Day(2026, 3, 14);

QJsonObject emptyPage(const QString& cursor = QStringLiteral("c-1"))
{
    return {{"cursor", cursor}, {"has_more", false}};
}

QJsonArray changesOf(const HttpTestRequest& request)
{
    return request.json().value("changes").toArray();
}

} // namespace

// One cycle against a scripted server: what is pushed in which batches, what is marked synced,
// how pulls follow the cursor, and how failures end the cycle.
class TestSyncEngine : public QObject
{
    Q_OBJECT

private:
    void addAccount(SyncBench& bench, const QString& id = QStringLiteral("a-1"))
    {
        QVERIFY(bench.accounts.insert(testAccount(id, "Checking " + id)));
    }
    // `count` pending transactions in one account, in one commit.
    void addTransactions(SyncBench& bench, int count)
    {
        addAccount(bench);
        UnitOfWork unit(bench.db.database());
        for (int i = 0; i < count; ++i)
            QVERIFY(bench.transactions.insert(
                testTransaction(QStringLiteral("t-%1").arg(i, 5, 10, QLatin1Char('0')), "a-1", Day,
                                "Payee", -100 - i)));
        QVERIFY(unit.commit());
    }
    int pendingRows(SyncBench& bench)
    {
        return bench.db
            .scalar("SELECT (SELECT COUNT(*) FROM accounts WHERE sync_status='pending') + "
                    "(SELECT COUNT(*) FROM transactions WHERE sync_status='pending')")
            .toInt();
    }

private slots:
    void nothingPendingStartsWithThePull();
    void pushesInBatchesOfFiveHundred();
    void refusedChangeStaysPending();
    void payloadsCarryTheirEntityFields();
    void rowsKeptApartArePushedUnderTheServersIds();
    void pullFollowsTheCursor_data();
    void pullFollowsTheCursor();
    void pullStopsAfterFiftyPages();
    void fullResyncPushesEverythingAndPullsFromTheStart();
    void syncDuringACycleRunsExactlyOneMore();
    void failuresEndTheCycle_data();
    void failuresEndTheCycle();
    void unreachableServerIsSaidInWords();
    void refusedRefreshEndsInError();
    void unusableRecordsAreSkipped();
    void editDuringPushStaysPendingAndSurvivesThePull();
    void refusedEditReplacedByThePullIsKept();
    void pageIsStoredInOneCommitWithItsCursor();
    void canSyncFalseStaysIdle();
    void statusTexts();
};

void TestSyncEngine::nothingPendingStartsWithThePull()
{
    SyncBench bench;
    bench.answerPulls(emptyPage());
    QSignalSpy states(bench.engine.get(), &SyncEngine::stateChanged);
    QSignalSpy data(bench.engine.get(), &SyncEngine::dataChanged);
    const QDateTime started = nowUtc();
    QVERIFY(bench.syncAndWait());
    QVERIFY(bench.account.server.requestsTo("POST", SyncBench::pushPath()).isEmpty());
    const auto pulls = bench.account.server.requestsTo("GET", SyncBench::pullPath());
    QCOMPARE(pulls.size(), 1);
    QVERIFY(!pulls.first().query.hasQueryItem("cursor"));
    QCOMPARE(pulls.first().query.queryItemValue("limit"), "200");
    QCOMPARE(bench.engine->state(), SyncState::Idle);
    QCOMPARE(states.size(), 2);
    QCOMPARE(data.size(), 1);
    QCOMPARE(bench.preferences.get("syncCursor"), "c-1");
    // The completed cycle is the last sync the preferences show.
    QVERIFY(fromIsoTimestamp(bench.preferences.get("lastSyncTimestamp")) >= started);
}

void TestSyncEngine::pushesInBatchesOfFiveHundred()
{
    SyncBench bench;
    addTransactions(bench, 1200); // and their account: 1201 changes
    bench.acceptAllPushes();
    bench.answerPulls(emptyPage());
    QTest::ignoreMessage(QtInfoMsg, "Pushing 1201 changes (in batches of 500 )");
    QTest::ignoreMessage(QtInfoMsg, "Push batch: 500 changes, 701 remaining");
    QTest::ignoreMessage(QtInfoMsg, "Push batch: 500 changes, 201 remaining");
    QTest::ignoreMessage(QtInfoMsg, "Push batch: 201 changes, 0 remaining");
    QVERIFY(bench.syncAndWait());

    const auto pushes = bench.account.server.requestsTo("POST", SyncBench::pushPath());
    QCOMPARE(pushes.size(), 3);
    QCOMPARE(changesOf(pushes[0]).size(), 500);
    QCOMPARE(changesOf(pushes[1]).size(), 500);
    QCOMPARE(changesOf(pushes[2]).size(), 201);
    // Accounts go first, so the account arrives before its transactions.
    QCOMPARE(changesOf(pushes[0]).first()["entity_type"].toString(), "account");
    // The pull comes after the last batch.
    const auto requests = bench.account.server.requests();
    QCOMPARE(requests.last().path, SyncBench::pullPath());
    QCOMPARE(pendingRows(bench), 0);
    QCOMPARE(bench.transactions.byId("t-00007")->serverId, "srv-t-00007");
}

void TestSyncEngine::refusedChangeStaysPending()
{
    SyncBench bench;
    addTransactions(bench, 499);
    bench.account.server.setHandler("POST", SyncBench::pushPath(), [](const HttpTestRequest& r) {
        QJsonObject body = acceptedResults(r.json());
        QJsonArray results = body["results"].toArray();
        QJsonObject refused = results[3].toObject();
        refused["status"] = "conflict";
        refused["message"] = "version is behind";
        results[3] = refused;
        body["results"] = results;
        return HttpTestReply::json(200, body);
    });
    bench.answerPulls(emptyPage());
    QTest::ignoreMessage(QtWarningMsg,
                         "Push result not ok — leaving record pending: \"transaction\" "
                         "\"t-00002\" status= \"conflict\" message= \"version is "
                         "behind\"");
    QTest::ignoreMessage(QtWarningMsg, "Push batch: 499 ok, 1 errors — failed records remain "
                                       "pending for next sync");
    QVERIFY(bench.syncAndWait());
    QCOMPARE(bench.engine->state(), SyncState::Idle); // the cycle went on to the pull
    QCOMPARE(pendingRows(bench), 1);
    QCOMPARE(bench.transactions.byId("t-00002")->syncStatus, SyncStatus::Pending);
    QCOMPARE(bench.transactions.byId("t-00003")->syncStatus, SyncStatus::Synced);
}

void TestSyncEngine::payloadsCarryTheirEntityFields()
{
    SyncBench bench;
    addAccount(bench);
    QVERIFY(bench.categories.insert(testCategory("cat-1", "Food")));
    RecurringTransaction rent =
        testRecurring("r-1", "a-1", "Rent", -90000, Frequency::Monthly, Day);
    rent.leadDays = 3;
    QVERIFY(bench.recurring.insert(rent));
    Transaction split = testTransaction("t-split", "a-1", Day, "Market", -3000);
    split.isSplit = true;
    QVERIFY(bench.transactions.insert(split));
    SplitLine line{"l-1", "t-split", "cat-1", -1000, "bread", nowUtc(), nowUtc()};
    QVERIFY(bench.splitLines.insert(line));
    QVERIFY(bench.transactions.insert(testTransaction("t-plain", "a-1", Day, "Cafe", -450)));
    QVERIFY(bench.transactions.softDelete("t-plain"));
    bench.acceptAllPushes();
    bench.answerPulls(emptyPage());
    QVERIFY(bench.syncAndWait());

    QHash<QString, QJsonObject> byId;
    for (const QJsonValue& change :
         changesOf(bench.account.server.requestsTo("POST", SyncBench::pushPath()).first()))
        byId.insert(change["entity_id"].toString(), change.toObject());
    QStringList order;
    for (const QJsonValue& change :
         changesOf(bench.account.server.requestsTo("POST", SyncBench::pushPath()).first()))
        order << change["entity_type"].toString();
    QCOMPARE(order,
             QStringList({"account", "category", "recurring", "transaction", "transaction"}));

    const QJsonObject recurring = byId["r-1"];
    QCOMPARE(recurring["version"].toInt(), 1);
    QVERIFY(!recurring["payload"].toObject().contains("version"));
    QVERIFY(!recurring["payload"].toObject().contains("end_date"));
    QCOMPARE(recurring["payload"]["lead_days"].toInt(), 3);
    QCOMPARE(recurring["payload"]["next_due_date"].toString(), "2026-03-14");

    const QJsonObject splitChange = byId["t-split"];
    QCOMPARE(splitChange["action"].toString(), "upsert");
    QCOMPARE(
        splitChange["payload"]["split_lines"].toArray(),
        QJsonArray({QJsonObject{{"category_id", "cat-1"}, {"amount", -1000}, {"memo", "bread"}}}));
    QVERIFY(!splitChange["payload"].toObject().contains("deleted_at"));

    const QJsonObject deleted = byId["t-plain"];
    QCOMPARE(deleted["action"].toString(), "delete");
    QVERIFY(!deleted["payload"].toObject().contains("split_lines"));
    QVERIFY(!deleted["payload"]["deleted_at"].toString().isEmpty());
    QCOMPARE(deleted["payload"]["amount"].toInteger(), -450);

    const QJsonObject account = byId["a-1"]["payload"].toObject();
    QCOMPARE(account["account_type"].toString(), "checking");
    QCOMPARE(account["currency"].toString(), "USD");
    QCOMPARE(account["is_shared"], QJsonValue(false));
    QCOMPARE(account["client_id"].toString(), "a-1");
    QVERIFY(!account.contains("server_id"));
    QCOMPARE(byId["cat-1"]["payload"].toObject()["parent_id"].toString(), QString(""));
}

// Bob's account, shared with Ann under the id of one of her own accounts, is kept on her device
// under an id of its own: its changes go to the server under the id the server knows, the rows
// booked to either account name theirs by its server id, and each result marks its own row.
void TestSyncEngine::rowsKeptApartArePushedUnderTheServersIds()
{
    SyncBench bench;
    Account own = testAccount("a-1", "Mine");
    own.serverId = "srv-own";
    Account bobs = testAccount("k-1", "Bob's");
    bobs.serverId = "srv-bobs";
    // Restored from a backup, so without its server id: its entry no longer speaks for it.
    Account restored = testAccount("k-2", "Restored");
    for (const Account& account : {own, bobs, restored})
        QVERIFY(bench.accounts.insert(account));
    QVERIFY(bench.transactions.insert(testTransaction("t-mine", "a-1", Day, "Mine", -100)));
    Transaction pulled = testTransaction("k-t", "k-1", Day, "Bob's", -200);
    pulled.serverId = "srv-t-9";
    pulled.transferDestAccountId = "k-1";
    QVERIFY(bench.transactions.insert(pulled));
    QVERIFY(bench.transactions.insert(testTransaction("t-new", "k-1", Day, "Typed here", -300)));
    SyncWireIdRepository wireIds(bench.db.database());
    QVERIFY(wireIds.record({"account", "k-1", "srv-bobs", "a-1"}));
    QVERIFY(wireIds.record({"transaction", "k-t", "srv-t-9", "t-9"}));
    QVERIFY(wireIds.record({"account", "k-2", "srv-gone", "a-2"}));
    // The server answers with the server id each change names, or a new one.
    bench.account.server.setHandler("POST", SyncBench::pushPath(), [](const HttpTestRequest& request) {
        QJsonArray results;
        for (const QJsonValue& value : changesOf(request)) {
            const QJsonObject change = value.toObject();
            const QString named = change["payload"]["server_id"].toString();
            results.append(QJsonObject{{"entity_type", change["entity_type"]},
                                       {"entity_id", change["entity_id"]},
                                       {"status", "ok"},
                                       {"server_id", named.isEmpty()
                                                         ? "srv-new-" + change["entity_id"].toString()
                                                         : named}});
        }
        return HttpTestReply::json(200, {{"results", results}});
    });
    bench.answerPulls(emptyPage());
    QVERIFY(bench.syncAndWait());

    const auto pushes = bench.account.server.requestsTo("POST", SyncBench::pushPath());
    QCOMPARE(pushes.size(), 1);
    QStringList sent;
    for (const QJsonValue& value : changesOf(pushes.first())) {
        const QJsonObject payload = value["payload"].toObject();
        sent << QStringLiteral("%1 %2 %3 %4 %5")
                    .arg(value["entity_id"].toString(), payload["client_id"].toString(),
                         payload["account_id"].toString(),
                         payload["account_server_id"].toString(),
                         payload["transfer_dest_account_id"].toString())
                    .trimmed();
    }
    QCOMPARE(sent, (QStringList{"a-1 a-1", "a-1 a-1", "k-2 k-2", "t-mine t-mine a-1 srv-own",
                                "t-9 t-9 a-1 srv-bobs a-1", "t-new t-new a-1 srv-bobs"}));
    QCOMPARE(bench.accounts.pendingCount() + bench.transactions.pendingCount(), 0);
    QCOMPARE(bench.accounts.byId("a-1")->serverId, "srv-own");
    QCOMPARE(bench.accounts.byId("k-1")->serverId, "srv-bobs");
    QCOMPARE(bench.accounts.byId("k-2")->serverId, "srv-new-k-2");
    QCOMPARE(bench.transactions.byId("k-t")->serverId, "srv-t-9");
}

void TestSyncEngine::pullFollowsTheCursor_data()
{
    QTest::addColumn<QString>("storedCursor");
    QTest::addColumn<QJsonObject>("lastPage");
    QTest::addColumn<QString>("cursorAfter");

    QTest::newRow("new cursor stored") << "c-0" << emptyPage("c-9") << "c-9";
    QTest::newRow("no cursor keeps the stored one")
        << "c-0" << QJsonObject{{"has_more", false}} << "c-0";
    QTest::newRow("empty cursor keeps the stored one")
        << "c-0" << QJsonObject{{"cursor", ""}} << "c-0";
}

void TestSyncEngine::pullFollowsTheCursor()
{
    QFETCH(QString, storedCursor);
    QFETCH(QJsonObject, lastPage);
    QFETCH(QString, cursorAfter);
    SyncBench bench;
    bench.preferences.set("syncCursor", storedCursor);
    bench.account.server.queueReply(
        "GET", SyncBench::pullPath(),
        HttpTestReply::json(200, {{"cursor", "c-5"}, {"has_more", true}}));
    bench.answerPulls(lastPage);
    QVERIFY(bench.syncAndWait());
    const auto pulls = bench.account.server.requestsTo("GET", SyncBench::pullPath());
    QCOMPARE(pulls.size(), 2);
    QCOMPARE(pulls[0].query.queryItemValue("cursor"), storedCursor);
    QCOMPARE(pulls[1].query.queryItemValue("cursor"), "c-5");
    // The second page is stored on top of the first page's cursor.
    QCOMPARE(bench.preferences.get("syncCursor"), cursorAfter == "c-0" ? "c-5" : cursorAfter);
}

void TestSyncEngine::pullStopsAfterFiftyPages()
{
    SyncBench bench;
    bench.answerPulls({{"cursor", "c-more"}, {"has_more", true}});
    QSignalSpy completed(bench.engine.get(), &SyncEngine::syncCompleted);
    QVERIFY(bench.syncAndWait());
    QCOMPARE(completed.size(), 1);
    QCOMPARE(bench.account.server.requestsTo("GET", SyncBench::pullPath()).size(), 50);
}

void TestSyncEngine::fullResyncPushesEverythingAndPullsFromTheStart()
{
    SyncBench bench;
    addTransactions(bench, 3);
    bench.acceptAllPushes();
    bench.answerPulls(emptyPage("c-1"));
    QVERIFY(bench.syncAndWait());
    QCOMPARE(pendingRows(bench), 0);
    bench.account.server.clearRequests();

    QSignalSpy completed(bench.engine.get(), &SyncEngine::syncCompleted);
    bench.engine->fullResync();
    QTRY_COMPARE(completed.size(), 1);
    QCOMPARE(
        changesOf(bench.account.server.requestsTo("POST", SyncBench::pushPath()).first()).size(),
        4);
    QVERIFY(!bench.account.server.requestsTo("GET", SyncBench::pullPath())
                 .first()
                 .query.hasQueryItem("cursor"));
}

void TestSyncEngine::syncDuringACycleRunsExactlyOneMore()
{
    SyncBench bench;
    bench.answerPulls(emptyPage());
    QSignalSpy completed(bench.engine.get(), &SyncEngine::syncCompleted);
    bench.engine->sync();
    bench.engine->sync();
    bench.engine->sync();
    QTRY_COMPARE(completed.size(), 2);
    QTest::qWait(300);
    QCOMPARE(completed.size(), 2);
    QCOMPARE(bench.account.server.requestsTo("GET", SyncBench::pullPath()).size(), 2);
}

void TestSyncEngine::failuresEndTheCycle_data()
{
    QTest::addColumn<QString>("failingPath");
    QTest::addColumn<HttpTestReply>("reply");
    QTest::addColumn<QString>("error");

    QTest::newRow("push 500")
        << SyncBench::pushPath() << HttpTestReply::json(500, {})
        << "The sync server ran into a problem (HTTP 500); sync will try again later";
    QTest::newRow("push cut") << SyncBench::pushPath() << HttpTestReply::dropped()
                              << "The sync server could not be reached";
    QTest::newRow("push 429") << SyncBench::pushPath() << HttpTestReply::json(429, {})
                              << "The sync server is busy; sync will try again later";
    QTest::newRow("pull 503")
        << SyncBench::pullPath() << HttpTestReply::json(503, {})
        << "The sync server ran into a problem (HTTP 503); sync will try again later";
    QTest::newRow("pull cut") << SyncBench::pullPath() << HttpTestReply::dropped()
                              << "The sync server could not be reached";
    QTest::newRow("pull 404") << SyncBench::pullPath() << HttpTestReply::json(404, {})
                              << "The server at this address does not offer sync (HTTP 404)";
    QTest::newRow("pull 418") << SyncBench::pullPath() << HttpTestReply::json(418, {})
                              << "The sync server refused the request (HTTP 418)";
}

void TestSyncEngine::failuresEndTheCycle()
{
    QFETCH(QString, failingPath);
    QFETCH(HttpTestReply, reply);
    QFETCH(QString, error);
    SyncBench bench;
    addTransactions(bench, 2);
    bench.preferences.set("syncCursor", "c-old");
    bench.preferences.set("lastSyncTimestamp", "2026-01-02T03:04:05Z");
    bench.acceptAllPushes();
    bench.answerPulls(emptyPage("c-new"));
    const QByteArray method = failingPath == SyncBench::pushPath() ? "POST" : "GET";
    bench.account.server.setReply(method, failingPath, reply);
    QSignalSpy failed(bench.engine.get(), &SyncEngine::syncFailed);
    QSignalSpy completed(bench.engine.get(), &SyncEngine::syncCompleted);
    QVERIFY(bench.syncAndWait());
    QCOMPARE(failed.size(), 1);
    QCOMPARE(failed.first().first().toString(), error);
    QCOMPARE(bench.engine->lastError(), error);
    QCOMPARE(bench.engine->state(), SyncState::Error);
    QCOMPARE(completed.size(), 0);
    QCOMPARE(bench.preferences.get("syncCursor"), "c-old");
    QCOMPARE(bench.preferences.get("lastSyncTimestamp"), "2026-01-02T03:04:05Z");
    QCOMPARE(pendingRows(bench), method == "POST" ? 3 : 0);

    // The next sync() leaves the error behind.
    bench.account.server.setReply(method, failingPath,
                                  method == "POST"
                                      ? HttpTestReply::json(200, {{"results", QJsonArray()}})
                                      : HttpTestReply::json(200, emptyPage("c-new")));
    bench.acceptAllPushes();
    const QDateTime recovering = nowUtc();
    QVERIFY(bench.syncAndWait());
    QCOMPARE(bench.engine->state(), SyncState::Idle);
    QCOMPARE(pendingRows(bench), 0);
    QCOMPARE(bench.preferences.get("syncCursor"), "c-new");
    QVERIFY(fromIsoTimestamp(bench.preferences.get("lastSyncTimestamp")) >= recovering);
}

// Nothing listens at the sync server's address: said as such, not as a status code.
void TestSyncEngine::unreachableServerIsSaidInWords()
{
    SyncBench bench;
    addTransactions(bench, 1);
    QTcpServer probe;
    QVERIFY(probe.listen(QHostAddress::LocalHost, 0));
    const quint16 port = probe.serverPort();
    probe.close();
    bench.account.client()->setSyncBaseUrl(QUrl(QStringLiteral("http://127.0.0.1:%1").arg(port)));
    QSignalSpy failed(bench.engine.get(), &SyncEngine::syncFailed);
    QVERIFY(bench.syncAndWait());
    QCOMPARE(failed.size(), 1);
    QCOMPARE(failed.first().first().toString(), "The sync server could not be reached");
    QVERIFY(!bench.preferences.getOptional("lastSyncTimestamp"));
}

void TestSyncEngine::refusedRefreshEndsInError()
{
    SyncBench bench;
    addTransactions(bench, 1);
    bench.account.server.setReply("POST", SyncBench::pushPath(),
                                  HttpTestReply::json(401, {{"error", "expired"}}));
    bench.account.server.setReply("POST", AccountTestBench::refreshPath(),
                                  HttpTestReply::json(401, {{"error", "invalid_grant"}}));
    QSignalSpy states(bench.engine.get(), &SyncEngine::stateChanged);
    QSignalSpy failed(bench.engine.get(), &SyncEngine::syncFailed);
    QVERIFY(bench.syncAndWait());
    QCOMPARE(failed.size(), 1);
    QCOMPARE(failed.first().first().toString(),
             "The sync server no longer accepts your sign-in; please sign in again");
    QCOMPARE(bench.engine->state(), SyncState::Error);
    // Syncing, then Error once: the refused refresh and the failed push do not repeat it.
    QCOMPARE(states.size(), 2);
    QCOMPARE(pendingRows(bench), 2);
}

void TestSyncEngine::unusableRecordsAreSkipped()
{
    SyncBench bench;
    addAccount(bench);
    Transaction kept = testTransaction("t-keep", "a-1", Day, "Kept", -5);
    kept.syncStatus = SyncStatus::Synced;
    QVERIFY(bench.transactions.insert(kept));
    bench.acceptAllPushes();
    const QJsonObject good{{"id", "s-2"},          {"client_id", "t-new"}, {"account_id", "a-1"},
                           {"date", "2026-02-01"}, {"payee", "Fine"},      {"amount", -700},
                           {"version", 1}};
    QJsonObject page = emptyPage("c-2");
    page["transactions"] = QJsonArray{
        "not an object",
        QJsonObject{{"id", "s-1"},
                    {"client_id", "t-keep"},
                    {"date", 20260101},
                    {"payee", "Broken"},
                    {"version", 9}},
        good,
    };
    page["accounts"] = "not an array";
    bench.answerPulls(page);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^applyTransactionChange: skipping "
                                                          "server record with broken date:"));
    QTest::ignoreMessage(QtWarningMsg,
                         QRegularExpression("^applyTransactionChange: skipping "
                                            "server record with broken date:.*Broken"));
    QVERIFY(bench.syncAndWait());
    QCOMPARE(bench.engine->state(), SyncState::Idle);
    QCOMPARE(bench.transactions.byId("t-keep")->payee, "Kept");
    QCOMPARE(bench.transactions.byId("t-new")->amount, -700);
    QCOMPARE(bench.accounts.byId("a-1")->name, "Checking a-1");

    // A reply that is not JSON at all changes nothing, not even the cursor.
    bench.account.server.setReply(
        "GET", SyncBench::pullPath(),
        HttpTestReply::raw(200, "{\"transactions\": [", "application/json"));
    QVERIFY(bench.syncAndWait());
    QCOMPARE(bench.preferences.get("syncCursor"), "c-2");
    QCOMPARE(bench.db.scalar("SELECT COUNT(*) FROM transactions").toInt(), 2);
}

// The server refuses an edit as a conflict and the pull brings the other device's copy: the
// edit is kept among the conflicts and announced once, after the cycle that completes, even
// when the page that replaced it belonged to a cycle that failed later.
void TestSyncEngine::refusedEditReplacedByThePullIsKept()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    SyncBench bench;
    addAccount(bench);
    QVERIFY(bench.transactions.insert(testTransaction("t-1", "a-1", Day, "Mine", -9500)));
    bench.account.server.setHandler("POST", SyncBench::pushPath(), [](const HttpTestRequest& r) {
        QJsonObject body = acceptedResults(r.json());
        QJsonArray results = body["results"].toArray();
        for (qsizetype i = 0; i < results.size(); ++i) {
            QJsonObject result = results[i].toObject();
            if (result["entity_id"] == "t-1") {
                result["status"] = "conflict";
                result["message"] = "Version 1 is older than the server's version 3.";
            }
            results[i] = result;
        }
        body["results"] = results;
        return HttpTestReply::json(200, body);
    });
    const QJsonObject theirs{{"id", "srv-t-1"},      {"client_id", "t-1"}, {"account_id", "a-1"},
                             {"date", "2026-03-14"}, {"payee", "Theirs"},  {"amount", -9000},
                             {"version", 3}};
    QJsonObject firstPage{
        {"transactions", QJsonArray{theirs}}, {"cursor", "c-1"}, {"has_more", true}};
    bench.account.server.queueReply("GET", SyncBench::pullPath(),
                                    HttpTestReply::json(200, firstPage));
    bench.account.server.queueReply("GET", SyncBench::pullPath(), HttpTestReply::json(503, {}));
    bench.answerPulls(emptyPage("c-2"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Push result not ok"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Push batch: 1 ok, 1 errors"));

    QSignalSpy replaced(bench.engine.get(), &SyncEngine::changesReplaced);
    QSignalSpy failed(bench.engine.get(), &SyncEngine::syncFailed);
    QVERIFY(bench.syncAndWait());
    QCOMPARE(failed.size(), 1);
    // The first page is stored: the other device's copy shows, the edit is kept.
    QCOMPARE(bench.transactions.byId("t-1")->payee, "Theirs");
    QCOMPARE(bench.transactions.byId("t-1")->syncStatus, SyncStatus::Synced);
    const QList<SyncConflict> conflicts = bench.engine->conflicts()->listAll();
    QCOMPARE(conflicts.size(), 1);
    QCOMPARE(conflicts.first().entityType, "transaction");
    QCOMPARE(conflicts.first().entityId, "t-1");
    QCOMPARE(conflicts.first().description, "3/14/26 · Mine · -$95.00");
    const QJsonObject kept =
        QJsonDocument::fromJson(conflicts.first().localChange.toUtf8()).object();
    QCOMPARE(kept["payload"]["payee"].toString(), "Mine");
    QCOMPARE(kept["payload"]["amount"].toInteger(), -9500);
    QCOMPARE(replaced.size(), 0); // not while the cycle failed

    QSignalSpy completed(bench.engine.get(), &SyncEngine::syncCompleted);
    QVERIFY(bench.syncAndWait());
    QCOMPARE(completed.size(), 1);
    QCOMPARE(replaced.size(), 1);
    QCOMPARE(replaced.first().first().toInt(), 1);
    QVERIFY(bench.syncAndWait());
    QCOMPARE(replaced.size(), 1); // announced once
    QCOMPARE(bench.engine->conflicts()->count(), 1);
}

void TestSyncEngine::editDuringPushStaysPendingAndSurvivesThePull()
{
    SyncBench bench;
    addAccount(bench);
    Transaction lunch = testTransaction("t-1", "a-1", Day, "Lunch", -1200);
    lunch.updatedAt = nowUtc().addSecs(-60);
    QVERIFY(bench.transactions.insert(lunch));
    QJsonObject pushedPayload;
    // The user edits the row while its push is on the way; the server accepts the old copy
    // and gives it the next version, and the next pull brings that copy back.
    bench.account.server.setHandler("POST", SyncBench::pushPath(), [&](const HttpTestRequest& r) {
        Transaction edited = *bench.transactions.byId("t-1");
        edited.payee = "Lunch with Ann";
        edited.updatedAt = nowUtc();
        bench.transactions.update(edited);
        QJsonObject body = acceptedResults(r.json());
        QJsonArray results = body["results"].toArray();
        for (qsizetype i = 0; i < results.size(); ++i) {
            QJsonObject result = results[i].toObject();
            result["version"] = 2;
            results[i] = result;
        }
        for (const QJsonValue& change : changesOf(r))
            if (change["entity_id"] == "t-1")
                pushedPayload = change["payload"].toObject();
        body["results"] = results;
        return HttpTestReply::json(200, body);
    });
    bench.account.server.setHandler("GET", SyncBench::pullPath(), [&](const HttpTestRequest&) {
        QJsonObject record = pushedPayload;
        record["id"] = "srv-t-1";
        record["version"] = 2;
        QJsonObject page = emptyPage("c-3");
        page["transactions"] = QJsonArray{record};
        return HttpTestReply::json(200, page);
    });
    QVERIFY(bench.syncAndWait());
    const Transaction after = *bench.transactions.byId("t-1");
    QCOMPARE(after.payee, "Lunch with Ann");
    QCOMPARE(after.syncStatus, SyncStatus::Pending);
    QCOMPARE(after.serverId, "srv-t-1");
    QCOMPARE(after.version, 2);
    QCOMPARE(bench.accounts.byId("a-1")->syncStatus, SyncStatus::Synced);

    // The edit goes out with the next cycle, at the version the server holds.
    bench.account.server.clearRequests();
    bench.acceptAllPushes();
    bench.answerPulls(emptyPage("c-4"));
    QVERIFY(bench.syncAndWait());
    const QJsonArray second =
        changesOf(bench.account.server.requestsTo("POST", SyncBench::pushPath()).first());
    QCOMPARE(second.size(), 1);
    QCOMPARE(second[0]["payload"]["payee"].toString(), "Lunch with Ann");
    QCOMPARE(second[0]["version"].toInt(), 2);
    QCOMPARE(bench.transactions.byId("t-1")->syncStatus, SyncStatus::Synced);
}

void TestSyncEngine::pageIsStoredInOneCommitWithItsCursor()
{
    SyncBench bench;
    QJsonArray records;
    for (int i = 0; i < 200; ++i)
        records.append(QJsonObject{{"id", QStringLiteral("s-%1").arg(i)},
                                   {"client_id", QStringLiteral("t-%1").arg(i)},
                                   {"account_id", "a-9"},
                                   {"date", "2026-01-05"},
                                   {"payee", "Pulled"},
                                   {"amount", -i},
                                   {"version", 1}});
    QJsonObject page = emptyPage("c-page");
    page["accounts"] = QJsonArray{QJsonObject{
        {"id", "s-a"}, {"client_id", "a-9"}, {"name", "Pulled account"}, {"version", 1}}};
    page["transactions"] = records;
    bench.answerPulls(page);
    QStringList cursorsSeen;
    int rowsSeen = -1;
    QObject::connect(&bench.transactions, &TransactionRepository::transactionsChanged, [&] {
        cursorsSeen << bench.preferences.get("syncCursor");
        rowsSeen = bench.db.scalar("SELECT COUNT(*) FROM transactions").toInt();
    });
    QVERIFY(bench.syncAndWait());
    QCOMPARE(cursorsSeen, QStringList{"c-page"}); // once, after the cursor is stored with the rows
    QCOMPARE(rowsSeen, 200);
    QCOMPARE(
        bench.db.scalar("SELECT COUNT(*) FROM transactions WHERE sync_status='synced'").toInt(),
        200);
}

void TestSyncEngine::canSyncFalseStaysIdle()
{
    SyncBench bench;
    bench.engine->setCanSync([] { return false; });
    QSignalSpy states(bench.engine.get(), &SyncEngine::stateChanged);
    bench.engine->sync();
    QTest::qWait(100);
    QCOMPARE(states.size(), 0);
    QCOMPARE(bench.engine->state(), SyncState::Idle);
    QVERIFY(bench.account.server.requests().isEmpty());
}

void TestSyncEngine::statusTexts()
{
    QCOMPARE(SyncEngine::statusText(SyncState::Idle), "Synced");
    QCOMPARE(SyncEngine::statusText(SyncState::Syncing), "Syncing...");
    QCOMPARE(SyncEngine::statusText(SyncState::Error), "Sync error");
    QCOMPARE(SyncEngine::statusText(static_cast<SyncState>(7)), "Unknown");
}

QTEST_GUILESS_MAIN(TestSyncEngine)
#include "tst_syncengine.moc"
