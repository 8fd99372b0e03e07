#include "services/import/qif/qifimporter.h"

#include "services/import/importedamount.h"
#include "services/import/importtextdecoder.h"
#include "services/import/qif/qifparser.h"

#include "app/core/ids.h"
#include "app/core/isodates.h"
#include "data/accountrepository.h"
#include "data/splitlinerepository.h"
#include "data/transactionrepository.h"

#include <QDebug>
#include <QFile>

#include <algorithm>

namespace {

const QString hintStart = QStringLiteral("[\u2192 ");

// The stored payee is data, not interface text: it stays the same in every UI language so
// that the duplicate key of a re-imported record does not change with the language.
const QString defaultPayee = QStringLiteral("Imported transaction");

QString payeeOf(const QifTransaction& record)
{
    if (!record.payee.isEmpty())
        return record.payee;
    if (!record.checkNumber.isEmpty() && !record.security.isEmpty())
        return QStringLiteral("%1: %2").arg(record.checkNumber, record.security);
    if (!record.security.isEmpty())
        return record.security;
    if (!record.checkNumber.isEmpty())
        return record.checkNumber;
    if (!record.transferAccount.isEmpty())
        return record.transferAccount;
    return defaultPayee;
}

QString withHint(const QString& accountName, const QString& memo)
{
    const QString hint = QifImporter::transferHint(accountName);
    return memo.isEmpty() ? hint : hint + QLatin1Char(' ') + memo;
}

QString withoutHint(const QString& memo)
{
    QString rest = memo.mid(memo.indexOf(QLatin1Char(']')) + 1);
    if (rest.startsWith(QLatin1Char(' ')))
        rest.remove(0, 1);
    return rest;
}

bool sameName(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// Two items pair when one's source is the other's transfer account and the other way round,
// on one date with opposite amounts.
QString pairKey(const QDate& date, qint64 amount, const QString& source, const QString& transfer)
{
    return QStringLiteral("%1|%2|%3|%4")
        .arg(date.toString(Qt::ISODate))
        .arg(amount)
        .arg(source.toLower(), transfer.toLower());
}

} // namespace

QifImporter::QifImporter(AccountRepository* accounts, TransactionRepository* transactions,
                         CategoryRepository* categories, SplitLineRepository* splitLines)
    : ImportRun(transactions, categories), m_accounts(accounts), m_splitLines(splitLines)
{
}

QString QifImporter::transferHint(const QString& accountName)
{
    return QStringLiteral("[\u2192 %1]").arg(accountName);
}

QString QifImporter::hintedAccount(const QString& memo)
{
    if (!memo.startsWith(hintStart))
        return QString();
    const qsizetype close = memo.indexOf(QLatin1Char(']'), hintStart.size());
    return close > hintStart.size() ? memo.mid(hintStart.size(), close - hintStart.size())
                                    : QString();
}

void QifImporter::readFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return;
    QifParseResult parsed = QifParser::parse(ImportTextDecoder::decode(file.readAll()), 0);
    m_result.unparseable += parsed.unparseable;
    m_result.metadataSkipped += parsed.metadata;
    for (const QifCategoryDefinition& definition : std::as_const(parsed.categories)) {
        const bool known = std::any_of(
            m_definitions.cbegin(), m_definitions.cend(),
            [&definition](const QifCategoryDefinition& d) { return d.name == definition.name; });
        if (!known)
            m_definitions.append(definition);
    }
    for (QifTransaction& record : parsed.transactions) {
        WorkItem item;
        item.sourceName = record.accountName.isEmpty() ? path : record.accountName;
        item.target = m_targetBySource.value(item.sourceName.toLower());
        item.currency = currencyOf(item.target);
        item.amount = importedAmount(record.amount, item.currency);
        item.id = newId();
        item.payee = payeeOf(record);
        item.key = duplicateKey(record.date, item.amount, item.payee);
        item.record = std::move(record);
        m_items.append(std::move(item));
    }
}

Currency QifImporter::currencyOf(const QString& accountId)
{
    auto found = m_currencyByAccount.constFind(accountId);
    if (found == m_currencyByAccount.constEnd())
        found = m_currencyByAccount.insert(accountId, m_accounts->currencyOf(accountId));
    return found.value();
}

QifImporter::AccountCache& QifImporter::cacheFor(const QString& accountId)
{
    auto found = m_caches.find(accountId);
    if (found != m_caches.end())
        return found->second;
    AccountCache& cache = m_caches[accountId];
    const QList<Transaction> stored = transactions()->listByAccount(accountId);
    cache.keys = duplicateKeys(stored);
    for (const Transaction& t : stored) {
        if (t.transferLinkId.isEmpty() && !hintedAccount(t.memo).isEmpty())
            cache.candidates.append(t);
    }
    return cache;
}

