#include "tests/server/support/changebuilder.h"
#include "tests/server/support/postgrescluster.h"
#include "tests/server/support/syncdevice.h"
#include "tests/server/support/testserver.h"

#include "server/storage/database.h"

#include <QJsonDocument>
#include <QTest>

using B = ChangeBuilder;

namespace {

QString status(const QJsonValue& result)
{
    return result.toObject().value(QStringLiteral("status")).toString();
}

QString serverId(const QJsonValue& result)
{
    return result.toObject().value(QStringLiteral("server_id")).toString();
}

// The payload fields as pulled: everything pushed, without the app's own bookkeeping keys.
QJsonObject pushedFields(const QJsonObject& change)
{
    QJsonObject payload = change.value(QStringLiteral("payload")).toObject();
    payload.remove(QStringLiteral("version"));
    payload.remove(QStringLiteral("server_id"));
    return payload;
}

} // namespace

class TestServerSync : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void allFiveEntitiesTravelWithTheirFields();
    void pagingFollowsTheCursorAcross1201Changes();
    void pushRequestsThatAreRefused_data();
    void pushRequestsThatAreRefused();
    void unreadableChangesAreRefusedOneByOne_data();
    void unreadableChangesAreRefusedOneByOne();
    void staleVersionIsRefusedWhileTheBatchGoesOn();
    void versionsFarAheadOfTheStoredOneAreRefused_data();
    void versionsFarAheadOfTheStoredOneAreRefused();
    void deletionsReachOtherDevicesAndStayDeleted();
    void usersNeverSeeEachOthersRows();
    void defaultCategoriesOfTwoUsersStaySeparate();
    void aCategoryDeletedBeforeItReachedTheServerStaysDeleted();
    void pullParameters_data();
    void pullParameters();
    void aCursorOfAnotherDatabaseStartsOver();
    void rowsAPageRefersToComeWithIt();
    void resettingCursorsAfterARestoreMakesAppsPullEverything();

private:
    std::unique_ptr<TestServer> m_server;
    std::unique_ptr<SyncDevice> m_laptop;
    std::unique_ptr<SyncDevice> m_phone;
};

void TestServerSync::init()
{
    m_server = std::make_unique<TestServer>();
    QVERIFY2(m_server->isRunning(), qPrintable(m_server->startError()));
    m_server->addUser(QStringLiteral("ann@example.org"));
    m_laptop = std::make_unique<SyncDevice>(m_server->signedIn(QStringLiteral("ann@example.org")));
    m_phone = std::make_unique<SyncDevice>(m_server->signedIn(QStringLiteral("ann@example.org")));
}

void TestServerSync::allFiveEntitiesTravelWithTheirFields()
{
    const QJsonArray changes = {
        B::account(QStringLiteral("acc-1"), QStringLiteral("Checking")),
        B::category(QStringLiteral("cat-food"), QStringLiteral("Food")),
        B::category(QStringLiteral("cat-food-out"), QStringLiteral("Eating out"),
                    QStringLiteral("cat-food")),
        B::recurring(QStringLiteral("rec-1"), QStringLiteral("acc-1"), QStringLiteral("Rent")),
        B::transaction(QStringLiteral("txn-1"), QStringLiteral("acc-1"), QStringLiteral("Market"),
                       -4550, QString(),
                       {QStringLiteral("cat-food"), QStringLiteral("cat-food-out")}),
        B::reconciliation(QStringLiteral("rcn-1"), QStringLiteral("acc-1")),
    };
    const QJsonArray results = m_laptop->push(changes);
    QCOMPARE(results.size(), changes.size());
    QSet<QString> serverIds;
    for (qsizetype i = 0; i < results.size(); ++i) {
        const QJsonObject result = results.at(i).toObject();
        QCOMPARE(result.value(QStringLiteral("status")).toString(), QStringLiteral("ok"));
        QCOMPARE(result.value(QStringLiteral("entity_id")),
                 changes.at(i).toObject().value(QStringLiteral("entity_id")));
        QCOMPARE(result.value(QStringLiteral("entity_type")),
                 changes.at(i).toObject().value(QStringLiteral("entity_type")));
        QVERIFY(!serverId(result).isEmpty());
        serverIds.insert(serverId(result));
    }
    QCOMPARE(serverIds.size(), changes.size());

    const SyncDevice::Pull pull = m_phone->pullAll();
    QVERIFY(pull.ok);
    const QStringList keys = {"accounts",     "categories",
                              "categories",   "recurring_transactions",
                              "transactions", "reconciliations"};
    for (qsizetype i = 0; i < changes.size(); ++i) {
        const QJsonObject change = changes.at(i).toObject();
        QJsonObject record =
            pull.find(keys.at(i), change.value(QStringLiteral("entity_id")).toString());
        QCOMPARE(record.value(QStringLiteral("id")).toString(), serverId(results.at(i)));
        QVERIFY(record.value(QStringLiteral("version")).toInteger() >= 1);
        QVERIFY(!record.contains(QStringLiteral("server_id")));
        QVERIFY(!record.contains(QStringLiteral("deleted_at")));
        record.remove(QStringLiteral("id"));
        record.remove(QStringLiteral("version"));
        QCOMPARE(record, pushedFields(change));
    }
    const QJsonArray lines = pull.find(QStringLiteral("transactions"), QStringLiteral("txn-1"))
                                 .value(QStringLiteral("split_lines"))
                                 .toArray();
    QCOMPARE(lines.size(), 2);
    QCOMPARE(lines.at(0).toObject().value(QStringLiteral("amount")).toInteger() +
                 lines.at(1).toObject().value(QStringLiteral("amount")).toInteger(),
             -4550);
    // The parent category comes before its child.
    QCOMPARE(pull.clientIds(QStringLiteral("categories")),
             (QStringList{QStringLiteral("cat-food"), QStringLiteral("cat-food-out")}));
    QCOMPARE(pull.lastPage.value(QStringLiteral("integrity"))
                 .toObject()
                 .value(QStringLiteral("category_count"))
                 .toInt(),
             2);
}

