#include "tests/server/support/changebuilder.h"
#include "tests/server/support/syncdevice.h"
#include "tests/server/support/testserver.h"

#include "server/accounts/groupservice.h"
#include "server/storage/database.h"
#include "server/sync/shareservice.h"

#include <QJsonArray>
#include <QTest>

using B = ChangeBuilder;
using PennibarServer::Group;

namespace {

QString status(const QJsonValue& result)
{
    return result.toObject().value(QStringLiteral("status")).toString();
}

// How many people the owner's members list names for the account.
int withAccess(const SyncDevice& owner, const QString& accountId)
{
    return int(owner.http()
                   .get(QStringLiteral("/accounts/%1/members").arg(accountId))
                   .json()
                   .value(QStringLiteral("members"))
                   .toArray()
                   .size());
}

bool isDeleted(const QJsonObject& record)
{
    return !record.value(QStringLiteral("deleted_at")).toString().isEmpty();
}

// Every record of that key and client id a pull received.
QList<QJsonObject> allOf(const SyncDevice::Pull& pull, const QString& key, const QString& clientId)
{
    QList<QJsonObject> found;
    for (const QJsonObject& record : pull.records.value(key)) {
        if (record.value(QStringLiteral("client_id")).toString() == clientId)
            found.append(record);
    }
    return found;
}

QStringList memberIds(const HttpClient::Reply& reply)
{
    QStringList ids;
    for (const QJsonValue& member : reply.json().value(QStringLiteral("members")).toArray())
        ids << member.toObject().value(QStringLiteral("user_id")).toString();
    return ids;
}

} // namespace

// Ann shares her "acc-shared" with Bob. Cy is in the same family group, Dee is not.
class TestServerSharing : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void aMemberPullsTheSharedAccountAndNothingElse();
    void bothSeeWhoHasAccess();
    void aMembersEditsReachTheOwner();
    void withdrawingAShareDeletesItOnTheMembersSide();
    void sharesThatAreRefused_data();
    void sharesThatAreRefused();
    void aMemberDeletingTheAccountOnlyLeavesTheShare();
    void aWithdrawnAccountStaysTheOwners_data();
    void aWithdrawnAccountStaysTheOwners();
    void leavingTheGroupEndsTheShares();
    void theSharedFlagIsTheServers();
    void aMembersOwnCategoryReachesTheOwner();
    void categoriesTheMemberStillUsesStayAfterTheShareEnds();
    void sharingIsRefusedWhereTheMemberHasRowsOfTheSameIds_data();
    void sharingIsRefusedWhereTheMemberHasRowsOfTheSameIds();
    void aRowSharedWithThePusherIsNotMadeTheirOwnAgain_data();
    void aRowSharedWithThePusherIsNotMadeTheirOwnAgain();
    void twoAccountsOfOneIdAreToldApartByServerId();
    void sharedRowsUseOnlyCategoriesTheirPusherSees_data();
    void sharedRowsUseOnlyCategoriesTheirPusherSees();
    void aCategorySeenThroughAnotherShareStaysThere();

private:
    HttpClient::Reply share(const QString& accountId, const QJsonObject& body);

    std::unique_ptr<TestServer> m_server;
    QString m_ann, m_bob, m_cy, m_dee;
    std::unique_ptr<SyncDevice> m_annsLaptop, m_bobsLaptop, m_cysLaptop, m_deesLaptop;
};

void TestServerSharing::init()
{
    m_server = std::make_unique<TestServer>();
    QVERIFY2(m_server->isRunning(), qPrintable(m_server->startError()));
    m_ann = m_server->addUser(QStringLiteral("ann@example.org"), QStringLiteral("password1"),
                              QStringLiteral("Ann"));
    m_bob = m_server->addUser(QStringLiteral("bob@example.org"), QStringLiteral("password1"),
                              QStringLiteral("Bob"));
    m_cy = m_server->addUser(QStringLiteral("cy@example.org"));
    m_dee = m_server->addUser(QStringLiteral("dee@example.org"));
    Group group;
    m_server->instance().groups().create(m_ann, QStringLiteral("Anns"), &group);
    m_annsLaptop =
        std::make_unique<SyncDevice>(m_server->signedIn(QStringLiteral("ann@example.org")));
    m_bobsLaptop =
        std::make_unique<SyncDevice>(m_server->signedIn(QStringLiteral("bob@example.org")));
    m_cysLaptop =
        std::make_unique<SyncDevice>(m_server->signedIn(QStringLiteral("cy@example.org")));
    m_deesLaptop =
        std::make_unique<SyncDevice>(m_server->signedIn(QStringLiteral("dee@example.org")));
    for (SyncDevice* member : {m_bobsLaptop.get(), m_cysLaptop.get()}) {
        const QString code = m_annsLaptop->http()
                                 .postEmpty(QStringLiteral("/group/invite"))
                                 .json()
                                 .value(QStringLiteral("invite_code"))
                                 .toString();
        QCOMPARE(member->http().postEmpty(QStringLiteral("/group/join/") + code).status, 200);
    }

    // Bob has the default categories too; the household category is Ann's own.
    const QString groceries = QStringLiteral("default-groceries");
    QCOMPARE(status(m_bobsLaptop->pushOne(B::category(groceries, QStringLiteral("Groceries")))),
             QStringLiteral("ok"));
    const QJsonArray results = m_annsLaptop->push({
        B::account(QStringLiteral("acc-shared"), QStringLiteral("Household")),
        B::account(QStringLiteral("acc-private"), QStringLiteral("Ann's own")),
        B::category(groceries, QStringLiteral("Groceries")),
        B::category(QStringLiteral("cat-home"), QStringLiteral("Home")),
        B::category(QStringLiteral("cat-repairs"), QStringLiteral("Repairs"),
                    QStringLiteral("cat-home")),
        B::category(QStringLiteral("cat-gifts"), QStringLiteral("Gifts")),
        B::recurring(QStringLiteral("rec-rent"), QStringLiteral("acc-shared"),
                     QStringLiteral("Rent")),
        B::transaction(QStringLiteral("txn-market"), QStringLiteral("acc-shared"),
                       QStringLiteral("Market"), -5000, QString(),
                       {groceries, QStringLiteral("cat-repairs")}),
        B::transaction(QStringLiteral("txn-plumber"), QStringLiteral("acc-shared"),
                       QStringLiteral("Plumber"), -9000, QStringLiteral("cat-repairs")),
        B::reconciliation(QStringLiteral("rcn-1"), QStringLiteral("acc-shared")),
        B::transaction(QStringLiteral("txn-secret"), QStringLiteral("acc-private"),
                       QStringLiteral("Present"), -3000, QStringLiteral("cat-gifts")),
    });
    for (const QJsonValue& result : results)
        QCOMPARE(status(result), QStringLiteral("ok"));
}

