#include "tests/server/support/browsersignin.h"
#include "tests/server/support/changebuilder.h"
#include "tests/server/support/syncdevice.h"
#include "tests/server/support/testserver.h"
#include "tests/server/support/tokenclaims.h"

#include "server/accounts/groupservice.h"
#include "server/auth/userstore.h"
#include "server/storage/database.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QTest>

using B = ChangeBuilder;
using PennibarServer::Group;
using PennibarServer::GroupService;

namespace {

const QString kRealm = QStringLiteral("/api/v1/realms/tovarly");

QStringList memberEmails(const QJsonObject& group)
{
    QStringList emails;
    for (const QJsonValue& member : group.value(QStringLiteral("members")).toArray())
        emails.append(member.toObject().value(QStringLiteral("email")).toString());
    return emails;
}

} // namespace

class TestServerAccounts : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void profileShowsTheUserAndTheirGroup();
    void deletionIsScheduledCancelledByASignInAndCarriedOut();
    void anOwnerWithMembersCannotDeleteTheAccount();
    void inviteByCodeJoinAndRoles();
    void emailInvitationsAreForThatAddressAndMailed();
    void groupRulesThatRefuse_data();
    void groupRulesThatRefuse();
    void seatsRunOut();
    void guessingCodesIsThrottled();
    void leavingAndRemoving();
    void devicesRegisterListAndRemove();

private:
    HttpClient signIn(const QString& email, QString* accessToken = nullptr);
    QString inviteCode(const HttpClient& owner, const QString& email = QString());

    std::unique_ptr<TestServer> m_server;
    QString m_ann;
    QString m_bob;
    QString m_cy;
};

void TestServerAccounts::init()
{
    m_server = std::make_unique<TestServer>(
        QMap<QString, QString>{{QStringLiteral("group_seats"), QStringLiteral("3")}});
    QVERIFY2(m_server->isRunning(), qPrintable(m_server->startError()));
    m_ann = m_server->addUser(QStringLiteral("ann@example.org"), QStringLiteral("password1"),
                              QStringLiteral("Ann"));
    m_bob = m_server->addUser(QStringLiteral("bob@example.org"), QStringLiteral("password1"),
                              QStringLiteral("Bob"));
    m_cy = m_server->addUser(QStringLiteral("cy@example.org"));
}

HttpClient TestServerAccounts::signIn(const QString& email, QString* accessToken)
{
    HttpClient client = m_server->client();
    const auto result = BrowserSignIn(client).signIn(email, QStringLiteral("password1"));
    client.setToken(result.accessToken);
    if (accessToken)
        *accessToken = result.accessToken;
    return client;
}

QString TestServerAccounts::inviteCode(const HttpClient& owner, const QString& email)
{
    const auto reply = email.isEmpty()
                           ? owner.postEmpty(QStringLiteral("/group/invite"))
                           : owner.post(QStringLiteral("/group/invite"), {{"email", email}});
    return reply.json().value(QStringLiteral("invite_code")).toString();
}

void TestServerAccounts::profileShowsTheUserAndTheirGroup()
{
    QString token;
    const HttpClient ann = signIn(QStringLiteral("ann@example.org"), &token);
    QJsonObject profile = ann.get(QStringLiteral("/profile")).json();
    QCOMPARE(profile.value(QStringLiteral("id")).toString(), m_ann);
    QCOMPARE(profile.value(QStringLiteral("id")).toString(),
             TokenClaims::of(token).value(QStringLiteral("sub")).toString());
    QCOMPARE(profile.value(QStringLiteral("email")).toString(), QStringLiteral("ann@example.org"));
    QCOMPARE(profile.value(QStringLiteral("display_name")).toString(), QStringLiteral("Ann"));
    QCOMPARE(profile.value(QStringLiteral("status")).toString(), QStringLiteral("active"));
    QVERIFY(!profile.contains(QStringLiteral("group")));
    QCOMPARE(ann.get(QStringLiteral("/group")).status, 404);
    QCOMPARE(TokenClaims::role(token), QString());

    Group group;
    QCOMPARE(m_server->instance().groups().create(m_ann, QStringLiteral("The Anns"), &group),
             GroupService::Outcome::Ok);
    profile = ann.get(QStringLiteral("/profile")).json();
    const QJsonObject summary = profile.value(QStringLiteral("group")).toObject();
    QCOMPARE(summary.value(QStringLiteral("name")).toString(), QStringLiteral("The Anns"));
    QCOMPARE(summary.value(QStringLiteral("role")).toString(), QStringLiteral("owner"));
    QCOMPARE(summary.value(QStringLiteral("member_count")).toInt(), 1);
    QString owner;
    signIn(QStringLiteral("ann@example.org"), &owner);
    QCOMPARE(TokenClaims::role(owner), QStringLiteral("owner"));
    QCOMPARE(ann.get(QStringLiteral("/profile")).header("Cache-Control"), QByteArray("no-store"));
}