void TestServerSync::pagingFollowsTheCursorAcross1201Changes()
{
    QVERIFY(status(m_laptop->pushOne(B::account(
                QStringLiteral("acc-1"), QStringLiteral("Checking")))) == QLatin1String("ok"));
    QJsonArray all;
    for (int i = 0; i < 1201; ++i)
        all.append(B::transaction(QStringLiteral("txn-%1").arg(i, 4, 10, QLatin1Char('0')),
                                  QStringLiteral("acc-1"), QStringLiteral("Payee %1").arg(i),
                                  -100 - i));
    for (qsizetype start = 0; start < all.size(); start += 500) {
        int httpStatus = 0;
        QJsonArray batch;
        for (qsizetype i = start; i < qMin(start + 500, all.size()); ++i)
            batch.append(all.at(i));
        const QJsonArray results = m_laptop->push(batch, &httpStatus);
        QCOMPARE(httpStatus, 200);
        for (const QJsonValue& result : results)
            QCOMPARE(status(result), QStringLiteral("ok"));
    }

    QStringList seen;
    QString cursor;
    int pages = 0;
    for (bool more = true; more; ++pages) {
        QUrlQuery query;
        if (!cursor.isEmpty())
            query.addQueryItem(QStringLiteral("cursor"), cursor);
        query.addQueryItem(QStringLiteral("limit"), QStringLiteral("200"));
        const QJsonObject page = m_phone->http().get(QStringLiteral("/sync/pull"), query).json();
        more = page.value(QStringLiteral("has_more")).toBool();
        const QString next = page.value(QStringLiteral("cursor")).toString();
        QVERIFY(!next.isEmpty() && next != cursor);
        cursor = next;
        const qsizetype size = page.value(QStringLiteral("transactions")).toArray().size() +
                               page.value(QStringLiteral("accounts")).toArray().size();
        QCOMPARE(size, more ? 200 : 2);
        QCOMPARE(page.contains(QStringLiteral("integrity")), !more);
        for (const QJsonValue& record : page.value(QStringLiteral("transactions")).toArray())
            seen.append(record.toObject().value(QStringLiteral("client_id")).toString());
    }
    QCOMPARE(pages, 7);
    QCOMPARE(seen.size(), 1201);
    QCOMPARE(QSet<QString>(seen.cbegin(), seen.cend()).size(), 1201);
    // From the last cursor there is nothing new.
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("cursor"), cursor);
    const QJsonObject after = m_phone->http().get(QStringLiteral("/sync/pull"), query).json();
    QCOMPARE(after.value(QStringLiteral("transactions")).toArray().size(), 0);
    QCOMPARE(after.value(QStringLiteral("has_more")).toBool(), false);
    QCOMPARE(after.value(QStringLiteral("cursor")).toString(), cursor);
}

