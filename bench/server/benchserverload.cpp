// pennibar-server under load and faults, on loopback, with the SQLite or the PostgreSQL store.
//
// Usage: bench_serverload [--postgres] [--users N] [--devices-per-user N] [--seconds S]
//
// Users come in pairs of one family; each shares their account with the other. Every device
// loops: push 10 new rows and 5 edits of rows it knows (versions may be stale: conflicts are
// expected), then pull until nothing is left. A request that fails is retried by its device
// after its own pause. A third of the way in the server is stopped and started again; with
// PostgreSQL, two thirds of the way in the database is stopped for three seconds. At the end
// every device pulls what is left: all devices of a user must hold the same rows, a fresh
// device of that user the same again, every accepted change must be there and no row twice.
// Prints requests/s, latency p50/p99 and the server's memory; exits 1 on any failed check.

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
#include <QRandomGenerator>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

const QString kPassword = QStringLiteral("bench password");
const QStringList kKeys{QStringLiteral("accounts"), QStringLiteral("transactions")};

QString email(int user)
{
    return QStringLiteral("user%1@example.org").arg(user);
}
QString accountOf(int user)
{
    return QStringLiteral("acc-user%1").arg(user);
}

double percentile(std::vector<double> samples, double fraction)
{
    if (samples.empty())
        return 0;
    std::sort(samples.begin(), samples.end());
    return samples[std::min(samples.size() - 1, std::size_t(fraction * double(samples.size())))];
}

// A row as a device knows it: its version and payee (or name).
struct Row
{
    qint64 version = 0;
    QString text;
    bool operator==(const Row&) const = default;
};
using Rows = QMap<QString, Row>; // "key/client id" → row

QString rowKey(const QString& key, const QJsonObject& record)
{
    return key + QLatin1Char('/') + record.value(QStringLiteral("client_id")).toString();
}

Row rowOf(const QJsonObject& record)
{
    const QString payee = record.value(QStringLiteral("payee")).toString();
    return {record.value(QStringLiteral("version")).toInteger(),
            payee.isEmpty() ? record.value(QStringLiteral("name")).toString() : payee};
}

struct Totals
{
    std::vector<double> latencies;
    int requests = 0;
    int retried = 0;    // failed requests (refused, 5xx) that were sent again
    int conflicts = 0;  // changes refused for a stale version: expected
    int unexpected = 0; // any other refused change or request
};

// One device of a user, run on the event loop.
class Device : public QObject
{
public:
    Device(QString token, const QUrl& base, int user, int number, Totals* totals)
        : m_token(std::move(token)), m_base(base), m_user(user),
          m_name(QStringLiteral("u%1d%2").arg(user).arg(number)), m_totals(totals)
    {
    }

    void start(qint64 deadline)
    {
        m_deadline = deadline;
        push();
    }
    // Pulls what is left, then stops.
    void settle()
    {
        m_settling = true;
        m_done = false;
        pull();
    }
    bool isDone() const { return m_done; }
    const Rows& rows() const { return m_rows; }
    // Every change the server accepted from this device, with the version it gave.
    const Rows& accepted() const { return m_accepted; }

private:
    void send(const QByteArray& method, const QString& path, const QUrlQuery& query,
              const QByteArray& body, std::function<void(const QJsonObject&)> next)
    {
        QUrl url = m_base;
        url.setPath(path);
        url.setQuery(query);
        QNetworkRequest request(url);
        request.setHeader(QNetworkRequest::ContentTypeHeader, QStringLiteral("application/json"));
        request.setRawHeader("Authorization", "Bearer " + m_token.toUtf8());
        request.setTransferTimeout(30000);
        QElapsedTimer timer;
        timer.start();
        QNetworkReply* reply = m_network.sendCustomRequest(request, method, body);
        connect(reply, &QNetworkReply::finished, this, [=, this] {
            reply->deleteLater();
            ++m_totals->requests;
            m_totals->latencies.push_back(double(timer.nsecsElapsed()) / 1e6);
            const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
            if (status == 200) {
                next(QJsonDocument::fromJson(reply->readAll()).object());
                return;
            }
            if (status != 0 && status < 500) {
                ++m_totals->unexpected;
                qWarning("%s: %s %s answered %d", qPrintable(m_name), method.constData(),
                         qPrintable(path), status);
            }
            // Down, restarting or without its database: this device tries again on its own
            // schedule, the same request.
            ++m_totals->retried;
            const int pause = 200 + int(QRandomGenerator::global()->bounded(600));
            QTimer::singleShot(pause, this, [=, this] { send(method, path, query, body, next); });
        });
    }