void TestServerAccounts::deletionIsScheduledCancelledByASignInAndCarriedOut()
{
    QString refreshToken;
    HttpClient bob = m_server->signedIn(QStringLiteral("bob@example.org"),
                                        QStringLiteral("password1"), &refreshToken);
    SyncDevice device(bob);
    device.pushOne(B::account(QStringLiteral("acc-bob"), QStringLiteral("Bob's")));
    const HttpClient otherDevice = signIn(QStringLiteral("bob@example.org"));

    const auto scheduled = bob.del(QStringLiteral("/profile"));
    QCOMPARE(scheduled.status, 200);
    QCOMPARE(scheduled.json().value(QStringLiteral("status")).toString(),
             QStringLiteral("pending_deletion"));
    const QDateTime due = QDateTime::fromString(
        scheduled.json().value(QStringLiteral("deletion_scheduled_at")).toString(), Qt::ISODate);
    QVERIFY(qAbs(QDateTime::currentDateTimeUtc().daysTo(due) - 30) <= 1);
    // Every device is signed out at once.
    QCOMPARE(bob.get(QStringLiteral("/profile")).status, 401);
    QCOMPARE(otherDevice.get(QStringLiteral("/profile")).status, 401);
    QCOMPARE(bob.post(kRealm + QStringLiteral("/auth/token/refresh"),
                      {{QStringLiteral("refresh_token"), refreshToken}})
                 .status,
             401);

    // Signing in within the 30 days keeps the account.
    const HttpClient back = signIn(QStringLiteral("bob@example.org"));
    QCOMPARE(back.get(QStringLiteral("/profile")).json().value(QStringLiteral("status")).toString(),
             QStringLiteral("active"));
    m_server->instance().clock().advance(40 * 24 * 3600);
    m_server->instance().runHousekeeping();
    QVERIFY(m_server->instance().users().byId(m_bob));

    // Scheduled again and left alone: gone after 30 days, rows and all.
    QCOMPARE(signIn(QStringLiteral("bob@example.org")).del(QStringLiteral("/profile")).status, 200);
    m_server->instance().clock().advance(29 * 24 * 3600);
    m_server->instance().runHousekeeping();
    QVERIFY(m_server->instance().users().byId(m_bob));
    m_server->instance().clock().advance(2 * 24 * 3600);
    m_server->instance().runHousekeeping();
    QVERIFY(!m_server->instance().users().byId(m_bob));
    const HttpClient client = m_server->client();
    QCOMPARE(BrowserSignIn(client)
                 .signIn(QStringLiteral("bob@example.org"), QStringLiteral("password1"))
                 .formReply.status,
             401);
    const auto rows = m_server->instance().database().select(
        QStringLiteral("SELECT COUNT(*) FROM sync_rows WHERE owner_id = ?"), {m_bob});
    QCOMPARE(rows->first().at(0).toInt(), 0);
}

