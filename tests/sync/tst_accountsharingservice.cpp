#include "sync/sharing/accountsharingservice.h"

#include "tests/sync/syncbench.h"

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

QTEST_GUILESS_MAIN(TestAccountSharingService)
#include "tst_accountsharingservice.moc"
