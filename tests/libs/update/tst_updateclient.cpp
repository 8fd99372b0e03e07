#include "tests/libs/update/checkoutcome.h"
#include "tests/libs/update/manifestjson.h"
#include "tests/libs/update/releasehost.h"

#include "libs/update/client.h"
#include "libs/update/manifest.h"
#include "libs/update/platform.h"
#include "libs/update/version.h"

#include <QJsonArray>
#include <QSysInfo>
#include <QTcpServer>
#include <QTest>

using TovUpdate::Client;
using TovUpdate::Manifest;
using TovUpdate::UpdateConfig;
using TovUpdate::Version;

namespace {

const QString channelPath = QStringLiteral("/pennibar/stable/");
const QString manifestPath = QStringLiteral("/pennibar/stable/latest.json");

// The platform key of this machine, and one that is surely someone else's.
QString thisPlatform()
{
    return TovUpdate::platformKey();
}

QString otherPlatform()
{
    return thisPlatform() == QLatin1String("windows-x64") ? QStringLiteral("linux-x64")
                                                          : QStringLiteral("windows-x64");
}

// `root` with the value at a "/"-separated path replaced; an undefined value removes the key.
QJsonObject withField(QJsonObject root, const QString& path, const QJsonValue& value)
{
    const qsizetype slash = path.indexOf(QLatin1Char('/'));
    if (slash < 0) {
        if (value.isUndefined())
            root.remove(path);
        else
            root.insert(path, value);
        return root;
    }
    const QString key = path.left(slash);
    root.insert(key, withField(root.value(key).toObject(), path.mid(slash + 1), value));
    return root;
}

UpdateConfig config(const QUrl& base, const QString& currentVersion = QStringLiteral("1.1.3"))
{
    return {QStringLiteral("pennibar"), QStringLiteral("stable"), base, currentVersion};
}

} // namespace

class TestUpdateClient : public QObject
{
    Q_OBJECT

private slots:
    void versionReadsThreeNumbers_data();
    void versionReadsThreeNumbers();
    void versionsCompareNumerically_data();
    void versionsCompareNumerically();
    void platformKeyNamesOnlyShippedBuilds_data();
    void platformKeyNamesOnlyShippedBuilds();
    void linuxLooksForItsOwnBuild();

    void manifestReadsEveryField();
    void manifestFaultsAreNamed_data();
    void manifestFaultsAreNamed();

    void checkOutcome_data();
    void checkOutcome();
    void manifestIsFetchedBesideTheChannel_data();
    void manifestIsFetchedBesideTheChannel();
    void redirectIsFollowed();
    void secondCheckWhileOneRunsIsIgnored();
    void configurationFaultsFailAtOnce_data();
    void configurationFaultsFailAtOnce();
    void silentHostEndsTheCheck();
};

void TestUpdateClient::versionReadsThreeNumbers_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("version");
    QTest::newRow("three parts") << "1.10.3"
                                 << "1.10.3";
    QTest::newRow("two parts") << "1.2"
                               << "1.2.0";
    QTest::newRow("one part") << "7"
                              << "7.0.0";
    QTest::newRow("four parts") << "1.2.3.4"
                                << "0.0.0";
    QTest::newRow("letter part") << "1.2.x"
                                 << "0.0.0";
    QTest::newRow("pre-release suffix") << "1.2.3-beta"
                                        << "0.0.0";
    QTest::newRow("empty") << ""
                           << "0.0.0";
    QTest::newRow("empty middle part") << "1..2"
                                       << "0.0.0";
    QTest::newRow("trailing dot") << "1.2."
                                  << "0.0.0";
    QTest::newRow("negative part") << "1.-2.0"
                                   << "0.0.0";
}

void TestUpdateClient::versionReadsThreeNumbers()
{
    QFETCH(QString, text);
    QFETCH(QString, version);
    QCOMPARE(Version::fromString(text).toString(), version);
}