void TestServerAccounts::anOwnerWithMembersCannotDeleteTheAccount()
{
    Group group;
    m_server->instance().groups().create(m_ann, QStringLiteral("Anns"), &group);
    const HttpClient ann = signIn(QStringLiteral("ann@example.org"));
    const HttpClient bob = signIn(QStringLiteral("bob@example.org"));
    QCOMPARE(bob.postEmpty(QStringLiteral("/group/join/") + inviteCode(ann)).status, 200);
    const auto refused = ann.del(QStringLiteral("/profile"));
    QCOMPARE(refused.status, 409);
    QVERIFY(!refused.error().isEmpty());
    QCOMPARE(ann.get(QStringLiteral("/profile")).status, 200);
    // A member may go.
    QCOMPARE(bob.del(QStringLiteral("/profile")).status, 200);
}

void TestServerAccounts::inviteByCodeJoinAndRoles()
{
    Group group;
    m_server->instance().groups().create(m_ann, QStringLiteral("Anns"), &group);
    const HttpClient ann = signIn(QStringLiteral("ann@example.org"));
    const auto invited = ann.postEmpty(QStringLiteral("/group/invite"));
    QCOMPARE(invited.status, 201);
    const QJsonObject invitation = invited.json();
    const QString code = invitation.value(QStringLiteral("invite_code")).toString();
    QVERIFY2(QRegularExpression(QStringLiteral("^[0-9A-Z]{5}-[0-9A-Z]{5}$")).match(code).hasMatch(),
             qPrintable(code));
    QCOMPARE(invitation.value(QStringLiteral("status")).toString(), QStringLiteral("pending"));
    QCOMPARE(invitation.value(QStringLiteral("invited_email")).toString(), QString());
    QVERIFY(!invitation.value(QStringLiteral("id")).toString().isEmpty());
    QJsonObject owners = ann.get(QStringLiteral("/group")).json();
    QCOMPARE(owners.value(QStringLiteral("max_seats")).toInt(), 3);
    QCOMPARE(owners.value(QStringLiteral("pending_invitations")).toArray().size(), 1);

    QString bobsToken;
    const HttpClient bob = signIn(QStringLiteral("bob@example.org"), &bobsToken);
    // Typed in lower case with blanks: still the code.
    const auto joined = bob.postEmpty(QStringLiteral("/group/join/") + code.toLower());
    QCOMPARE(joined.status, 200);
    QCOMPARE(memberEmails(joined.json()),
             (QStringList{QStringLiteral("ann@example.org"), QStringLiteral("bob@example.org")}));
    const QJsonObject seenByBob = bob.get(QStringLiteral("/group")).json();
    QCOMPARE(seenByBob.value(QStringLiteral("pending_invitations")).toArray().size(), 0);
    const QJsonArray members = seenByBob.value(QStringLiteral("members")).toArray();
    QCOMPARE(members.at(0).toObject().value(QStringLiteral("role")).toString(),
             QStringLiteral("owner"));
    QCOMPARE(members.at(1).toObject().value(QStringLiteral("role")).toString(),
             QStringLiteral("member"));
    QCOMPARE(members.at(1).toObject().value(QStringLiteral("account_id")).toString(), m_bob);
    QCOMPARE(members.at(1).toObject().value(QStringLiteral("display_name")).toString(),
             QStringLiteral("Bob"));
    // The token carries the role after the refresh the app makes when it joins.
    QString refreshed;
    signIn(QStringLiteral("bob@example.org"), &refreshed);
    QCOMPARE(TokenClaims::role(refreshed), QStringLiteral("member"));
    QCOMPARE(ann.get(QStringLiteral("/group"))
                 .json()
                 .value(QStringLiteral("pending_invitations"))
                 .toArray()
                 .size(),
             0);
    // A code works once.
    const HttpClient cy = signIn(QStringLiteral("cy@example.org"));
    QCOMPARE(cy.postEmpty(QStringLiteral("/group/join/") + code).status, 404);
}

