#pragma once

#include "libs/update/updateconfig.h"

#include <QObject>
#include <QString>

#include <memory>

class AccountRepository;
class AccountService;
class AccountSharingService;
class BackupService;
class CategoryRepository;
class CategoryService;
class Database;
class ImportService;
class PayeeService;
class PreferencesRepository;
class ReconciliationRepository;
class RecurringRepository;
class RecurringService;
class ReportService;
class SplitLineRepository;
class SyncConflictService;
class SyncEngine;
class ThemeManager;
class TransactionRepository;
class TransactionService;

namespace TovAccount {
class Client;
class TokenStore;
} // namespace TovAccount

// Owns every long-lived service of the application as a Qt child and wires them together.
// Every member is null until initialize() has created it; after a failed initialize() only
// the database exists.
class AppState : public QObject
{
    Q_OBJECT

public:
    // Keeps the sign-in tokens in the platform's own store.
    explicit AppState(QObject* parent = nullptr);
    // Keeps the sign-in tokens in `tokenStore` instead (a test's own folder, for instance).
    explicit AppState(std::unique_ptr<TovAccount::TokenStore> tokenStore,
                      QObject* parent = nullptr);
    ~AppState() override;

    // Opens and migrates the database, builds the services on it, applies the stored display
    // preferences, seeds the default categories, restores the sign-in session and the last
    // viewed account. False when the database could not be opened or migrated.
    bool initialize();

    Database* database() const { return m_database; }
    AccountRepository* accountRepository() const { return m_accountRepository; }
    TransactionRepository* transactionRepository() const { return m_transactionRepository; }
    CategoryRepository* categoryRepository() const { return m_categoryRepository; }
    PreferencesRepository* preferencesRepository() const { return m_preferencesRepository; }
    SplitLineRepository* splitLineRepository() const { return m_splitLineRepository; }
    RecurringRepository* recurringRepository() const { return m_recurringRepository; }
    ReconciliationRepository* reconciliationRepository() const
    {
        return m_reconciliationRepository;
    }
    // Every write of transactions and accounts goes through these two.
    TransactionService* transactionService() const { return m_transactionService; }
    AccountService* accountService() const { return m_accountService; }
    // Renames and merges of payees across accounts.
    PayeeService* payeeService() const { return m_payeeService; }
    CategoryService* categoryService() const { return m_categoryService; }
    RecurringService* recurringService() const { return m_recurringService; }
    ReportService* reportService() const { return m_reportService; }
    ImportService* importService() const { return m_importService; }
    BackupService* backupService() const { return m_backupService; }
    // The account service: sign-in, tokens, the account and sync APIs.
    TovAccount::Client* accountClient() const { return m_accountClient; }
    // Keeps the database and the sync server in step while the user is signed in.
    SyncEngine* syncEngine() const { return m_syncEngine; }
    // The local edits that newer copies from other devices replaced: kept, or put back.
    SyncConflictService* syncConflictService() const { return m_syncConflictService; }
    // Shares accounts with family members through the sync server.
    AccountSharingService* sharingService() const { return m_sharingService; }
    ThemeManager* themeManager() const { return m_themeManager; }

    // The release channel of this build, as the update checks reach it (the chosen server's,
    // or PENNIBAR_RELEASES_URL).
    TovUpdate::UpdateConfig updateConfig() const;

    QString currentAccountId() const { return m_currentAccountId; }
    // Remembered across restarts in the preference "lastViewedAccountId".
    void setCurrentAccountId(const QString& accountId);

signals:
    void currentAccountChanged(const QString& accountId);
    void databaseReady();

private:
    void createAccountClient();
    void createSync();
    void connectChangesToSync();
    void startAutoSync();
    void onStartupTokenRefresh(bool ok);
    void onLoginSucceeded();

    // Handed to the account client when initialize() builds it; null for the platform's store.
    std::unique_ptr<TovAccount::TokenStore> m_tokenStore;
    Database* m_database = nullptr;
    AccountRepository* m_accountRepository = nullptr;
    TransactionRepository* m_transactionRepository = nullptr;
    CategoryRepository* m_categoryRepository = nullptr;
    PreferencesRepository* m_preferencesRepository = nullptr;
    SplitLineRepository* m_splitLineRepository = nullptr;
    RecurringRepository* m_recurringRepository = nullptr;
    ReconciliationRepository* m_reconciliationRepository = nullptr;
    TransactionService* m_transactionService = nullptr;
    AccountService* m_accountService = nullptr;
    PayeeService* m_payeeService = nullptr;
    CategoryService* m_categoryService = nullptr;
    RecurringService* m_recurringService = nullptr;
    ReportService* m_reportService = nullptr;
    ImportService* m_importService = nullptr;
    BackupService* m_backupService = nullptr;
    TovAccount::Client* m_accountClient = nullptr;
    SyncEngine* m_syncEngine = nullptr;
    SyncConflictService* m_syncConflictService = nullptr;
    AccountSharingService* m_sharingService = nullptr;
    ThemeManager* m_themeManager = nullptr;
    QString m_currentAccountId;
};
