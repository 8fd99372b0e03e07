// Sync throughput of pennibar-server on loopback, with the SQLite or the PostgreSQL store.
//
// Usage: bench_serversync [--postgres] [--rows N] [--devices N] [--seconds S]
//
// 1. Bulk: one device pushes N transactions in batches of 500, then a new device pulls them all
//    with limit 200 (rows per second, the server's peak memory in each phase).
// 2. Devices: N devices (four per user) sync at once for S seconds, each pushing a batch of 20
//    changes (15 new rows, 5 edits of its earlier rows) and pulling from its cursor, again and
//    again (requests per second, p50 and p99 latency). At the end a fresh device of each user
//    pulls everything and the rows are counted: every accepted change must be there.

#include "tests/server/support/browsersignin.h"
#include "tests/server/support/changebuilder.h"
#include "tests/server/support/postgrescluster.h"
#include "tests/server/support/serverprocess.h"
#include "tests/server/support/syncdevice.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QJsonDocument>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

const QString kPassword = QStringLiteral("bench password");

HttpClient signedIn(const ServerProcess& server, const QString& email)
{
    HttpClient client(server.base());
    client.setToken(BrowserSignIn(client).signIn(email, kPassword).accessToken);
    return client;
}

double percentile(std::vector<double> samples, double fraction)
{
    if (samples.empty())
        return 0;
    std::sort(samples.begin(), samples.end());
    return samples[std::min(samples.size() - 1, std::size_t(fraction * double(samples.size())))];
}

void bulk(const ServerProcess& server, int rows)
{
    server.addUser(QStringLiteral("bulk@example.org"), kPassword);
    SyncDevice writer(signedIn(server, QStringLiteral("bulk@example.org")));
    writer.pushOne(ChangeBuilder::account(QStringLiteral("acc-bulk"), QStringLiteral("Bulk")));
    server.resetPeakMemory();
    QElapsedTimer timer;
    timer.start();
    int accepted = 0;
    for (int start = 0; start < rows; start += 500) {
        QJsonArray batch;
        for (int i = start; i < std::min(rows, start + 500); ++i)
            batch.append(ChangeBuilder::transaction(
                QStringLiteral("txn-%1").arg(i, 7, 10, QLatin1Char('0')),
                QStringLiteral("acc-bulk"), QStringLiteral("Payee %1").arg(i % 997), -(i % 50000),
                QStringLiteral("cat-%1").arg(i % 40)));
        for (const QJsonValue& result : writer.push(batch))
            accepted +=
                result.toObject().value(QStringLiteral("status")).toString() == QLatin1String("ok");
    }
    const double pushSeconds = double(timer.elapsed()) / 1000.0;
    const double pushPeak = server.peakMemoryMiB();

    SyncDevice reader(signedIn(server, QStringLiteral("bulk@example.org")));
    server.resetPeakMemory();
    timer.restart();
    const SyncDevice::Pull pull = reader.pullAll(200);
    const double pullSeconds = double(timer.elapsed()) / 1000.0;
    const auto pulled = pull.records.value(QStringLiteral("transactions")).size();
    std::printf("bulk push: %d transactions in %d batches of 500: %.1f s, %.0f rows/s "
                "(accepted %d), server peak %.1f MiB\n",
                rows, (rows + 499) / 500, pushSeconds, rows / pushSeconds, accepted, pushPeak);
    std::printf("full pull: %lld transactions in %d pages of 200: %.1f s, %.0f rows/s, "
                "server peak %.1f MiB\n",
                qlonglong(pulled), pull.pages, pullSeconds, double(pulled) / pullSeconds,
                server.peakMemoryMiB());
}

// One device's loop: push 20 changes, pull until nothing is left, again until the deadline.
class Device : public QObject
{
public:
    Device(HttpClient client, QString name, std::vector<double>* latencies)
        : m_client(std::move(client)), m_name(std::move(name)), m_latencies(latencies)
    {
    }

