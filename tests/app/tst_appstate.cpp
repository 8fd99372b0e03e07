#include "app/appstate.h"
#include "app/core/uilanguage.h"
#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/database.h"
#include "data/preferencesrepository.h"
#include "tests/common/testrecords.h"
#include "ui/theme/displaysettings.h"

#include "libs/account/api/apiclient.h"
#include "libs/account/client.h"
#include "libs/account/tokens/filetokenstore.h"

#include <QApplication>
#include <QSettings>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

// AppState over a data directory of its own; preferences can be stored before it starts.
class TestAppState : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_directory;

    void storePreference(const QString& key, const QString& value)
    {
        Database database;
        QVERIFY(database.open(m_directory.filePath(QStringLiteral("pennibar.db"))));
        QVERIFY(database.runMigrations());
        QSqlQuery query(database.connection());
        query.prepare(
            QStringLiteral("INSERT OR REPLACE INTO preferences (key, value) VALUES (?, ?)"));
        query.addBindValue(key);
        query.addBindValue(value);
        QVERIFY(query.exec());
    }

private slots:
    void init()
    {
        QVERIFY(m_directory.isValid());
        // Whatever the platform's token store falls back to stays out of the user's folders.
        QStandardPaths::setTestModeEnabled(true);
        qputenv("PENNIBAR_DATA_DIR", m_directory.path().toUtf8());
        QFile::remove(m_directory.filePath(QStringLiteral("pennibar.db")));
    }
    void cleanup() { QSqlDatabase::removeDatabase(QLatin1String(QSqlDatabase::defaultConnection)); }

    void initializeBuildsEverythingAndSeeds();
    void fontScaleFromPreferences_data();
    void fontScaleFromPreferences();
    void weekStartFromPreferences_data();
    void weekStartFromPreferences();
    void currentAccountSurvivesRestart();
    void accountServiceEndpoints_data();
    void accountServiceEndpoints();
    void uiLanguageResolvesTheSystemChoice();
};

void TestAppState::uiLanguageResolvesTheSystemChoice()
{
    QStandardPaths::setTestModeEnabled(true);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       m_directory.filePath(QStringLiteral("settings")));
    QCOMPARE(supportedLanguages(), (QStringList{"en", "es", "de", "fr", "ja"}));

    QSettings().remove(QStringLiteral("ui/language"));
    QCOMPARE(uiLanguage(false), QStringLiteral("system"));
    const QString resolved = uiLanguage(true);
    QVERIFY(supportedLanguages().contains(resolved));
    const QString systemCode = QLocale::system().name().left(2);
    QCOMPARE(resolved,
             supportedLanguages().contains(systemCode) ? systemCode : QStringLiteral("en"));

    setUiLanguage(QStringLiteral("fr"));
    QCOMPARE(uiLanguage(true), QStringLiteral("fr"));
    QCOMPARE(uiLanguage(false), QStringLiteral("fr"));
}

void TestAppState::initializeBuildsEverythingAndSeeds()
{
    AppState state;
    QSignalSpy ready(&state, &AppState::databaseReady);
    QVERIFY(state.initialize());
    QCOMPARE(ready.count(), 1);
    QVERIFY(state.accountRepository() && state.transactionRepository() &&
            state.categoryRepository() && state.preferencesRepository() &&
            state.splitLineRepository() && state.recurringRepository() &&
            state.reconciliationRepository() && state.categoryService() &&
            state.recurringService() && state.reportService() && state.importService() &&
            state.backupService());
    QCOMPARE(state.categoryRepository()->count(), 56);
    QVERIFY(state.currentAccountId().isEmpty());
}

void TestAppState::fontScaleFromPreferences_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("scale");
    QTest::newRow("too large") << "250" << 160;
    QTest::newRow("not a number") << "abc" << 100;
    QTest::newRow("just too small") << "69" << 70;
    QTest::newRow("in range") << "125" << 125;
}

void TestAppState::fontScaleFromPreferences()
{
    QFETCH(QString, stored);
    QFETCH(int, scale);
    storePreference(QStringLiteral("fontScale"), stored);
    AppState state;
    QVERIFY(state.initialize());
    QCOMPARE(DisplaySettings::fontScale(), scale);
}

void TestAppState::weekStartFromPreferences_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("firstDay");
    const int system = int(QLocale::system().firstDayOfWeek());
    QTest::newRow("zero is ignored") << "0" << system;
    QTest::newRow("eight is ignored") << "8" << system;
    QTest::newRow("text is ignored") << "monday" << system;
    QTest::newRow("seven is Sunday") << "7" << int(Qt::Sunday);
    QTest::newRow("three is Wednesday") << "3" << int(Qt::Wednesday);
}

