#include "tests/libs/account/accounttestbench.h"
#include "tests/libs/account/browserstub.h"
#include "tests/libs/account/testtokens.h"

#include "libs/account/accountapi/accountclient.h"
#include "libs/account/accountapi/deviceidentity.h"
#include "libs/account/signin/authclient.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QSignalSpy>
#include <QSysInfo>
#include <QTest>

using namespace TovAccount;

namespace {

using Operation = std::function<void(Client*)>;
// Starts a call and reports, when its callback runs, whether it received an empty result.
using Probe = std::function<void(Client*, std::function<void(bool empty)>)>;

const QJsonObject GroupReply{
    {"id", "g-1"},
    {"name", "Family"},
    {"max_seats", 6},
    {"members", QJsonArray{QJsonObject{{"account_id", "a-1"},
                                       {"auth_user_id", "u-1"},
                                       {"display_name", "Ann"},
                                       {"email", "ann@example.com"},
                                       {"role", "owner"},
                                       {"joined_at", "2024-03-01T10:00:00Z"}},
                           QJsonObject{{"account_id", "a-2"}, {"email", "bo@example.com"}}}},
    {"pending_invitations", QJsonArray{QJsonObject{{"id", "i-1"},
                                                   {"invited_email", "cy@example.com"},
                                                   {"invite_code", "ABCD"},
                                                   {"status", "pending"},
                                                   {"expires_at", "2024-04-01T00:00:00Z"}}}},
};

QDateTime utc(const char* iso)
{
    return QDateTime::fromString(QString::fromLatin1(iso), Qt::ISODate);
}

} // namespace

Q_DECLARE_METATYPE(Operation)
Q_DECLARE_METATYPE(Probe)

class TestAccountClient : public QObject
{
    Q_OBJECT

private slots:
    void requestsHaveTheirMethodPathAndBody_data();
    void requestsHaveTheirMethodPathAndBody();
    void registerDeviceDescribesThisComputer();
    void profileWithAndWithoutGroup();
    void groupWithMembersAndInvitations();
    void listsAreReadInOrder();
    void currentUserIsKeptAcrossFailures();
    void failedCallsCallBackWithEmptyResults_data();
    void failedCallsCallBackWithEmptyResults();
    void membershipChangesRefreshTheToken_data();
    void membershipChangesRefreshTheToken();
    void joiningSignalsBeforeTheCallback();
    void fingerprintFromHostName();
    void openPortal_data();
    void openPortal();
    void groupRoleComesFromTheToken_data();
    void groupRoleComesFromTheToken();

private:
    BrowserStub m_browser;
};