void TestUpdateClient::versionsCompareNumerically_data()
{
    QTest::addColumn<QString>("left");
    QTest::addColumn<QString>("right");
    QTest::addColumn<int>("order"); // -1 left is older, 0 same, 1 left is newer
    QTest::newRow("missing patch is zero") << "1.2"
                                           << "1.2.0" << 0;
    QTest::newRow("numbers, not text") << "1.10.0"
                                       << "1.9.9" << 1;
    QTest::newRow("major outweighs the rest") << "2.0.0"
                                              << "1.99.99" << 1;
    QTest::newRow("patch decides last") << "1.1.3"
                                        << "1.1.4" << -1;
    QTest::newRow("malformed is older than any release") << "1.2.3.4"
                                                         << "0.0.1" << -1;
    QTest::newRow("malformed texts are equal") << "1.2.x"
                                               << "" << 0;
}

void TestUpdateClient::versionsCompareNumerically()
{
    QFETCH(QString, left);
    QFETCH(QString, right);
    QFETCH(int, order);
    const auto comparison = Version::fromString(left) <=> Version::fromString(right);
    QCOMPARE(comparison < 0 ? -1 : comparison > 0 ? 1 : 0, order);
}

void TestUpdateClient::platformKeyNamesOnlyShippedBuilds_data()
{
    QTest::addColumn<QString>("system");
    QTest::addColumn<QString>("architecture");
    QTest::addColumn<QString>("key");
    QTest::newRow("Windows x86_64") << "windows"
                                    << "x86_64"
                                    << "windows-x64";
    QTest::newRow("Linux x86_64") << "linux"
                                  << "x86_64"
                                  << "linux-x64";
    QTest::newRow("Windows on ARM") << "windows"
                                    << "arm64" << QString();
    QTest::newRow("32-bit Linux") << "linux"
                                  << "i386" << QString();
    QTest::newRow("macOS") << "macos"
                           << "x86_64" << QString();
}

void TestUpdateClient::platformKeyNamesOnlyShippedBuilds()
{
    QFETCH(QString, system);
    QFETCH(QString, architecture);
    QFETCH(QString, key);
    QCOMPARE(TovUpdate::platformKey(system, architecture), key);
}

void TestUpdateClient::linuxLooksForItsOwnBuild()
{
#if defined(Q_OS_LINUX)
    if (QSysInfo::currentCpuArchitecture() != QLatin1String("x86_64"))
        QSKIP("not an x86_64 machine");
    QCOMPARE(TovUpdate::platformKey(), QStringLiteral("linux-x64"));
#else
    QSKIP("Linux only");
#endif
}

void TestUpdateClient::manifestReadsEveryField()
{
    QJsonObject full = ManifestJson::artifact(QStringLiteral("1.2.0"),
                                              QUrl(QStringLiteral("https://127.0.0.1/n.md")));
    full.insert("size", 1234.9);
    full.insert("mandatory", true);
    full.insert("min_upgradable_from", "1.0.0");
    QJsonObject plain = ManifestJson::artifact(QStringLiteral("1.2.0"));
    plain.insert("release_notes_url", "");
    const QJsonObject root = withField(ManifestJson::manifest(QStringLiteral("windows-x64"), full),
                                       QStringLiteral("artifacts/linux-x64"), plain);

    const Manifest manifest = Manifest::fromJson(ManifestJson::bytes(root));
    QVERIFY2(manifest.isValid(), qPrintable(manifest.errorString()));
    QCOMPARE(manifest.app(), QStringLiteral("pennibar"));
    QCOMPARE(manifest.channel(), QStringLiteral("stable"));
    QCOMPARE(manifest.artifacts().keys(), (QStringList{"linux-x64", "windows-x64"}));

    const TovUpdate::Artifact windows = *manifest.artifact(QStringLiteral("windows-x64"));
    QCOMPARE(windows.version, QStringLiteral("1.2.0"));
    QCOMPARE(windows.releasedAt, QDateTime(QDate(2025, 3, 1), QTime(12, 0), Qt::UTC));
    QCOMPARE(windows.url, QUrl(QStringLiteral("https://127.0.0.1/downloads/pennibar-1.2.0.exe")));
    QCOMPARE(windows.size, 1234);
    QCOMPARE(windows.sha256, QString(64, QLatin1Char('a')));
    QVERIFY(windows.mandatory);
    QCOMPARE(windows.minUpgradableFrom, QStringLiteral("1.0.0"));
    QCOMPARE(windows.releaseNotesUrl, QUrl(QStringLiteral("https://127.0.0.1/n.md")));

    const TovUpdate::Artifact linux = *manifest.artifact(QStringLiteral("linux-x64"));
    QVERIFY(!linux.mandatory);
    QVERIFY(linux.minUpgradableFrom.isEmpty());
    QVERIFY(!linux.releaseNotesUrl.isValid());
    QVERIFY(!manifest.artifact(QStringLiteral("macos-arm64")));
}

