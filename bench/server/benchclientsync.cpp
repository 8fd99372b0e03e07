// The sync engine against a real pennibar-server process on loopback: the first sync of the
// 200,000-transaction database (push everything, then pull it back), and a fresh device
// pulling all of it.
//
//     build/bench/server/bench_clientsync [DATABASE]
//
// DATABASE is the benchmark database (generated when missing, as for the other benchmarks).

#include "bench/benchtools.h"
#include "bench/largedatabase.h"
#include "tests/server/support/processio.h"
#include "tests/server/support/serverprocess.h"

#include "sync/syncengine.h"

#include "tests/server/support/browsersignin.h"
#include "tests/server/support/httpclient.h"

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
#include "libs/account/tokens/tokenstore.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QLoggingCategory>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QTest>

#include <cstdio>

namespace {

const QString Email = QStringLiteral("bench@example.org");
const QString Password = QStringLiteral("bench password");

// Tokens kept in memory only: a benchmark must not touch the user's secret store.
class MemoryStore : public TovAccount::TokenStore
{
public:
    bool save(const QString& key, const QString& value) override
    {
        m_values.insert(key, value);
        return true;
    }
    std::optional<QString> load(const QString& key) override
    {
        return m_values.contains(key) ? std::optional(m_values.value(key)) : std::nullopt;
    }
    bool remove(const QString& key) override
    {
        m_values.remove(key);
        return true;
    }

private:
    QHash<QString, QString> m_values;
};

struct Phase
{
    double seconds = 0;
    int cycles = 0;
    qint64 rows = 0;
    double clientPeakMiB = 0;
    double serverPeakMiB = 0;
    double serverSeconds = 0; // time the server spent handling this phase's requests
    double clientWrittenMiB = 0;
    double serverWrittenMiB = 0;
};

qint64 syncedRows(const Database& database)
{
    QSqlQuery query(database.connection());
    query.exec(QStringLiteral(
        "SELECT (SELECT COUNT(*) FROM accounts) + (SELECT COUNT(*) FROM categories) + "
        "(SELECT COUNT(*) FROM transactions) + (SELECT COUNT(*) FROM recurring_transactions) + "
        "(SELECT COUNT(*) FROM reconciliations)"));
    return query.next() ? query.value(0).toLongLong() : 0;
}

double serverSeconds(const ServerProcess& server)
{
    double total = 0;
    const auto times = server.handlingTimes();
    for (auto it = times.begin(); it != times.end(); ++it)
        for (double milliseconds : it.value())
            total += milliseconds;
    return total / 1000.0;
}

// Syncs until a cycle ends where it started (the cursor stops moving): one cycle follows at
// most 50 pull pages, so pulling everything takes many.
// With pushEverything the first cycle is a full resync: every row goes out.
Phase syncToTheEnd(const QString& path, const ServerProcess& server, const HttpClient& http,
                   const QString& refresh, bool pushEverything)
{
    Database database;
    if (!database.open(path) || !database.runMigrations())
        qFatal("cannot open %s", qPrintable(path));
    AccountRepository accounts(&database);
    TransactionRepository transactions(&database);
    CategoryRepository categories(&database);
    RecurringRepository recurring(&database);
    ReconciliationRepository reconciliations(&database);
    SplitLineRepository splitLines(&database);
    PreferencesRepository preferences(&database);
    TovAccount::ClientConfig config;
    config.authBaseUrl = server.base().toString();
    config.realmSlug = QStringLiteral("tovarly");
    config.accountApiUrl = config.authBaseUrl;
    config.clientId = QStringLiteral("5f0c2b7e9a4d41c68e3b1d2a7c90f4e1");
    TovAccount::Client client(config, new MemoryStore);
    client.setSyncBaseUrl(server.base());
    client.tokenManager()->setTokens(http.token(), refresh);
    SyncEngine engine(client.syncApi(), &accounts, &transactions, &categories, &recurring,
                      &reconciliations, &splitLines, &preferences);

    const double serverBefore = serverSeconds(server);
    const double clientWrittenBefore = ProcessIo::writtenMiB();
    const double serverWrittenBefore = server.writtenMiB();
    BenchTools::resetPeakMemory();
    server.resetPeakMemory();
    Phase phase;
    QElapsedTimer timer;
    timer.start();
    QString cursor = QStringLiteral("-");
    while (true) {
        // A plain event loop: waiting in slices with sleeps between them would time the
        // sleeps, not the sync.
        QEventLoop loop;
        bool failed = false;
        QObject::connect(&engine, &SyncEngine::syncCompleted, &loop, &QEventLoop::quit);
        QObject::connect(&engine, &SyncEngine::syncFailed, &loop, [&] {
            failed = true;
            loop.quit();
        });
        if (pushEverything && phase.cycles == 0)
            engine.fullResync();
        else
            engine.sync();
        loop.exec();
        if (failed)
            qFatal("sync failed: %s", qPrintable(engine.lastError()));
        ++phase.cycles;
        const QString now = preferences.get(QStringLiteral("syncCursor"));
        if (now == cursor)
            break;
        cursor = now;
    }
    phase.seconds = timer.elapsed() / 1000.0;
    phase.rows = syncedRows(database);
    phase.clientPeakMiB = BenchTools::peakMemoryMiB();
    phase.serverPeakMiB = server.peakMemoryMiB();
    phase.serverSeconds = serverSeconds(server) - serverBefore;
    phase.clientWrittenMiB = ProcessIo::writtenMiB() - clientWrittenBefore;
    phase.serverWrittenMiB = server.writtenMiB() - serverWrittenBefore;
    return phase;
}

void report(const char* name, const Phase& phase)
{
    std::printf("%-28s %8lld rows %8.1f s %9.0f rows/s  %3d cycles  client peak %7.1f MiB  "
                "server peak %7.1f MiB  server busy %6.1f s (%2.0f%% of wall)  written: client "
                "%.0f MiB, server %.0f MiB\n",
                name, static_cast<long long>(phase.rows), phase.seconds, phase.rows / phase.seconds,
                phase.cycles, phase.clientPeakMiB, phase.serverPeakMiB, phase.serverSeconds,
                100.0 * phase.serverSeconds / phase.seconds, phase.clientWrittenMiB,
                phase.serverWrittenMiB);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    QLoggingCategory::setFilterRules(QStringLiteral("default.info=false")); // no per-batch lines
    const QString source = LargeDatabase::openOrGenerate(application.arguments().value(1));
    if (source.isEmpty())
        qFatal("cannot generate the benchmark database");
    const QString first = BenchTools::scratchPath(QStringLiteral("first.db"));
    const QString fresh = BenchTools::scratchPath(QStringLiteral("fresh.db"));
    if (!QFile::copy(source, first))
        qFatal("cannot copy %s", qPrintable(source));

    ServerProcess server(QStringLiteral(PENNIBAR_SERVER_EXECUTABLE), QString());
    if (!server.isRunning() || !server.addUser(Email, Password))
        qFatal("cannot start pennibar-server");
    auto signIn = [&](QString* refresh) {
        HttpClient http(server.base());
        const auto result = BrowserSignIn(http).signIn(Email, Password);
        http.setToken(result.accessToken);
        *refresh = result.refreshToken;
        return http;
    };

    QString refresh;
    const HttpClient firstDevice = signIn(&refresh);
    report("first sync (push + pull)", syncToTheEnd(first, server, firstDevice, refresh, true));
    const HttpClient freshDevice = signIn(&refresh);
    report("fresh device (pull all)", syncToTheEnd(fresh, server, freshDevice, refresh, false));
    return 0;
}