void TestServerAccounts::emailInvitationsAreForThatAddressAndMailed()
{
    QTemporaryDir mailDir;
    const QString mailFile = mailDir.filePath(QStringLiteral("mail.txt"));
    TestServer server({{QStringLiteral("mail_command"),
                        QStringLiteral("/bin/sh -c \"cat > '%1'\"").arg(mailFile)}});
    const QString ann = server.addUser(QStringLiteral("ann@example.org"),
                                       QStringLiteral("password1"), QStringLiteral("Ann"));
    server.addUser(QStringLiteral("cy@example.org"));
    server.addUser(QStringLiteral("dee@example.org"));
    Group group;
    server.instance().groups().create(ann, QStringLiteral("Anns"), &group);
    const HttpClient owner = server.signedIn(QStringLiteral("ann@example.org"));
    const auto invited =
        owner.post(QStringLiteral("/group/invite"),
                   {{QStringLiteral("email"), QStringLiteral(" Cy@Example.org ")}});
    QCOMPARE(invited.status, 201);
    QCOMPARE(invited.json().value(QStringLiteral("invited_email")).toString(),
             QStringLiteral("cy@example.org"));
    const QString code = invited.json().value(QStringLiteral("invite_code")).toString();
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(mailFile).size() > 0, 10000);
    QFile mail(mailFile);
    QVERIFY(mail.open(QIODevice::ReadOnly));
    const QString message = QString::fromUtf8(mail.readAll());
    QVERIFY2(message.startsWith(QLatin1String("To: cy@example.org\n")), qPrintable(message));
    QVERIFY(message.contains(code));
    QVERIFY(message.contains(QLatin1String("Ann invites you")));

    QCOMPARE(server.signedIn(QStringLiteral("dee@example.org"))
                 .postEmpty(QStringLiteral("/group/join/") + code)
                 .status,
             404);
    QCOMPARE(server.signedIn(QStringLiteral("cy@example.org"))
                 .postEmpty(QStringLiteral("/group/join/") + code)
                 .status,
             200);
    QCOMPARE(owner
                 .post(QStringLiteral("/group/invite"),
                       {{QStringLiteral("email"), QStringLiteral("cy@example.org")}})
                 .status,
             409);
    QCOMPARE(owner
                 .post(QStringLiteral("/group/invite"),
                       {{QStringLiteral("email"), QStringLiteral("not an address")}})
                 .status,
             400);
    QCOMPARE(owner.post(QStringLiteral("/group/invite"), {{QStringLiteral("email"), 42}}).status,
             400);
}

void TestServerAccounts::groupRulesThatRefuse_data()
{
    QTest::addColumn<QString>("who");
    QTest::addColumn<QByteArray>("method");
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("status");

    // Ann owns the group, Bob is a member, Cy is in no group.
    QTest::newRow("member invites") << "bob" << QByteArray("POST") << "/group/invite" << 403;
    QTest::newRow("outsider invites") << "cy" << QByteArray("POST") << "/group/invite" << 404;
    QTest::newRow("outsider sees the group") << "cy" << QByteArray("GET") << "/group" << 404;
    QTest::newRow("member removes the owner")
        << "bob" << QByteArray("DELETE") << "/group/members/ANN" << 403;
    QTest::newRow("owner removes themself")
        << "ann" << QByteArray("DELETE") << "/group/members/ANN" << 400;
    QTest::newRow("owner removes a stranger")
        << "ann" << QByteArray("DELETE") << "/group/members/CY" << 404;
    QTest::newRow("owner leaves with members")
        << "ann" << QByteArray("POST") << "/group/leave" << 409;
    QTest::newRow("outsider leaves") << "cy" << QByteArray("POST") << "/group/leave" << 404;
    QTest::newRow("member revokes")
        << "bob" << QByteArray("DELETE") << "/group/invitations/INVITATION" << 403;
    QTest::newRow("owner revokes an unknown invitation")
        << "ann" << QByteArray("DELETE") << "/group/invitations/nothing" << 404;
    QTest::newRow("join with nonsense")
        << "cy" << QByteArray("POST") << "/group/join/nonsense" << 404;
    QTest::newRow("member joins again") << "bob" << QByteArray("POST") << "/group/join/CODE" << 409;
}