void TestAccountClient::requestsHaveTheirMethodPathAndBody_data()
{
    QTest::addColumn<Operation>("operation");
    QTest::addColumn<QByteArray>("method");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QByteArray>("body");

    const auto realm = &AccountTestBench::realmPath;
    const auto account = &AccountTestBench::accountPath;
    QTest::newRow("fetchCurrentUser")
        << Operation([](Client* c) { c->authClient()->fetchCurrentUser({}); }) << QByteArray("GET")
        << realm("/users/me") << QByteArray();
    QTest::newRow("updateProfile")
        << Operation([](Client* c) { c->authClient()->updateProfile("Ann B", {}); })
        << QByteArray("PATCH") << realm("/users/me") << QByteArray(R"({"display_name":"Ann B"})");
    QTest::newRow("changePassword")
        << Operation([](Client* c) { c->authClient()->changePassword("old pw", "new pw", {}); })
        << QByteArray("POST") << realm("/users/me/password")
        << QByteArray(R"({"current_password":"old pw","new_password":"new pw"})");
    QTest::newRow("listSessions") << Operation([](Client* c) { c->authClient()->listSessions({}); })
                                  << QByteArray("GET") << realm("/users/me/sessions")
                                  << QByteArray();
    QTest::newRow("revokeSession")
        << Operation([](Client* c) { c->authClient()->revokeSession("s-1"); })
        << QByteArray("DELETE") << realm("/users/me/sessions/s-1") << QByteArray();
    QTest::newRow("getProfile") << Operation([](Client* c) { c->accountClient()->getProfile({}); })
                                << QByteArray("GET") << account("/profile") << QByteArray();
    QTest::newRow("deleteAccount")
        << Operation([](Client* c) { c->accountClient()->deleteAccount({}); })
        << QByteArray("DELETE") << account("/profile") << QByteArray();
    QTest::newRow("getGroup") << Operation([](Client* c) { c->accountClient()->getGroup({}); })
                              << QByteArray("GET") << account("/group") << QByteArray();
    QTest::newRow("generateInviteCode")
        << Operation([](Client* c) { c->accountClient()->generateInviteCode({}); })
        << QByteArray("POST") << account("/group/invite") << QByteArray();
    QTest::newRow("inviteByEmail")
        << Operation([](Client* c) { c->accountClient()->inviteByEmail("cy@example.com", {}); })
        << QByteArray("POST") << account("/group/invite")
        << QByteArray(R"({"email":"cy@example.com"})");
    QTest::newRow("joinGroup") << Operation([](Client* c) {
        c->accountClient()->joinGroup("ABCD-1234", {});
    }) << QByteArray("POST") << account("/group/join/ABCD-1234")
                               << QByteArray();
    QTest::newRow("leaveGroup") << Operation([](Client* c) { c->accountClient()->leaveGroup(); })
                                << QByteArray("POST") << account("/group/leave") << QByteArray();
    QTest::newRow("removeMember") << Operation([](Client* c) {
        c->accountClient()->removeMember("a-2");
    }) << QByteArray("DELETE") << account("/group/members/a-2")
                                  << QByteArray();
    QTest::newRow("revokeInvitation")
        << Operation([](Client* c) { c->accountClient()->revokeInvitation("i-1"); })
        << QByteArray("DELETE") << account("/group/invitations/i-1") << QByteArray();
    QTest::newRow("getDevices") << Operation([](Client* c) { c->accountClient()->getDevices({}); })
                                << QByteArray("GET") << account("/devices") << QByteArray();
    QTest::newRow("removeDevice") << Operation([](Client* c) {
        c->accountClient()->removeDevice("d-1");
    }) << QByteArray("DELETE") << account("/devices/d-1")
                                  << QByteArray();
}

void TestAccountClient::requestsHaveTheirMethodPathAndBody()
{
    QFETCH(Operation, operation);
    QFETCH(QByteArray, method);
    QFETCH(QString, path);
    QFETCH(QByteArray, body);

    AccountTestBench bench;
    const QString token = TestTokens::expiringIn(3600);
    bench.signIn(token, "refresh-1");
    operation(bench.client());
    QVERIFY(bench.server.waitForRequests(1));

    const HttpTestRequest request = bench.server.requests().first();
    QCOMPARE(request.method, method);
    QCOMPARE(request.path, path);
    QCOMPARE(request.header("Authorization"), "Bearer " + token.toUtf8());
    if (body.isEmpty())
        QVERIFY(request.body.isEmpty());
    else
        QCOMPARE(request.json(), QJsonDocument::fromJson(body).object());
}

void TestAccountClient::registerDeviceDescribesThisComputer()
{
    AccountTestBench bench;
    bench.signIn(TestTokens::expiringIn(3600), "refresh-1");
    bench.client()->accountClient()->registerDevice();
    QVERIFY(bench.server.waitForRequests(1));

    const HttpTestRequest request = bench.server.requests().first();
    QCOMPARE(request.method, QByteArray("POST"));
    QCOMPARE(request.path, AccountTestBench::accountPath("/devices/register"));
    const QJsonObject body = request.json();
    QCOMPARE(body.value("device_name").toString(), QSysInfo::machineHostName());
#ifdef Q_OS_LINUX
    QCOMPARE(body.value("platform").toString(), QStringLiteral("Linux"));
#endif
    QCOMPARE(body.value("app_id").toString(), QStringLiteral("com.tovarly.pennibar.test"));
    QCOMPARE(body.value("app_version").toString(), QStringLiteral("1.1.3"));
    QCOMPARE(body.value("device_fingerprint").toString(), DeviceIdentity::fingerprint());
    QCOMPARE(body.size(), 5);
}