HttpClient::Reply TestServerSharing::share(const QString& accountId, const QJsonObject& body)
{
    return m_annsLaptop->http().post(QStringLiteral("/accounts/%1/share").arg(accountId), body);
}

void TestServerSharing::aMemberPullsTheSharedAccountAndNothingElse()
{
    m_bobsLaptop->pullAll();
    QCOMPARE(
        share(QStringLiteral("acc-shared"), {{QStringLiteral("user_id"), m_bob},
                                             {QStringLiteral("role"), QStringLiteral("member")}})
            .status,
        200);
    const SyncDevice::Pull bobs = m_bobsLaptop->pullAll();
    QVERIFY(bobs.ok);
    QCOMPARE(bobs.clientIds(QStringLiteral("accounts")), QStringList{QStringLiteral("acc-shared")});
    const QJsonObject account = bobs.find(QStringLiteral("accounts"), QStringLiteral("acc-shared"));
    QCOMPARE(account.value(QStringLiteral("is_shared")).toBool(), true);
    QCOMPARE(account.value(QStringLiteral("name")).toString(), QStringLiteral("Household"));
    QStringList transactions = bobs.clientIds(QStringLiteral("transactions"));
    transactions.sort();
    QCOMPARE(transactions,
             (QStringList{QStringLiteral("txn-market"), QStringLiteral("txn-plumber")}));
    QCOMPARE(bobs.find(QStringLiteral("transactions"), QStringLiteral("txn-market"))
                 .value(QStringLiteral("split_lines"))
                 .toArray()
                 .size(),
             2);
    QCOMPARE(bobs.clientIds(QStringLiteral("recurring_transactions")),
             QStringList{QStringLiteral("rec-rent")});
    QCOMPARE(bobs.clientIds(QStringLiteral("reconciliations")),
             QStringList{QStringLiteral("rcn-1")});
    // The categories Bob lacks, parent first; not Bob's own Groceries again, not Ann's Gifts.
    QCOMPARE(bobs.clientIds(QStringLiteral("categories")),
             (QStringList{QStringLiteral("cat-home"), QStringLiteral("cat-repairs")}));
    QCOMPARE(bobs.lastPage.value(QStringLiteral("integrity"))
                 .toObject()
                 .value(QStringLiteral("category_count"))
                 .toInt(),
             3);

    // Ann's devices learn that the account is shared now.
    const QJsonObject annsView =
        m_annsLaptop->pullAll().find(QStringLiteral("accounts"), QStringLiteral("acc-shared"));
    QCOMPARE(annsView.value(QStringLiteral("is_shared")).toBool(), true);
    // Cy, in the same group but not shared with, and Dee see none of it.
    for (SyncDevice* other : {m_cysLaptop.get(), m_deesLaptop.get()}) {
        const SyncDevice::Pull pull = other->pullAll();
        for (const QString& key : {QStringLiteral("accounts"), QStringLiteral("transactions"),
                                   QStringLiteral("categories")})
            QVERIFY(pull.records.value(key).isEmpty());
    }
}

void TestServerSharing::bothSeeWhoHasAccess()
{
    share(QStringLiteral("acc-shared"),
          {{QStringLiteral("email"), QStringLiteral("bob@example.org")},
           {QStringLiteral("user_id"), QStringLiteral("bob@example.org")},
           {QStringLiteral("role"), QStringLiteral("member")}});
    for (SyncDevice* viewer : {m_annsLaptop.get(), m_bobsLaptop.get()}) {
        const auto reply = viewer->http().get(QStringLiteral("/accounts/acc-shared/members"));
        QCOMPARE(reply.status, 200);
        const QJsonArray members = reply.json().value(QStringLiteral("members")).toArray();
        QCOMPARE(members.size(), 2);
        QCOMPARE(members.at(0).toObject().value(QStringLiteral("user_id")).toString(), m_ann);
        QCOMPARE(members.at(0).toObject().value(QStringLiteral("role")).toString(),
                 QStringLiteral("owner"));
        const QJsonObject bob = members.at(1).toObject();
        QCOMPARE(bob.value(QStringLiteral("user_id")).toString(), m_bob);
        QCOMPARE(bob.value(QStringLiteral("email")).toString(), QStringLiteral("bob@example.org"));
        QCOMPARE(bob.value(QStringLiteral("display_name")).toString(), QStringLiteral("Bob"));
        QCOMPARE(bob.value(QStringLiteral("role")).toString(), QStringLiteral("member"));
    }
    QCOMPARE(withAccess(*m_annsLaptop, QStringLiteral("acc-private")), 1);
    for (SyncDevice* outsider : {m_cysLaptop.get(), m_deesLaptop.get()}) {
        QCOMPARE(outsider->http().get(QStringLiteral("/accounts/acc-shared/members")).status, 404);
        QCOMPARE(outsider->http().get(QStringLiteral("/accounts/acc-private/members")).status, 404);
    }
}

