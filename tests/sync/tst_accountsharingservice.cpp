#include "sync/sharing/accountsharingservice.h"

#include "tests/sync/syncbench.h"

#include "tests/common/testrecords.h"

#include "data/syncwireidrepository.h"

#include "libs/account/client.h"

#include <QJsonArray>
#include <QTest>

Q_DECLARE_METATYPE(HttpTestReply)

// Sharing goes to the sync server under the account's local id.
class TestAccountSharingService : public QObject
{
    Q_OBJECT

private:
    static QString path(const QString& tail) { return QStringLiteral("/sync/v1") + tail; }

private slots:
    void shareWithSendsTheRightBody_data();
    void shareWithSendsTheRightBody();
    void shareWithReportsTheServersText_data();
    void shareWithReportsTheServersText();
    void listMembersReadsEveryMember();
    void listMembersIsEmptyOnFailure();
    void removeShareReportsTheOutcome_data();
    void removeShareReportsTheOutcome();
    void shareIdIsTheMembersAccountId();
    void twoAccountsOfOneIdAreNamedByServerId();
};

void TestAccountSharingService::shareWithSendsTheRightBody_data()
{
    QTest::addColumn<QString>("who");
    QTest::addColumn<QString>("role");
    QTest::addColumn<QJsonObject>("body");

    QTest::newRow("e-mail, no role")
        << "ann@example.org" << QString()
        << QJsonObject{
               {"email", "ann@example.org"}, {"user_id", "ann@example.org"}, {"role", "member"}};
    QTest::newRow("user id, role kept")
        << "u-42"
        << "viewer" << QJsonObject{{"user_id", "u-42"}, {"role", "viewer"}};
}

void TestAccountSharingService::shareWithSendsTheRightBody()
{
    QFETCH(QString, who);
    QFETCH(QString, role);
    QFETCH(QJsonObject, body);
    SyncBench bench;
    AccountSharingService service(bench.account.client()->syncApi());
    bench.account.server.setReply("POST", path("/accounts/acc-1/share"),
                                  HttpTestReply::json(200, {}));
    bool called = false;
    bool okFlag = false;
    service.shareWith("acc-1", who, role, [&](bool ok, const QString&) {
        called = true;
        okFlag = ok;
    });
    QTRY_VERIFY(called);
    QVERIFY(okFlag);
    const auto requests = bench.account.server.requestsTo("POST", path("/accounts/acc-1/share"));
    QCOMPARE(requests.size(), 1);
    QCOMPARE(requests.first().json(), body);
    QVERIFY(requests.first().header("Authorization").startsWith("Bearer "));
}

void TestAccountSharingService::shareWithReportsTheServersText_data()
{
    QTest::addColumn<HttpTestReply>("reply");
    QTest::addColumn<QString>("error");

    QTest::newRow("server text") << HttpTestReply::json(400, {{"error", "Not in your group"}})
                                 << "Not in your group";
    QTest::newRow("empty 500") << HttpTestReply::raw(500, {})
                               << "Failed to share account (HTTP 500)";
    QTest::newRow("no reply") << HttpTestReply::dropped() << "Failed to share account (HTTP 0)";
}

void TestAccountSharingService::shareWithReportsTheServersText()
{
    QFETCH(HttpTestReply, reply);
    QFETCH(QString, error);
    SyncBench bench;
    AccountSharingService service(bench.account.client()->syncApi());
    bench.account.server.setReply("POST", path("/accounts/acc-1/share"), reply);
    bool called = false;
    bool okFlag = true;
    QString text;
    service.shareWith("acc-1", "u-42", "member", [&](bool ok, const QString& message) {
        called = true;
        okFlag = ok;
        text = message;
    });
    QTRY_VERIFY(called);
    QVERIFY(!okFlag);
    QCOMPARE(text, error);
}

void TestAccountSharingService::listMembersReadsEveryMember()
{
    SyncBench bench;
    AccountSharingService service(bench.account.client()->syncApi());
    const QJsonArray members{
        QJsonObject{{"user_id", "u-1"}, {"email", "own@example.org"}, {"role", "owner"}},
        QJsonObject{{"user_id", "u-2"},
                    {"email", "kid@example.org"},
                    {"display_name", "Kid"},
                    {"role", "member"},
                    {"created_at", "2026-01-02T03:04:05Z"}},
    };
    bench.account.server.setReply("GET", path("/accounts/acc-1/members"),
                                  HttpTestReply::json(200, {{"members", members}}));
    std::optional<QList<TovAccount::ShareMember>> listed;
    service.listMembers("acc-1", [&](QList<TovAccount::ShareMember> list) { listed = list; });
    QTRY_VERIFY(listed.has_value());
    QCOMPARE(listed->size(), 2);
    const TovAccount::ShareMember& kid = listed->at(1);
    QCOMPARE(kid.id, "u-2");
    QCOMPARE(kid.userId, "u-2");
    QCOMPARE(kid.email, "kid@example.org");
    QCOMPARE(kid.displayName, "Kid");
    QCOMPARE(kid.role, "member");
    QCOMPARE(kid.createdAt, "2026-01-02T03:04:05Z");
    QCOMPARE(listed->at(0).displayName, QString());
}