void TestAccountClient::profileWithAndWithoutGroup()
{
    AccountTestBench bench;
    bench.signIn(TestTokens::expiringIn(3600), "refresh-1");
    const QJsonObject profile{{"id", "p-1"},           {"email", "ann@example.com"},
                              {"display_name", "Ann"}, {"avatar_url", "http://127.0.0.1/a.png"},
                              {"language", "de"},      {"timezone", "Europe/Berlin"},
                              {"status", "active"},    {"created_at", "2024-01-02T03:04:05Z"}};
    QJsonObject withGroup = profile;
    withGroup.insert(
        "group",
        QJsonObject{{"id", "g-1"}, {"name", "Family"}, {"role", "owner"}, {"member_count", 3}});
    bench.server.queueReply("GET", AccountTestBench::accountPath("/profile"),
                            HttpTestReply::json(200, profile));
    bench.server.queueReply("GET", AccountTestBench::accountPath("/profile"),
                            HttpTestReply::json(200, withGroup));

    QList<Profile> received;
    for (int i = 0; i < 2; ++i) {
        bench.client()->accountClient()->getProfile(
            [&received](const Profile& p) { received.append(p); });
        QVERIFY(QTest::qWaitFor([&] { return received.size() == i + 1; }));
    }

    const Profile& plain = received.at(0);
    QCOMPARE(plain.id, QStringLiteral("p-1"));
    QCOMPARE(plain.displayName, QStringLiteral("Ann"));
    QCOMPARE(plain.avatarUrl, QStringLiteral("http://127.0.0.1/a.png"));
    QCOMPARE(plain.language, QStringLiteral("de"));
    QCOMPARE(plain.timezone, QStringLiteral("Europe/Berlin"));
    QCOMPARE(plain.status, QStringLiteral("active"));
    QCOMPARE(plain.createdAt, utc("2024-01-02T03:04:05Z"));
    QVERIFY(!plain.group.has_value());

    QVERIFY(received.at(1).group.has_value());
    const Profile::GroupSummary group = *received.at(1).group;
    QCOMPARE(group.id, QStringLiteral("g-1"));
    QCOMPARE(group.name, QStringLiteral("Family"));
    QCOMPARE(group.role, QStringLiteral("owner"));
    QCOMPARE(group.memberCount, 3);
}

void TestAccountClient::groupWithMembersAndInvitations()
{
    AccountTestBench bench;
    bench.signIn(TestTokens::expiringIn(3600), "refresh-1");
    bench.server.setReply("GET", AccountTestBench::accountPath("/group"),
                          HttpTestReply::json(200, GroupReply));

    std::optional<Group> group;
    bench.client()->accountClient()->getGroup([&group](const Group& g) { group = g; });
    QVERIFY(QTest::qWaitFor([&] { return group.has_value(); }));

    QCOMPARE(group->id, QStringLiteral("g-1"));
    QCOMPARE(group->name, QStringLiteral("Family"));
    QCOMPARE(group->maxSeats, 6);
    QCOMPARE(group->members.size(), 2);
    const GroupMember& owner = group->members.at(0);
    QCOMPARE(owner.accountId, QStringLiteral("a-1"));
    QCOMPARE(owner.authUserId, QStringLiteral("u-1"));
    QCOMPARE(owner.displayName, QStringLiteral("Ann"));
    QCOMPARE(owner.email, QStringLiteral("ann@example.com"));
    QCOMPARE(owner.role, QStringLiteral("owner"));
    QCOMPARE(owner.joinedAt, utc("2024-03-01T10:00:00Z"));
    QCOMPARE(group->members.at(1).displayName, QString());
    QVERIFY(!group->members.at(1).joinedAt.isValid());
    QCOMPARE(group->pendingInvitations.size(), 1);
    const GroupInvitation& invitation = group->pendingInvitations.first();
    QCOMPARE(invitation.id, QStringLiteral("i-1"));
    QCOMPARE(invitation.invitedEmail, QStringLiteral("cy@example.com"));
    QCOMPARE(invitation.inviteCode, QStringLiteral("ABCD"));
    QCOMPARE(invitation.status, QStringLiteral("pending"));
    QCOMPARE(invitation.expiresAt, utc("2024-04-01T00:00:00Z"));
}

