#pragma once

#include "server/http/httprequest.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QCoreApplication>
#include <QString>

#include <optional>

namespace PennibarServer {

// Why a request cannot be served as sent: the status and message it is answered with.
struct ProtocolError
{
    int status = 400;
    QString message;
};

// The request line and header fields of one HTTP/1.0 or HTTP/1.1 request, and what they say
// about the body and the connection.
struct RequestHead
{
    // How the body's end is found.
    enum class Framing
    {
        None,          // no body
        ContentLength, // `contentLength` bytes
        Chunked,       // the chunked transfer coding
    };

    QByteArray method;
    QByteArray target; // as sent: "/path?query" or an absolute URL
    int minorVersion = 1;
    HttpRequest::Headers headers;
    Framing framing = Framing::None;
    qint64 contentLength = 0;
    bool keepAlive = true;
    bool expectsContinue = false;

    // Reads a head: the request line and the field lines, each ended by CRLF or a bare LF,
    // without the empty line that ends the head. Anything that leaves the body's length in doubt
    // is refused, so that no proxy in front can read a different request out of the same bytes:
    // two Content-Length values that differ, Content-Length beside Transfer-Encoding, a transfer
    // coding other than chunked, whitespace before a field's colon, folded lines.
    static std::optional<RequestHead> parse(QByteArrayView head, ProtocolError* error);

private:
    Q_DECLARE_TR_FUNCTIONS(RequestHead)

    bool readRequestLine(QByteArrayView line, ProtocolError* error);
    bool readFraming(ProtocolError* error);
    void readConnectionOptions();
    // Every comma-separated member of every field of that name, trimmed, in order.
    QList<QByteArray> listMembers(const QByteArray& name) const;
};

} // namespace PennibarServer