    void push()
    {
        if (QDateTime::currentMSecsSinceEpoch() >= m_deadline) {
            m_done = true;
            return;
        }
        QJsonArray changes;
        QHash<QString, QString> texts;
        for (int i = 0; i < 10; ++i) {
            const QString id = QStringLiteral("%1-%2").arg(m_name).arg(m_created++);
            changes.append(
                ChangeBuilder::transaction(id, accountOf(m_user), QStringLiteral("New"), -100 - i));
            texts.insert(id, QStringLiteral("New"));
        }
        // Edits of the user's own rows, whichever of their devices made them.
        QStringList own;
        for (auto it = m_rows.cbegin(); it != m_rows.cend(); ++it) {
            if (it.key().startsWith(QStringLiteral("transactions/u%1d").arg(m_user)))
                own << it.key();
        }
        for (int i = 0; i < 5 && !own.isEmpty(); ++i) {
            const QString key =
                own.at(int(QRandomGenerator::global()->bounded(qsizetype(own.size()))));
            const QString id = key.section(QLatin1Char('/'), 1);
            if (texts.contains(id))
                continue;
            const QString payee = QStringLiteral("Edit by %1 #%2").arg(m_name).arg(m_round);
            changes.append(ChangeBuilder::transaction(id, accountOf(m_user), payee, -100, QString(),
                                                      {}, m_rows.value(key).version));
            texts.insert(id, payee);
        }
        ++m_round;
        send("POST", QStringLiteral("/sync/push"), {},
             QJsonDocument(QJsonObject{{QStringLiteral("changes"), changes}}).toJson(),
             [this, texts](const QJsonObject& reply) {
                 for (const QJsonValue& value : reply.value(QStringLiteral("results")).toArray()) {
                     const QJsonObject result = value.toObject();
                     const QString id = result.value(QStringLiteral("entity_id")).toString();
                     const QString status = result.value(QStringLiteral("status")).toString();
                     const QString key = QStringLiteral("transactions/") + id;
                     if (status == QLatin1String("ok")) {
                         const Row row{result.value(QStringLiteral("version")).toInteger(),
                                       texts.value(id)};
                         m_accepted.insert(key, row);
                         if (row.version >= m_rows.value(key).version)
                             m_rows.insert(key, row);
                     } else if (status == QLatin1String("conflict")) {
                         ++m_totals->conflicts;
                     } else {
                         ++m_totals->unexpected;
                         qWarning("%s: change %s refused: %s", qPrintable(m_name), qPrintable(id),
                                  qPrintable(status));
                     }
                 }
                 pull();
             });
    }

    void pull()
    {
        QUrlQuery query;
        if (!m_cursor.isEmpty())
            query.addQueryItem(QStringLiteral("cursor"), m_cursor);
        query.addQueryItem(QStringLiteral("limit"), QStringLiteral("200"));
        send("GET", QStringLiteral("/sync/pull"), query, {}, [this](const QJsonObject& page) {
            for (const QString& key : kKeys) {
                for (const QJsonValue& value : page.value(key).toArray()) {
                    const QJsonObject record = value.toObject();
                    m_rows.insert(rowKey(key, record), rowOf(record));
                }
            }
            const QString cursor = page.value(QStringLiteral("cursor")).toString();
            if (!cursor.isEmpty())
                m_cursor = cursor;
            if (page.value(QStringLiteral("has_more")).toBool())
                pull();
            else if (m_settling)
                m_done = true;
            else
                push();
        });
    }