void TestServerSharing::aMembersEditsReachTheOwner()
{
    share(QStringLiteral("acc-shared"), {{QStringLiteral("user_id"), m_bob}});
    const SyncDevice::Pull bobs = m_bobsLaptop->pullAll();
    const QJsonObject plumber =
        bobs.find(QStringLiteral("transactions"), QStringLiteral("txn-plumber"));
    m_annsLaptop->pullAll();

    // Bob edits what he pulled (with its server id and version) and adds a transaction.
    QJsonObject edit =
        B::withServerId(B::transaction(QStringLiteral("txn-plumber"), QStringLiteral("acc-shared"),
                                       QStringLiteral("Plumber (paid by Bob)"), -9000,
                                       QStringLiteral("cat-repairs"), {},
                                       plumber.value(QStringLiteral("version")).toInteger()),
                        plumber.value(QStringLiteral("id")).toString());
    const QJsonArray results = m_bobsLaptop->push(
        {edit, B::transaction(QStringLiteral("txn-bobs"), QStringLiteral("acc-shared"),
                              QStringLiteral("Hardware store"), -1200)});
    QCOMPARE(status(results.at(0)), QStringLiteral("ok"));
    QCOMPARE(results.at(0).toObject().value(QStringLiteral("server_id")).toString(),
             plumber.value(QStringLiteral("id")).toString());
    QCOMPARE(status(results.at(1)), QStringLiteral("ok"));

    const SyncDevice::Pull anns = m_annsLaptop->pullAll();
    QCOMPARE(anns.find(QStringLiteral("transactions"), QStringLiteral("txn-plumber"))
                 .value(QStringLiteral("payee"))
                 .toString(),
             QStringLiteral("Plumber (paid by Bob)"));
    QCOMPARE(anns.find(QStringLiteral("transactions"), QStringLiteral("txn-bobs"))
                 .value(QStringLiteral("payee"))
                 .toString(),
             QStringLiteral("Hardware store"));
    // Bob's laptop gets the new row back like any other change; it lives in Ann's data only.
    QVERIFY(!m_bobsLaptop->pullAll()
                 .find(QStringLiteral("transactions"), QStringLiteral("txn-bobs"))
                 .isEmpty());
    const auto owners = m_server->instance().database().select(
        QStringLiteral("SELECT owner_id FROM sync_rows WHERE client_id = 'txn-bobs'"));
    QCOMPARE(owners->size(), 1);
    QCOMPARE(owners->first().at(0).toString(), m_ann);
    QCOMPARE(withAccess(*m_annsLaptop, QStringLiteral("acc-shared")), 2);
    // Moving a shared row into an account that is not shared is refused.
    const QJsonObject moved =
        B::withPayload(edit, QStringLiteral("account_id"), QStringLiteral("acc-private"));
    QCOMPARE(status(m_bobsLaptop->pushOne(B::withVersion(moved, 99))), QStringLiteral("not_found"));
}

void TestServerSharing::withdrawingAShareDeletesItOnTheMembersSide()
{
    share(QStringLiteral("acc-shared"), {{QStringLiteral("user_id"), m_bob}});
    m_bobsLaptop->pullAll();
    QCOMPARE(m_annsLaptop->http().del(QStringLiteral("/accounts/acc-shared/share/") + m_bob).status,
             204);
    QCOMPARE(m_annsLaptop->http().del(QStringLiteral("/accounts/acc-shared/share/") + m_bob).status,
             404);

    const SyncDevice::Pull after = m_bobsLaptop->pullAll();
    QStringList gone;
    for (const QString& key :
         {QStringLiteral("accounts"), QStringLiteral("transactions"),
          QStringLiteral("recurring_transactions"), QStringLiteral("reconciliations")}) {
        for (const QJsonObject& record : after.records.value(key)) {
            QVERIFY2(isDeleted(record), qPrintable(key));
            // Marked, so that the app drops the rows instead of keeping them to restore.
            QVERIFY2(record.value(QStringLiteral("withdrawn")).toBool(), qPrintable(key));
            gone.append(record.value(QStringLiteral("client_id")).toString());
        }
    }
    gone.sort();
    QCOMPARE(gone, (QStringList{QStringLiteral("acc-shared"), QStringLiteral("rcn-1"),
                                QStringLiteral("rec-rent"), QStringLiteral("txn-market"),
                                QStringLiteral("txn-plumber")}));
    // Deleted records keep their key dates, so the app can apply them.
    QCOMPARE(after.find(QStringLiteral("transactions"), QStringLiteral("txn-market"))
                 .value(QStringLiteral("date"))
                 .toString(),
             QStringLiteral("2024-03-01"));

    // Nothing Ann does later reaches Bob, and Bob cannot write to it any more.
    m_annsLaptop->pushOne(
        B::withVersion(B::transaction(QStringLiteral("txn-plumber"), QStringLiteral("acc-shared"),
                                      QStringLiteral("After"), -1),
                       5));
    m_annsLaptop->pushOne(B::transaction(QStringLiteral("txn-new"), QStringLiteral("acc-shared"),
                                         QStringLiteral("New"), -1));
    const SyncDevice::Pull later = m_bobsLaptop->pullAll();
    QVERIFY(later.records.value(QStringLiteral("transactions")).isEmpty());
    QCOMPARE(status(m_bobsLaptop->pushOne(B::withVersion(
                 B::transaction(QStringLiteral("txn-plumber"), QStringLiteral("acc-shared"),
                                QStringLiteral("Bob"), -1),
                 50))),
             QStringLiteral("forbidden")); // nor make a copy of it his own
    QCOMPARE(m_annsLaptop->pullAll()
                 .find(QStringLiteral("transactions"), QStringLiteral("txn-plumber"))
                 .value(QStringLiteral("payee"))
                 .toString(),
             QStringLiteral("After"));
    // With nobody left to share with, the account is no longer shared.
    QCOMPARE(m_annsLaptop->pullAll()
                 .find(QStringLiteral("accounts"), QStringLiteral("acc-shared"))
                 .value(QStringLiteral("is_shared"))
                 .toBool(),
             false);
    QCOMPARE(withAccess(*m_annsLaptop, QStringLiteral("acc-shared")), 1);
}

void TestServerSharing::sharesThatAreRefused_data()
{
    QTest::addColumn<QString>("who");
    QTest::addColumn<QString>("accountId");
    QTest::addColumn<QJsonObject>("body");
    QTest::addColumn<int>("status");

    QTest::newRow("with somebody outside the group")
        << "ann"
        << "acc-shared" << QJsonObject{{"user_id", "DEE"}} << 400;
    QTest::newRow("with an outsider's address")
        << "ann"
        << "acc-shared" << QJsonObject{{"email", "dee@example.org"}} << 400;
    QTest::newRow("with an unknown address")
        << "ann"
        << "acc-shared" << QJsonObject{{"email", "zed@example.org"}} << 400;
    QTest::newRow("with oneself") << "ann"
                                  << "acc-shared" << QJsonObject{{"user_id", "ANN"}} << 400;
    QTest::newRow("with nobody") << "ann"
                                 << "acc-shared" << QJsonObject{} << 400;
    QTest::newRow("with an unknown role")
        << "ann"
        << "acc-shared" << QJsonObject{{"user_id", "CY"}, {"role", "admin"}} << 400;
    QTest::newRow("with a number for an id") << "ann"
                                             << "acc-shared" << QJsonObject{{"user_id", 7}} << 400;
    QTest::newRow("an account that does not exist")
        << "ann"
        << "acc-none" << QJsonObject{{"user_id", "CY"}} << 404;
    QTest::newRow("by the member it is shared with")
        << "bob"
        << "acc-shared" << QJsonObject{{"user_id", "CY"}} << 403;
    QTest::newRow("by a group member it is not shared with")
        << "cy"
        << "acc-shared" << QJsonObject{{"user_id", "CY"}} << 404;
    QTest::newRow("by an outsider") << "dee"
                                    << "acc-private" << QJsonObject{{"user_id", "DEE"}} << 404;
}

