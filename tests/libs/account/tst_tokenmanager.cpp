#include "tests/libs/account/memorytokenstore.h"
#include "tests/libs/account/testtokens.h"

#include "libs/account/tokens/jwtclaims.h"
#include "libs/account/tokens/tokenmanager.h"

#include <QDateTime>
#include <QTest>

using namespace TovAccount;

Q_DECLARE_METATYPE(TovAccount::RefreshResult)

namespace {

const QString Access = QStringLiteral("tovarly_access_token");
const QString Refresh = QStringLiteral("tovarly_refresh_token");

// A refresh function that keeps its callbacks for the test to answer, as the auth server would.
struct ScriptedRefresh
{
    QStringList refreshTokensSent;
    TokenManager::RefreshSucceeded succeed;
    TokenManager::RefreshFailed fail;

    TokenManager::RefreshFunction function()
    {
        return [this](const QString& refreshToken, TokenManager::RefreshSucceeded succeeded,
                      TokenManager::RefreshFailed failed) {
            refreshTokensSent.append(refreshToken);
            succeed = std::move(succeeded);
            fail = std::move(failed);
        };
    }
};

// A manager on an in-memory store, with the scripted refresh installed.
struct Fixture
{
    std::shared_ptr<StoredTokens> stored = std::make_shared<StoredTokens>();
    TokenManager manager{new MemoryTokenStore(stored)};
    ScriptedRefresh refresh;
    QList<RefreshResult> results;

    Fixture() { manager.setRefreshCallback(refresh.function()); }
    TokenManager::RefreshWaiter waiter()
    {
        return [this](RefreshResult result) { results.append(result); };
    }
};

} // namespace

class TestTokenManager : public QObject
{
    Q_OBJECT

private slots:
    void claimsAreReadFromThePayload_data();
    void claimsAreReadFromThePayload();
    void tokenIsUsableUntilThirtySecondsBeforeExpiry_data();
    void tokenIsUsableUntilThirtySecondsBeforeExpiry();
    void storeMirrorsTheTokens();
    void concurrentRefreshesShareOneRequest();
    void failedRefreshKeepsTheTokens_data();
    void failedRefreshKeepsTheTokens();
    void nothingToRefreshWithIsRejected_data();
    void nothingToRefreshWithIsRejected();
    void waiterMayStartTheNextRefresh();
    void refreshEndingAfterSignOutDoesNotRestoreTheSession();
    void refreshEndingAfterNewSignInKeepsTheNewSession();
};

void TestTokenManager::claimsAreReadFromThePayload_data()
{
    QTest::addColumn<QString>("token");
    QTest::addColumn<qint64>("expiresAt");
    QTest::addColumn<QString>("subject");

    const auto token = [](const char* payload) {
        return TestTokens::withPayload(QByteArray(payload));
    };
    QTest::newRow("exp and sub") << token(R"({"exp":1900000000,"sub":"u-7"})") << qint64(1900000000)
                                 << "u-7";
    QTest::newRow("no exp") << token(R"({"sub":"u-7"})") << qint64(0) << "u-7";
    QTest::newRow("exp as text") << token(R"({"exp":"1900000000"})") << qint64(0) << "";
    QTest::newRow("exp with a fraction") << token(R"({"exp":1900000000.5})") << qint64(0) << "";
    QTest::newRow("payload is an array") << token(R"([1900000000])") << qint64(0) << "";
    QTest::newRow("payload is not JSON") << token("exp=1900000000") << qint64(0) << "";
    QTest::newRow("one part only") << "eyJleHAiOjE5MDAwMDAwMDB9" << qint64(0) << "";
    QTest::newRow("empty") << "" << qint64(0) << "";
    // Padding is optional in the URL alphabet; a padded payload reads the same.
    QTest::newRow("padded payload")
        << "h.eyJleHAiOjE5MDAwMDAwMDAsInN1YiI6InUifQ==.s" << qint64(1900000000) << "u";
}

