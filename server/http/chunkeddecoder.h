#pragma once

#include <QByteArray>
#include <QByteArrayView>

namespace PennibarServer {

// Undoes the chunked transfer coding of a request body as its bytes arrive: chunk sizes in hex
// with optional extensions, the chunks' data, the final zero-size chunk and the trailer fields,
// which are read and dropped. Lines may end in CRLF or a bare LF.
class ChunkedDecoder
{
public:
    enum class Result
    {
        NeedMore,  // every byte given was taken; the body goes on
        Done,      // the body ended; bytes after it belong to the next request
        Malformed, // not chunked coding
        TooLarge,  // the decoded body would pass the limit
    };

    explicit ChunkedDecoder(qint64 maxBodyBytes) : m_maxBodyBytes(maxBodyBytes) {}

    // Decodes from the front of `data` into `body`; `used` receives how many bytes were taken.
    Result decode(QByteArrayView data, QByteArray* body, qsizetype* used);

private:
    enum class State
    {
        Size,    // the chunk-size line
        Data,    // the chunk's data
        DataEnd, // the line end after the data
        Trailer, // trailer field lines until an empty one
        Finished,
    };

    // Adds the bytes up to the next line end to m_line; true once the line is whole (its end
    // removed), false when `data` ran out first.
    bool takeLine(QByteArrayView data, qsizetype* at);
    Result endSizeLine();

    qint64 m_maxBodyBytes;
    State m_state = State::Size;
    QByteArray m_line;
    qint64 m_remaining = 0; // of the current chunk
    qint64 m_decoded = 0;
    qint64 m_trailerBytes = 0;
};

} // namespace PennibarServer