void TestServerSync::pushRequestsThatAreRefused_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<bool>("signedIn");
    QTest::addColumn<int>("status");

    QJsonArray tooMany;
    for (int i = 0; i < 501; ++i)
        tooMany.append(B::category(QStringLiteral("c%1").arg(i), QStringLiteral("C")));
    QTest::newRow("501 changes") << QJsonDocument(QJsonObject{{"changes", tooMany}}).toJson()
                                 << true << 400;
    QTest::newRow("no changes key") << QByteArray("{}") << true << 400;
    QTest::newRow("changes not an array") << QByteArray(R"({"changes": {}})") << true << 400;
    QTest::newRow("a change that is no object") << QByteArray(R"({"changes": [1]})") << true << 400;
    QTest::newRow("not JSON") << QByteArray("changes=1") << true << 400;
    QTest::newRow("not signed in") << QByteArray(R"({"changes": []})") << false << 401;
    QTest::newRow("empty batch") << QByteArray(R"({"changes": []})") << true << 200;
}

void TestServerSync::pushRequestsThatAreRefused()
{
    QFETCH(QByteArray, body);
    QFETCH(bool, signedIn);
    QFETCH(int, status);
    const HttpClient client = signedIn ? m_laptop->http() : m_server->client();
    const auto reply = client.raw("POST", QStringLiteral("/sync/push"), body);
    QCOMPARE(reply.status, status);
    if (status != 200)
        QVERIFY(!reply.error().isEmpty());
    // Nothing of a refused batch is stored.
    QCOMPARE(m_phone->pullAll().records.value(QStringLiteral("categories")).size(), 0);
}

void TestServerSync::unreadableChangesAreRefusedOneByOne_data()
{
    QTest::addColumn<QJsonObject>("change");
    QTest::addColumn<QString>("message");

    const QJsonObject txn =
        B::transaction(QStringLiteral("txn-x"), QStringLiteral("acc-1"), QStringLiteral("P"), -5);
    QJsonObject unknownType = txn;
    unknownType.insert(QStringLiteral("entity_type"), QStringLiteral("budget"));
    QJsonObject badAction = txn;
    badAction.insert(QStringLiteral("action"), QStringLiteral("merge"));
    QJsonObject noPayload = txn;
    noPayload.insert(QStringLiteral("payload"), QStringLiteral("text"));
    QJsonObject noId = txn;
    noId.insert(QStringLiteral("entity_id"), QString());

    QTest::newRow("unknown entity type") << unknownType << "Unknown entity type";
    QTest::newRow("unknown action") << badAction << "\"action\"";
    QTest::newRow("payload not an object") << noPayload << "\"payload\"";
    QTest::newRow("empty entity id") << noId << "\"entity_id\"";
    QTest::newRow("negative version") << B::withVersion(txn, -1) << "\"version\"";
    QTest::newRow("fractional amount")
        << B::withPayload(txn, QStringLiteral("amount"), 12.5) << "\"amount\"";
    QTest::newRow("amount beyond any integer")
        << B::withPayload(txn, QStringLiteral("amount"), -9.2233720368547758e24) << "\"amount\"";
    QTest::newRow("amount as text")
        << B::withPayload(txn, QStringLiteral("amount"), QStringLiteral("12")) << "\"amount\"";
    QTest::newRow("boolean as number")
        << B::withPayload(txn, QStringLiteral("cleared"), 1) << "\"cleared\"";
    QTest::newRow("split lines of the wrong shape")
        << B::withPayload(txn, QStringLiteral("split_lines"),
                          QJsonArray{QJsonObject{{"amount", "x"}}})
        << "split line";
    QTest::newRow("no account") << B::withPayload(txn, QStringLiteral("account_id"), QString())
                                << "\"account_id\"";
    QTest::newRow("payload of another row")
        << B::withPayload(txn, QStringLiteral("client_id"), QStringLiteral("other")) << "differs";
}

