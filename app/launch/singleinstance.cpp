#include "app/launch/singleinstance.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>
#include <QThread>
#include <QTimer>

#include <optional>

// The request is one line of JSON, {"open": ["/absolute/path", ...]}, answered with "ok\n" once
// the running process has taken it.
namespace {

const QString lockFileName = QStringLiteral("pennibar.lock");
const QString openKey = QStringLiteral("open");
const QByteArray acknowledgement = QByteArrayLiteral("ok\n");
// Far more than any list of files a file manager hands over; a longer line is not a request.
constexpr qsizetype maxRequestBytes = 1024 * 1024;
constexpr int retryIntervalMs = 100;
// A start that connects says what it wants at once; one that stays silent is let go.
constexpr int silentClientMs = 5000;

QByteArray encodeRequest(const QStringList& paths)
{
    const QJsonObject request{{openKey, QJsonArray::fromStringList(paths)}};
    return QJsonDocument(request).toJson(QJsonDocument::Compact) + '\n';
}

// The absolute paths of a request; nullopt when the line is not a request at all.
std::optional<QStringList> decodeRequest(const QByteArray& line)
{
    const QJsonDocument document = QJsonDocument::fromJson(line);
    const QJsonValue open = document.object().value(openKey);
    if (!open.isArray())
        return std::nullopt;
    QStringList paths;
    for (const QJsonValue& value : open.toArray()) {
        const QString path = value.toString();
        if (QDir::isAbsolutePath(path))
            paths.append(path);
        else
            qWarning().noquote() << "Ignoring a file that is not an absolute path:" << value;
    }
    return paths;
}

std::chrono::milliseconds remaining(const QDeadlineTimer& deadline)
{
    return std::chrono::milliseconds(deadline.remainingTime());
}

} // namespace

SingleInstance::SingleInstance(const QString& dataDirectory, QObject* parent)
    : QObject(parent), m_dataDirectory(dataDirectory),
      m_lock(std::make_unique<QLockFile>(QDir(dataDirectory).filePath(lockFileName)))
{
    // Only a lock whose process has gone is stale, however long the program has been running.
    m_lock->setStaleLockTime(0);
}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::serverName(const QString& dataDirectory)
{
    const QFileInfo info(dataDirectory);
    const QString canonical = info.canonicalFilePath();
    const QString directory =
        canonical.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : canonical;
#ifdef Q_OS_WIN
    // Pipe names are shared by every user of the machine.
    const QString owner = qEnvironmentVariable("USERNAME") + QLatin1Char('\n');
#else
    const QString owner;
#endif
    const QByteArray digest =
        QCryptographicHash::hash((owner + directory).toUtf8(), QCryptographicHash::Sha256);
    const QString name = QStringLiteral("pennibar-") + QString::fromLatin1(digest.toHex().left(16));
#ifdef Q_OS_WIN
    return name;
#else
    // The runtime folder is the user's own (mode 0700): no one else can take the name first.
    return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation) + QLatin1Char('/') +
           name;
#endif
}

SingleInstance::Outcome SingleInstance::claim(const QStringList& paths,
                                              std::chrono::milliseconds patience)
{
    const QDeadlineTimer deadline(patience);
    for (;;) {
        if (m_lock->tryLock(0)) {
            listen();
            return Outcome::Primary;
        }
        if (m_lock->error() != QLockFile::LockFailedError) {
            // No lock file can be made here (the directory is missing or read-only): the
            // socket alone tells whether another process runs, and opening the database will
            // report what is wrong with the directory.
            qInfo().noquote() << "No lock file in" << m_dataDirectory;
            if (handOver(paths, std::chrono::milliseconds(0)))
                return Outcome::HandedOver;
            listen();
            return Outcome::Primary;
        }
        if (handOver(paths, remaining(deadline)))
            return Outcome::HandedOver;
        if (deadline.hasExpired())
            return Outcome::NoAnswer;
        QThread::msleep(retryIntervalMs);
    }
}

bool SingleInstance::handOver(const QStringList& paths, std::chrono::milliseconds patience)
{
    const QDeadlineTimer deadline(std::max(patience, std::chrono::milliseconds(retryIntervalMs)));
    QLocalSocket socket;
    socket.connectToServer(serverName(m_dataDirectory));
    if (!socket.waitForConnected(int(deadline.remainingTime())))
        return false;
    socket.write(encodeRequest(paths));
    QByteArray reply;
    while (!reply.endsWith('\n') && socket.waitForReadyRead(int(deadline.remainingTime())))
        reply += socket.readAll();
    socket.disconnectFromServer();
    return reply == acknowledgement;
}

void SingleInstance::listen()
{
    const QString name = serverName(m_dataDirectory);
    // Whatever socket is left under this name belonged to a process that has gone.
    QLocalServer::removeServer(name);
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(name)) {
        qWarning().noquote() << "Later starts cannot reach this one:" << m_server->errorString();
        return;
    }
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = m_server->nextPendingConnection())
            serve(socket);
    });
}

void SingleInstance::serve(QLocalSocket* socket)
{
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    QTimer::singleShot(silentClientMs, socket, &QLocalSocket::abort);
    connect(socket, &QLocalSocket::readyRead, socket, [this, socket] {
        const qsizetype end = socket->peek(maxRequestBytes).indexOf('\n');
        if (end < 0) {
            if (socket->bytesAvailable() >= maxRequestBytes)
                socket->abort();
            return;
        }
        const std::optional<QStringList> paths = decodeRequest(socket->read(end + 1));
        if (!paths) {
            qWarning() << "Ignoring a malformed request from another start";
            socket->abort();
            return;
        }
        socket->write(acknowledgement);
        socket->flush();
        socket->disconnectFromServer();
        emit openRequested(*paths);
    });
}