void TestAccountClient::listsAreReadInOrder()
{
    AccountTestBench bench;
    bench.signIn(TestTokens::expiringIn(3600), "refresh-1");
    bench.server.setReply(
        "GET", AccountTestBench::accountPath("/devices"),
        HttpTestReply::json(
            200, {{"devices", QJsonArray{QJsonObject{{"id", "d-1"},
                                                     {"device_name", "laptop"},
                                                     {"platform", "Linux"},
                                                     {"app_id", "com.tovarly.pennibar"},
                                                     {"app_version", "1.1.3"},
                                                     {"last_sync_at", "2024-05-01T08:00:00Z"},
                                                     {"device_fingerprint", "f-1"},
                                                     {"created_at", "2024-01-01T08:00:00Z"}},
                                         QJsonObject{{"id", "d-2"}}}}}));
    bench.server.setReply(
        "GET", AccountTestBench::realmPath("/users/me/sessions"),
        HttpTestReply::json(
            200, {{"sessions", QJsonArray{QJsonObject{{"id", "s-1"},
                                                      {"user_agent", "Pennibar/1.1.3"},
                                                      {"ip_address", "127.0.0.1"},
                                                      {"created_at", "2024-01-01T08:00:00Z"},
                                                      {"last_active_at", "2024-05-01T08:00:00Z"},
                                                      {"is_current", true}},
                                          QJsonObject{{"id", "s-2"}}}}}));

    QList<Device> devices;
    QList<Session> sessions;
    bool devicesDone = false;
    bool sessionsDone = false;
    bench.client()->accountClient()->getDevices([&](const QList<Device>& list) {
        devices = list;
        devicesDone = true;
    });
    bench.client()->authClient()->listSessions([&](const QList<Session>& list) {
        sessions = list;
        sessionsDone = true;
    });
    QVERIFY(QTest::qWaitFor([&] { return devicesDone && sessionsDone; }));

    QCOMPARE(devices.size(), 2);
    QCOMPARE(devices.at(0).id, QStringLiteral("d-1"));
    QCOMPARE(devices.at(0).deviceName, QStringLiteral("laptop"));
    QCOMPARE(devices.at(0).platform, QStringLiteral("Linux"));
    QCOMPARE(devices.at(0).appId, QStringLiteral("com.tovarly.pennibar"));
    QCOMPARE(devices.at(0).appVersion, QStringLiteral("1.1.3"));
    QCOMPARE(devices.at(0).lastSyncAt, utc("2024-05-01T08:00:00Z"));
    QCOMPARE(devices.at(0).deviceFingerprint, QStringLiteral("f-1"));
    QCOMPARE(devices.at(0).createdAt, utc("2024-01-01T08:00:00Z"));
    QCOMPARE(devices.at(1).id, QStringLiteral("d-2"));

    QCOMPARE(sessions.size(), 2);
    QCOMPARE(sessions.at(0).userAgent, QStringLiteral("Pennibar/1.1.3"));
    QCOMPARE(sessions.at(0).ipAddress, QStringLiteral("127.0.0.1"));
    QCOMPARE(sessions.at(0).lastActiveAt, utc("2024-05-01T08:00:00Z"));
    QVERIFY(sessions.at(0).isCurrent);
    QCOMPARE(sessions.at(1).id, QStringLiteral("s-2"));
    QVERIFY(!sessions.at(1).isCurrent);
}

