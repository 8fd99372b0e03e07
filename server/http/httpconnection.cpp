#include "server/http/httpconnection.h"

#include "server/http/router.h"

#include <QSslSocket>
#include <QTcpSocket>

#ifdef Q_OS_UNIX
#include <sys/socket.h>
#endif

namespace PennibarServer {

namespace {

// Reads and file writes go in pieces of this size.
constexpr qint64 kPieceBytes = 64 * 1024;
// After the last response of a connection, how long the client may take to read it and go.
constexpr int kClosingGraceMs = 2000;

} // namespace

HttpConnection::HttpConnection(QTcpSocket* socket, const Settings& settings, BodyBudget& budget,
                               QObject* parent)
    : QObject(parent), m_socket(socket), m_settings(settings), m_budget(budget),
      m_reader(settings.limits)
{
    m_socket->setParent(this);
    // While a request is being handled nothing is read; Qt then buffers no more than this, and
    // a client that keeps sending is held back by TCP instead of the server's memory.
    m_socket->setReadBufferSize(kPieceBytes);
    // A response leaves in several writes; without this, Nagle's algorithm holds the last one
    // back until the client's delayed acknowledgement, some 40 ms.
    m_socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    m_deadline.setSingleShot(true);
    connect(&m_deadline, &QTimer::timeout, this, &HttpConnection::onDeadline);
    connect(m_socket, &QTcpSocket::readyRead, this, &HttpConnection::readInput);
    connect(m_socket, &QTcpSocket::bytesWritten, this, &HttpConnection::onBytesWritten);
    connect(m_socket, &QTcpSocket::disconnected, this, &HttpConnection::finish);
    startWaiting();
    if (m_socket->state() != QAbstractSocket::ConnectedState)
        QMetaObject::invokeMethod(this, &HttpConnection::finish, Qt::QueuedConnection);
}

HttpConnection::Received HttpConnection::takeRequest()
{
    return {m_reader.head(), m_reader.takeBody(), std::exchange(m_reservation, std::nullopt)};
}

const RequestHead* HttpConnection::head() const
{
    return m_reader.head().method.isEmpty() ? nullptr : &m_reader.head();
}

void HttpConnection::readInput()
{
    if (m_phase == Phase::Closing) {
        // What the client still sends is read and dropped: closing with unread bytes would
        // reset the connection, and the client might lose the answer before reading it.
        m_socket->skip(m_socket->bytesAvailable());
        return;
    }
    while (m_phase == Phase::AwaitingHead || m_phase == Phase::ReadingBody) {
        if (m_inputAt >= m_input.size()) {
            m_input = m_socket->read(kPieceBytes);
            m_inputAt = 0;
        }
        // Read even with no byte at hand: a request without a body is whole once its head is.
        const QByteArrayView available = QByteArrayView(m_input).sliced(m_inputAt);
        const bool started = m_reader.hasStarted();
        qsizetype used = 0;
        const auto step = m_reader.read(available, &used);
        m_inputAt += used;
        // A kept connection waited for as long as it liked; its next head has the usual time
        // from its first byte.
        if (!started && m_reader.hasStarted() && m_answeredBefore)
            m_deadline.start(m_settings.headTimeoutMs);
        switch (step) {
        case HttpRequestReader::Step::NeedMore:
            if (m_phase == Phase::ReadingBody && !holdBody(m_reader.bodySize()))
                return;
            if (available.isEmpty())
                return;
            break;
        case HttpRequestReader::Step::HeadRead:
            if (!onHeadRead())
                return;
            break;
        case HttpRequestReader::Step::BodyRead:
            if (holdBody(m_reader.bodySize()))
                onRequestRead();
            return;
        case HttpRequestReader::Step::Refused:
            refuse(HttpResponse::error(m_reader.error().status, m_reader.error().message));
            return;
        }
    }
}

bool HttpConnection::onHeadRead()
{
    m_phase = Phase::ReadingBody;
    m_deadline.start(m_settings.bodyTimeoutMs);
    const RequestHead& head = m_reader.head();
    // A body of known length takes its room at once; a chunked one as it grows.
    m_reservation = m_budget.reserve(
        head.framing == RequestHead::Framing::ContentLength ? head.contentLength : 0);
    if (!m_reservation) {
        refuseAsBusy();
        return false;
    }
    if (head.expectsContinue && head.framing != RequestHead::Framing::None)
        m_socket->write("HTTP/1.1 100 Continue\r\n\r\n");
    return true;
}

bool HttpConnection::holdBody(qint64 bytes)
{
    if (m_reservation->growTo(bytes))
        return true;
    refuseAsBusy();
    return false;
}

void HttpConnection::refuseAsBusy()
{
    HttpResponse busy =
        HttpResponse::error(503, tr("The server is busy just now. Please try again shortly."));
    busy.setHeader("Retry-After", "5");
    refuse(busy);
}

void HttpConnection::onRequestRead()
{
    m_phase = Phase::Handling;
    m_deadline.stop();
    emit requestReceived(this);
}

void HttpConnection::respond(const HttpResponse& given, bool headOnly)
{
    if (m_phase != Phase::Handling)
        return;
    HttpResponse response = given;
    qint64 length = response.body().size();
    if (!response.filePath().isEmpty()) {
        auto file = std::make_unique<QFile>(response.filePath());
        if (file->open(QIODevice::ReadOnly)) {
            length = file->size();
            if (!headOnly)
                m_file = std::move(file);
        } else {
            response = HttpResponse::error(404, Router::tr("Not found."));
            length = response.body().size();
        }
    }
    m_closeAfterResponse = !m_reader.head().keepAlive;
    m_phase = Phase::Responding;
    m_deadline.start(m_settings.idleTimeoutMs);
    m_socket->write(response.wireHead(length, m_closeAfterResponse));
    if (!headOnly && !m_file)
        m_socket->write(response.body());
    writeMore();
}

void HttpConnection::refuse(const HttpResponse& response)
{
    if (m_phase == Phase::Gone || m_phase == Phase::Closing)
        return;
    emit refused(this, response.status());
    m_file.reset();
    m_reservation.reset();
    m_input.clear();
    m_inputAt = 0;
    m_socket->write(response.wireHead(response.body().size(), true) + response.body());
    closeGently();
}

void HttpConnection::drop()
{
    m_socket->abort();
    finish();
}

void HttpConnection::writeMore()
{
    // A file goes out a piece at a time as the client takes it, never whole in memory.
    while (m_file && m_socket->bytesToWrite() < kPieceBytes) {
        const QByteArray piece = m_file->read(kPieceBytes);
        if (piece.isEmpty()) {
            // Cut short (truncated on disk while being sent): the length sent no longer holds.
            if (!m_file->atEnd())
                m_closeAfterResponse = true;
            m_file.reset();
            break;
        }
        m_socket->write(piece);
    }
    if (!m_file && isFlushed())
        endResponse();
}

bool HttpConnection::isFlushed() const
{
    const auto* tls = qobject_cast<const QSslSocket*>(m_socket);
    return m_socket->bytesToWrite() == 0 && (!tls || tls->encryptedBytesToWrite() == 0);
}

void HttpConnection::onBytesWritten(qint64 bytes)
{
    if (m_phase == Phase::Responding) {
        // The client must keep taking the response: a piece per idle timeout at least, however
        // it trickles.
        m_written += bytes;
        if (m_written >= kPieceBytes) {
            m_written = 0;
            m_deadline.start(m_settings.idleTimeoutMs);
        }
        writeMore();
    } else if (m_phase == Phase::Closing && isFlushed()) {
        shutDownSending();
    }
}

void HttpConnection::endResponse()
{
    if (m_closeAfterResponse) {
        closeGently();
        return;
    }
    m_reader.reset();
    m_answeredBefore = true;
    startWaiting();
    // A client may have sent its next request already.
    readInput();
}

void HttpConnection::startWaiting()
{
    m_phase = Phase::AwaitingHead;
    m_written = 0;
    m_since.start();
    m_deadline.start(m_answeredBefore ? m_settings.idleTimeoutMs : m_settings.headTimeoutMs);
}

void HttpConnection::closeGently()
{
    m_phase = Phase::Closing;
    m_deadline.start(kClosingGraceMs);
    if (isFlushed())
        shutDownSending();
}

void HttpConnection::shutDownSending()
{
#ifdef Q_OS_UNIX
    // The answer is out: say so, and keep reading (and dropping) until the client closes.
    if (!qobject_cast<QSslSocket*>(m_socket)) {
        ::shutdown(int(m_socket->socketDescriptor()), SHUT_WR);
        return;
    }
#endif
    m_socket->disconnectFromHost();
}

void HttpConnection::onDeadline()
{
    switch (m_phase) {
    case Phase::AwaitingHead:
        if (!m_reader.hasStarted()) {
            // Nothing asked, nothing to answer.
            m_socket->disconnectFromHost();
            finish();
            return;
        }
        [[fallthrough]];
    case Phase::ReadingBody:
        refuse(HttpResponse::error(408, tr("The request took too long to arrive.")));
        return;
    case Phase::Responding:
    case Phase::Closing:
        drop();
        return;
    case Phase::Handling:
    case Phase::Gone:
        return;
    }
}

void HttpConnection::finish()
{
    if (m_phase == Phase::Gone)
        return;
    m_phase = Phase::Gone;
    m_deadline.stop();
    m_file.reset();
    m_reservation.reset();
    m_input.clear();
    m_reader.reset();
    emit finished(this);
}

} // namespace PennibarServer