void QifImporter::markDuplicates()
{
    // Known before pairing, so that no transfer is linked to a record that will not be stored.
    QHash<QString, QSet<QString>> batchKeys;
    for (WorkItem& item : m_items) {
        if (item.target.isEmpty())
            continue;
        QSet<QString>& added = batchKeys[item.target];
        item.duplicate = cacheFor(item.target).keys.contains(item.key) || added.contains(item.key);
        if (!item.duplicate)
            added.insert(item.key);
    }
}

bool QifImporter::isPairable(const WorkItem& item) const
{
    return !item.duplicate && !item.target.isEmpty() && !item.record.transferAccount.isEmpty() &&
           !sameName(item.record.transferAccount, item.sourceName);
}

void QifImporter::pairTransfers()
{
    // Items indexed by what their partner must look like; each bucket lists items in batch
    // order, and its cursor skips items that can no longer be anyone's first match.
    struct Bucket
    {
        QList<int> items;
        qsizetype cursor = 0;
    };
    QHash<QString, Bucket> buckets;
    for (int j = 0; j < m_items.size(); ++j) {
        const WorkItem& item = m_items.at(j);
        if (isPairable(item))
            buckets[pairKey(item.record.date, item.record.amount, item.sourceName,
                            item.record.transferAccount)]
                .items.append(j);
    }

    for (int i = 0; i < m_items.size(); ++i) {
        WorkItem& first = m_items[i];
        if (first.partner >= 0 || !isPairable(first))
            continue;
        auto bucket = buckets.find(pairKey(first.record.date, -first.record.amount,
                                           first.record.transferAccount, first.sourceName));
        if (bucket == buckets.end())
            continue;
        QList<int>& candidates = bucket->items;
        while (bucket->cursor < candidates.size() &&
               (candidates.at(bucket->cursor) <= i ||
                m_items.at(candidates.at(bucket->cursor)).partner >= 0))
            ++bucket->cursor;
        for (qsizetype k = bucket->cursor; k < candidates.size(); ++k) {
            WorkItem& second = m_items[candidates.at(k)];
            // A transfer stays within one currency, as the ledger keeps it.
            if (candidates.at(k) > i && second.partner < 0 && second.target != first.target &&
                second.currency == first.currency) {
                first.partner = candidates.at(k);
                second.partner = i;
                ++m_result.transfersLinked;
                break;
            }
        }
    }
}

void QifImporter::createDefinedCategories()
{
    for (const QifCategoryDefinition& definition : std::as_const(m_definitions)) {
        if (!m_categories->contains(definition.name))
            m_categories->idFor(definition.name,
                                definition.isIncome ? CategoryType::Income : CategoryType::Expense);
    }
}

bool QifImporter::resolveTransfer(const WorkItem& item, Transaction& transaction,
                                  std::optional<Transaction>& retroactivePartner)
{
    if (item.partner >= 0) {
        const WorkItem& partner = m_items.at(item.partner);
        transaction.transferLinkId = partner.id;
        transaction.transferDestAccountId = partner.target;
        return true;
    }
    const QString& transferAccount = item.record.transferAccount;
    if (transferAccount.isEmpty() || sameName(transferAccount, item.sourceName))
        return true;

    const QString partnerAccount = m_targetBySource.value(transferAccount.toLower());
    if (partnerAccount.isEmpty() || partnerAccount == item.target ||
        currencyOf(partnerAccount) != item.currency) {
        transaction.memo = withHint(transferAccount, transaction.memo);
        return true;
    }

    QList<Transaction>& candidates = cacheFor(partnerAccount).candidates;
    const auto match =
        std::find_if(candidates.begin(), candidates.end(), [&](const Transaction& c) {
            return c.date == transaction.date && c.amount == -transaction.amount &&
                   sameName(hintedAccount(c.memo), item.sourceName);
        });
    if (match == candidates.end()) {
        transaction.memo = withHint(transferAccount, transaction.memo);
        return true;
    }

    Transaction partner = *match;
    if (hintedAccount(partner.memo).isEmpty())
        return abortWith("retroactive candidate lost its hint");
    partner.memo = withoutHint(partner.memo);
    partner.transferLinkId = transaction.id;
    partner.transferDestAccountId = item.target;
    partner.updatedAt = nowUtc();
    partner.version += 1;
    partner.syncStatus = SyncStatus::Pending;
    transaction.transferLinkId = partner.id;
    transaction.transferDestAccountId = partner.accountId;
    retroactivePartner = partner;
    return true;
}

