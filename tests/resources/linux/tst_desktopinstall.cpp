#include "tests/resources/linux/installedfiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QMimeDatabase>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QVersionNumber>
#include <QXmlStreamReader>

// `cmake --install` into a temporary prefix: every file where the freedesktop.org
// standards say a desktop looks for it, valid by their own tools, each agreeing with the
// others and with the program.
class TestDesktopInstall : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_prefix;
    QTemporaryDir m_home;
    QHash<QString, QString> m_desktopEntry;

    QString installed(const QString& relative) const { return m_prefix.filePath(relative); }

    QString desktopFile() const
    {
        return installed(
            QStringLiteral("share/applications/%1.desktop").arg(BuildConfig::desktopEntryId()));
    }

    QString metainfoFile() const
    {
        return installed(
            QStringLiteral("share/metainfo/%1.metainfo.xml").arg(BuildConfig::desktopEntryId()));
    }

    static QStringList listValue(const QString& value)
    {
        return value.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    }

private slots:
    void initTestCase();
    void filesInTheirPlaces();
    void validators_data();
    void validators();
    void desktopEntry();
    void icons();
    void metainfo();
    void qifFilesKnown_data();
    void qifFilesKnown();
};

void TestDesktopInstall::initTestCase()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DESTDIR"));
    const ToolRun install =
        runTool(QStringLiteral(CMAKE_COMMAND_PATH),
                {QStringLiteral("--install"), QStringLiteral(PENNIBAR_BUILD_DIR),
                 QStringLiteral("--prefix"), m_prefix.path()},
                environment);
    QVERIFY2(install.exitCode == 0, qPrintable(install.output));

    QFile file(desktopFile());
    QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
    bool inEntry = false;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.startsWith(QLatin1Char('[')))
            inEntry = line == QLatin1String("[Desktop Entry]");
        else if (inEntry && line.contains(QLatin1Char('=')))
            m_desktopEntry.insert(line.section(QLatin1Char('='), 0, 0),
                                  line.section(QLatin1Char('='), 1));
    }

    // The MIME database of this install first, then the system's, and no user's own.
    qputenv("XDG_DATA_HOME", m_home.path().toUtf8());
    qputenv("XDG_DATA_DIRS", (m_prefix.filePath(QStringLiteral("share")) +
                              QStringLiteral(":/usr/local/share:/usr/share"))
                                 .toUtf8());
}

void TestDesktopInstall::filesInTheirPlaces()
{
    for (const QString& relative : installedFiles())
        QVERIFY2(QFileInfo(installed(relative)).isFile(), qPrintable(relative));
    QVERIFY(QFileInfo(installed(QStringLiteral("bin/pennibar"))).isExecutable());
}

void TestDesktopInstall::validators_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QStringList>("arguments");

    QTest::newRow("desktop entry")
        << QStringLiteral("desktop-file-validate") << QStringList{desktopFile()};
    QTest::newRow("metainfo") << QStringLiteral("appstreamcli")
                              << QStringList{QStringLiteral("validate"), QStringLiteral("--no-net"),
                                             metainfoFile()};
    // The whole tree: the metainfo with the desktop entry it launches and its icon.
    QTest::newRow("install tree") << QStringLiteral("appstreamcli")
                                  << QStringList{QStringLiteral("validate-tree"),
                                                 QStringLiteral("--no-net"), m_prefix.path()};
}

void TestDesktopInstall::validators()
{
    QFETCH(QString, program);
    QFETCH(QStringList, arguments);
    const ToolRun run = runTool(program, arguments);
    QVERIFY2(run.exitCode == 0, qPrintable(program + QStringLiteral(": ") + run.output));
}

void TestDesktopInstall::desktopEntry()
{
    const QString id = BuildConfig::desktopEntryId();
    QCOMPARE(m_desktopEntry.value(QStringLiteral("GenericName")), QString("Personal Finance"));
    QCOMPARE(listValue(m_desktopEntry.value(QStringLiteral("Categories"))),
             QStringList({"Office", "Finance"}));

    // It starts the installed program with the files chosen in the file manager.
    const QStringList exec = m_desktopEntry.value(QStringLiteral("Exec")).split(QLatin1Char(' '));
    QCOMPARE(exec, QStringList({"pennibar", "%F"}));
    QVERIFY(QFileInfo(installed(QStringLiteral("bin/") + exec.first())).isExecutable());

    // Its icon is the one installed, and the windows of the program, which carry the desktop
    // entry's name, are matched with it.
    QCOMPARE(m_desktopEntry.value(QStringLiteral("Icon")), id);
    QCOMPARE(QFileInfo(desktopFile()).completeBaseName(), id);

    // It offers to open QIF files, and the desktop's database says so.
    const QStringList types = listValue(m_desktopEntry.value(QStringLiteral("MimeType")));
    QVERIFY2(types.contains(QLatin1String("application/x-qif")), qPrintable(types.join(' ')));
    QFile cache(installed(QStringLiteral("share/applications/mimeinfo.cache")));
    QVERIFY2(cache.open(QIODevice::ReadOnly), "update-desktop-database did not run");
    const QByteArray registered = cache.readAll();
    for (const QString& type : types)
        QVERIFY2(registered.contains((type + QLatin1Char('=') + id + ".desktop;").toUtf8()),
                 qPrintable(type));
}