void TestServerSync::unreadableChangesAreRefusedOneByOne()
{
    QFETCH(QJsonObject, change);
    QFETCH(QString, message);
    const QJsonArray results =
        m_laptop->push({change, B::transaction(QStringLiteral("txn-good"), QStringLiteral("acc-1"),
                                               QStringLiteral("Good"), -1)});
    QCOMPARE(results.size(), 2);
    QCOMPARE(status(results.at(0)), QStringLiteral("invalid"));
    QVERIFY2(results.at(0).toObject().value(QStringLiteral("message")).toString().contains(message),
             qPrintable(results.at(0).toObject().value(QStringLiteral("message")).toString()));
    QCOMPARE(status(results.at(1)), QStringLiteral("ok"));
    QCOMPARE(m_phone->pullAll().clientIds(QStringLiteral("transactions")),
             QStringList{QStringLiteral("txn-good")});
}

void TestServerSync::staleVersionIsRefusedWhileTheBatchGoesOn()
{
    const QJsonObject original = B::transaction(QStringLiteral("txn-1"), QStringLiteral("acc-1"),
                                                QStringLiteral("Original"), -10);
    const QJsonObject created = m_laptop->pushOne(original);
    const qint64 first = created.value(QStringLiteral("version")).toInteger();
    QCOMPARE(first, 1);
    // An edit that kept its version is accepted and gets a higher one.
    const QJsonObject edited = m_laptop->pushOne(
        B::withPayload(original, QStringLiteral("payee"), QStringLiteral("Edited")));
    QCOMPARE(status(edited), QStringLiteral("ok"));
    const qint64 second = edited.value(QStringLiteral("version")).toInteger();
    QVERIFY(second > first);

    // The phone still holds version 1 and edits it: refused, the others in its batch go in.
    const QJsonArray results = m_phone->push({
        B::transaction(QStringLiteral("txn-2"), QStringLiteral("acc-1"), QStringLiteral("Other"),
                       -20),
        B::withPayload(original, QStringLiteral("payee"), QStringLiteral("Stale")),
        B::transaction(QStringLiteral("txn-3"), QStringLiteral("acc-1"), QStringLiteral("Another"),
                       -30),
    });
    QCOMPARE(status(results.at(0)), QStringLiteral("ok"));
    QCOMPARE(status(results.at(1)), QStringLiteral("conflict"));
    QVERIFY(!results.at(1).toObject().value(QStringLiteral("message")).toString().isEmpty());
    QCOMPARE(status(results.at(2)), QStringLiteral("ok"));

    const SyncDevice::Pull pull = m_phone->pullAll();
    const QJsonObject stored = pull.find(QStringLiteral("transactions"), QStringLiteral("txn-1"));
    QCOMPARE(stored.value(QStringLiteral("payee")).toString(), QStringLiteral("Edited"));
    QCOMPARE(stored.value(QStringLiteral("version")).toInteger(), second);
    // Having pulled version 2, the phone's edit of it goes in with version 3.
    const QJsonObject retried = m_phone->pushOne(B::withVersion(
        B::withPayload(original, QStringLiteral("payee"), QStringLiteral("Phone")), second));
    QCOMPARE(status(retried), QStringLiteral("ok"));
    QVERIFY(retried.value(QStringLiteral("version")).toInteger() > second);
}

void TestServerSync::versionsFarAheadOfTheStoredOneAreRefused_data()
{
    QTest::addColumn<qint64>("stored"); // the row's version on the server, 0 when it has none
    QTest::addColumn<qint64>("pushed");
    QTest::addColumn<bool>("deletion");
    QTest::addColumn<QString>("outcome");

    const qint64 nearJsonLimit = (qint64(1) << 53) - 2;
    const qint64 ceiling = qint64(1) << 50;
    QTest::newRow("new row near 2^53") << qint64(0) << nearJsonLimit << false << "invalid";
    QTest::newRow("new row a million ahead") << qint64(0) << qint64(1000000) << false << "ok";
    QTest::newRow("new row further ahead") << qint64(0) << qint64(1000001) << false << "invalid";
    QTest::newRow("edit near 2^53") << qint64(1) << nearJsonLimit << false << "invalid";
    QTest::newRow("edit a million ahead") << qint64(1) << qint64(1000001) << false << "ok";
    QTest::newRow("edit further ahead") << qint64(1) << qint64(1000002) << false << "invalid";
    QTest::newRow("deletion near 2^53") << qint64(1) << nearJsonLimit << true << "invalid";
    QTest::newRow("edit below the ceiling") << ceiling - 1 << ceiling - 1 << false << "ok";
    QTest::newRow("edit past the ceiling") << ceiling << ceiling << false << "invalid";
}