void TestServerAccounts::groupRulesThatRefuse()
{
    QFETCH(QString, who);
    QFETCH(QByteArray, method);
    QFETCH(QString, path);
    QFETCH(int, status);
    Group group;
    m_server->instance().groups().create(m_ann, QStringLiteral("Anns"), &group);
    const HttpClient ann = signIn(QStringLiteral("ann@example.org"));
    const HttpClient bob = signIn(QStringLiteral("bob@example.org"));
    QCOMPARE(bob.postEmpty(QStringLiteral("/group/join/") + inviteCode(ann)).status, 200);
    const auto pending = ann.postEmpty(QStringLiteral("/group/invite")).json();
    path.replace(QStringLiteral("ANN"), m_ann)
        .replace(QStringLiteral("CY"), m_cy)
        .replace(QStringLiteral("INVITATION"), pending.value(QStringLiteral("id")).toString())
        .replace(QStringLiteral("CODE"), pending.value(QStringLiteral("invite_code")).toString());
    const HttpClient caller = who == QLatin1String("ann") ? ann
                              : who == QLatin1String("bob")
                                  ? bob
                                  : signIn(QStringLiteral("cy@example.org"));
    const auto reply = caller.raw(method, path, {});
    QCOMPARE(reply.status, status);
    QVERIFY(!reply.error().isEmpty());
    // Nothing changed.
    QCOMPARE(memberEmails(ann.get(QStringLiteral("/group")).json()).size(), 2);
}

void TestServerAccounts::seatsRunOut()
{
    Group group;
    m_server->instance().groups().create(m_ann, QStringLiteral("Anns"), &group);
    const HttpClient ann = signIn(QStringLiteral("ann@example.org"));
    const QString first = inviteCode(ann);
    const QString second = inviteCode(ann);
    const QString third = inviteCode(ann); // invitations do not hold seats
    m_server->addUser(QStringLiteral("dee@example.org"));
    QCOMPARE(signIn(QStringLiteral("bob@example.org"))
                 .postEmpty(QStringLiteral("/group/join/") + first)
                 .status,
             200);
    QCOMPARE(signIn(QStringLiteral("cy@example.org"))
                 .postEmpty(QStringLiteral("/group/join/") + second)
                 .status,
             200);
    QCOMPARE(signIn(QStringLiteral("dee@example.org"))
                 .postEmpty(QStringLiteral("/group/join/") + third)
                 .status,
             409);
    QCOMPARE(ann.postEmpty(QStringLiteral("/group/invite")).status, 409);
    const QJsonObject full = ann.get(QStringLiteral("/group")).json();
    QCOMPARE(full.value(QStringLiteral("members")).toArray().size(), 3);
}

void TestServerAccounts::guessingCodesIsThrottled()
{
    Group group;
    m_server->instance().groups().create(m_ann, QStringLiteral("Anns"), &group);
    const QString code = inviteCode(signIn(QStringLiteral("ann@example.org")));
    const HttpClient cy = signIn(QStringLiteral("cy@example.org"));
    for (int i = 0; i < 10; ++i)
        QCOMPARE(cy.postEmpty(QStringLiteral("/group/join/AAAAA-AAAA%1").arg(i)).status, 404);
    const auto blocked = cy.postEmpty(QStringLiteral("/group/join/") + code);
    QCOMPARE(blocked.status, 429);
    QVERIFY(blocked.header("Retry-After").toInt() > 0);
}

void TestServerAccounts::leavingAndRemoving()
{
    Group group;
    m_server->instance().groups().create(m_ann, QStringLiteral("Anns"), &group);
    const HttpClient ann = signIn(QStringLiteral("ann@example.org"));
    const HttpClient bob = signIn(QStringLiteral("bob@example.org"));
    const HttpClient cy = signIn(QStringLiteral("cy@example.org"));
    bob.postEmpty(QStringLiteral("/group/join/") + inviteCode(ann));
    cy.postEmpty(QStringLiteral("/group/join/") + inviteCode(ann));
    QCOMPARE(memberEmails(ann.get(QStringLiteral("/group")).json()).size(), 3);

    QCOMPARE(bob.postEmpty(QStringLiteral("/group/leave")).status, 204);
    QCOMPARE(bob.get(QStringLiteral("/group")).status, 404);
    QCOMPARE(ann.del(QStringLiteral("/group/members/") + m_cy).status, 204);
    QCOMPARE(cy.get(QStringLiteral("/group")).status, 404);
    QCOMPARE(memberEmails(ann.get(QStringLiteral("/group")).json()),
             QStringList{QStringLiteral("ann@example.org")});
    // Alone, the owner may leave: the group ends.
    QCOMPARE(ann.postEmpty(QStringLiteral("/group/leave")).status, 204);
    QCOMPARE(ann.get(QStringLiteral("/group")).status, 404);
    // Bob, free again, may join another group.
    Group bobs;
    QCOMPARE(m_server->instance().groups().create(m_bob, QStringLiteral("Bobs"), &bobs),
             GroupService::Outcome::Ok);
    QCOMPARE(ann.postEmpty(QStringLiteral("/group/join/") + inviteCode(bob)).status, 200);
}