void TestAccountSharingService::listMembersIsEmptyOnFailure()
{
    SyncBench bench;
    AccountSharingService service(bench.account.client()->syncApi());
    bench.account.server.setReply("GET", path("/accounts/acc-1/members"),
                                  HttpTestReply::json(404, {{"error", "not found"}}));
    std::optional<QList<TovAccount::ShareMember>> listed;
    service.listMembers("acc-1", [&](QList<TovAccount::ShareMember> list) { listed = list; });
    QTRY_VERIFY(listed.has_value());
    QVERIFY(listed->isEmpty());
}

void TestAccountSharingService::removeShareReportsTheOutcome_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<bool>("expected");
    QTest::newRow("removed") << 200 << true;
    QTest::newRow("refused") << 404 << false;
}

void TestAccountSharingService::removeShareReportsTheOutcome()
{
    QFETCH(int, status);
    QFETCH(bool, expected);
    SyncBench bench;
    AccountSharingService service(bench.account.client()->syncApi());
    bench.account.server.setReply("DELETE", path("/accounts/acc-1/share/u-2"),
                                  HttpTestReply::json(status, {}));
    std::optional<bool> outcome;
    service.removeShare("acc-1", "u-2", [&](bool ok) { outcome = ok; });
    QTRY_VERIFY(outcome.has_value());
    QCOMPARE(*outcome, expected);
}

void TestAccountSharingService::shareIdIsTheMembersAccountId()
{
    SyncBench bench;
    AccountSharingService service(bench.account.client()->syncApi());
    TovAccount::GroupMember member;
    member.accountId = "acct-7";
    member.authUserId = "auth-7";
    QCOMPARE(service.shareIdForMember(member), "acct-7");
}

// Bob's account, shared with Ann under the id of one of her own ("a-1"), is kept on her device
// under an id of its own: the server knows both by "a-1", and is told which one by its server id.
void TestAccountSharingService::twoAccountsOfOneIdAreNamedByServerId()
{
    SyncBench bench;
    Account own = testAccount("a-1", "Mine");
    own.serverId = "srv-own";
    Account bobs = testAccount("k-1", "Bob's");
    bobs.serverId = "srv-bobs";
    for (const Account& account : {own, bobs, testAccount("acc-9", "Other")})
        QVERIFY(bench.accounts.insert(account));
    QVERIFY(SyncWireIdRepository(bench.db.database()).record({"account", "k-1", "srv-bobs", "a-1"}));
    AccountSharingService service(bench.account.client()->syncApi(), &bench.accounts);
    HttpTestServer& server = bench.account.server;
    server.setReply("GET", path("/accounts/a-1/members"), HttpTestReply::json(200, {}));
    server.setReply("GET", path("/accounts/acc-9/members"), HttpTestReply::json(200, {}));
    server.setReply("POST", path("/accounts/a-1/share"), HttpTestReply::json(200, {}));
    server.setReply("DELETE", path("/accounts/a-1/share/u-2"), HttpTestReply::json(204, {}));

    int answered = 0;
    for (const char* id : {"k-1", "a-1", "acc-9"})
        service.listMembers(id, [&](QList<TovAccount::ShareMember>) { ++answered; });
    service.shareWith("a-1", "u-2", "member", [&](bool, const QString&) { ++answered; });
    service.removeShare("k-1", "u-2", [&](bool) { ++answered; });
    QTRY_COMPARE(answered, 5);

    QStringList asked;
    for (const QByteArray method : {"GET", "POST", "DELETE"}) {
        for (const QString& tail : {QStringLiteral("/accounts/a-1/members"),
                                    QStringLiteral("/accounts/acc-9/members"),
                                    QStringLiteral("/accounts/a-1/share"),
                                    QStringLiteral("/accounts/a-1/share/u-2")}) {
            for (const HttpTestRequest& request : server.requestsTo(method, path(tail)))
                asked << QString::fromLatin1(method) + " " + tail + " " +
                             request.query.queryItemValue("server_id");
        }
    }
    asked.sort();
    QCOMPARE(asked, (QStringList{"DELETE /accounts/a-1/share/u-2 srv-bobs",
                                 "GET /accounts/a-1/members srv-bobs",
                                 "GET /accounts/a-1/members srv-own",
                                 "GET /accounts/acc-9/members ", // an account like any other
                                 "POST /accounts/a-1/share srv-own"}));
}

QTEST_GUILESS_MAIN(TestAccountSharingService)
#include "tst_accountsharingservice.moc"