void TestUpdateClient::manifestFaultsAreNamed_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QString>("error");

    const QJsonObject valid =
        ManifestJson::manifest(QStringLiteral("windows-x64"), ManifestJson::artifact("1.2.0"));
    const auto spoiled = [&](const char* path, const QJsonValue& value) {
        return ManifestJson::bytes(withField(valid, QLatin1String(path), value));
    };
    const QJsonValue removed(QJsonValue::Undefined);
    const QString broken = QStringLiteral("artifact windows-x64 failed validation");

    QTest::newRow("not JSON") << QByteArray("{\"schema\": 1,")
                              << "JSON parse error: unterminated object";
    QTest::newRow("root is a list") << QByteArray("[1]") << "manifest root is not a JSON object";
    QTest::newRow("no schema") << spoiled("schema", removed)
                               << "missing or non-integer field: schema";
    QTest::newRow("schema as text")
        << spoiled("schema", "1") << "missing or non-integer field: schema";
    QTest::newRow("fractional schema")
        << spoiled("schema", 1.5) << "missing or non-integer field: schema";
    QTest::newRow("schema 2") << spoiled("schema", 2)
                              << "unsupported manifest schema: 2 (expected 1)";
    QTest::newRow("no app") << spoiled("app", removed) << "missing or non-string field: app";
    QTest::newRow("channel as number")
        << spoiled("channel", 7) << "missing or non-string field: channel";
    QTest::newRow("artifacts as list")
        << spoiled("artifacts", QJsonArray{}) << "missing or non-object field: artifacts";
    QTest::newRow("artifact as text")
        << spoiled("artifacts/windows-x64", "1.2.0") << "artifact windows-x64 is not an object";
    QTest::newRow("no version") << spoiled("artifacts/windows-x64/version", removed)
                                << "missing or non-string field: version";
    QTest::newRow("release date as number") << spoiled("artifacts/windows-x64/released_at", 5)
                                            << "missing or non-string field: released_at";
    QTest::newRow("no sha256") << spoiled("artifacts/windows-x64/sha256", removed)
                               << "missing or non-string field: sha256";
    QTest::newRow("63-character sha256")
        << spoiled("artifacts/windows-x64/sha256", QString(63, QLatin1Char('a'))) << broken;
    QTest::newRow("65-character sha256")
        << spoiled("artifacts/windows-x64/sha256", QString(65, QLatin1Char('a'))) << broken;
    QTest::newRow("empty version") << spoiled("artifacts/windows-x64/version", "") << broken;
    QTest::newRow("unreadable release date")
        << spoiled("artifacts/windows-x64/released_at", "last Tuesday") << broken;
    QTest::newRow("no size") << spoiled("artifacts/windows-x64/size", removed) << broken;
    QTest::newRow("zero size") << spoiled("artifacts/windows-x64/size", 0) << broken;
    QTest::newRow("size beyond 64 bits") << spoiled("artifacts/windows-x64/size", 1e300) << broken;
    QTest::newRow("empty url") << spoiled("artifacts/windows-x64/url", "") << broken;
    QTest::newRow("url to a local program")
        << spoiled("artifacts/windows-x64/url", "file:///C:/Windows/System32/cmd.exe") << broken;
    QTest::newRow("relative url") << spoiled("artifacts/windows-x64/url", "pennibar.exe") << broken;
    QTest::newRow("first broken entry in key order")
        << spoiled("artifacts/aaa-x64", ManifestJson::artifact(""))
        << "artifact aaa-x64 failed validation";
    QTest::newRow("empty app") << spoiled("app", "") << "manifest failed validation";
    QTest::newRow("no artifacts") << spoiled("artifacts", QJsonObject{})
                                  << "manifest failed validation";
}

