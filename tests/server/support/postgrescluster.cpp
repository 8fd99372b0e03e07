#include "tests/server/support/postgrescluster.h"

#include <QDir>
#include <QProcess>
#include <QUrl>

#include <cstdlib>
#include <pwd.h>
#include <unistd.h>

namespace {

QString newestBinaries()
{
    QDir versions(QStringLiteral("/usr/lib/postgresql"));
    QStringList names = versions.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    std::sort(names.begin(), names.end(),
              [](const QString& a, const QString& b) { return a.toInt() < b.toInt(); });
    for (auto it = names.crbegin(); it != names.crend(); ++it) {
        const QString bin = versions.filePath(*it + QStringLiteral("/bin"));
        if (QFileInfo::exists(bin + QStringLiteral("/initdb")))
            return bin;
    }
    return {};
}

} // namespace

PostgresCluster& PostgresCluster::shared()
{
    static PostgresCluster cluster;
    return cluster;
}

PostgresCluster::PostgresCluster() : m_dir(QDir::tempPath() + QStringLiteral("/pg-XXXXXX"))
{
    m_binaries = newestBinaries();
    if (m_binaries.isEmpty() || !m_dir.isValid()) {
        m_error = QStringLiteral("PostgreSQL's initdb was not found under /usr/lib/postgresql "
                                 "(install the postgresql package)");
        return;
    }
    if (geteuid() == 0) {
        const passwd* owner = getpwnam("postgres");
        if (!owner ||
            chown(QFile::encodeName(m_dir.path()).constData(), owner->pw_uid, owner->pw_gid) != 0) {
            m_error = QStringLiteral("cannot hand the cluster directory to the postgres user");
            return;
        }
    }
    const QString data = m_dir.filePath(QStringLiteral("data"));
    m_running = run(QStringLiteral("initdb"),
                    {QStringLiteral("-D"), data, QStringLiteral("-A"), QStringLiteral("trust"),
                     QStringLiteral("-U"), QStringLiteral("pennibar"), QStringLiteral("-E"),
                     QStringLiteral("UTF8"), QStringLiteral("--no-sync")},
                    true) &&
                control(QStringLiteral("start"));
}

bool PostgresCluster::control(const QString& action)
{
    return run(QStringLiteral("pg_ctl"),
               {QStringLiteral("-D"), m_dir.filePath(QStringLiteral("data")), QStringLiteral("-l"),
                m_dir.filePath(QStringLiteral("log")), QStringLiteral("-w"), QStringLiteral("-m"),
                QStringLiteral("fast"), QStringLiteral("-o"),
                QStringLiteral("-k %1 -c listen_addresses='' -F -c full_page_writes=off "
                               "-c max_connections=200")
                    .arg(m_dir.path()),
                action},
               true);
}

bool PostgresCluster::restart()
{
    return m_running && control(QStringLiteral("restart"));
}

bool PostgresCluster::stop()
{
    return m_running && control(QStringLiteral("stop"));
}

bool PostgresCluster::start()
{
    return m_running && control(QStringLiteral("start"));
}

PostgresCluster::~PostgresCluster()
{
    if (!m_running)
        return;
    // This runs after the application object is gone, so without Qt's process machinery.
    const QString command =
        QStringLiteral("%1%2/pg_ctl -D %3 -m immediate stop >/dev/null 2>&1")
            .arg(geteuid() == 0 ? QStringLiteral("runuser -u postgres -- ") : QString(), m_binaries,
                 m_dir.filePath(QStringLiteral("data")));
    [[maybe_unused]] const int status = std::system(command.toLocal8Bit().constData());
}

bool PostgresCluster::run(const QString& program, const QStringList& arguments, bool asOwner)
{
    QProcess process;
    const QString path = m_binaries + QLatin1Char('/') + program;
    if (asOwner && geteuid() == 0)
        process.start(QStringLiteral("runuser"),
                      QStringList{QStringLiteral("-u"), QStringLiteral("postgres"),
                                  QStringLiteral("--"), path} +
                          arguments);
    else
        process.start(path, arguments);
    if (!process.waitForFinished(120000) || process.exitCode() != 0) {
        m_error = QStringLiteral("%1 failed: %2")
                      .arg(program, QString::fromLocal8Bit(process.readAllStandardError()));
        return false;
    }
    return true;
}

QString PostgresCluster::createDatabase()
{
    const QString name = QStringLiteral("pennibar_%1").arg(++m_databases);
    if (!m_running || !run(QStringLiteral("createdb"),
                           {QStringLiteral("-h"), m_dir.path(), QStringLiteral("-U"),
                            QStringLiteral("pennibar"), name},
                           false))
        return {};
    return QStringLiteral("postgresql://pennibar@/%1?host=%2")
        .arg(name, QString::fromLatin1(QUrl::toPercentEncoding(m_dir.path())));
}