// A version beyond what JSON numbers hold exactly would freeze a row: every device would read it
// rounded down and every later edit of it would be refused as stale.
void TestServerSync::versionsFarAheadOfTheStoredOneAreRefused()
{
    QFETCH(qint64, stored);
    QFETCH(qint64, pushed);
    QFETCH(bool, deletion);
    QFETCH(QString, outcome);
    const QJsonObject txn = B::transaction(QStringLiteral("txn-1"), QStringLiteral("acc-1"),
                                           QStringLiteral("Before"), -10);
    if (stored > 0) {
        QCOMPARE(status(m_laptop->pushOne(txn)), QStringLiteral("ok"));
        // Versions that high take more pushes than a test can make.
        QVERIFY(m_server->instance().database().execute(
            QStringLiteral("UPDATE sync_rows SET version = ?"), {stored}));
    }
    QJsonObject change = B::withVersion(
        B::withPayload(txn, QStringLiteral("payee"), QStringLiteral("After")), pushed);
    if (deletion)
        change = B::deleted(change);
    const QJsonObject result = m_laptop->pushOne(change);
    QCOMPARE(status(result), outcome);

    const QJsonObject record =
        m_phone->pullAll().find(QStringLiteral("transactions"), QStringLiteral("txn-1"));
    if (outcome == QLatin1String("ok")) {
        QCOMPARE(record.value(QStringLiteral("payee")).toString(), QStringLiteral("After"));
        QCOMPARE(record.value(QStringLiteral("version")).toInteger(),
                 result.value(QStringLiteral("version")).toInteger());
        return;
    }
    QVERIFY(!result.value(QStringLiteral("message")).toString().isEmpty());
    if (stored == 0) {
        QVERIFY(record.isEmpty());
        return;
    }
    QCOMPARE(record.value(QStringLiteral("payee")).toString(), QStringLiteral("Before"));
    QCOMPARE(record.value(QStringLiteral("version")).toInteger(), stored);
    QVERIFY(record.value(QStringLiteral("deleted_at")).isUndefined());
}

void TestServerSync::deletionsReachOtherDevicesAndStayDeleted()
{
    const QJsonObject txn = B::transaction(QStringLiteral("txn-1"), QStringLiteral("acc-1"),
                                           QStringLiteral("Gone soon"), -10);
    m_laptop->pushOne(txn);
    m_laptop->pushOne(B::withPayload(txn, QStringLiteral("memo"), QStringLiteral("v2")));
    QVERIFY(m_phone->pullAll()
                .find(QStringLiteral("transactions"), QStringLiteral("txn-1"))
                .value(QStringLiteral("deleted_at"))
                .isUndefined());

    // Deleted on the laptop with an old version: a deletion wins all the same.
    QCOMPARE(status(m_laptop->pushOne(B::deleted(txn))), QStringLiteral("ok"));
    const QJsonObject record =
        m_phone->pullAll().find(QStringLiteral("transactions"), QStringLiteral("txn-1"));
    QVERIFY(!record.value(QStringLiteral("deleted_at")).toString().isEmpty());
    QCOMPARE(record.value(QStringLiteral("payee")).toString(), QStringLiteral("Gone soon"));

    // The phone's later edit cannot bring it back; deleting again is harmless.
    QCOMPARE(status(m_phone->pushOne(B::withVersion(txn, 9))), QStringLiteral("conflict"));
    QCOMPARE(status(m_phone->pushOne(B::deleted(txn))), QStringLiteral("ok"));
    // A row deleted before it ever reached the server is simply not stored.
    const QJsonObject never = m_laptop->pushOne(B::deleted(B::transaction(
        QStringLiteral("txn-never"), QStringLiteral("acc-1"), QStringLiteral("x"), -1)));
    QCOMPARE(status(never), QStringLiteral("ok"));
    QVERIFY(m_phone->pullAll()
                .find(QStringLiteral("transactions"), QStringLiteral("txn-never"))
                .isEmpty());
}