void TestUpdateClient::manifestFaultsAreNamed()
{
    QFETCH(QByteArray, body);
    QFETCH(QString, error);
    const Manifest manifest = Manifest::fromJson(body);
    QVERIFY(!manifest.isValid());
    QCOMPARE(manifest.errorString(), error);
    QVERIFY(manifest.artifacts().isEmpty());
}

void TestUpdateClient::checkOutcome_data()
{
    QTest::addColumn<QString>("running");
    QTest::addColumn<QByteArray>("manifest"); // empty: no latest.json on the host
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("detail"); // the offered version, or how the reason begins

    const auto offering = [](const QString& version, const QString& minimum = QString()) {
        QJsonObject artifact = ManifestJson::artifact(version);
        if (!minimum.isEmpty())
            artifact.insert("min_upgradable_from", minimum);
        return ManifestJson::bytes(ManifestJson::manifest(thisPlatform(), artifact));
    };

    QTest::newRow("same version") << "1.1.3" << offering("1.1.3") << 200 << "upToDate" << QString();
    QTest::newRow("newer release") << "1.1.3" << offering("1.2.0") << 200 << "available"
                                   << "1.2.0";
    QTest::newRow("older release")
        << "1.2.0" << offering("1.1.3") << 200 << "upToDate" << QString();
    QTest::newRow("1.10.0 after 1.9.9") << "1.9.9" << offering("1.10.0") << 200 << "available"
                                        << "1.10.0";
    QTest::newRow("malformed running version") << "1.2.x" << offering("1.1.3") << 200 << "available"
                                               << "1.1.3";
    QTest::newRow("running version below the minimum")
        << "1.1.3" << offering("2.0.0", "1.5.0") << 200 << "failed"
        << "current version 1.1.3 is older than min_upgradable_from 1.5.0; please upgrade to an "
           "intermediate release first";
    QTest::newRow("running version at the minimum")
        << "1.1.3" << offering("2.0.0", "1.1.3") << 200 << "available"
        << "2.0.0";
    QTest::newRow("other platform only") << "1.1.3"
                                         << ManifestJson::bytes(ManifestJson::manifest(
                                                otherPlatform(), ManifestJson::artifact("9.0.0")))
                                         << 200 << "upToDate" << QString();
    QTest::newRow("schema 2") << "1.1.3"
                              << ManifestJson::bytes(
                                     withField(ManifestJson::manifest(
                                                   thisPlatform(), ManifestJson::artifact("1.2.0")),
                                               "schema", 2))
                              << 200 << "failed"
                              << "manifest invalid: unsupported manifest schema: 2 (expected 1)";
    QTest::newRow("63-character sha256")
        << "1.1.3"
        << ManifestJson::bytes(
               withField(ManifestJson::manifest(thisPlatform(), ManifestJson::artifact("1.2.0")),
                         "artifacts/" + thisPlatform() + "/sha256", QString(63, QLatin1Char('a'))))
        << 200 << "failed"
        << "manifest invalid: artifact " + thisPlatform() + " failed validation";
    QTest::newRow("no latest.json") << "1.1.3" << QByteArray() << 404 << "upToDate" << QString();
    QTest::newRow("server error") << "1.1.3" << QByteArray("oops") << 500 << "failed"
                                  << "network error: ";
}

void TestUpdateClient::checkOutcome()
{
    QFETCH(QString, running);
    QFETCH(QByteArray, manifest);
    QFETCH(int, status);
    QFETCH(QString, kind);
    QFETCH(QString, detail);
    if (thisPlatform().isEmpty())
        QSKIP("no release is shipped for this platform");

    ReleaseHost host;
    if (!manifest.isEmpty())
        host.serve(manifestPath, manifest, status);
    const CheckOutcome outcome = runCheck(config(host.url(channelPath), running));
    QCOMPARE(outcome.kind, kind);
    QVERIFY2(outcome.detail.startsWith(detail), qPrintable(outcome.detail));
    if (detail.isEmpty())
        QVERIFY(outcome.detail.isEmpty());
}

