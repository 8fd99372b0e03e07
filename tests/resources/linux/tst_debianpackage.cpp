#include "tests/resources/linux/installedfiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

// The Debian package as `make package` builds it: what dpkg reads of it, what it would put on
// the system, and the program it installs starting headless from the unpacked files.
class TestDebianPackage : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_output;
    QString m_package;
    QHash<QString, QString> m_control;

    // A field of the control file, in the form dpkg-deb --info prints it (" Field: value").
    static QHash<QString, QString> controlFields(const QString& info)
    {
        QHash<QString, QString> fields;
        static const QRegularExpression field(QStringLiteral("^ ([A-Za-z-]+): (.*)$"),
                                              QRegularExpression::MultilineOption);
        for (const QRegularExpressionMatch& match : field.globalMatch(info))
            fields.insert(match.captured(1), match.captured(2).trimmed());
        return fields;
    }

    // The package names of a Depends or Recommends field, without versions or alternatives.
    static QStringList packageNames(const QString& field)
    {
        QStringList names;
        for (const QString& entry : field.split(QLatin1Char(','), Qt::SkipEmptyParts))
            names.append(
                entry.section(QLatin1Char('|'), 0, 0).section(QLatin1Char('('), 0, 0).trimmed());
        return names;
    }

private slots:
    void initTestCase();
    void control();
    void dependencies_data();
    void dependencies();
    void contents();
    void installedProgramStarts();
};

void TestDebianPackage::initTestCase()
{
    const ToolRun cpack =
        runTool(QStringLiteral(CPACK_COMMAND_PATH),
                {QStringLiteral("-G"), QStringLiteral("DEB"), QStringLiteral("--config"),
                 QStringLiteral(PENNIBAR_BUILD_DIR "/CPackConfig.cmake"), QStringLiteral("-B"),
                 m_output.path()},
                QProcessEnvironment::systemEnvironment(), 280000);
    QVERIFY2(cpack.exitCode == 0, qPrintable(cpack.output));
    const QStringList packages = QDir(m_output.path()).entryList({QStringLiteral("*.deb")});
    QCOMPARE(packages.size(), 1);
    m_package = m_output.filePath(packages.first());

    const ToolRun info = runTool(QStringLiteral("dpkg-deb"), {QStringLiteral("--info"), m_package});
    QVERIFY2(info.exitCode == 0, qPrintable(info.output));
    m_control = controlFields(info.output);
}

void TestDebianPackage::control()
{
    const ToolRun architecture =
        runTool(QStringLiteral("dpkg"), {QStringLiteral("--print-architecture")});
    QCOMPARE(m_control.value(QStringLiteral("Package")), QString("pennibar"));
    QCOMPARE(m_control.value(QStringLiteral("Version")), BuildConfig::applicationVersion());
    QCOMPARE(m_control.value(QStringLiteral("Architecture")), architecture.output.trimmed());
    QCOMPARE(QFileInfo(m_package).fileName(),
             QStringLiteral("pennibar_%1_%2.deb")
                 .arg(BuildConfig::applicationVersion(), architecture.output.trimmed()));
    QVERIFY(!m_control.value(QStringLiteral("Maintainer")).isEmpty());
    QVERIFY(!m_control.value(QStringLiteral("Description")).isEmpty());
}

void TestDebianPackage::dependencies_data()
{
    QTest::addColumn<QString>("package");

    // Found by dpkg-shlibdeps in the program's links.
    QTest::newRow("C library") << "libc6";
    QTest::newRow("Qt widgets") << "libqt6widgets6";
    QTest::newRow("Qt SQL") << "libqt6sql6";
    QTest::newRow("Qt network") << "libqt6network6";
    QTest::newRow("ZIP archives") << "libzip4";
    // Loaded by Qt at run time, so declared by hand.
    QTest::newRow("SQLite driver") << "libqt6sql6-sqlite";
}

void TestDebianPackage::dependencies()
{
    QFETCH(QString, package);
    const QStringList depends = packageNames(m_control.value(QStringLiteral("Depends")));
    QVERIFY2(depends.contains(package), qPrintable(depends.join(QStringLiteral(", "))));
    // Everything it depends on is a package this system knows.
    for (const QString& name : depends) {
        const ToolRun known = runTool(QStringLiteral("dpkg-query"), {QStringLiteral("-W"), name});
        QVERIFY2(known.exitCode == 0, qPrintable(name));
    }
}

void TestDebianPackage::contents()
{
    const ToolRun listing =
        runTool(QStringLiteral("dpkg-deb"), {QStringLiteral("--contents"), m_package});
    QVERIFY2(listing.exitCode == 0, qPrintable(listing.output));
    QStringList files;
    for (const QString& line : listing.output.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        // "-rw-r--r-- root/root  1234 2026-12-10 15:00 ./usr/share/..."
        const QString path = line.section(QLatin1Char(' '), -1);
        QVERIFY2(line.contains(QLatin1String(" root/root ")), qPrintable(line));
        if (!path.endsWith(QLatin1Char('/')))
            files.append(path);
    }
    QStringList expected;
    for (const QString& relative : installedFiles())
        expected.append(QStringLiteral("./usr/") + relative);
    files.sort();
    expected.sort();
    QCOMPARE(files, expected);
}

void TestDebianPackage::installedProgramStarts()
{
    QTemporaryDir root;
    const ToolRun extract =
        runTool(QStringLiteral("dpkg-deb"), {QStringLiteral("-x"), m_package, root.path()});
    QVERIFY2(extract.exitCode == 0, qPrintable(extract.output));

    QTemporaryDir home;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("PENNIBAR_QUIT_AFTER_MS"), QStringLiteral("1500"));
    environment.insert(QStringLiteral("PENNIBAR_DATA_DIR"), home.filePath(QStringLiteral("data")));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), home.path());
    environment.remove(QStringLiteral("LD_LIBRARY_PATH"));
    const ToolRun run =
        runTool(root.filePath(QStringLiteral("usr/bin/pennibar")), {}, environment, 60000);
    QVERIFY2(run.exitCode == 0, qPrintable(run.output));
    QVERIFY(QFile::exists(home.filePath(QStringLiteral("data/pennibar.db"))));
}

QTEST_GUILESS_MAIN(TestDebianPackage)
#include "tst_debianpackage.moc"
