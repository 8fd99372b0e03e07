#include "tests/server/support/serverprocess.h"

#include "tests/server/support/processio.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>

#ifdef Q_OS_UNIX
#include <sys/resource.h>
#include <unistd.h>
#endif

ServerProcess::ServerProcess(const QString& executable, const QString& database,
                             const QMap<QString, QString>& settings, int openFileLimit)
    : m_executable(executable), m_database(database), m_settings(settings)
{
#ifdef Q_OS_UNIX
    if (openFileLimit > 0) {
        m_process.setChildProcessModifier([openFileLimit] {
            const rlimit limit{rlim_t(openFileLimit), rlim_t(openFileLimit)};
            setrlimit(RLIMIT_NOFILE, &limit);
        });
    }
#else
    Q_UNUSED(openFileLimit)
#endif
    launch(QStringLiteral("127.0.0.1:0"));
}

bool ServerProcess::restart()
{
    const QString listen = QStringLiteral("127.0.0.1:%1").arg(m_base.port());
    m_process.terminate();
    m_process.waitForFinished(20000);
    m_base = QUrl();
    return launch(listen);
}

bool ServerProcess::launch(const QString& listen)
{
    QProcessEnvironment env = environment();
    env.insert(QStringLiteral("PENNIBAR_SERVER_LISTEN"), listen);
    m_process.setProcessEnvironment(env);
    m_process.setStandardOutputFile(m_data.filePath(QStringLiteral("access.log")),
                                    QIODevice::Append);
    m_process.start(m_executable, {QStringLiteral("serve")});
    static const QRegularExpression listening(QStringLiteral("listening on (http://\\S+)"));
    QByteArray output;
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < 30000 && m_process.state() != QProcess::NotRunning) {
        m_process.waitForReadyRead(200);
        output += m_process.readAllStandardError();
        const auto match = listening.match(QString::fromUtf8(output));
        if (match.hasMatch()) {
            m_base = QUrl(match.captured(1));
            return true;
        }
    }
    qWarning("pennibar-server did not start: %s", output.constData());
    return false;
}

ServerProcess::~ServerProcess()
{
    m_process.terminate();
    m_process.waitForFinished(20000);
}

QProcessEnvironment ServerProcess::environment() const
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("PENNIBAR_SERVER_DATA_DIR"), m_data.path());
    env.insert(QStringLiteral("PENNIBAR_SERVER_LISTEN"), QStringLiteral("127.0.0.1:0"));
    if (!m_database.isEmpty())
        env.insert(QStringLiteral("PENNIBAR_SERVER_DATABASE"), m_database);
    for (auto it = m_settings.cbegin(); it != m_settings.cend(); ++it)
        env.insert(QStringLiteral("PENNIBAR_SERVER_") + it.key().toUpper(), it.value());
    return env;
}

bool ServerProcess::addUser(const QString& email, const QString& password) const
{
    QProcess add;
    add.setProcessEnvironment(environment());
    add.start(m_executable, {QStringLiteral("user"), QStringLiteral("add"), email});
    add.write(password.toUtf8() + '\n');
    add.closeWriteChannel();
    return add.waitForFinished(60000) && add.exitCode() == 0;
}

bool ServerProcess::createGroup(const QString& ownerEmail) const
{
    QProcess create;
    create.setProcessEnvironment(environment());
    create.start(m_executable, {QStringLiteral("group"), QStringLiteral("create"), ownerEmail});
    return create.waitForFinished(60000) && create.exitCode() == 0;
}

double ServerProcess::peakMemoryMiB() const
{
    return statusMiB("VmHWM");
}

double ServerProcess::memoryMiB() const
{
    return statusMiB("VmRSS");
}

double ServerProcess::statusMiB(const char* field) const
{
    QFile status(QStringLiteral("/proc/%1/status").arg(m_process.processId()));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    const QRegularExpression line(QStringLiteral("%1:\\s+(\\d+) kB").arg(QLatin1String(field)));
    const auto match = line.match(QString::fromLatin1(status.readAll()));
    return match.hasMatch() ? match.captured(1).toDouble() / 1024.0 : -1;
}

double ServerProcess::cpuSeconds() const
{
    // Fields 14 and 15 of /proc/PID/stat, user and system time in clock ticks, after the
    // command name in parentheses (which may hold blanks).
    QFile stat(QStringLiteral("/proc/%1/stat").arg(m_process.processId()));
    if (!stat.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray text = stat.readAll();
    const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
    if (fields.size() < 13)
        return -1;
    return double(fields.at(11).toLongLong() + fields.at(12).toLongLong()) /
           double(sysconf(_SC_CLK_TCK));
}

int ServerProcess::openDescriptors() const
{
    return int(QDir(QStringLiteral("/proc/%1/fd").arg(m_process.processId()))
                   .entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot)
                   .size());
}

double ServerProcess::writtenMiB() const
{
    return ProcessIo::writtenMiB(m_process.processId());
}

void ServerProcess::resetPeakMemory() const
{
    QFile clearRefs(QStringLiteral("/proc/%1/clear_refs").arg(m_process.processId()));
    if (clearRefs.open(QIODevice::WriteOnly))
        clearRefs.write("5");
}

QStringList ServerProcess::accessLog() const
{
    QFile log(m_data.filePath(QStringLiteral("access.log")));
    if (!log.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(log.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

QHash<QString, std::vector<double>> ServerProcess::handlingTimes() const
{
    // Lines: "TIME METHOD PATH STATUS MSms user=ID".
    QHash<QString, std::vector<double>> times;
    for (const QString& line : accessLog()) {
        const QStringList fields = line.split(QLatin1Char(' '));
        if (fields.size() >= 5 && fields.at(4).endsWith(QLatin1String("ms")))
            times[fields.at(1) + QLatin1Char(' ') + fields.at(2)].push_back(
                fields.at(4).chopped(2).toDouble());
    }
    return times;
}