void TestDesktopInstall::icons()
{
    const QDir hicolor(installed(QStringLiteral("share/icons/hicolor")));
    const QStringList sizes = hicolor.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    QVERIFY(sizes.contains(QLatin1String("48x48")) && sizes.contains(QLatin1String("256x256")));
    for (const QString& folder : sizes) {
        const QString path =
            hicolor.filePath(folder + QStringLiteral("/apps/") + BuildConfig::desktopEntryId() +
                             QStringLiteral(".png"));
        const QImage icon(path);
        QVERIFY2(!icon.isNull(), qPrintable(path));
        // Each drawn at the size of its folder, on a transparent ground.
        QCOMPARE(QStringLiteral("%1x%2").arg(icon.width()).arg(icon.height()), folder);
        QVERIFY(icon.hasAlphaChannel());
        QCOMPARE(qAlpha(icon.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(icon.pixel(icon.width() / 2, icon.height() / 2)), 255);
    }
}

void TestDesktopInstall::metainfo()
{
    QFile file(metainfoFile());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    QString id;
    QString launchable;
    QStringList releases;
    QStringList screenshots;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QStringView name = xml.name();
        if (name == QLatin1String("id"))
            id = xml.readElementText();
        else if (name == QLatin1String("launchable"))
            launchable = xml.readElementText();
        else if (name == QLatin1String("release"))
            releases.append(xml.attributes().value(QLatin1String("version")).toString());
        else if (name == QLatin1String("image"))
            screenshots.append(xml.readElementText());
    }
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));

    QCOMPARE(id, BuildConfig::desktopEntryId());
    QCOMPARE(launchable, BuildConfig::desktopEntryId() + QStringLiteral(".desktop"));

    // The newest release listed is the program's own version.
    QVERIFY(!releases.isEmpty());
    QCOMPARE(releases.first(), BuildConfig::applicationVersion());
    for (qsizetype i = 1; i < releases.size(); ++i)
        QVERIFY2(QVersionNumber::fromString(releases[i - 1]) >
                     QVersionNumber::fromString(releases[i]),
                 "releases are listed newest first");

    // Every screenshot is a picture kept in docs/.
    QVERIFY(!screenshots.isEmpty());
    for (const QString& url : screenshots) {
        const QString picture = QStringLiteral(PENNIBAR_SOURCE_DIR "/docs/") + url.section('/', -1);
        QVERIFY2(!QImage(picture).isNull(), qPrintable(url));
    }
}

void TestDesktopInstall::qifFilesKnown_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content");

    QTest::newRow("bank statement") << "statement.qif" << QByteArray("!Type:Bank\nD1/2/24\n^\n");
    QTest::newRow("upper-case name") << "EXPORT.QIF" << QByteArray("!Type:CCard\nD1/2/24\n^\n");
    QTest::newRow("accounts first") << "all.qif" << QByteArray("!Account\nNChecking\n^\n");
    QTest::newRow("options first") << "all.qif" << QByteArray("!Option:AutoSwitch\n!Account\n");
    QTest::newRow("byte order mark") << "bom.qif" << QByteArray("\xEF\xBB\xBF!Type:Bank\n");
    QTest::newRow("lower-case header") << "lower.qif" << QByteArray("!type:cash\n");
}

void TestDesktopInstall::qifFilesKnown()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    QTemporaryDir files;
    const QString path = files.filePath(name);
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
    file.close();

    // "*.qif" is also claimed by two other types in the freedesktop.org database; the content
    // settles it.
    const QMimeType type = QMimeDatabase().mimeTypeForFile(path);
    QCOMPARE(type.name(), QString("application/x-qif"));
    QVERIFY(type.inherits(QStringLiteral("text/plain")));
}

QTEST_GUILESS_MAIN(TestDesktopInstall)
#include "tst_desktopinstall.moc"
