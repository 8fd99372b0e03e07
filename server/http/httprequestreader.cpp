#include "server/http/httprequestreader.h"

namespace PennibarServer {

HttpRequestReader::Step HttpRequestReader::read(QByteArrayView data, qsizetype* used)
{
    *used = 0;
    switch (m_state) {
    case State::Head:
        return readHead(data, used);
    case State::Body:
        return readBody(data, used);
    case State::Done:
        return Step::BodyRead;
    case State::Failed:
        break;
    }
    return Step::Refused;
}

void HttpRequestReader::reset()
{
    m_state = State::Head;
    m_headBytes.clear();
    m_head = RequestHead();
    m_body.clear();
    m_chunks.reset();
    m_error = ProtocolError();
}

HttpRequestReader::Step HttpRequestReader::readHead(QByteArrayView data, qsizetype* used)
{
    // Blank lines before a request line are skipped (RFC 9112 2.2).
    qsizetype at = 0;
    while (m_headBytes.isEmpty() && at < data.size() && (data[at] == '\r' || data[at] == '\n'))
        ++at;
    // Only what could still belong to a head of the allowed size is kept; the two bytes before
    // are scanned again in case the empty line that ends the head straddles two reads.
    const qsizetype scanFrom = qMax<qsizetype>(0, m_headBytes.size() - 2);
    const qsizetype room = m_limits.maxHeadBytes + 3 - m_headBytes.size();
    const qsizetype taken = qMin(data.size() - at, room);
    m_headBytes.append(data.sliced(at, taken));
    qsizetype lineEnd = scanFrom;
    while ((lineEnd = m_headBytes.indexOf('\n', lineEnd)) >= 0) {
        const qsizetype next = lineEnd + 1;
        const qsizetype emptyLine = m_headBytes.mid(next, 2).startsWith("\r\n") ? 2
                                    : m_headBytes.mid(next, 1) == "\n"          ? 1
                                                                                : 0;
        if (emptyLine == 0) {
            lineEnd = next;
            continue;
        }
        const qsizetype headEnd = next + emptyLine;
        *used = at + taken - (m_headBytes.size() - headEnd);
        m_headBytes.truncate(lineEnd);
        if (m_headBytes.size() > m_limits.maxHeadBytes)
            break;
        const auto head = RequestHead::parse(m_headBytes, &m_error);
        if (!head)
            return refuse(m_error);
        m_head = *head;
        if (m_head.framing == RequestHead::Framing::ContentLength &&
            m_head.contentLength > m_limits.maxBodyBytes)
            return refuse({413, tr("Request too large.")});
        if (m_head.framing == RequestHead::Framing::Chunked)
            m_chunks.emplace(m_limits.maxBodyBytes);
        m_state = State::Body;
        return Step::HeadRead;
    }
    *used = at + taken;
    if (m_headBytes.size() > m_limits.maxHeadBytes)
        return refuse({431, tr("The request's header fields are too large.")});
    return Step::NeedMore;
}

HttpRequestReader::Step HttpRequestReader::readBody(QByteArrayView data, qsizetype* used)
{
    switch (m_head.framing) {
    case RequestHead::Framing::None:
        break;
    case RequestHead::Framing::ContentLength: {
        // The whole announced length at once: one block, no copies while it grows.
        if (m_body.isEmpty())
            m_body.reserve(m_head.contentLength);
        *used = qsizetype(qMin<qint64>(data.size(), m_head.contentLength - m_body.size()));
        m_body.append(data.first(*used));
        if (m_body.size() < m_head.contentLength)
            return Step::NeedMore;
        break;
    }
    case RequestHead::Framing::Chunked:
        switch (m_chunks->decode(data, &m_body, used)) {
        case ChunkedDecoder::Result::NeedMore:
            return Step::NeedMore;
        case ChunkedDecoder::Result::Done:
            break;
        case ChunkedDecoder::Result::Malformed:
            return refuse({400, tr("The chunked body is malformed.")});
        case ChunkedDecoder::Result::TooLarge:
            return refuse({413, tr("Request too large.")});
        }
        break;
    }
    m_state = State::Done;
    return Step::BodyRead;
}

HttpRequestReader::Step HttpRequestReader::refuse(ProtocolError error)
{
    m_error = std::move(error);
    m_state = State::Failed;
    m_body.clear();
    return Step::Refused;
}

} // namespace PennibarServer