void TestServerSync::usersNeverSeeEachOthersRows()
{
    m_server->addUser(QStringLiteral("bob@example.org"));
    SyncDevice bob(m_server->signedIn(QStringLiteral("bob@example.org")));
    const QJsonArray annsResults = m_laptop->push({
        B::account(QStringLiteral("acc-ann"), QStringLiteral("Ann's savings")),
        B::transaction(QStringLiteral("txn-ann"), QStringLiteral("acc-ann"),
                       QStringLiteral("Secret payee"), -999),
    });
    const QString annsTransaction = serverId(annsResults.at(1));
    const QString annsAccount = serverId(annsResults.at(0));
    bob.pushOne(B::account(QStringLiteral("acc-bob"), QStringLiteral("Bob's")));

    // Guessed ids: a row with Ann's client ids lands in Bob's own data.
    QCOMPARE(status(bob.pushOne(B::transaction(QStringLiteral("txn-ann"), QStringLiteral("acc-ann"),
                                               QStringLiteral("Bob's guess"), -1))),
             QStringLiteral("ok"));
    // Ann's server ids: refused as unknown, deletions do nothing.
    QCOMPARE(status(bob.pushOne(B::withServerId(
                 B::transaction(QStringLiteral("txn-ann"), QStringLiteral("acc-bob"),
                                QStringLiteral("Overwrite"), -1, QString(), {}, 50),
                 annsTransaction))),
             QStringLiteral("ok")); // Bob's own txn-ann (created just above) takes it
    QCOMPARE(
        status(bob.pushOne(B::withServerId(
            B::account(QStringLiteral("acc-ann"), QStringLiteral("Hijack"), 50), annsAccount))),
        QStringLiteral("not_found"));
    QCOMPARE(
        status(bob.pushOne(B::withServerId(
            B::deleted(B::account(QStringLiteral("acc-ann"), QStringLiteral("x"))), annsAccount))),
        QStringLiteral("ok"));

    const SyncDevice::Pull bobs = bob.pullAll();
    QCOMPARE(bobs.clientIds(QStringLiteral("accounts")), QStringList{QStringLiteral("acc-bob")});
    for (const QJsonObject& record : bobs.records.value(QStringLiteral("transactions"))) {
        QVERIFY(record.value(QStringLiteral("id")).toString() != annsTransaction);
        QVERIFY(record.value(QStringLiteral("payee")).toString() != QLatin1String("Secret payee"));
    }
    const SyncDevice::Pull anns = m_phone->pullAll();
    QCOMPARE(anns.clientIds(QStringLiteral("accounts")), QStringList{QStringLiteral("acc-ann")});
    QCOMPARE(anns.find(QStringLiteral("accounts"), QStringLiteral("acc-ann"))
                 .value(QStringLiteral("name"))
                 .toString(),
             QStringLiteral("Ann's savings"));
    QVERIFY(anns.find(QStringLiteral("accounts"), QStringLiteral("acc-ann"))
                .value(QStringLiteral("deleted_at"))
                .isUndefined());
    QCOMPARE(anns.find(QStringLiteral("transactions"), QStringLiteral("txn-ann"))
                 .value(QStringLiteral("payee"))
                 .toString(),
             QStringLiteral("Secret payee"));
    QCOMPARE(anns.records.value(QStringLiteral("transactions")).size(), 1);
}

void TestServerSync::defaultCategoriesOfTwoUsersStaySeparate()
{
    m_server->addUser(QStringLiteral("bob@example.org"));
    SyncDevice bob(m_server->signedIn(QStringLiteral("bob@example.org")));
    // Default categories carry the same name-based id for everyone.
    const QString groceries = QStringLiteral("5e1c7a52-0b5d-5f44-9a8c-5d1f2f4b6a11");
    QCOMPARE(status(m_laptop->pushOne(B::category(groceries, QStringLiteral("Groceries")))),
             QStringLiteral("ok"));
    QCOMPARE(status(bob.pushOne(B::category(groceries, QStringLiteral("Lebensmittel")))),
             QStringLiteral("ok"));
    QCOMPARE(status(bob.pushOne(B::category(groceries, QStringLiteral("Essen")))),
             QStringLiteral("ok"));
    const SyncDevice::Pull anns = m_phone->pullAll();
    QCOMPARE(
        anns.find(QStringLiteral("categories"), groceries).value(QStringLiteral("name")).toString(),
        QStringLiteral("Groceries"));
    QCOMPARE(anns.find(QStringLiteral("categories"), groceries)
                 .value(QStringLiteral("version"))
                 .toInteger(),
             1);
    QCOMPARE(anns.lastPage.value(QStringLiteral("integrity"))
                 .toObject()
                 .value(QStringLiteral("category_count"))
                 .toInt(),
             1);
    const SyncDevice::Pull bobs = bob.pullAll();
    QCOMPARE(bobs.records.value(QStringLiteral("categories")).size(), 1);
    QCOMPARE(
        bobs.find(QStringLiteral("categories"), groceries).value(QStringLiteral("name")).toString(),
        QStringLiteral("Essen"));
}