void TestTokenManager::claimsAreReadFromThePayload()
{
    QFETCH(QString, token);
    QFETCH(qint64, expiresAt);
    QFETCH(QString, subject);

    const JwtClaims claims = JwtClaims::fromToken(token);
    QCOMPARE(claims.expiresAt, expiresAt);
    QCOMPARE(claims.subject, subject);
}

void TestTokenManager::tokenIsUsableUntilThirtySecondsBeforeExpiry_data()
{
    QTest::addColumn<QString>("access");
    QTest::addColumn<QString>("refresh");
    QTest::addColumn<bool>("usable");
    QTest::addColumn<bool>("needsRefresh");

    QTest::newRow("31 s ahead") << TestTokens::expiringIn(31) << "r" << true << false;
    QTest::newRow("29 s ahead") << TestTokens::expiringIn(29) << "r" << false << true;
    QTest::newRow("expired") << TestTokens::expiringIn(-600) << "r" << false << true;
    QTest::newRow("expired, no refresh token")
        << TestTokens::expiringIn(-600) << "" << false << false;
    QTest::newRow("31 s ahead, no refresh token")
        << TestTokens::expiringIn(31) << "" << true << false;
    QTest::newRow("no exp claim") << TestTokens::withPayload(R"({"sub":"u"})") << "r" << false
                                  << true;
    QTest::newRow("no access token") << ""
                                     << "r" << false << true;
    QTest::newRow("no tokens at all") << ""
                                      << "" << false << false;
}

void TestTokenManager::tokenIsUsableUntilThirtySecondsBeforeExpiry()
{
    QFETCH(QString, access);
    QFETCH(QString, refresh);
    QFETCH(bool, usable);
    QFETCH(bool, needsRefresh);

    Fixture f;
    f.manager.setTokens(access, refresh);
    QCOMPARE(f.manager.accessToken(), usable ? access : QString());
    QCOMPARE(f.manager.needsRefresh(), needsRefresh);
}

void TestTokenManager::storeMirrorsTheTokens()
{
    Fixture f;
    const QString access = TestTokens::expiringIn(3600);
    f.manager.setTokens(access, "refresh-1");
    QCOMPARE(*f.stored, StoredTokens({{Access, access}, {Refresh, "refresh-1"}}));

    TokenManager restarted(new MemoryTokenStore(f.stored));
    restarted.loadFromStore();
    QCOMPARE(restarted.accessToken(), access);
    QCOMPARE(restarted.storedRefreshToken(), QStringLiteral("refresh-1"));

    f.manager.clear();
    QVERIFY(f.stored->isEmpty());
    QCOMPARE(f.manager.storedRefreshToken(), QString());
    restarted.loadFromStore();
    QCOMPARE(restarted.accessToken(), QString());
    QCOMPARE(restarted.storedRefreshToken(), QString());
}

void TestTokenManager::concurrentRefreshesShareOneRequest()
{
    Fixture f;
    f.manager.setTokens(TestTokens::expiringIn(-60), "refresh-1");
    QList<int> order;
    for (int i = 0; i < 3; ++i)
        f.manager.refresh([&order, &f, i](RefreshResult result) {
            order.append(i);
            f.results.append(result);
        });
    QCOMPARE(f.refresh.refreshTokensSent, QStringList{"refresh-1"});

    const QString fresh = TestTokens::expiringIn(3600);
    f.refresh.succeed(fresh, "refresh-2");
    QCOMPARE(order, QList<int>({0, 1, 2}));
    QCOMPARE(f.results, QList<RefreshResult>(3, RefreshResult::Success));
    QCOMPARE(f.manager.accessToken(), fresh);
    QCOMPARE(f.stored->value(Refresh), QStringLiteral("refresh-2"));
}