QList<SplitLine> QifImporter::splitLinesOf(const WorkItem& item, const Transaction& transaction)
{
    QList<SplitLine> lines;
    for (const QifSplit& split : item.record.splits) {
        SplitLine line;
        line.id = newId();
        line.transactionId = transaction.id;
        line.amount = importedAmount(split.amount, item.currency);
        line.createdAt = line.updatedAt = transaction.createdAt;
        // A line that moves money to another account keeps the account's name in its hint and
        // is filed under the transfers category, so that the lines still add up.
        if (split.transferAccount.isEmpty()) {
            line.categoryId = m_categories->book(split.categoryName, line.amount);
            line.memo = split.memo;
        } else {
            line.categoryId = m_categories->transfersId();
            line.memo = withHint(split.transferAccount, split.memo);
        }
        lines.append(line);
    }
    return lines;
}

bool QifImporter::skipRefused(const Transaction& transaction, const char* what)
{
    qWarning().noquote() << QStringLiteral("QIF import: %1 for").arg(QLatin1String(what))
                         << toIsoDate(transaction.date) << transaction.payee << "amount"
                         << transaction.amount << "account" << transaction.accountId;
    ++m_result.failedInserts;
    return true;
}

bool QifImporter::abortWith(const char* reason)
{
    qWarning().noquote() << "QIF import aborted:" << reason;
    m_result.aborted = true;
    return false;
}

bool QifImporter::importItem(WorkItem& item)
{
    if (item.target.isEmpty()) {
        ++m_result.unmappedSkipped;
        return true;
    }
    AccountCache& cache = cacheFor(item.target);
    if (cache.keys.contains(item.key)) {
        ++m_result.duplicates;
        return true;
    }

    const QifTransaction& record = item.record;
    Transaction transaction;
    transaction.id = item.id;
    transaction.accountId = item.target;
    transaction.date = record.date;
    transaction.payee = item.payee;
    transaction.amount = item.amount;
    transaction.memo = record.memo;
    transaction.checkNumber = record.checkNumber;
    transaction.cleared = record.cleared;
    transaction.reconciled = record.reconciled;
    transaction.isSplit = !record.splits.isEmpty();
    transaction.createdAt = transaction.updatedAt = nowUtc();
    transaction.categoryId = m_categories->book(record.categoryName, transaction.amount);

    std::optional<Transaction> retroactivePartner;
    if (!resolveTransfer(item, transaction, retroactivePartner))
        return false;
    // Categories are created before the transaction's own savepoint: one that a refused
    // transaction took back would still be in the lookup for the records after it.
    const QList<SplitLine> lines = splitLinesOf(item, transaction);

    // A transaction with split lines or a partner to link is several writes: all of them are
    // stored, or none. A single row needs no savepoint of its own.
    std::optional<UnitOfWork> together;
    if (!lines.isEmpty() || retroactivePartner) {
        together.emplace(transactions()->database());
        if (!together->isActive())
            return skipRefused(transaction, "no savepoint");
    }
    if (!transactions()->insert(transaction))
        return skipRefused(transaction, "insert failed");
    if (retroactivePartner && !transactions()->update(*retroactivePartner))
        return abortWith("failed to update retroactive partner");
    for (const SplitLine& line : lines) {
        if (!m_splitLines->insert(line))
            return skipRefused(transaction, "split line refused");
    }
    if (together && !together->commit())
        return skipRefused(transaction, "savepoint not released");

    if (retroactivePartner) {
        QList<Transaction>& candidates = cacheFor(retroactivePartner->accountId).candidates;
        candidates.removeIf([&](const Transaction& c) { return c.id == retroactivePartner->id; });
        ++m_result.transfersLinked;
        ++m_result.retroactiveLinks;
    }
    ++m_result.imported;
    cache.keys.insert(item.key);
    return true;
}

ImportResult QifImporter::run(const QStringList& files, const QHash<QString, QString>& mapping)
{
    for (auto it = mapping.cbegin(); it != mapping.cend(); ++it)
        m_targetBySource.insert(it.key().toLower(), it.value());
    for (const QString& path : files)
        readFile(path);
    markDuplicates();
    pairTransfers();

    m_categories.emplace(categories());
    begin(int(m_items.size()));
    createDefinedCategories();
    for (int i = 0; i < m_items.size(); ++i) {
        step(i + 1);
        if (!importItem(m_items[i])) {
            rollback();
            end();
            return m_result;
        }
    }
    m_categories->settleKinds();
    commit();
    end();
    return m_result;
}
