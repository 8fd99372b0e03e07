#include "bench/importprogressprobe.h"

#include "services/import/importservice.h"

namespace {

constexpr int timerIntervalMs = 10;

// Milliseconds since `last` (nanoseconds on the same clock), kept as the longest so far.
void note(qint64 now, qint64& last, double& longest)
{
    if (last >= 0)
        longest = qMax(longest, double(now - last) / 1e6);
    last = now;
}

} // namespace

ImportProgressProbe::ImportProgressProbe(ImportService* service)
{
    // The timer runs from now, so that reading the file before the first signal counts too.
    m_clock.start();
    m_lastTick = 0;
    m_timer.start(timerIntervalMs);
    connect(service, &ImportService::importStarted, this,
            [this] { m_lastProgress = m_clock.nsecsElapsed(); });
    connect(service, &ImportService::importProgress, this, [this](int current, int total) {
        ++m_updates;
        note(m_clock.nsecsElapsed(), m_lastProgress, m_longestProgressGap);
        if (current == total)
            m_timer.stop();
    });
    connect(&m_timer, &QTimer::timeout, this, [this] {
        ++m_ticks;
        note(m_clock.nsecsElapsed(), m_lastTick, m_longestTimerGap);
    });
}
