#include "fuzz/fuzzapplication.h"
#include "server/app/serverinstance.h"
#include "server/http/httprequest.h"
#include "server/http/router.h"
#include "tests/server/support/changebuilder.h"
#include "tests/server/support/syncdevice.h"
#include "tests/server/support/testserver.h"

#include <QUrlQuery>

// pennibar-server's handlers for what signed-in apps send: the JSON bodies of push, share,
// group and device calls, and the pull cursor. One server on SQLite lives for the whole run
// with two members of one family; every input goes to one route, chosen by its first byte,
// as a request signed by the first of them.
namespace {

struct Target
{
    QByteArray method;
    QString path;
    bool bodyInQuery = false;
};

const QList<Target> targets{
    {"POST", QStringLiteral("/sync/push")},
    {"POST", QStringLiteral("/accounts/acc-shared/share")},
    {"DELETE", QStringLiteral("/accounts/acc-shared/share/%1")},
    {"POST", QStringLiteral("/group/invite")},
    {"POST", QStringLiteral("/group/join/%1")},
    {"POST", QStringLiteral("/devices/register")},
    {"GET", QStringLiteral("/sync/pull"), true},
};

TestServer* server = nullptr;
QByteArray authorization;

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    FuzzApplication::init(argc, argv);
    server = new TestServer;
    if (!server->isRunning())
        abort();
    server->addUser(QStringLiteral("ann@example.com"));
    server->addUser(QStringLiteral("bob@example.com"));
    SyncDevice ann(server->signedIn(QStringLiteral("ann@example.com")));
    ann.push({ChangeBuilder::account(QStringLiteral("acc-shared"), QStringLiteral("Household"))});
    authorization = "Bearer " + ann.http().token().toUtf8();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1)
        return 0;
    const Target& target = targets.at(data[0] % targets.size());
    const QByteArray rest(reinterpret_cast<const char*>(data) + 1, qsizetype(size - 1));
    QString path = target.path;
    if (path.contains(QLatin1String("%1")))
        path = path.arg(QString::fromUtf8(rest.left(64)));
    QUrlQuery query;
    if (target.bodyInQuery)
        query.addQueryItem(QStringLiteral("cursor"), QString::fromUtf8(rest));
    const PennibarServer::HttpRequest request(
        target.method, path, query,
        {{"authorization", authorization}, {"content-type", "application/json"}},
        target.bodyInQuery ? QByteArray() : rest, QStringLiteral("127.0.0.1"));
    server->instance().router().dispatch(request);
    return 0;
}
