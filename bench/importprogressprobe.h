#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

class ImportService;

// What a window sees of an import that runs on its thread: how often the progress signals
// come, and how late a 10 ms timer (a stand-in for painting and the progress dialog) fires at
// worst while the import holds the event loop. Construct it just before the import.
class ImportProgressProbe : public QObject
{
    Q_OBJECT

public:
    explicit ImportProgressProbe(ImportService* service);

    int progressUpdates() const { return m_updates; }
    double longestProgressGapMs() const { return m_longestProgressGap; }
    double longestTimerGapMs() const { return m_longestTimerGap; }
    int timerTicks() const { return m_ticks; }

private:
    QElapsedTimer m_clock;
    QTimer m_timer;
    qint64 m_lastProgress = -1;
    qint64 m_lastTick = -1;
    int m_updates = 0;
    int m_ticks = 0;
    double m_longestProgressGap = 0;
    double m_longestTimerGap = 0;
};