void TestServerSharing::sharesThatAreRefused()
{
    QFETCH(QString, who);
    QFETCH(QString, accountId);
    QFETCH(QJsonObject, body);
    QFETCH(int, status);
    share(QStringLiteral("acc-shared"), {{QStringLiteral("user_id"), m_bob}});
    for (auto it = body.begin(); it != body.end(); ++it) {
        const QString text = it.value().toString();
        if (text == QLatin1String("ANN") || text == QLatin1String("CY") ||
            text == QLatin1String("DEE"))
            it.value() = text == QLatin1String("ANN")  ? m_ann
                         : text == QLatin1String("CY") ? m_cy
                                                       : m_dee;
    }
    SyncDevice* caller = who == QLatin1String("ann")   ? m_annsLaptop.get()
                         : who == QLatin1String("bob") ? m_bobsLaptop.get()
                         : who == QLatin1String("cy")  ? m_cysLaptop.get()
                                                       : m_deesLaptop.get();
    const auto reply =
        caller->http().post(QStringLiteral("/accounts/%1/share").arg(accountId), body);
    QCOMPARE(reply.status, status);
    QVERIFY(!reply.error().isEmpty());
    // Still shared with Bob alone; the others pull nothing of Ann's.
    QCOMPARE(withAccess(*m_annsLaptop, QStringLiteral("acc-shared")), 2);
    QVERIFY(m_cysLaptop->pullAll().records.value(QStringLiteral("transactions")).isEmpty());
    QVERIFY(m_deesLaptop->pullAll().records.value(QStringLiteral("transactions")).isEmpty());
}

void TestServerSharing::aMemberDeletingTheAccountOnlyLeavesTheShare()
{
    share(QStringLiteral("acc-shared"), {{QStringLiteral("user_id"), m_bob}});
    const SyncDevice::Pull bobs = m_bobsLaptop->pullAll();
    // Bob deletes the account in his app: the app deletes its transactions with it.
    QJsonArray deletions;
    for (const QString& key : {QStringLiteral("accounts"), QStringLiteral("transactions")}) {
        for (const QJsonObject& record : bobs.records.value(key)) {
            const QString type = key == QLatin1String("accounts") ? QStringLiteral("account")
                                                                  : QStringLiteral("transaction");
            QJsonObject change{{"entity_type", type},
                               {"entity_id", record.value("client_id")},
                               {"action", "delete"},
                               {"version", record.value("version")}};
            QJsonObject payload = record;
            payload.insert(QStringLiteral("server_id"), payload.take(QStringLiteral("id")));
            payload.insert(QStringLiteral("deleted_at"), QStringLiteral("2024-04-01T00:00:00Z"));
            change.insert(QStringLiteral("payload"), payload);
            deletions.append(change);
        }
    }
    for (const QJsonValue& result : m_bobsLaptop->push(deletions))
        QCOMPARE(status(result), QStringLiteral("ok"));
    const SyncDevice::Pull anns = m_annsLaptop->pullAll();
    QVERIFY(!isDeleted(anns.find(QStringLiteral("accounts"), QStringLiteral("acc-shared"))));
    QVERIFY(!isDeleted(anns.find(QStringLiteral("transactions"), QStringLiteral("txn-market"))));
    QCOMPARE(withAccess(*m_annsLaptop, QStringLiteral("acc-shared")), 1);
    QCOMPARE(m_bobsLaptop->http().get(QStringLiteral("/accounts/acc-shared/members")).status, 404);
}

void TestServerSharing::aWithdrawnAccountStaysTheOwners_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("withdrawn by the owner") << "owner";
    QTest::newRow("the member left the group") << "leave";
    QTest::newRow("the member deleted it in the app") << "delete";
}

// Once the share has ended, Bob's devices may still hold copies of Ann's rows (a device that
// missed the withdrawal, an old backup). Pushed without their server ids, they would become
// Bob's own rows under Ann's account id: refused one by one, while the rest of the batch goes
// in. Accounts of Ann's that Bob never saw are not told apart from any other id.
void TestServerSharing::aWithdrawnAccountStaysTheOwners()
{
    QFETCH(QString, how);
    share(QStringLiteral("acc-shared"), {{QStringLiteral("user_id"), m_bob}});
    const SyncDevice::Pull bobs = m_bobsLaptop->pullAll();
    const QJsonObject account = bobs.find(QStringLiteral("accounts"), QStringLiteral("acc-shared"));
    if (how == QLatin1String("owner")) {
        QCOMPARE(
            m_annsLaptop->http().del(QStringLiteral("/accounts/acc-shared/share/") + m_bob).status,
            204);
    } else if (how == QLatin1String("leave")) {
        QCOMPARE(m_bobsLaptop->http().postEmpty(QStringLiteral("/group/leave")).status, 204);
    } else {
        QJsonObject deletion =
            B::deleted(B::account(QStringLiteral("acc-shared"), QStringLiteral("Household"),
                                  account.value(QStringLiteral("version")).toInteger()));
        deletion = B::withServerId(deletion, account.value(QStringLiteral("id")).toString());
        QCOMPARE(status(m_bobsLaptop->pushOne(deletion)), QStringLiteral("ok"));
    }

    const QJsonArray results = m_bobsLaptop->push({
        B::account(QStringLiteral("acc-shared"), QStringLiteral("Mine now")),
        B::transaction(QStringLiteral("txn-plumber"), QStringLiteral("acc-shared"),
                       QStringLiteral("Plumber"), -9000),
        B::transaction(QStringLiteral("txn-typed"), QStringLiteral("acc-shared"),
                       QStringLiteral("Typed later"), -1),
        B::recurring(QStringLiteral("rec-rent"), QStringLiteral("acc-shared"),
                     QStringLiteral("Rent")),
        B::reconciliation(QStringLiteral("rcn-1"), QStringLiteral("acc-shared")),
        B::deleted(B::transaction(QStringLiteral("txn-market"), QStringLiteral("acc-shared"),
                                  QStringLiteral("Market"), -5000)),
        B::account(QStringLiteral("acc-bob"), QStringLiteral("Bob's own")),
        B::transaction(QStringLiteral("txn-bob"), QStringLiteral("acc-bob"),
                       QStringLiteral("Bob's"), -1),
        B::transaction(QStringLiteral("txn-guess"), QStringLiteral("acc-private"),
                       QStringLiteral("Never seen"), -1),
    });
    QStringList statuses;
    for (const QJsonValue& result : results)
        statuses << status(result);
    QCOMPARE(statuses, (QStringList{"forbidden", "forbidden", "forbidden", "forbidden", "forbidden",
                                    "ok", "ok", "ok", "ok"}));
    QVERIFY(!results.at(0).toObject().value(QStringLiteral("message")).toString().isEmpty());

    // Nothing of acc-shared is Bob's, and Ann's rows are as she left them.
    const SyncDevice::Pull later = m_bobsLaptop->pullAll();
    for (const QJsonObject& record : later.records.value(QStringLiteral("accounts")))
        QVERIFY(record.value(QStringLiteral("client_id")).toString() !=
                    QLatin1String("acc-shared") ||
                isDeleted(record));
    for (const QJsonObject& record : later.records.value(QStringLiteral("transactions")))
        QVERIFY(record.value(QStringLiteral("account_id")).toString() !=
                    QLatin1String("acc-shared") ||
                isDeleted(record));
    const SyncDevice::Pull anns = m_annsLaptop->pullAll();
    QCOMPARE(anns.find(QStringLiteral("accounts"), QStringLiteral("acc-shared"))
                 .value(QStringLiteral("name"))
                 .toString(),
             QStringLiteral("Household"));
    QVERIFY(anns.find(QStringLiteral("transactions"), QStringLiteral("txn-typed")).isEmpty());
    QVERIFY(!isDeleted(anns.find(QStringLiteral("transactions"), QStringLiteral("txn-market"))));
}