// Default categories carry the same id on every device of a user: the laptop may delete one
// before the phone has pushed it. The deletion is kept, refuses the phone's later upsert and
// reaches the phone with a version above the one its copy has.
void TestServerSync::aCategoryDeletedBeforeItReachedTheServerStaysDeleted()
{
    const QString groceries = QStringLiteral("5e1c7a52-0b5d-5f44-9a8c-5d1f2f4b6a11");
    const QJsonObject category = B::category(groceries, QStringLiteral("Groceries"));
    const QJsonObject deleted =
        m_laptop->pushOne(B::withPayload(B::deleted(category), QStringLiteral("withdrawn"), true));
    QCOMPARE(status(deleted), QStringLiteral("ok"));
    QVERIFY(!serverId(deleted).isEmpty());
    QCOMPARE(deleted.value(QStringLiteral("version")).toInteger(), 2);

    QCOMPARE(status(m_phone->pushOne(category)), QStringLiteral("conflict"));
    const SyncDevice::Pull pull = m_phone->pullAll();
    const QJsonObject record = pull.find(QStringLiteral("categories"), groceries);
    QVERIFY(!record.value(QStringLiteral("deleted_at")).toString().isEmpty());
    QCOMPARE(record.value(QStringLiteral("version")).toInteger(), 2);
    QCOMPARE(pull.lastPage.value(QStringLiteral("integrity"))
                 .toObject()
                 .value(QStringLiteral("category_count"))
                 .toInt(),
             0);
    // Only the server marks a row withdrawn from a user; a device's own deletion is a deletion.
    QVERIFY(!record.contains(QStringLiteral("withdrawn")));
    // The phone, having deleted its copy in turn, pushes the deletion: nothing changes.
    QCOMPARE(status(m_phone->pushOne(B::withVersion(B::deleted(category), 2))),
             QStringLiteral("ok"));
    QVERIFY(m_phone->pullAll().records.value(QStringLiteral("categories")).isEmpty());
}

void TestServerSync::pullParameters_data()
{
    QTest::addColumn<QString>("query");
    QTest::addColumn<int>("status");
    QTest::addColumn<int>("records");

    QTest::newRow("default limit") << "" << 200 << 3;
    QTest::newRow("limit 2") << "limit=2" << 200 << 2;
    QTest::newRow("limit above the maximum") << "limit=100000" << 200 << 3;
    QTest::newRow("limit not a number") << "limit=many" << 400 << 0;
    QTest::newRow("limit 0") << "limit=0" << 400 << 0;
    QTest::newRow("cursor that is no cursor") << "cursor=%25%25%25" << 400 << 0;
    QTest::newRow("cursor of the wrong form") << "cursor=MTpmb28" << 400 << 0;
}

void TestServerSync::pullParameters()
{
    QFETCH(QString, query);
    QFETCH(int, status);
    QFETCH(int, records);
    m_laptop->push({B::category(QStringLiteral("c1"), QStringLiteral("One")),
                    B::category(QStringLiteral("c2"), QStringLiteral("Two")),
                    B::category(QStringLiteral("c3"), QStringLiteral("Three"))});
    const auto reply = m_phone->http().get(QStringLiteral("/sync/pull"), QUrlQuery(query));
    QCOMPARE(reply.status, status);
    if (status == 200)
        QCOMPARE(reply.json().value(QStringLiteral("categories")).toArray().size(), records);
    else
        QVERIFY(!reply.error().isEmpty());
}

void TestServerSync::aCursorOfAnotherDatabaseStartsOver()
{
    m_laptop->pushOne(B::category(QStringLiteral("c1"), QStringLiteral("One")));
    TestServer other;
    other.addUser(QStringLiteral("ann@example.org"));
    SyncDevice elsewhere(other.signedIn(QStringLiteral("ann@example.org")));
    elsewhere.pushOne(B::category(QStringLiteral("x1"), QStringLiteral("Elsewhere")));
    QVERIFY(elsewhere.pullAll().ok);
    // The app is pointed at this server with the other server's cursor still stored.
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("cursor"), elsewhere.cursor());
    const auto reply = m_phone->http().get(QStringLiteral("/sync/pull"), query);
    QCOMPARE(reply.status, 200);
    QCOMPARE(reply.json().value(QStringLiteral("categories")).toArray().size(), 1);
}

