#include "server/http/chunkeddecoder.h"

namespace PennibarServer {

namespace {

// A chunk-size line with its extensions, and all trailer fields together, may be this long.
constexpr qsizetype kLongestLine = 4096;
constexpr qint64 kLongestTrailer = 16 * 1024;

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

} // namespace

ChunkedDecoder::Result ChunkedDecoder::decode(QByteArrayView data, QByteArray* body,
                                              qsizetype* used)
{
    qsizetype at = 0;
    auto finish = [&](Result result) {
        *used = at;
        return result;
    };
    while (m_state != State::Finished) {
        switch (m_state) {
        case State::Size: {
            if (!takeLine(data, &at))
                return finish(m_line.size() > kLongestLine ? Result::Malformed : Result::NeedMore);
            const Result sized = endSizeLine();
            if (sized != Result::NeedMore)
                return finish(sized);
            break;
        }
        case State::Data: {
            const qsizetype take = qsizetype(qMin<qint64>(m_remaining, data.size() - at));
            if (take == 0)
                return finish(Result::NeedMore);
            body->append(data.sliced(at, take));
            at += take;
            m_remaining -= take;
            m_decoded += take;
            if (m_remaining == 0)
                m_state = State::DataEnd;
            break;
        }
        case State::DataEnd:
            if (!takeLine(data, &at))
                return finish(m_line.isEmpty() || m_line == "\r" ? Result::NeedMore
                                                                 : Result::Malformed);
            if (!m_line.isEmpty())
                return finish(Result::Malformed);
            m_state = State::Size;
            break;
        case State::Trailer: {
            const qsizetype before = at;
            const bool whole = takeLine(data, &at);
            m_trailerBytes += at - before;
            if (m_trailerBytes > kLongestTrailer)
                return finish(Result::Malformed);
            if (!whole)
                return finish(Result::NeedMore);
            if (m_line.isEmpty())
                m_state = State::Finished;
            m_line.clear();
            break;
        }
        case State::Finished:
            break;
        }
    }
    return finish(Result::Done);
}

bool ChunkedDecoder::takeLine(QByteArrayView data, qsizetype* at)
{
    const qsizetype end = data.indexOf('\n', *at);
    const qsizetype stop = end < 0 ? data.size() : end + 1;
    m_line.append(data.sliced(*at, stop - *at));
    *at = stop;
    if (end < 0)
        return false;
    m_line.chop(m_line.endsWith("\r\n") ? 2 : 1);
    return true;
}

ChunkedDecoder::Result ChunkedDecoder::endSizeLine()
{
    // chunk-size [; extension...]: extensions are allowed and carry nothing this server uses.
    const qsizetype extension = m_line.indexOf(';');
    const QByteArray digits = (extension < 0 ? m_line : m_line.left(extension)).trimmed();
    m_line.clear();
    if (digits.isEmpty() || digits.size() > 15)
        return Result::Malformed;
    qint64 size = 0;
    for (const char c : digits) {
        const int digit = hexDigit(c);
        if (digit < 0)
            return Result::Malformed;
        size = size * 16 + digit;
    }
    if (m_decoded + size > m_maxBodyBytes)
        return Result::TooLarge;
    if (size == 0) {
        m_state = State::Trailer;
        return Result::NeedMore;
    }
    m_remaining = size;
    m_state = State::Data;
    return Result::NeedMore;
}

} // namespace PennibarServer
