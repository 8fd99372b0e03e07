#include "app/core/serviceendpoints.h"

#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

// Where the services are reached: the environment first, then the server chosen in the
// settings, then the maker's hosts.
class TestServiceEndpoints : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_directory;
    const QList<QByteArray> m_variables = {"AUTH_BASE_URL", "ACCOUNT_API_URL", "SYNC_API_URL",
                                           "PENNIBAR_RELEASES_URL"};

private slots:
    void init()
    {
        QStandardPaths::setTestModeEnabled(true);
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                           m_directory.filePath(QStringLiteral("settings")));
        QSettings().clear();
        for (const QByteArray& variable : m_variables)
            qunsetenv(variable.constData());
    }

    void serverLayout_data();
    void serverLayout();
    void usableServerUrls_data();
    void usableServerUrls();
    void environmentWinsOverTheChosenServer();
};

void TestServiceEndpoints::serverLayout_data()
{
    QTest::addColumn<QString>("base");
    QTest::addColumn<QString>("services");
    QTest::addColumn<QString>("releases");

    QTest::newRow("origin") << "https://money.example.org"
                            << "https://money.example.org"
                            << "https://money.example.org/releases/pennibar/stable/";
    QTest::newRow("trailing slash") << "https://money.example.org/"
                                    << "https://money.example.org"
                                    << "https://money.example.org/releases/pennibar/stable/";
    QTest::newRow("behind a proxy path")
        << " http://127.0.0.1:8080/pennibar/ "
        << "http://127.0.0.1:8080/pennibar"
        << "http://127.0.0.1:8080/pennibar/releases/pennibar/stable/";
}

void TestServiceEndpoints::serverLayout()
{
    QFETCH(QString, base);
    QFETCH(QString, services);
    QFETCH(QString, releases);

    setChosenServerUrl(base);
    const ServiceEndpoints endpoints = ServiceEndpoints::resolve();
    QCOMPARE(endpoints.authBaseUrl, services);
    QCOMPARE(endpoints.accountApiUrl, services);
    QCOMPARE(endpoints.syncApiUrl, services);
    QCOMPARE(endpoints.releasesUrl, QUrl(releases));

    setChosenServerUrl(QString()); // "Use default"
    QVERIFY(chosenServerUrl().isEmpty());
    QCOMPARE(ServiceEndpoints::resolve().syncApiUrl, ServiceEndpoints::defaults().syncApiUrl);
}

void TestServiceEndpoints::usableServerUrls_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("usable");

    QTest::newRow("https") << "https://money.example.org" << true;
    QTest::newRow("http with port") << "http://127.0.0.1:8080" << true;
    QTest::newRow("no scheme") << "money.example.org" << false;
    QTest::newRow("other scheme") << "ftp://money.example.org" << false;
    QTest::newRow("no host") << "https://" << false;
    QTest::newRow("query") << "https://money.example.org/?a=1" << false;
    QTest::newRow("spaces inside") << "https://money example.org" << false;
    QTest::newRow("empty") << "" << false;
}

void TestServiceEndpoints::usableServerUrls()
{
    QFETCH(QString, text);
    QFETCH(bool, usable);
    QCOMPARE(isUsableServerUrl(text), usable);
}

void TestServiceEndpoints::environmentWinsOverTheChosenServer()
{
    setChosenServerUrl(QStringLiteral("https://money.example.org"));
    qputenv("SYNC_API_URL", "http://127.0.0.1:9000");
    qputenv("PENNIBAR_RELEASES_URL", "http://127.0.0.1:9001/channel/");
    const ServiceEndpoints endpoints = ServiceEndpoints::resolve();
    QCOMPARE(endpoints.authBaseUrl, QStringLiteral("https://money.example.org"));
    QCOMPARE(endpoints.syncApiUrl, QStringLiteral("http://127.0.0.1:9000"));
    QCOMPARE(endpoints.releasesUrl, QUrl(QStringLiteral("http://127.0.0.1:9001/channel/")));

    // A stored choice that is no URL is passed over, not used.
    QSettings().setValue(QStringLiteral("server/baseUrl"), QStringLiteral("not a url"));
    QCOMPARE(ServiceEndpoints::resolve().authBaseUrl, ServiceEndpoints::defaults().authBaseUrl);
}

QTEST_MAIN(TestServiceEndpoints)
#include "tst_serviceendpoints.moc"