void TestAppState::weekStartFromPreferences()
{
    QFETCH(QString, stored);
    QFETCH(int, firstDay);
    DisplaySettings::setWeekStartDay(QLocale::system().firstDayOfWeek());
    storePreference(QStringLiteral("weekStartDay"), stored);
    AppState state;
    QVERIFY(state.initialize());
    QCOMPARE(int(DisplaySettings::weekStartDay()), firstDay);
}

void TestAppState::currentAccountSurvivesRestart()
{
    {
        AppState state;
        QVERIFY(state.initialize());
        QVERIFY(state.accountRepository()->insert(
            testAccount(QStringLiteral("acct"), QStringLiteral("A"))));
        QSignalSpy changed(&state, &AppState::currentAccountChanged);
        QSignalSpy written(state.preferencesRepository(), &PreferencesRepository::changed);
        state.setCurrentAccountId(QStringLiteral("acct"));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(written.count(), 1);
        state.setCurrentAccountId(QStringLiteral("acct"));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(written.count(), 1);
    }
    QSqlDatabase::removeDatabase(QLatin1String(QSqlDatabase::defaultConnection));
    AppState restarted;
    QVERIFY(restarted.initialize());
    QCOMPARE(restarted.currentAccountId(), QStringLiteral("acct"));
}

namespace {
const char* const endpointVariables[] = {"AUTH_BASE_URL",  "ACCOUNT_API_URL",
                                         "SYNC_API_URL",   "AUTH_REALM_SLUG",
                                         "AUTH_CLIENT_ID", "ACCOUNT_PORTAL_URL"};
}

void TestAppState::accountServiceEndpoints_data()
{
    // Values for the variables in the order above; null for unset.
    QTest::addColumn<QStringList>("environment");
    // Expected: auth, account API, sync API, realm, client id, portal.
    QTest::addColumn<QStringList>("expected");
    const QStringList builtIn = {QStringLiteral("https://auth.tovarly.com"),
                                 QStringLiteral("https://api.tovarly.com/account/v1"),
                                 QStringLiteral("https://api.tovarly.com/pennibar/v1"),
                                 QStringLiteral("tovarly"),
                                 QStringLiteral("5f0c2b7e9a4d41c68e3b1d2a7c90f4e1"),
                                 QStringLiteral("https://account.tovarly.com")};
    QTest::newRow("unset: built in") << QStringList(6) << builtIn;
    QTest::newRow("empty: built in") << QStringList(6, QStringLiteral("")) << builtIn;
    const QStringList selfHosted = {QStringLiteral("http://127.0.0.1:8787"),
                                    QStringLiteral("http://127.0.0.1:8787"),
                                    QStringLiteral("http://127.0.0.1:8787"),
                                    QStringLiteral("familie-müller"),
                                    QStringLiteral("0123456789abcdef0123456789abcdef"),
                                    QStringLiteral("http://127.0.0.1:8787/portal")};
    QTest::newRow("all set: self-hosted, UTF-8") << selfHosted << selfHosted;
    QStringList onlySync(6);
    onlySync[2] = QStringLiteral("http://sync.example.test/v2");
    QStringList syncElsewhere = builtIn;
    syncElsewhere[2] = onlySync[2];
    QTest::newRow("one set, the others built in") << onlySync << syncElsewhere;
}

void TestAppState::accountServiceEndpoints()
{
    QFETCH(QStringList, environment);
    QFETCH(QStringList, expected);
    for (int i = 0; i < 6; ++i) {
        if (environment[i].isNull())
            qunsetenv(endpointVariables[i]);
        else
            qputenv(endpointVariables[i], environment[i].toUtf8());
    }
    QCoreApplication::setApplicationVersion(QStringLiteral("1.1.3"));
    AppState state(std::make_unique<TovAccount::FileTokenStore>(
        m_directory.filePath(QStringLiteral("tokens.json"))));
    QVERIFY(state.initialize());
    for (const char* variable : endpointVariables)
        qunsetenv(variable);

    const TovAccount::Client* client = state.accountClient();
    QVERIFY(client);
    const TovAccount::ClientConfig& config = client->config();
    QCOMPARE(QStringList({config.authBaseUrl, config.accountApiUrl,
                          client->syncApi()->baseUrl().toString(), config.realmSlug,
                          config.clientId, config.portalUrl}),
             expected);
    QCOMPARE(config.appId, QStringLiteral("com.tovarly.pennibar"));
    QCOMPARE(config.appName, QStringLiteral("Tovarly Pennibar"));
    QCOMPARE(config.appVersion, QStringLiteral("1.1.3"));
    QCOMPARE(config.platform, QString());
    QCOMPARE(client->accountApi()->baseUrl(), QUrl(expected[1]));
    QCOMPARE(client->authApi()->baseUrl(),
             QUrl(QStringLiteral("%1/api/v1/realms/%2").arg(expected[0], expected[3])));
    // Nothing stored: signed out.
    QVERIFY(!client->isAuthenticated());
}

QTEST_MAIN(TestAppState)
#include "tst_appstate.moc"