    QString m_token;
    QUrl m_base;
    int m_user;
    QString m_name;
    Totals* m_totals;
    qint64 m_deadline = 0;
    bool m_settling = false;
    bool m_done = false;
    QNetworkAccessManager m_network;
    QString m_cursor;
    int m_created = 0;
    int m_round = 0;
    Rows m_rows;
    Rows m_accepted;
};

void runUntil(const std::vector<std::unique_ptr<Device>>& devices)
{
    while (
        !std::all_of(devices.cbegin(), devices.cend(), [](const auto& d) { return d->isDone(); }))
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 100);
}

// A family of two: the first (owner of a group) invites, the second joins, each shares their
// account with the other. Returns false when any step is refused.
bool pairUp(const HttpClient& first, int firstUser, const HttpClient& second, int secondUser)
{
    const QString code = first.post(QStringLiteral("/group/invite"), {})
                             .json()
                             .value(QStringLiteral("invite_code"))
                             .toString();
    if (code.isEmpty() ||
        second.postEmpty(QStringLiteral("/group/join/%1").arg(code)).status != 200)
        return false;
    auto share = [](const HttpClient& owner, int ownerUser, const HttpClient& grantee) {
        const QString granteeId =
            grantee.get(QStringLiteral("/profile")).json().value(QStringLiteral("id")).toString();
        return owner
                   .post(QStringLiteral("/accounts/%1/share").arg(accountOf(ownerUser)),
                         {{QStringLiteral("user_id"), granteeId},
                          {QStringLiteral("role"), QStringLiteral("member")}})
                   .status == 200;
    };
    return share(first, firstUser, second) && share(second, secondUser, first);
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
    const int users = option(QStringLiteral("--users"), 10) / 2 * 2;
    const int perUser = option(QStringLiteral("--devices-per-user"), 5);
    const int seconds = option(QStringLiteral("--seconds"), 60);

    QString database;
    if (postgres) {
        if (!PostgresCluster::shared().isRunning()) {
            std::fprintf(stderr, "%s\n", qPrintable(PostgresCluster::shared().error()));
            return 1;
        }
        database = PostgresCluster::shared().createDatabase();
    }
    ServerProcess server(QStringLiteral(PENNIBAR_SERVER_EXECUTABLE), database);
    if (!server.isRunning())
        return 1;

    std::vector<HttpClient> clients;
    for (int u = 0; u < users; ++u) {
        server.addUser(email(u), kPassword);
        HttpClient client(server.base());
        client.setToken(BrowserSignIn(client).signIn(email(u), kPassword).accessToken);
        SyncDevice(client).pushOne(
            ChangeBuilder::account(accountOf(u), QStringLiteral("User %1").arg(u)));
        clients.push_back(client);
    }
    for (int u = 0; u + 1 < users; u += 2) {
        if (!server.createGroup(email(u)) ||
            !pairUp(clients[std::size_t(u)], u, clients[std::size_t(u + 1)], u + 1)) {
            std::fprintf(stderr, "users %d and %d could not share\n", u, u + 1);
            return 1;
        }
    }
    Totals totals;
    std::vector<std::unique_ptr<Device>> devices;
    for (int u = 0; u < users; ++u) {
        for (int d = 0; d < perUser; ++d) {
            HttpClient client(server.base());
            client.setToken(BrowserSignIn(client).signIn(email(u), kPassword).accessToken);
            devices.push_back(
                std::make_unique<Device>(client.token(), server.base(), u, d, &totals));
        }
    }

    // Memory every two seconds; the server restarts a third of the way in, so its memory is
    // judged over the samples after that.
    std::vector<double> memory;
    QTimer sampler;
    QObject::connect(&sampler, &QTimer::timeout, [&] { memory.push_back(server.memoryMiB()); });
    const qint64 start = QDateTime::currentMSecsSinceEpoch();
    QTimer::singleShot(seconds * 1000 / 3, [&] {
        std::printf("restarting the server at %.0f s\n",
                    (QDateTime::currentMSecsSinceEpoch() - start) / 1000.0);
        if (!server.restart())
            std::printf("the server did not come back\n");
        memory.clear();
        sampler.start(2000);
    });
    if (postgres) {
        QTimer::singleShot(seconds * 2000 / 3, [&] {
            std::printf("stopping PostgreSQL for 3 s at %.0f s\n",
                        (QDateTime::currentMSecsSinceEpoch() - start) / 1000.0);
            PostgresCluster::shared().stop();
            QTimer::singleShot(3000, [] { PostgresCluster::shared().start(); });
        });
    }
    for (auto& device : devices)
        device->start(start + seconds * 1000LL);
    runUntil(devices);
    const double elapsed = double(QDateTime::currentMSecsSinceEpoch() - start) / 1000.0;
    sampler.stop();
    const double requestsPerSecond = totals.requests / elapsed;
    const double p50 = percentile(totals.latencies, 0.50);
    const double p99 = percentile(totals.latencies, 0.99);

    for (auto& device : devices)
        device->settle();
    runUntil(devices);

    // Convergence, nothing lost, nothing twice.
    int diverged = 0;
    int lost = 0;
    int duplicated = 0;
    int rows = 0;
    for (int u = 0; u < users; ++u) {
        HttpClient client(server.base());
        client.setToken(BrowserSignIn(client).signIn(email(u), kPassword).accessToken);
        const SyncDevice::Pull pull = SyncDevice(client).pullAll(1000);
        Rows fresh;
        for (const QString& key : kKeys) {
            for (const QJsonObject& record : pull.records.value(key)) {
                duplicated += fresh.contains(rowKey(key, record)) ? 1 : 0;
                fresh.insert(rowKey(key, record), rowOf(record));
            }
        }
        rows += int(fresh.size());
        Rows accepted;
        for (int d = 0; d < perUser; ++d) {
            const Device& device = *devices[std::size_t(u * perUser + d)];
            diverged += device.rows() == fresh ? 0 : 1;
            for (auto it = device.accepted().cbegin(); it != device.accepted().cend(); ++it) {
                if (it.value().version > accepted.value(it.key()).version)
                    accepted.insert(it.key(), it.value());
            }
        }
        for (auto it = accepted.cbegin(); it != accepted.cend(); ++it)
            lost += fresh.value(it.key()) == it.value() ? 0 : 1;
    }

    const double early = memory.empty() ? -1 : memory[memory.size() / 4];
    const double late = memory.empty() ? -1 : memory.back();
    std::printf("store %s, %d users, %zu devices, %.1f s: %d requests, %.0f requests/s, latency "
                "p50 %.1f ms, p99 %.1f ms; %d retried, %d version conflicts, %d unexpected\n",
                postgres ? "PostgreSQL" : "SQLite", users, devices.size(), elapsed, totals.requests,
                requestsPerSecond, p50, p99, totals.retried, totals.conflicts, totals.unexpected);
    std::printf("rows %d: %d devices diverged, %d accepted changes lost, %d rows twice\n", rows,
                diverged, lost, duplicated);
    std::printf("server memory after the restart: %.1f MiB a quarter in, %.1f MiB at the end, "
                "peak %.1f MiB\n",
                early, late, server.peakMemoryMiB());
    const bool flat = early > 0 && late < early * 1.5 + 20;
    const bool sound =
        diverged == 0 && lost == 0 && duplicated == 0 && totals.unexpected == 0 && flat;
    std::printf("%s\n", sound ? "PASS" : "FAIL");
    return sound ? 0 : 1;
}
