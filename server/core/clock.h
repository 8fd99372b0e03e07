#pragma once

#include <QtGlobal>

namespace PennibarServer {

// The server's notion of now, in whole seconds since the Unix epoch. Every expiry, lifetime and
// rate-limit window reads it, so tests can move time forward without waiting.
class Clock
{
public:
    qint64 now() const;
    void advance(qint64 seconds) { m_offset += seconds; }

private:
    qint64 m_offset = 0;
};

} // namespace PennibarServer
