#include "server/http/heaptrimmer.h"

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace PennibarServer {

namespace {

constexpr int kLargeBlockBytes = 128 * 1024;
constexpr int kTrimDelayMs = 1000;

} // namespace

HeapTrimmer::HeapTrimmer(QObject* parent) : QObject(parent)
{
    m_timer.setSingleShot(true);
    m_timer.setInterval(kTrimDelayMs);
    connect(&m_timer, &QTimer::timeout, this, [] {
#if defined(__GLIBC__)
        malloc_trim(0);
#endif
    });
}

void HeapTrimmer::returnLargeBlocksAtOnce()
{
#if defined(__GLIBC__)
    mallopt(M_MMAP_THRESHOLD, kLargeBlockBytes);
#endif
}

void HeapTrimmer::trimSoon()
{
    if (!m_timer.isActive())
        m_timer.start();
}

} // namespace PennibarServer
