#pragma once

#include <QObject>
#include <QString>

class AccountRepository;
class CategoryRepository;
class Database;
class PreferencesRepository;
class ReconciliationRepository;
class RecurringRepository;
class SplitLineRepository;
class TransactionRepository;

// Owns every long-lived service of the application as a Qt child and wires them together.
// Every member is null until initialize() has created it; after a failed initialize() only
// the database exists.
class AppState : public QObject
{
    Q_OBJECT

public:
    explicit AppState(QObject* parent = nullptr);

    // Opens and migrates the database, then builds the services on it. False when the
    // database could not be opened or migrated.
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

    QString currentAccountId() const { return m_currentAccountId; }
    void setCurrentAccountId(const QString& accountId);

signals:
    void currentAccountChanged(const QString& accountId);
    void databaseReady();

private:
    Database* m_database = nullptr;
    AccountRepository* m_accountRepository = nullptr;
    TransactionRepository* m_transactionRepository = nullptr;
    CategoryRepository* m_categoryRepository = nullptr;
    PreferencesRepository* m_preferencesRepository = nullptr;
    SplitLineRepository* m_splitLineRepository = nullptr;
    RecurringRepository* m_recurringRepository = nullptr;
    ReconciliationRepository* m_reconciliationRepository = nullptr;
    QString m_currentAccountId;
};