void TestServerAccounts::devicesRegisterListAndRemove()
{
    const HttpClient laptop = signIn(QStringLiteral("ann@example.org"));
    const HttpClient desktop = signIn(QStringLiteral("ann@example.org"));
    const HttpClient bob = signIn(QStringLiteral("bob@example.org"));
    auto registerDevice = [](const HttpClient& client, const QString& name, const QString& version,
                             const QString& fingerprint) {
        return client.post(QStringLiteral("/devices/register"),
                           {{QStringLiteral("device_name"), name},
                            {QStringLiteral("platform"), QStringLiteral("Windows")},
                            {QStringLiteral("app_id"), QStringLiteral("com.tovarly.pennibar")},
                            {QStringLiteral("app_version"), version},
                            {QStringLiteral("device_fingerprint"), fingerprint}});
    };
    const auto first = registerDevice(laptop, QStringLiteral("LAPTOP"), QStringLiteral("1.1.2"),
                                      QStringLiteral("fp-laptop"));
    QCOMPARE(first.status, 200);
    const QString laptopId = first.json().value(QStringLiteral("id")).toString();
    // The same fingerprint again (a new sign-in, a new version) is the same device.
    const auto again = registerDevice(laptop, QStringLiteral("LAPTOP"), QStringLiteral("1.1.3"),
                                      QStringLiteral("fp-laptop"));
    QCOMPARE(again.json().value(QStringLiteral("id")).toString(), laptopId);
    QCOMPARE(again.json().value(QStringLiteral("app_version")).toString(), QStringLiteral("1.1.3"));
    QCOMPARE(registerDevice(desktop, QStringLiteral("DESK"), QStringLiteral("1.1.3"),
                            QStringLiteral("fp-desk"))
                 .status,
             200);
    QCOMPARE(
        registerDevice(desktop, QStringLiteral("DESK"), QStringLiteral("1.1.3"), QString()).status,
        400);

    // A sync from a registered device is noted.
    SyncDevice(laptop).pullAll();
    const QJsonArray devices =
        laptop.get(QStringLiteral("/devices")).json().value(QStringLiteral("devices")).toArray();
    QCOMPARE(devices.size(), 2);
    for (const QJsonValue& value : devices) {
        const QJsonObject device = value.toObject();
        const bool synced = !device.value(QStringLiteral("last_sync_at")).toString().isEmpty();
        QCOMPARE(synced, device.value(QStringLiteral("id")).toString() == laptopId);
        QCOMPARE(device.value(QStringLiteral("platform")).toString(), QStringLiteral("Windows"));
    }
    QVERIFY(bob.get(QStringLiteral("/devices"))
                .json()
                .value(QStringLiteral("devices"))
                .toArray()
                .isEmpty());

    // Somebody else's device is not there for them; removing one's own signs it out.
    QCOMPARE(bob.del(QStringLiteral("/devices/") + laptopId).status, 404);
    QCOMPARE(desktop.del(QStringLiteral("/devices/") + laptopId).status, 204);
    QCOMPARE(laptop.get(QStringLiteral("/profile")).status, 401);
    QCOMPARE(desktop.get(QStringLiteral("/devices"))
                 .json()
                 .value(QStringLiteral("devices"))
                 .toArray()
                 .size(),
             1);
    QCOMPARE(desktop.del(QStringLiteral("/devices/") + laptopId).status, 404);
}

QTEST_GUILESS_MAIN(TestServerAccounts)
#include "tst_serveraccounts.moc"