void TestUpdateClient::manifestIsFetchedBesideTheChannel_data()
{
    QTest::addColumn<QString>("basePath");
    QTest::addColumn<QString>("requested");
    QTest::newRow("without trailing slash") << "/pennibar/stable"
                                            << "/pennibar/stable/latest.json";
    QTest::newRow("with trailing slash") << "/pennibar/stable/"
                                         << "/pennibar/stable/latest.json";
    QTest::newRow("host only") << ""
                               << "/latest.json";
}

void TestUpdateClient::manifestIsFetchedBesideTheChannel()
{
    QFETCH(QString, basePath);
    QFETCH(QString, requested);
    ReleaseHost host;
    QCOMPARE(runCheck(config(host.url(basePath))).kind, QStringLiteral("upToDate"));
    QCOMPARE(host.requestedPaths(), QStringList{requested});
    QCOMPARE(host.requests().first().userAgent, QStringLiteral("TovUpdateQt/0.1 (pennibar)"));
}

void TestUpdateClient::redirectIsFollowed()
{
    if (thisPlatform().isEmpty())
        QSKIP("no release is shipped for this platform");
    ReleaseHost host;
    host.redirect(manifestPath, QStringLiteral("/mirror/latest.json"));
    host.serve(QStringLiteral("/mirror/latest.json"),
               ManifestJson::bytes(
                   ManifestJson::manifest(thisPlatform(), ManifestJson::artifact("1.2.0"))));
    const CheckOutcome outcome = runCheck(config(host.url(channelPath)));
    QCOMPARE(outcome.kind, QStringLiteral("available"));
    QCOMPARE(outcome.detail, QStringLiteral("1.2.0"));
}

void TestUpdateClient::secondCheckWhileOneRunsIsIgnored()
{
    ReleaseHost host;
    Client client(config(host.url(channelPath)));
    QSignalSpy upToDate(&client, &Client::upToDate);
    client.check();
    QVERIFY(client.isChecking());
    client.check();
    QTRY_COMPARE(upToDate.count(), 1);
    QVERIFY(!client.isChecking());
    QTest::qWait(100);
    QCOMPARE(upToDate.count(), 1);
    QCOMPARE(host.requests().size(), 1);

    // Once the first check has reported, the client checks again.
    QCOMPARE(runCheck(client).kind, QStringLiteral("upToDate"));
    QCOMPARE(host.requests().size(), 2);
}

void TestUpdateClient::configurationFaultsFailAtOnce_data()
{
    QTest::addColumn<QUrl>("base");
    QTest::addColumn<QString>("running");
    QTest::addColumn<QString>("reason");
    QTest::newRow("no base URL") << QUrl() << "1.1.3"
                                 << "manifestBaseUrl is not valid";
    QTest::newRow("no running version") << QUrl("http://127.0.0.1:1/pennibar/stable/") << ""
                                        << "currentVersion is empty";
}

void TestUpdateClient::configurationFaultsFailAtOnce()
{
    QFETCH(QUrl, base);
    QFETCH(QString, running);
    QFETCH(QString, reason);
    Client client(config(base, running));
    QSignalSpy failed(&client, &Client::checkFailed);
    client.check();
    QCOMPARE(failed.count(), 1);
    QCOMPARE(failed.first().first().toString(), reason);
    QVERIFY(!client.isChecking());
}

void TestUpdateClient::silentHostEndsTheCheck()
{
    // A host that accepts the connection and then never answers.
    QTcpServer silent;
    QVERIFY(silent.listen(QHostAddress::LocalHost));
    UpdateConfig settings = config(
        QUrl(QStringLiteral("http://127.0.0.1:%1/pennibar/stable/").arg(silent.serverPort())));
    settings.transferTimeout = std::chrono::milliseconds(300);
    const CheckOutcome outcome = runCheck(settings);
    QCOMPARE(outcome.kind, QStringLiteral("failed"));
    QVERIFY2(outcome.detail.startsWith(QLatin1String("network error: ")),
             qPrintable(outcome.detail));
}

QTEST_GUILESS_MAIN(TestUpdateClient)
#include "tst_updateclient.moc"
