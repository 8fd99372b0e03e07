#pragma once

#include "server/http/chunkeddecoder.h"
#include "server/http/requesthead.h"

#include <QCoreApplication>

#include <optional>

namespace PennibarServer {

// Reads one request after another out of a connection's bytes: the head, then the body as its
// framing says. It holds no socket, so whatever arrives can be fed to it, in any pieces.
class HttpRequestReader
{
    Q_DECLARE_TR_FUNCTIONS(HttpRequestReader)

public:
    struct Limits
    {
        qsizetype maxHeadBytes = 64 * 1024;
        qint64 maxBodyBytes = 4 * 1024 * 1024;
    };

    enum class Step
    {
        NeedMore, // every byte given was taken; the request is not whole yet
        HeadRead, // the head is read and fits the limits: head() says what body follows
        BodyRead, // the body is whole (also when there is none): the request is complete
        Refused,  // the request cannot be served: error() says why
    };

    explicit HttpRequestReader(Limits limits) : m_limits(limits) {}

    // Takes bytes from the front of `data` up to the end of the next step; `used` receives how
    // many. Bytes after a complete request belong to the next one: reset() first.
    Step read(QByteArrayView data, qsizetype* used);

    // Whether a byte of the current request has come (blank lines before it do not count).
    bool hasStarted() const { return m_state != State::Head || !m_headBytes.isEmpty(); }
    const RequestHead& head() const { return m_head; }
    qint64 bodySize() const { return m_body.size(); }
    // The body once read; the reader keeps no copy.
    QByteArray takeBody() { return std::exchange(m_body, QByteArray()); }
    const ProtocolError& error() const { return m_error; }
    // Ready for the next request on the same connection.
    void reset();

private:
    enum class State
    {
        Head,
        Body,
        Done,
        Failed,
    };

    Step readHead(QByteArrayView data, qsizetype* used);
    Step readBody(QByteArrayView data, qsizetype* used);
    Step refuse(ProtocolError error);

    Limits m_limits;
    State m_state = State::Head;
    QByteArray m_headBytes;
    RequestHead m_head;
    QByteArray m_body;
    std::optional<ChunkedDecoder> m_chunks;
    ProtocolError m_error;
};

} // namespace PennibarServer