void TestAccountClient::currentUserIsKeptAcrossFailures()
{
    AccountTestBench bench;
    bench.signIn(TestTokens::expiringIn(3600), "refresh-1");
    const QString me = AccountTestBench::realmPath("/users/me");
    bench.server.queueReply("GET", me,
                            HttpTestReply::json(200, {{"id", "u-1"},
                                                      {"email", "ann@example.com"},
                                                      {"display_name", "Ann"},
                                                      {"username", "ann"},
                                                      {"created_at", "2024-01-01T08:00:00Z"}}));
    bench.server.queueReply("GET", me, HttpTestReply::json(500));
    bench.server.queueReply("PATCH", me, HttpTestReply::json(422, {{"error", "too long"}}));
    bench.server.queueReply("PATCH", me,
                            HttpTestReply::json(200, {{"id", "u-1"}, {"display_name", "Ann B"}}));

    AuthClient* auth = bench.client()->authClient();
    QList<User> received;
    const auto keep = [&received](const User& user) { received.append(user); };
    auth->fetchCurrentUser(keep);
    QVERIFY(QTest::qWaitFor([&] { return received.size() == 1; }));
    auth->fetchCurrentUser(keep);
    QVERIFY(QTest::qWaitFor([&] { return received.size() == 2; }));
    auth->updateProfile("A name far too long", keep);
    QVERIFY(QTest::qWaitFor([&] { return received.size() == 3; }));
    auth->updateProfile("Ann B", keep);
    QVERIFY(QTest::qWaitFor([&] { return received.size() == 4; }));

    QCOMPARE(received.at(0).username, QStringLiteral("ann"));
    QCOMPARE(received.at(0).createdAt, utc("2024-01-01T08:00:00Z"));
    QCOMPARE(received.at(1).displayName, QStringLiteral("Ann"));
    QCOMPARE(received.at(2).displayName, QStringLiteral("Ann"));
    QCOMPARE(received.at(3).displayName, QStringLiteral("Ann B"));
    QCOMPARE(auth->currentUser().displayName, QStringLiteral("Ann B"));

    auth->logout();
    QCOMPARE(auth->currentUser().id, QString());
}

void TestAccountClient::failedCallsCallBackWithEmptyResults_data()
{
    QTest::addColumn<Probe>("probe");

    QTest::newRow("getProfile") << Probe([](Client* c, auto report) {
        c->accountClient()->getProfile([report](const Profile& p) { report(p.id.isEmpty()); });
    });
    QTest::newRow("getGroup") << Probe([](Client* c, auto report) {
        c->accountClient()->getGroup([report](const Group& g) {
            report(g.id.isEmpty() && g.members.isEmpty() && g.pendingInvitations.isEmpty());
        });
    });
    QTest::newRow("generateInviteCode") << Probe([](Client* c, auto report) {
        c->accountClient()->generateInviteCode(
            [report](const GroupInvitation& i) { report(i.id.isEmpty()); });
    });
    QTest::newRow("inviteByEmail") << Probe([](Client* c, auto report) {
        c->accountClient()->inviteByEmail(
            "x@example.com", [report](const GroupInvitation& i) { report(i.id.isEmpty()); });
    });
    QTest::newRow("getDevices") << Probe([](Client* c, auto report) {
        c->accountClient()->getDevices([report](const QList<Device>& d) { report(d.isEmpty()); });
    });
    QTest::newRow("listSessions") << Probe([](Client* c, auto report) {
        c->authClient()->listSessions([report](const QList<Session>& s) { report(s.isEmpty()); });
    });
    QTest::newRow("fetchCurrentUser") << Probe([](Client* c, auto report) {
        c->authClient()->fetchCurrentUser([report](const User& u) { report(u.id.isEmpty()); });
    });
    QTest::newRow("changePassword") << Probe([](Client* c, auto report) {
        c->authClient()->changePassword("a", "b", [report](bool ok) { report(!ok); });
    });
    QTest::newRow("deleteAccount") << Probe([](Client* c, auto report) {
        c->accountClient()->deleteAccount([report](bool ok) { report(!ok); });
    });
    QTest::newRow("joinGroup") << Probe([](Client* c, auto report) {
        c->accountClient()->joinGroup("CODE", [report](bool ok) { report(!ok); });
    });
}

