#pragma once

#include <QtGlobal>

#include <atomic>

namespace PennibarServer {

// The server's notion of now, in whole seconds since the Unix epoch. Every expiry, lifetime and
// rate-limit window reads it, so tests can move time forward without waiting. The worker threads
// that run requests read one clock together.
class Clock
{
public:
    qint64 now() const;
    void advance(qint64 seconds) { m_offset += seconds; }

private:
    std::atomic<qint64> m_offset = 0;
};

} // namespace PennibarServer