void TestServerSharing::leavingTheGroupEndsTheShares()
{
    share(QStringLiteral("acc-shared"), {{QStringLiteral("user_id"), m_bob}});
    m_bobsLaptop->pullAll();
    QCOMPARE(m_bobsLaptop->http().postEmpty(QStringLiteral("/group/leave")).status, 204);
    const SyncDevice::Pull after = m_bobsLaptop->pullAll();
    QVERIFY(isDeleted(after.find(QStringLiteral("accounts"), QStringLiteral("acc-shared"))));
    QVERIFY(isDeleted(after.find(QStringLiteral("transactions"), QStringLiteral("txn-market"))));
    QCOMPARE(withAccess(*m_annsLaptop, QStringLiteral("acc-shared")), 1);
    QCOMPARE(share(QStringLiteral("acc-shared"), {{QStringLiteral("user_id"), m_bob}}).status, 400);
}

void TestServerSharing::theSharedFlagIsTheServers()
{
    share(QStringLiteral("acc-shared"), {{QStringLiteral("user_id"), m_cy}});
    // Ann's laptop, not yet aware of the share, pushes the account as not shared.
    const QJsonObject pushed = m_annsLaptop->pushOne(
        B::withVersion(B::account(QStringLiteral("acc-shared"), QStringLiteral("Household")), 10));
    QCOMPARE(status(pushed), QStringLiteral("ok"));
    QCOMPARE(m_cysLaptop->pullAll()
                 .find(QStringLiteral("accounts"), QStringLiteral("acc-shared"))
                 .value(QStringLiteral("is_shared"))
                 .toBool(),
             true);
    QCOMPARE(m_annsLaptop->http().del(QStringLiteral("/accounts/acc-shared/share/") + m_cy).status,
             204);
    QCOMPARE(m_annsLaptop->pullAll()
                 .find(QStringLiteral("accounts"), QStringLiteral("acc-shared"))
                 .value(QStringLiteral("is_shared"))
                 .toBool(),
             false);
}

void TestServerSharing::aMembersOwnCategoryReachesTheOwner()
{
    share(QStringLiteral("acc-shared"), {{QStringLiteral("user_id"), m_bob}});
    m_bobsLaptop->push({B::category(QStringLiteral("cat-bob-top"), QStringLiteral("Hobbies")),
                        B::category(QStringLiteral("cat-bob-hobby"), QStringLiteral("Model trains"),
                                    QStringLiteral("cat-bob-top"))});
    // Bob books a shared transaction to a category only he has.
    QCOMPARE(status(m_bobsLaptop->pushOne(B::transaction(
                 QStringLiteral("txn-trains"), QStringLiteral("acc-shared"),
                 QStringLiteral("Train shop"), -4000, QStringLiteral("cat-bob-hobby")))),
             QStringLiteral("ok"));
    // A new device of Ann's can store it: the category comes along, parent first.
    SyncDevice annsNewLaptop(m_server->signedIn(QStringLiteral("ann@example.org")));
    const SyncDevice::Pull anns = annsNewLaptop.pullAll();
    const QStringList categories = anns.clientIds(QStringLiteral("categories"));
    QVERIFY(categories.contains(QStringLiteral("cat-bob-hobby")));
    QVERIFY(categories.indexOf(QStringLiteral("cat-bob-top")) <
            categories.indexOf(QStringLiteral("cat-bob-hobby")));
    QCOMPARE(anns.find(QStringLiteral("transactions"), QStringLiteral("txn-trains"))
                 .value(QStringLiteral("category_id"))
                 .toString(),
             QStringLiteral("cat-bob-hobby"));
    // Cy, not shared with, gets none of Bob's categories.
    QVERIFY(m_cysLaptop->pullAll().records.value(QStringLiteral("categories")).isEmpty());
}

void TestServerSharing::categoriesTheMemberStillUsesStayAfterTheShareEnds()
{
    m_annsLaptop->pushOne(B::transaction(QStringLiteral("txn-present"),
                                         QStringLiteral("acc-shared"), QStringLiteral("Present"),
                                         -2500, QStringLiteral("cat-gifts")));
    share(QStringLiteral("acc-shared"), {{QStringLiteral("user_id"), m_bob}});
    QVERIFY(m_bobsLaptop->pullAll()
                .clientIds(QStringLiteral("categories"))
                .contains(QStringLiteral("cat-gifts")));
    // Bob books a transaction of his own account to one of Ann's categories.
    m_bobsLaptop->push(
        {B::account(QStringLiteral("acc-bob"), QStringLiteral("Bob's")),
         B::transaction(QStringLiteral("txn-bob"), QStringLiteral("acc-bob"),
                        QStringLiteral("Tiles"), -700, QStringLiteral("cat-repairs"))});
    QCOMPARE(m_annsLaptop->http().del(QStringLiteral("/accounts/acc-shared/share/") + m_bob).status,
             204);
    // A new device of Bob's can still store his transaction; Ann's other category is gone.
    SyncDevice bobsNewLaptop(m_server->signedIn(QStringLiteral("bob@example.org")));
    const QStringList categories = bobsNewLaptop.pullAll().clientIds(QStringLiteral("categories"));
    QVERIFY(categories.contains(QStringLiteral("cat-repairs")));
    QVERIFY(categories.contains(QStringLiteral("cat-home")));
    QVERIFY(!categories.contains(QStringLiteral("cat-gifts")));
}

