#include "app/appstate.h"

#include "app/core/buildconfig.h"
#include "app/core/datapaths.h"
#include "app/core/serviceendpoints.h"

#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/database.h"
#include "data/preferencesrepository.h"
#include "data/reconciliationrepository.h"
#include "data/recurringrepository.h"
#include "data/splitlinerepository.h"
#include "data/transactionrepository.h"
#include "services/backup/backupservice.h"
#include "services/categories/categoryservice.h"
#include "services/import/importservice.h"
#include "services/ledger/accountservice.h"
#include "services/ledger/payeeservice.h"
#include "services/ledger/transactionservice.h"
#include "services/recurring/recurringservice.h"
#include "services/reports/reportservice.h"
#include "sync/conflicts/syncconflictservice.h"
#include "sync/sharing/accountsharingservice.h"
#include "sync/syncengine.h"
#include "ui/theme/displaysettings.h"
#include "ui/theme/thememanager.h"

#include "libs/account/accountapi/accountclient.h"
#include "libs/account/client.h"
#include "libs/account/signin/authclient.h"
#include "libs/account/tokens/tokenstore.h"

#include <QCoreApplication>
#include <QDebug>
#include <QSettings>

namespace {
const QString lastViewedAccountKey = QStringLiteral("lastViewedAccountId");
constexpr int autoSyncIntervalMs = 5 * 60 * 1000;
} // namespace

AppState::AppState(QObject* parent) : QObject(parent) {}

AppState::AppState(std::unique_ptr<TovAccount::TokenStore> tokenStore, QObject* parent)
    : QObject(parent), m_tokenStore(std::move(tokenStore))
{
}

AppState::~AppState() = default;

bool AppState::initialize()
{
    m_database = new Database(this);
    const QString path = databasePath();
    qInfo() << "Opening database at:" << path;
    if (!m_database->open(path) || !m_database->runMigrations())
        return false;

    m_accountRepository = new AccountRepository(m_database, this);
    m_transactionRepository = new TransactionRepository(m_database, this);
    m_categoryRepository = new CategoryRepository(m_database, this);
    m_preferencesRepository = new PreferencesRepository(m_database, this);
    m_splitLineRepository = new SplitLineRepository(m_database, this);
    m_recurringRepository = new RecurringRepository(m_database, this);
    m_reconciliationRepository = new ReconciliationRepository(m_database, this);
    m_transactionService = new TransactionService(
        m_database, m_accountRepository, m_transactionRepository, m_splitLineRepository, this);
    m_accountService = new AccountService(m_database, m_accountRepository, m_transactionRepository,
                                          m_recurringRepository, m_reconciliationRepository, this);
    m_payeeService = new PayeeService(m_database, m_transactionRepository, this);
    m_categoryService = new CategoryService(m_categoryRepository, this);
    m_recurringService = new RecurringService(m_recurringRepository, m_transactionService, this);
    m_reportService = new ReportService(m_database, this);
    m_importService = new ImportService(m_accountRepository, m_transactionRepository,
                                        m_categoryRepository, m_splitLineRepository, this);
    m_backupService = new BackupService(m_database, this);
    createAccountClient();
    createSync();

    DisplaySettings::baseFont(); // taken now, before anything scales the application font
    DisplaySettings::setFontScale(DisplaySettings::fontScaleFromText(
        m_preferencesRepository->get(QStringLiteral("fontScale"), QStringLiteral("100"))));

    m_themeManager = new ThemeManager(m_preferencesRepository, this);
    m_themeManager->setThemeFromString(
        m_preferencesRepository->get(QStringLiteral("theme"), QStringLiteral("system")));

    if (const auto weekStart = m_preferencesRepository->getOptional(QStringLiteral("weekStartDay")))
        DisplaySettings::applyWeekStartText(*weekStart);

    m_categoryService->ensureDefaultCategories();

    m_accountClient->restoreSession();
    connect(m_accountClient->authClient(), &TovAccount::AuthClient::loginSucceeded, this,
            &AppState::onLoginSucceeded);
    connect(m_accountClient->authClient(), &TovAccount::AuthClient::logoutCompleted, m_syncEngine,
            &SyncEngine::stopAutoSync);
    if (m_accountClient->isAuthenticated())
        m_accountClient->authClient()->refreshToken([this](bool ok) { onStartupTokenRefresh(ok); });
    connectChangesToSync();

    if (const auto lastViewed = m_preferencesRepository->getOptional(lastViewedAccountKey))
        m_currentAccountId = *lastViewed;

    emit databaseReady();
    return true;
}