void TestServerSync::rowsAPageRefersToComeWithIt()
{
    m_laptop->push({B::category(QStringLiteral("cat-parent"), QStringLiteral("Home")),
                    B::category(QStringLiteral("cat-child"), QStringLiteral("Repairs"),
                                QStringLiteral("cat-parent")),
                    B::account(QStringLiteral("acc-1"), QStringLiteral("Checking"))});
    m_laptop->push({B::transaction(QStringLiteral("txn-1"), QStringLiteral("acc-1"),
                                   QStringLiteral("Plumber"), -100, QStringLiteral("cat-child")),
                    B::transaction(QStringLiteral("txn-2"), QStringLiteral("acc-1"),
                                   QStringLiteral("Painter"), -200, QStringLiteral("cat-child"))});
    // Renamed afterwards: the account and the parent now sit after the transactions.
    m_laptop->push({B::account(QStringLiteral("acc-1"), QStringLiteral("Main checking")),
                    B::category(QStringLiteral("cat-parent"), QStringLiteral("House"))});

    // A new device pulls two rows at a time; every page carries what its rows need.
    SyncDevice fresh(m_server->signedIn(QStringLiteral("ann@example.org")));
    QUrlQuery query(QStringLiteral("limit=2"));
    const QJsonObject first = fresh.http().get(QStringLiteral("/sync/pull"), query).json();
    QStringList categories;
    for (const QJsonValue& record : first.value(QStringLiteral("categories")).toArray())
        categories.append(record.toObject().value(QStringLiteral("client_id")).toString());
    QCOMPARE(categories, (QStringList{QStringLiteral("cat-parent"), QStringLiteral("cat-child")}));
    query.addQueryItem(QStringLiteral("cursor"), first.value(QStringLiteral("cursor")).toString());
    const QJsonObject second = fresh.http().get(QStringLiteral("/sync/pull"), query).json();
    QCOMPARE(second.value(QStringLiteral("transactions")).toArray().size(), 1);
    QCOMPARE(second.value(QStringLiteral("accounts")).toArray().size(), 1);
    QCOMPARE(second.value(QStringLiteral("accounts"))
                 .toArray()
                 .first()
                 .toObject()
                 .value(QStringLiteral("name"))
                 .toString(),
             QStringLiteral("Main checking"));
}

void TestServerSync::resettingCursorsAfterARestoreMakesAppsPullEverything()
{
    QTemporaryDir data;
    QString token;
    QString cursor;
    QMap<QString, QString> settings;
    if (qEnvironmentVariableIsSet("PENNIBAR_TEST_POSTGRES"))
        settings.insert(QStringLiteral("database"), PostgresCluster::shared().createDatabase());
    {
        TestServer server(settings, data.path());
        server.addUser(QStringLiteral("ann@example.org"));
        SyncDevice laptop(server.signedIn(QStringLiteral("ann@example.org")));
        laptop.push({B::category(QStringLiteral("c1"), QStringLiteral("One")),
                     B::category(QStringLiteral("c2"), QStringLiteral("Two"))});
        QVERIFY(laptop.pullAll().ok);
        token = laptop.http().token();
        cursor = laptop.cursor();
    }
    {
        // What `pennibar-server reset-cursors` does, with the server stopped.
        QString error;
        QProcessEnvironment environment;
        environment.insert(QStringLiteral("PENNIBAR_SERVER_DATA_DIR"), data.path());
        if (settings.contains(QStringLiteral("database")))
            environment.insert(QStringLiteral("PENNIBAR_SERVER_DATABASE"),
                               settings.value(QStringLiteral("database")));
        PennibarServer::ServerInstance offline(
            *PennibarServer::ServerConfig::load(QString(), environment, &error));
        QVERIFY(offline.openStorage(&error));
        QVERIFY(offline.resetCursors());
    }
    TestServer restarted(settings, data.path());
    HttpClient app = restarted.client();
    app.setToken(token);
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("cursor"), cursor);
    QCOMPARE(app.get(QStringLiteral("/sync/pull"), query)
                 .json()
                 .value(QStringLiteral("categories"))
                 .toArray()
                 .size(),
             2);
}

QTEST_GUILESS_MAIN(TestServerSync)
#include "tst_serversync.moc"