void TestServerSharing::sharingIsRefusedWhereTheMemberHasRowsOfTheSameIds_data()
{
    QTest::addColumn<QString>("bobHas");
    QTest::addColumn<int>("expected");

    QTest::newRow("an account of his own with the id") << "own account" << 409;
    QTest::newRow("a deleted account of his own with the id") << "deleted account" << 409;
    QTest::newRow("a transaction of his own with a shared one's id") << "own transaction" << 409;
    QTest::newRow("a recurring row of his own with a shared one's id") << "own recurring" << 409;
    QTest::newRow("the account with the id from somebody else") << "cy's account" << 409;
    QTest::newRow("a category with the account's id") << "category" << 200;
    QTest::newRow("nothing of the kind, though Cy has the id") << "cy's unshared account" << 200;
}

// Rows are Ann's or Bob's by owner on the server, but the app keeps one row per id: shared with
// a Bob who holds a row of the same type and id already, Ann's row and Bob's would meet on his
// devices (a copy of her ledger restored in his app, say). The share is refused instead.
void TestServerSharing::sharingIsRefusedWhereTheMemberHasRowsOfTheSameIds()
{
    QFETCH(QString, bobHas);
    QFETCH(int, expected);
    const QString acc = QStringLiteral("acc-shared");
    const QJsonObject bobsAccount = B::account(QStringLiteral("acc-bob"), QStringLiteral("Bob's"));
    if (bobHas == QLatin1String("own account")) {
        QCOMPARE(status(m_bobsLaptop->pushOne(B::account(acc, QStringLiteral("Bob's copy")))),
                 QStringLiteral("ok"));
    } else if (bobHas == QLatin1String("deleted account")) {
        m_bobsLaptop->pushOne(B::account(acc, QStringLiteral("Bob's copy")));
        QCOMPARE(status(m_bobsLaptop->pushOne(
                     B::deleted(B::account(acc, QStringLiteral("Bob's copy"))))),
                 QStringLiteral("ok"));
    } else if (bobHas == QLatin1String("own transaction")) {
        m_bobsLaptop->push(
            {bobsAccount, B::transaction(QStringLiteral("txn-plumber"), QStringLiteral("acc-bob"),
                                         QStringLiteral("Copy"), -1)});
    } else if (bobHas == QLatin1String("own recurring")) {
        m_bobsLaptop->push(
            {bobsAccount, B::recurring(QStringLiteral("rec-rent"), QStringLiteral("acc-bob"),
                                       QStringLiteral("Copy"))});
    } else if (bobHas == QLatin1String("category")) {
        m_bobsLaptop->pushOne(B::category(acc, QStringLiteral("Odd name")));
    } else {
        m_cysLaptop->pushOne(B::account(acc, QStringLiteral("Cy's")));
        if (bobHas == QLatin1String("cy's account"))
            QCOMPARE(m_cysLaptop->http()
                         .post(QStringLiteral("/accounts/acc-shared/share"),
                               {{QStringLiteral("user_id"), m_bob}})
                         .status,
                     200);
    }
    m_bobsLaptop->pullAll();

    const auto reply = share(acc, {{QStringLiteral("user_id"), m_bob}});
    QCOMPARE(reply.status, expected);
    if (expected == 200)
        return;
    QVERIFY(!reply.error().isEmpty());
    QCOMPARE(withAccess(*m_annsLaptop, acc), 1);
    const SyncDevice::Pull bobs = m_bobsLaptop->pullAll();
    QVERIFY(bobs.records.value(QStringLiteral("transactions")).isEmpty());
    QVERIFY(bobs.records.value(QStringLiteral("reconciliations")).isEmpty());
}

void TestServerSharing::aRowSharedWithThePusherIsNotMadeTheirOwnAgain_data()
{
    QTest::addColumn<QJsonObject>("change");
    QTest::addColumn<QString>("pullKey");
    QTest::addColumn<QString>("expected");

    const QString bobs = QStringLiteral("acc-bob");
    QTest::newRow("a shared transaction's id in his own account")
        << B::transaction("txn-plumber", bobs, "Copy", -1) << "transactions"
        << "forbidden";
    QTest::newRow("a shared recurring row's id")
        << B::recurring("rec-rent", bobs, "Copy") << "recurring_transactions"
        << "forbidden";
    QTest::newRow("a shared reconciliation's id")
        << B::reconciliation("rcn-1", bobs) << "reconciliations"
        << "forbidden";
    QTest::newRow("its deletion") << B::deleted(B::transaction("txn-plumber", bobs, "Copy", -1))
                                  << "transactions"
                                  << "ok";
    QTest::newRow("a fresh id") << B::transaction("txn-bob", bobs, "Bob's", -1) << "transactions"
                                << "ok";
    QTest::newRow("the id of a row Ann keeps to herself")
        << B::transaction("txn-secret", bobs, "Guess", -1) << "transactions"
        << "ok";
    QTest::newRow("a shared category's id, which is the same category")
        << B::category("cat-repairs", "Repairs") << "categories"
        << "ok";
}