void TestAccountClient::failedCallsCallBackWithEmptyResults()
{
    QFETCH(Probe, probe);

    // Nothing is routed, so every call is answered 404.
    AccountTestBench bench;
    bench.signIn(TestTokens::expiringIn(3600), "refresh-1");
    QList<bool> reports;
    probe(bench.client(), [&reports](bool empty) { reports.append(empty); });
    QVERIFY(QTest::qWaitFor([&] { return !reports.isEmpty(); }));
    QTest::qWait(20);
    QCOMPARE(reports, QList<bool>{true});
}

void TestAccountClient::membershipChangesRefreshTheToken_data()
{
    QTest::addColumn<Operation>("operation");
    QTest::addColumn<QByteArray>("method");
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("status");
    QTest::addColumn<int>("groupChanged");
    QTest::addColumn<int>("refreshes");

    const Operation join = [](Client* c) { c->accountClient()->joinGroup("CODE", {}); };
    const Operation leave = [](Client* c) { c->accountClient()->leaveGroup(); };
    const Operation remove = [](Client* c) { c->accountClient()->removeMember("a-2"); };
    const QString joinPath = AccountTestBench::accountPath("/group/join/CODE");
    const QString leavePath = AccountTestBench::accountPath("/group/leave");
    const QString removePath = AccountTestBench::accountPath("/group/members/a-2");
    QTest::newRow("joined") << join << QByteArray("POST") << joinPath << 200 << 1 << 1;
    QTest::newRow("join refused") << join << QByteArray("POST") << joinPath << 404 << 0 << 0;
    QTest::newRow("left") << leave << QByteArray("POST") << leavePath << 204 << 1 << 1;
    QTest::newRow("leave refused") << leave << QByteArray("POST") << leavePath << 409 << 0 << 0;
    QTest::newRow("member removed")
        << remove << QByteArray("DELETE") << removePath << 204 << 1 << 0;
    QTest::newRow("removal refused")
        << remove << QByteArray("DELETE") << removePath << 403 << 0 << 0;
}

void TestAccountClient::membershipChangesRefreshTheToken()
{
    QFETCH(Operation, operation);
    QFETCH(QByteArray, method);
    QFETCH(QString, path);
    QFETCH(int, status);
    QFETCH(int, groupChanged);
    QFETCH(int, refreshes);

    AccountTestBench bench;
    bench.signIn(TestTokens::expiringIn(3600), "refresh-1");
    bench.grantRefresh(TestTokens::expiringIn(7200), "refresh-2");
    bench.server.setReply(method, path, HttpTestReply::json(status));
    QSignalSpy changed(bench.client()->accountClient(), &AccountClient::groupChanged);

    operation(bench.client());
    QVERIFY(bench.server.waitForRequests(1));
    QTest::qWait(100);
    QCOMPARE(changed.size(), groupChanged);
    QCOMPARE(bench.server.requestsTo("POST", AccountTestBench::refreshPath()).size(), refreshes);
    QCOMPARE(bench.stored("tovarly_refresh_token"), QString(refreshes ? "refresh-2" : "refresh-1"));
}