    void start(qint64 deadline)
    {
        m_deadline = deadline;
        push();
    }
    bool isDone() const { return m_done; }
    int requests() const { return m_requests; }
    int failures() const { return m_failures; }
    const QHash<QString, QString>& payees() const { return m_payees; }

private:
    void send(const QByteArray& method, const QUrl& url, const QByteArray& body,
              std::function<void(const QJsonObject&)> next)
    {
        QNetworkRequest request(url);
        request.setHeader(QNetworkRequest::ContentTypeHeader, QStringLiteral("application/json"));
        request.setRawHeader("Authorization", "Bearer " + m_client.token().toUtf8());
        auto* timer = new QElapsedTimer;
        timer->start();
        QNetworkReply* reply = m_network.sendCustomRequest(request, method, body);
        connect(reply, &QNetworkReply::finished, this, [=, this] {
            m_latencies->push_back(double(timer->nsecsElapsed()) / 1e6);
            delete timer;
            ++m_requests;
            const bool ok =
                reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt() == 200;
            const QJsonObject json = QJsonDocument::fromJson(reply->readAll()).object();
            reply->deleteLater();
            if (!ok)
                ++m_failures;
            next(ok ? json : QJsonObject());
        });
    }

    void push()
    {
        if (QDateTime::currentMSecsSinceEpoch() >= m_deadline) {
            m_done = true;
            return;
        }
        QJsonArray changes;
        for (int i = 0; i < 15; ++i) {
            const QString id = QStringLiteral("%1-%2").arg(m_name).arg(m_created++);
            changes.append(
                ChangeBuilder::transaction(id, QStringLiteral("acc"), QStringLiteral("New"), -100));
            m_pending.insert(id, QStringLiteral("New"));
        }
        const QStringList own = m_versions.keys();
        for (int i = 0; i < 5 && i < own.size(); ++i) {
            const QString id = own.at((m_round * 5 + i) % own.size());
            const QString payee = QStringLiteral("Edit %1").arg(m_round);
            changes.append(ChangeBuilder::transaction(id, QStringLiteral("acc"), payee, -100,
                                                      QString(), {}, m_versions.value(id)));
            m_pending.insert(id, payee);
        }
        ++m_round;
        send("POST", m_client.url(QStringLiteral("/sync/push")),
             QJsonDocument(QJsonObject{{QStringLiteral("changes"), changes}}).toJson(),
             [this](const QJsonObject& reply) {
                 for (const QJsonValue& value : reply.value(QStringLiteral("results")).toArray()) {
                     const QJsonObject result = value.toObject();
                     const QString id = result.value(QStringLiteral("entity_id")).toString();
                     if (result.value(QStringLiteral("status")).toString() == QLatin1String("ok")) {
                         m_versions.insert(id, result.value(QStringLiteral("version")).toInteger());
                         m_payees.insert(id, m_pending.value(id));
                     }
                 }
                 m_pending.clear();
                 pull();
             });
    }

    void pull()
    {
        QUrlQuery query;
        if (!m_cursor.isEmpty())
            query.addQueryItem(QStringLiteral("cursor"), m_cursor);
        query.addQueryItem(QStringLiteral("limit"), QStringLiteral("200"));
        send("GET", m_client.url(QStringLiteral("/sync/pull"), query), {},
             [this](const QJsonObject& page) {
                 // Another device of the user may have edited a row since: take its version.
                 for (const QJsonValue& value :
                      page.value(QStringLiteral("transactions")).toArray()) {
                     const QJsonObject record = value.toObject();
                     const QString id = record.value(QStringLiteral("client_id")).toString();
                     if (m_versions.contains(id))
                         m_versions.insert(id, record.value(QStringLiteral("version")).toInteger());
                 }
                 const QString cursor = page.value(QStringLiteral("cursor")).toString();
                 if (!cursor.isEmpty())
                     m_cursor = cursor;
                 if (page.value(QStringLiteral("has_more")).toBool())
                     pull();
                 else
                     push();
             });
    }

    HttpClient m_client;
    QString m_name;
    qint64 m_deadline = 0;
    std::vector<double>* m_latencies;
    QNetworkAccessManager m_network;
    QString m_cursor;
    int m_created = 0;
    int m_round = 0;
    int m_requests = 0;
    int m_failures = 0;
    bool m_done = false;
    QHash<QString, qint64> m_versions;
    QHash<QString, QString> m_pending;
    QHash<QString, QString> m_payees; // accepted: row → the payee the server must hold
};