// Once Ann's rows are shared with Bob, a row of his own with one of their ids would meet hers on
// his devices: refused, while the rest of the batch goes in.
void TestServerSharing::aRowSharedWithThePusherIsNotMadeTheirOwnAgain()
{
    QFETCH(QJsonObject, change);
    QFETCH(QString, pullKey);
    QFETCH(QString, expected);
    QCOMPARE(status(m_bobsLaptop->pushOne(
                 B::account(QStringLiteral("acc-bob"), QStringLiteral("Bob's")))),
             QStringLiteral("ok"));
    share(QStringLiteral("acc-shared"), {{QStringLiteral("user_id"), m_bob}});
    m_bobsLaptop->pullAll();

    const QJsonArray results = m_bobsLaptop->push(
        {change, B::transaction(QStringLiteral("txn-other"), QStringLiteral("acc-bob"),
                                QStringLiteral("Other"), -1)});
    QCOMPARE(status(results.at(0)), expected);
    QCOMPARE(status(results.at(1)), QStringLiteral("ok"));
    if (expected == QLatin1String("ok"))
        return;
    QVERIFY(!results.at(0).toObject().value(QStringLiteral("message")).toString().isEmpty());
    // Bob sees one row of that id, Ann's, as she left it.
    SyncDevice bobsNewLaptop(m_server->signedIn(QStringLiteral("bob@example.org")));
    const QList<QJsonObject> seen = allOf(bobsNewLaptop.pullAll(), pullKey,
                                          change.value(QStringLiteral("entity_id")).toString());
    QCOMPARE(seen.size(), 1);
    QVERIFY(seen.first().value(QStringLiteral("payee")).toString() != QLatin1String("Copy"));
}

// Two accounts with one id, Ann's shared with Bob and one of Bob's own, as a server that did not
// refuse such shares yet left them: every row is addressed by the one its caller means.
void TestServerSharing::twoAccountsOfOneIdAreToldApartByServerId()
{
    const QString acc = QStringLiteral("acc-shared");
    m_bobsLaptop->push(
        {B::account(acc, QStringLiteral("Bob's household")),
         B::transaction(QStringLiteral("txn-bobs"), acc, QStringLiteral("Bob's"), -100)});
    QCOMPARE(share(acc, {{QStringLiteral("user_id"), m_bob}}).status, 409);
    QVERIFY(m_server->instance().sharing().share(m_ann, acc, m_bob, QStringLiteral("member")));

    // Bob pulls both accounts, each marked as not told apart by its client id, and the rows of
    // each with the server id of their own account.
    const SyncDevice::Pull bobs = m_bobsLaptop->pullAll();
    const QList<QJsonObject> accounts = allOf(bobs, QStringLiteral("accounts"), acc);
    QCOMPARE(accounts.size(), 2);
    QString annsId;
    QString bobsId;
    for (const QJsonObject& account : accounts) {
        QVERIFY(account.value(QStringLiteral("ambiguous_client_id")).toBool());
        const bool annsAccount =
            account.value(QStringLiteral("name")).toString() == QLatin1String("Household");
        (annsAccount ? annsId : bobsId) = account.value(QStringLiteral("id")).toString();
    }
    QVERIFY(!annsId.isEmpty() && !bobsId.isEmpty());
    for (const auto& [transaction, accountServerId] :
         {std::pair(QStringLiteral("txn-plumber"), annsId),
          std::pair(QStringLiteral("txn-bobs"), bobsId)}) {
        const QJsonObject record = bobs.find(QStringLiteral("transactions"), transaction);
        QCOMPARE(record.value(QStringLiteral("account_server_id")).toString(), accountServerId);
        QVERIFY(!record.contains(QStringLiteral("ambiguous_client_id")));
    }
    // Ann, who sees one account of that id, gets her records as always.
    const SyncDevice::Pull anns = m_annsLaptop->pullAll();
    QVERIFY(!anns.find(QStringLiteral("accounts"), acc)
                 .contains(QStringLiteral("ambiguous_client_id")));
    QVERIFY(!anns.find(QStringLiteral("transactions"), QStringLiteral("txn-plumber"))
                 .contains(QStringLiteral("account_server_id")));

    // The members of the account Bob means.
    const HttpClient& bob = m_bobsLaptop->http();
    const QString members = QStringLiteral("/accounts/acc-shared/members");
    QCOMPARE(memberIds(bob.get(members + "?server_id=" + annsId)), (QStringList{m_ann, m_bob}));
    QCOMPARE(memberIds(bob.get(members + "?server_id=" + bobsId)), QStringList{m_bob});
    QCOMPARE(memberIds(bob.get(members)), QStringList{m_bob}); // an app that does not say: his own
    const QString annsPrivate =
        anns.find(QStringLiteral("accounts"), QStringLiteral("acc-private")).value("id").toString();
    QCOMPARE(bob.get(members + "?server_id=" + annsPrivate).status, 404);
    QCOMPARE(m_cysLaptop->http().get(members + "?server_id=" + annsId).status, 404);
    QCOMPARE(bob.get(members + "?server_id=unknown").status, 404);
    QCOMPARE(bob.post("/accounts/acc-shared/share?server_id=" + annsId, {{"user_id", m_cy}}).status,
             403);

    // Bob's edits go to the row he names by its server id, new rows to the account he names.
    const QJsonObject plumber = bobs.find(QStringLiteral("transactions"), "txn-plumber");
    const QJsonArray results = m_bobsLaptop->push({
        B::withServerId(B::withVersion(B::account(acc, QStringLiteral("Renamed by Bob")),
                                       accounts.first().value("version").toInteger() + 5),
                        annsId),
        B::withPayload(B::transaction("txn-to-anns", acc, "For Ann's", -1), "account_server_id",
                       annsId),
        B::withPayload(B::transaction("txn-to-bobs", acc, "For Bob's", -1), "account_server_id",
                       bobsId),
        B::withServerId(B::withVersion(B::transaction("txn-plumber", acc, "Plumber, paid", -9000),
                                       plumber.value("version").toInteger()),
                        plumber.value("id").toString()),
    });
    for (const QJsonValue& result : results)
        QCOMPARE(status(result), QStringLiteral("ok"));
    QCOMPARE(results.at(0).toObject().value("server_id").toString(), annsId);
    const auto owners = m_server->instance().database().select(QStringLiteral(
        "SELECT client_id, owner_id FROM sync_rows WHERE client_id IN ('txn-to-anns', "
        "'txn-to-bobs', 'txn-plumber') ORDER BY client_id"));
    QCOMPARE(owners->size(), 3);
    QCOMPARE(owners->at(0).at(1).toString(), m_ann); // txn-plumber
    QCOMPARE(owners->at(1).at(1).toString(), m_ann); // txn-to-anns
    QCOMPARE(owners->at(2).at(1).toString(), m_bob); // txn-to-bobs
    const SyncDevice::Pull annsLater = m_annsLaptop->pullAll();
    QCOMPARE(annsLater.find("accounts", acc).value("name").toString(), "Renamed by Bob");
    QCOMPARE(annsLater.find("transactions", "txn-plumber").value("payee").toString(),
             "Plumber, paid");
    // The field travels to the server, not into the stored row.
    QVERIFY(!annsLater.find("transactions", "txn-to-anns").contains("account_server_id"));

    // Bob leaving without saying which: the share, not his own account.
    QCOMPARE(bob.del("/accounts/acc-shared/share/" + m_bob).status, 204);
    QCOMPARE(withAccess(*m_annsLaptop, acc), 1);
    const SyncDevice::Pull after = m_bobsLaptop->pullAll();
    for (const QJsonObject& account : allOf(after, QStringLiteral("accounts"), acc))
        QCOMPARE(isDeleted(account), account.value("id").toString() == annsId);
}

