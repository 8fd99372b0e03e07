#pragma once

#include "services/import/importcategories.h"
#include "services/import/importresult.h"
#include "services/import/importrun.h"
#include "services/import/qif/qiftypes.h"

#include "app/core/currency.h"
#include "data/splitline.h"

#include <QHash>
#include <QStringList>

#include <map>

class AccountRepository;
class SplitLineRepository;

// One QIF import: every record of the files becomes a transaction of the account its source
// account is mapped to, all in one database transaction. Transfers are linked in pairs when
// both sides are in the batch, or to the side an earlier import stored with a transfer hint
// ("[→ Name]" in front of its memo) when only this side is new.
class QifImporter : public ImportRun
{
    Q_OBJECT

public:
    QifImporter(AccountRepository* accounts, TransactionRepository* transactions,
                CategoryRepository* categories, SplitLineRepository* splitLines);

    // mapping: lower-cased or not, source key (account name or file path) to target account
    // id; an empty target skips the source.
    ImportResult run(const QStringList& files, const QHash<QString, QString>& mapping);

    static QString transferHint(const QString& accountName);
    // The account name of a memo that starts with a transfer hint; empty otherwise.
    static QString hintedAccount(const QString& memo);

private:
    struct WorkItem
    {
        QifTransaction record;
        QString sourceName;
        QString target;
        Currency currency = Currency::USD; // the target's
        qint64 amount = 0;                 // the record's amount in the target's minor unit
        QString id;
        QString payee;
        QString key;
        bool duplicate = false; // already stored, or an earlier item of the batch has the key
        int partner = -1;       // the other side of an in-batch transfer pair
    };

    // An account's transactions as the import found them.
    struct AccountCache
    {
        QSet<QString> keys;
        QList<Transaction> candidates; // unlinked transactions whose memo carries a hint
    };

    void readFile(const QString& path);
    Currency currencyOf(const QString& accountId);
    AccountCache& cacheFor(const QString& accountId);
    void markDuplicates();
    void pairTransfers();
    bool isPairable(const WorkItem& item) const;
    void createDefinedCategories();
    // False when the import must abort; m_abortReason says why.
    bool importItem(WorkItem& item);
    // Links the transaction to a hinted transaction of the partner account, or gives it the
    // hint itself. False when the import must abort.
    bool resolveTransfer(const WorkItem& item, Transaction& transaction,
                         std::optional<Transaction>& retroactivePartner);
    QList<SplitLine> splitLinesOf(const WorkItem& item, const Transaction& transaction);
    // Logs the transaction the database refused (what went wrong, then the transaction) and
    // counts it; the import goes on, so always true.
    bool skipRefused(const Transaction& transaction, const char* what);
    // Marks the import aborted with the logged reason; always false.
    bool abortWith(const char* reason);

    AccountRepository* m_accounts;
    SplitLineRepository* m_splitLines;
    QHash<QString, QString> m_targetBySource; // lower-cased source key
    QHash<QString, Currency> m_currencyByAccount;
    QList<WorkItem> m_items;
    QList<QifCategoryDefinition> m_definitions;
    std::map<QString, AccountCache> m_caches; // node-based: references stay valid
    std::optional<ImportCategories> m_categories;
    ImportResult m_result;
};
