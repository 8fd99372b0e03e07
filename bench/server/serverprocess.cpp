#include "bench/server/serverprocess.h"

#include "bench/server/processio.h"

#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>

ServerProcess::ServerProcess(const QString& executable, const QString& database)
    : m_executable(executable), m_database(database)
{
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

QHash<QString, std::vector<double>> ServerProcess::handlingTimes() const
{
    // Lines: "TIME METHOD PATH STATUS MSms user=ID".
    QHash<QString, std::vector<double>> times;
    QFile log(m_data.filePath(QStringLiteral("access.log")));
    if (!log.open(QIODevice::ReadOnly))
        return times;
    while (!log.atEnd()) {
        const QList<QByteArray> fields = log.readLine().split(' ');
        if (fields.size() >= 5 && fields.at(4).endsWith("ms"))
            times[QString::fromLatin1(fields.at(1) + ' ' + fields.at(2))].push_back(
                fields.at(4).chopped(2).toDouble());
    }
    return times;
}