void AppState::createAccountClient()
{
    const ServiceEndpoints endpoints = ServiceEndpoints::resolve();
    qInfo() << "Auth:" << endpoints.authBaseUrl << "Account:" << endpoints.accountApiUrl
            << "Sync:" << endpoints.syncApiUrl;
    const TovAccount::ClientConfig config = {
        .authBaseUrl = endpoints.authBaseUrl,
        .realmSlug = endpoints.realmSlug,
        .accountApiUrl = endpoints.accountApiUrl,
        .clientId = endpoints.clientId,
        .appId = BuildConfig::applicationId(),
        .appName = BuildConfig::applicationTitle(),
        .appVersion = QCoreApplication::applicationVersion(),
        // Left empty: the account library names the running platform itself.
        .platform = QString(),
        .portalUrl = endpoints.portalUrl,
    };
    m_accountClient = m_tokenStore ? new TovAccount::Client(config, m_tokenStore.release(), this)
                                   : new TovAccount::Client(config, this);
    m_accountClient->setSyncBaseUrl(QUrl(endpoints.syncApiUrl, QUrl::TolerantMode));
}

void AppState::createSync()
{
    m_syncEngine =
        new SyncEngine(m_accountClient->syncApi(), m_accountRepository, m_transactionRepository,
                       m_categoryRepository, m_recurringRepository, m_reconciliationRepository,
                       m_splitLineRepository, m_preferencesRepository, this);
    // Only a signed-in user has an access token for the server; a debounced change that fires
    // after sign-out is refused here.
    m_syncEngine->setCanSync(
        [this] { return m_accountClient && m_accountClient->isAuthenticated(); });
    m_syncConflictService = new SyncConflictService(
        m_database, m_syncEngine->conflicts(), m_accountRepository, m_transactionRepository,
        m_categoryRepository, m_recurringRepository, m_reconciliationRepository, m_accountService,
        m_transactionService, m_categoryService, m_recurringService, this);
    m_sharingService =
        new AccountSharingService(m_accountClient->syncApi(), m_accountRepository, this);
}

// Local edits reach the server shortly after a burst of them ends.
void AppState::connectChangesToSync()
{
    connect(m_accountRepository, &AccountRepository::accountsChanged, m_syncEngine,
            &SyncEngine::scheduleSync);
    connect(m_categoryRepository, &CategoryRepository::categoriesChanged, m_syncEngine,
            &SyncEngine::scheduleSync);
    connect(m_transactionRepository, &TransactionRepository::transactionsChanged, m_syncEngine,
            [this] { m_syncEngine->scheduleSync(); });
}

void AppState::startAutoSync()
{
    m_syncEngine->startAutoSync(autoSyncIntervalMs);
    m_syncEngine->scheduleSync();
}

void AppState::onStartupTokenRefresh(bool ok)
{
    qInfo() << "Startup token refresh:" << (ok ? "ok" : "failed")
            << "— authenticated=" << m_accountClient->isAuthenticated();
    if (!m_accountClient->isAuthenticated())
        return;
    qInfo() << "Startup: starting auto-sync + immediate sync";
    startAutoSync();
}

void AppState::onLoginSucceeded()
{
    QSettings().setValue(QStringLiteral("auth/hasSignedInBefore"), true);
    // Fire and forget: nothing waits for the device to be registered, and a device that could
    // not be registered now is registered at its next sign-in.
    m_accountClient->accountClient()->registerDevice();
    qInfo() << "loginSucceeded: starting auto-sync + immediate sync";
    startAutoSync();
}

TovUpdate::UpdateConfig AppState::updateConfig() const
{
    TovUpdate::UpdateConfig config;
    config.product = BuildConfig::productSlug();
    config.channel = QStringLiteral("stable");
    config.manifestBaseUrl = ServiceEndpoints::resolve().releasesUrl;
    config.currentVersion = BuildConfig::applicationVersion();
    return config;
}

void AppState::setCurrentAccountId(const QString& accountId)
{
    if (accountId == m_currentAccountId)
        return;
    m_currentAccountId = accountId;
    if (m_preferencesRepository)
        m_preferencesRepository->set(lastViewedAccountKey, accountId);
    emit currentAccountChanged(accountId);
}