void TestServerSharing::sharedRowsUseOnlyCategoriesTheirPusherSees_data()
{
    QTest::addColumn<QString>("pusher");
    QTest::addColumn<QStringList>("categories");
    QTest::addColumn<QString>("expected");

    QTest::newRow("the owner's category the account uses")
        << "bob" << QStringList{"cat-repairs"} << "ok";
    QTest::newRow("its parent, which came along") << "bob" << QStringList{"cat-home"} << "ok";
    QTest::newRow("the member's own") << "bob" << QStringList{"default-groceries"} << "ok";
    QTest::newRow("the member's own, new in the same batch")
        << "bob" << QStringList{"cat-bob-new"} << "ok";
    QTest::newRow("the owner's category the account does not use")
        << "bob" << QStringList{"cat-gifts"} << "forbidden";
    QTest::newRow("one in a split line")
        << "bob" << QStringList{"cat-repairs", "cat-gifts"} << "forbidden";
    QTest::newRow("one nobody has") << "bob" << QStringList{"cat-nowhere"} << "forbidden";
    QTest::newRow("the owner, a category of the member's")
        << "ann" << QStringList{"cat-bob-own"} << "forbidden";
    QTest::newRow("the owner, her own") << "ann" << QStringList{"cat-gifts"} << "ok";
    QTest::newRow("an edit keeping a category deleted since")
        << "edit" << QStringList{"cat-repairs"} << "ok";
}

// Whoever sees a shared row receives the categories it is booked to. Booking one to a category
// id its pusher cannot see would hand them that category: Bob booking to Ann's "Gifts", which
// no shared row uses, would pull it to his devices.
void TestServerSharing::sharedRowsUseOnlyCategoriesTheirPusherSees()
{
    QFETCH(QString, pusher);
    QFETCH(QStringList, categories);
    QFETCH(QString, expected);
    share(QStringLiteral("acc-shared"), {{QStringLiteral("user_id"), m_bob}});
    m_bobsLaptop->pushOne(B::category(QStringLiteral("cat-bob-own"), QStringLiteral("Trains")));
    const QJsonObject plumber =
        m_bobsLaptop->pullAll().find(QStringLiteral("transactions"), "txn-plumber");

    QJsonArray batch;
    if (pusher == QLatin1String("edit")) {
        // Ann deletes the category; Bob edits the transaction still booked to it.
        m_annsLaptop->pushOne(B::deleted(
            B::category(QStringLiteral("cat-repairs"), "Repairs", QStringLiteral("cat-home"))));
        m_bobsLaptop->pullAll();
        batch.append(
            B::withServerId(B::withVersion(B::transaction("txn-plumber", "acc-shared", "Edited",
                                                          -9000, categories.first()),
                                           plumber.value(QStringLiteral("version")).toInteger()),
                            plumber.value(QStringLiteral("id")).toString()));
    } else {
        if (categories.contains(QStringLiteral("cat-bob-new")))
            batch.append(B::category(QStringLiteral("cat-bob-new"), QStringLiteral("New")));
        batch.append(categories.size() == 1 ? B::transaction("txn-booked", "acc-shared", "Booked",
                                                             -100, categories.first())
                                            : B::transaction("txn-booked", "acc-shared", "Booked",
                                                             -100, QString(), categories));
    }
    SyncDevice* device = pusher == QLatin1String("ann") ? m_annsLaptop.get() : m_bobsLaptop.get();
    const QJsonArray results = device->push(batch);
    QCOMPARE(status(results.last()), expected);
    if (expected == QLatin1String("ok"))
        return;
    QVERIFY(!results.last().toObject().value(QStringLiteral("message")).toString().isEmpty());
    // The row reached nobody, and the category not the one who pushed it.
    for (SyncDevice* viewer : {m_annsLaptop.get(), m_bobsLaptop.get()})
        QVERIFY(viewer->pullAll().find(QStringLiteral("transactions"), "txn-booked").isEmpty());
    SyncDevice pushersNewLaptop(m_server->signedIn(pusher == QLatin1String("ann")
                                                       ? QStringLiteral("ann@example.org")
                                                       : QStringLiteral("bob@example.org")));
    const QStringList seen = pushersNewLaptop.pullAll().clientIds(QStringLiteral("categories"));
    QVERIFY(!seen.contains(pusher == QLatin1String("ann") ? QStringLiteral("cat-bob-own")
                                                          : QStringLiteral("cat-gifts")));
}

// Bob sees Ann's "Gifts" through "acc-private", which she shares with him alone. Booking a row
// of "acc-shared", which Cy sees as well, to it would hand "Gifts" to Cy.
void TestServerSharing::aCategorySeenThroughAnotherShareStaysThere()
{
    for (const QString& account : {QStringLiteral("acc-shared"), QStringLiteral("acc-private")})
        QCOMPARE(share(account, {{QStringLiteral("user_id"), m_bob}}).status, 200);
    QCOMPARE(share(QStringLiteral("acc-shared"), {{QStringLiteral("user_id"), m_cy}}).status, 200);
    QVERIFY(m_bobsLaptop->pullAll()
                .clientIds(QStringLiteral("categories"))
                .contains(QStringLiteral("cat-gifts")));

    const QJsonObject result = m_bobsLaptop->pushOne(B::transaction(
        "txn-booked", "acc-shared", "Booked", -100, QStringLiteral("cat-gifts")));
    QCOMPARE(status(result), QStringLiteral("forbidden"));
    const SyncDevice::Pull cys = m_cysLaptop->pullAll();
    QVERIFY(cys.find(QStringLiteral("transactions"), QStringLiteral("txn-booked")).isEmpty());
    QVERIFY(!cys.clientIds(QStringLiteral("categories")).contains(QStringLiteral("cat-gifts")));
}

QTEST_GUILESS_MAIN(TestServerSharing)
#include "tst_serversharing.moc"