void devices(const ServerProcess& server, int deviceCount, int seconds)
{
    const int users = std::max(1, deviceCount / 4);
    for (int u = 0; u < users; ++u)
        server.addUser(QStringLiteral("user%1@example.org").arg(u), kPassword);
    std::vector<double> latencies;
    std::vector<std::unique_ptr<Device>> all;
    for (int d = 0; d < deviceCount; ++d) {
        const QString email = QStringLiteral("user%1@example.org").arg(d % users);
        all.push_back(std::make_unique<Device>(signedIn(server, email),
                                               QStringLiteral("dev%1").arg(d), &latencies));
    }
    // Sign-ins (and their password hashing) took their time; the measured window starts now.
    server.resetPeakMemory();
    const qint64 start = QDateTime::currentMSecsSinceEpoch();
    for (auto& device : all)
        device->start(start + seconds * 1000LL);
    while (!std::all_of(all.cbegin(), all.cend(), [](const auto& d) { return d->isDone(); }))
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 100);
    const double elapsed = double(QDateTime::currentMSecsSinceEpoch() - start) / 1000.0;
    const double peak = server.peakMemoryMiB();
    int requests = 0;
    int failures = 0;
    for (const auto& device : all) {
        requests += device->requests();
        failures += device->failures();
    }

    // Count: a fresh device of each user must pull every accepted row with its last payee.
    int expected = 0;
    int lost = 0;
    for (int u = 0; u < users; ++u) {
        QHash<QString, QString> accepted;
        for (int d = u; d < deviceCount; d += users)
            accepted.insert(all[std::size_t(d)]->payees());
        expected += int(accepted.size());
        SyncDevice fresh(signedIn(server, QStringLiteral("user%1@example.org").arg(u)));
        const SyncDevice::Pull pull = fresh.pullAll(1000);
        for (auto it = accepted.cbegin(); it != accepted.cend(); ++it) {
            const QJsonObject record = pull.find(QStringLiteral("transactions"), it.key());
            if (record.value(QStringLiteral("payee")).toString() != it.value())
                ++lost;
        }
    }
    std::printf("%d devices (%d users) for %.1f s: %d requests, %.0f requests/s, latency p50 "
                "%.1f ms, p99 %.1f ms, %d failed requests; %d rows counted, %d lost; server "
                "peak %.1f MiB\n",
                deviceCount, users, elapsed, requests, requests / elapsed,
                percentile(latencies, 0.50), percentile(latencies, 0.99), failures, expected, lost,
                peak);
    const auto handling = server.handlingTimes();
    for (const QString& route :
         {QStringLiteral("POST /sync/push"), QStringLiteral("GET /sync/pull")}) {
        const std::vector<double>& times = handling.value(route);
        std::printf("  server time for %s: p50 %.1f ms, p99 %.1f ms (%zu requests)\n",
                    qPrintable(route), percentile(times, 0.50), percentile(times, 0.99),
                    times.size());
    }
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    auto option = [&](const QString& name, int fallback) {
        const qsizetype at = arguments.indexOf(name);
        return at >= 0 ? arguments.value(at + 1).toInt() : fallback;
    };
    const bool postgres = arguments.contains(QStringLiteral("--postgres"));
    const int rows = option(QStringLiteral("--rows"), 100000);
    const int deviceCount = option(QStringLiteral("--devices"), 20);
    const int seconds = option(QStringLiteral("--seconds"), 20);

    QString database;
    if (postgres) {
        if (!PostgresCluster::shared().isRunning()) {
            std::fprintf(stderr, "%s\n", qPrintable(PostgresCluster::shared().error()));
            return 1;
        }
        database = PostgresCluster::shared().createDatabase();
    }
    std::printf("store: %s\n", postgres ? "PostgreSQL" : "SQLite");
    {
        const ServerProcess server(QStringLiteral(PENNIBAR_SERVER_EXECUTABLE), database);
        if (!server.isRunning())
            return 1;
        std::printf("server at start: %.1f MiB\n", server.peakMemoryMiB());
        bulk(server, rows);
    }
    if (postgres)
        database = PostgresCluster::shared().createDatabase();
    const ServerProcess server(QStringLiteral(PENNIBAR_SERVER_EXECUTABLE), database);
    if (!server.isRunning())
        return 1;
    devices(server, deviceCount, seconds);
    return 0;
}