void TestTokenManager::failedRefreshKeepsTheTokens_data()
{
    QTest::addColumn<bool>("permanent");
    QTest::addColumn<RefreshResult>("result");

    QTest::newRow("refused") << true << RefreshResult::Rejected;
    QTest::newRow("transient") << false << RefreshResult::TransientFailure;
}

void TestTokenManager::failedRefreshKeepsTheTokens()
{
    QFETCH(bool, permanent);
    QFETCH(RefreshResult, result);

    Fixture f;
    const QString expired = TestTokens::expiringIn(-60);
    f.manager.setTokens(expired, "refresh-1");
    f.manager.refresh(f.waiter());
    f.manager.refresh(f.waiter());
    f.refresh.fail(permanent);

    QCOMPARE(f.results, QList<RefreshResult>(2, result));
    QCOMPARE(f.manager.storedRefreshToken(), QStringLiteral("refresh-1"));
    QCOMPARE(f.stored->value(Access), expired);
    // The next refresh goes out again.
    f.manager.refresh({});
    QCOMPARE(f.refresh.refreshTokensSent.size(), 2);
}

void TestTokenManager::nothingToRefreshWithIsRejected_data()
{
    QTest::addColumn<QString>("refreshToken");
    QTest::addColumn<bool>("withFunction");

    QTest::newRow("no refresh token") << "" << true;
    QTest::newRow("no refresh function") << "refresh-1" << false;
}

void TestTokenManager::nothingToRefreshWithIsRejected()
{
    QFETCH(QString, refreshToken);
    QFETCH(bool, withFunction);

    Fixture f;
    if (!withFunction)
        f.manager.setRefreshCallback({});
    f.manager.setTokens(TestTokens::expiringIn(-60), refreshToken);
    f.manager.refresh(f.waiter());
    QCOMPARE(f.results, QList<RefreshResult>{RefreshResult::Rejected});
    QVERIFY(f.refresh.refreshTokensSent.isEmpty());
}

void TestTokenManager::waiterMayStartTheNextRefresh()
{
    Fixture f;
    f.manager.setTokens(TestTokens::expiringIn(-60), "refresh-1");
    f.manager.refresh([&f](RefreshResult) { f.manager.refresh(f.waiter()); });
    f.refresh.fail(false);
    QCOMPARE(f.refresh.refreshTokensSent.size(), 2);
    f.refresh.succeed(TestTokens::expiringIn(3600), "refresh-2");
    QCOMPARE(f.results, QList<RefreshResult>{RefreshResult::Success});
}

void TestTokenManager::refreshEndingAfterSignOutDoesNotRestoreTheSession()
{
    Fixture f;
    f.manager.setTokens(TestTokens::expiringIn(-60), "refresh-1");
    f.manager.refresh(f.waiter());
    f.manager.clear();
    f.refresh.succeed(TestTokens::expiringIn(3600), "refresh-2");

    QVERIFY(f.stored->isEmpty());
    QCOMPARE(f.manager.accessToken(), QString());
    QCOMPARE(f.manager.storedRefreshToken(), QString());
    QCOMPARE(f.results, QList<RefreshResult>{RefreshResult::Rejected});
}

void TestTokenManager::refreshEndingAfterNewSignInKeepsTheNewSession()
{
    Fixture f;
    f.manager.setTokens(TestTokens::expiringIn(-60), "old-refresh");
    f.manager.refresh(f.waiter());
    const QString signedIn = TestTokens::expiringIn(3600, "user-2");
    f.manager.setTokens(signedIn, "new-refresh");
    f.refresh.fail(true);

    QCOMPARE(f.manager.accessToken(), signedIn);
    QCOMPARE(f.stored->value(Refresh), QStringLiteral("new-refresh"));
    QCOMPARE(f.results, QList<RefreshResult>{RefreshResult::Success});
}

QTEST_GUILESS_MAIN(TestTokenManager)
#include "tst_tokenmanager.moc"
