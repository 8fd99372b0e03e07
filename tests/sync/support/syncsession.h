#pragma once

#include "sync/sharing/accountsharingservice.h"
#include "sync/syncengine.h"

#include "tests/libs/account/memorytokenstore.h"
#include "tests/server/support/testserver.h"

#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/database.h"
#include "data/preferencesrepository.h"
#include "data/reconciliationrepository.h"
#include "data/recurringrepository.h"
#include "data/splitlinerepository.h"
#include "data/transactionrepository.h"

#include "libs/account/client.h"
#include "libs/account/tokens/tokenmanager.h"

#include <QRegularExpression>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

// What a running program holds of one installation: its database, opened from the file, and
// the engine and sharing service over it. The database sits on the process's one default
// connection, so only one device is open at a time.
struct Session
{
    Session(const QString& path, TovAccount::ApiClient* api)
    {
        if (!database.open(path) || !database.runMigrations())
            qFatal("cannot open %s", qPrintable(path));
        engine =
            std::make_unique<SyncEngine>(api, &accounts, &transactions, &categories, &recurring,
                                         &reconciliations, &splitLines, &preferences);
        sharing = std::make_unique<AccountSharingService>(api, &accounts);
    }

    QVariant scalar(const QString& sql) const
    {
        QSqlQuery query(database.connection());
        return query.exec(sql) && query.next() ? query.value(0) : QVariant();
    }

    Database database;
    AccountRepository accounts{&database};
    TransactionRepository transactions{&database};
    CategoryRepository categories{&database};
    RecurringRepository recurring{&database};
    ReconciliationRepository reconciliations{&database};
    SplitLineRepository splitLines{&database};
    PreferencesRepository preferences{&database};
    std::unique_ptr<SyncEngine> engine;
    std::unique_ptr<AccountSharingService> sharing;
};

// One installation of the program: its own database file and its own signed-in session.
class Device
{
public:
    // syncUrl, when given, is where the sync requests go instead of the server itself.
    Device(TestServer& server, const QString& email, const QUrl& syncUrl = QUrl())
    {
        QString refresh;
        const HttpClient http = server.signedIn(email, QStringLiteral("password1"), &refresh);
        TovAccount::ClientConfig config;
        config.authBaseUrl = server.baseUrl().toString();
        config.realmSlug = QStringLiteral("tovarly");
        config.accountApiUrl = config.authBaseUrl;
        config.clientId = QStringLiteral("5f0c2b7e9a4d41c68e3b1d2a7c90f4e1");
        config.appId = QStringLiteral("com.tovarly.pennibar.test");
        config.appName = QStringLiteral("Tovarly Pennibar");
        config.appVersion = QStringLiteral("1.1.3");
        m_client = std::make_unique<TovAccount::Client>(config, new MemoryTokenStore(m_tokens));
        m_client->setSyncBaseUrl(syncUrl.isValid() ? syncUrl : server.baseUrl());
        m_client->tokenManager()->setTokens(http.token(), refresh);
    }
    ~Device()
    {
        if (s_open == this)
            close();
    }

    // This device's open database, closing the one open before.
    Session& s()
    {
        if (s_open != this) {
            if (s_open)
                s_open->close();
            m_session =
                std::make_unique<Session>(m_directory.filePath("pennibar.db"), m_client->syncApi());
            s_open = this;
        }
        return *m_session;
    }

    // One whole cycle; false when it failed or did not end.
    bool sync()
    {
        SyncEngine* engine = s().engine.get();
        QSignalSpy completed(engine, &SyncEngine::syncCompleted);
        QSignalSpy failed(engine, &SyncEngine::syncFailed);
        engine->sync();
        if (!QTest::qWaitFor([&] { return completed.count() + failed.count() > 0; }, 30000))
            return false;
        return completed.count() == 1;
    }

    // The data as the user sees it: every table without the sync bookkeeping, split lines
    // without their own ids and times (each device gives its copies new ones).
    QStringList data()
    {
        static const QRegularExpression bookkeeping(
            QStringLiteral("\\|?(version|sync_status|server_id)=[^|]*"));
        static const QRegularExpression lineOwn(
            QStringLiteral("\\|?(id|created_at|updated_at)=[^|]*"));
        QStringList rows;
        for (const char* table : {"accounts", "categories", "transactions",
                                  "recurring_transactions", "reconciliations"})
            for (QString row : dump(QLatin1String(table)))
                rows << QLatin1String(table) + ": " + row.remove(bookkeeping);
        QStringList lines;
        for (QString row : dump(QStringLiteral("split_lines")))
            lines << "split_lines: " + row.remove(lineOwn);
        lines.sort();
        return rows + lines;
    }

private:
    void close()
    {
        m_session.reset();
        QSqlDatabase::removeDatabase(QLatin1String(QSqlDatabase::defaultConnection));
        s_open = nullptr;
    }

    QStringList dump(const QString& table)
    {
        QStringList rows;
        QSqlQuery query(s().database.connection());
        query.exec(QStringLiteral("SELECT * FROM %1 ORDER BY id").arg(table));
        while (query.next()) {
            QStringList fields;
            const QSqlRecord record = query.record();
            for (int i = 0; i < record.count(); ++i)
                fields << record.fieldName(i) + "=" +
                              (query.isNull(i) ? QStringLiteral("NULL")
                                               : query.value(i).toString());
            rows << fields.join(QLatin1Char('|'));
        }
        return rows;
    }

    static inline Device* s_open = nullptr;
    QTemporaryDir m_directory;
    std::shared_ptr<StoredTokens> m_tokens = std::make_shared<StoredTokens>();
    std::unique_ptr<TovAccount::Client> m_client;
    std::unique_ptr<Session> m_session;
};

// A household's ledger: two currencies, categories, a categorised, a split and a transfer
// transaction, a recurring row and a reconciliation.
void writeLedger(Device& device);