void TestAccountClient::joiningSignalsBeforeTheCallback()
{
    AccountTestBench bench;
    bench.signIn(TestTokens::expiringIn(3600), "refresh-1");
    bench.grantRefresh(TestTokens::expiringIn(7200), "refresh-2");
    bench.server.setReply("POST", AccountTestBench::accountPath("/group/join/CODE"),
                          HttpTestReply::json(200));
    QStringList events;
    connect(bench.client()->accountClient(), &AccountClient::groupChanged, this,
            [&events] { events.append("groupChanged"); });

    bench.client()->accountClient()->joinGroup(
        "CODE", [&events](bool ok) { events.append(ok ? "joined" : "failed"); });
    QVERIFY(QTest::qWaitFor([&] { return events.size() == 2; }));
    QCOMPARE(events, QStringList({"groupChanged", "joined"}));
    QVERIFY(bench.server.waitForRequests(2));
    QCOMPARE(bench.server.requests().at(1).path, AccountTestBench::refreshPath());
}

void TestAccountClient::fingerprintFromHostName()
{
    const QString fingerprint = DeviceIdentity::fingerprintFromHostName("pennibar-laptop");
    QCOMPARE(fingerprint, QStringLiteral("825cb2e9de15b72fb98b1ecd6d6a69ed"));
    QCOMPARE(DeviceIdentity::fingerprintFromHostName("pennibar-laptop"), fingerprint);
    QVERIFY(DeviceIdentity::fingerprintFromHostName("pennibar-desktop") != fingerprint);
#ifndef Q_OS_WIN
    QCOMPARE(DeviceIdentity::fingerprint(),
             DeviceIdentity::fingerprintFromHostName(QSysInfo::machineHostName()));
#endif
}

void TestAccountClient::openPortal_data()
{
    QTest::addColumn<QString>("portalUrl");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("opened");

    const QString portal = "http://127.0.0.1:9/portal";
    QTest::newRow("slash on neither side") << portal << "billing" << portal + "/billing";
    QTest::newRow("slash on both sides") << portal + "/"
                                         << "/billing" << portal + "/billing";
    QTest::newRow("slash on the portal") << portal + "/"
                                         << "billing" << portal + "/billing";
    QTest::newRow("no path") << portal + "/"
                             << "" << portal;
    QTest::newRow("path with a query")
        << portal << "family?tab=invite" << portal + "/family?tab=invite";
    QTest::newRow("no portal") << ""
                               << "billing"
                               << "";
}

void TestAccountClient::openPortal()
{
    QFETCH(QString, portalUrl);
    QFETCH(QString, path);
    QFETCH(QString, opened);

    ClientConfig config = AccountTestBench::configFor(QUrl("http://127.0.0.1:9"));
    config.portalUrl = portalUrl;
    AccountClient client(nullptr, nullptr, config);
    m_browser.opened.clear();
    client.openPortal(path);
    if (opened.isEmpty())
        QVERIFY(m_browser.opened.isEmpty());
    else
        QCOMPARE(m_browser.opened, QList<QUrl>{QUrl(opened)});
}

void TestAccountClient::groupRoleComesFromTheToken_data()
{
    QTest::addColumn<QString>("access");
    QTest::addColumn<QString>("role");

    const auto withRole = [](const QJsonValue& role, qint64 secondsAhead = 3600) {
        return TestTokens::expiringIn(
            secondsAhead, "u-1", {{"custom", QJsonObject{{"tov", QJsonObject{{"role", role}}}}}});
    };
    QTest::newRow("owner") << withRole("owner") << "owner";
    QTest::newRow("member") << withRole("member") << "member";
    QTest::newRow("role not text") << withRole(7) << "";
    QTest::newRow("no custom claims") << TestTokens::expiringIn(3600) << "";
    QTest::newRow("owner, expiring in 20 s") << withRole("owner", 20) << "";
    QTest::newRow("no token") << ""
                              << "";
}

void TestAccountClient::groupRoleComesFromTheToken()
{
    QFETCH(QString, access);
    QFETCH(QString, role);

    AccountTestBench bench;
    bench.signIn(access, "refresh-1");
    QCOMPARE(bench.client()->groupRole(), role);
}

QTEST_MAIN(TestAccountClient)
#include "tst_accountclient.moc"
