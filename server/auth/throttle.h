#pragma once

#include <QString>

namespace PennibarServer {

class Clock;
class Database;

// Counts failed attempts per subject ("account:EMAIL", "address:IP", ...) in the database, so
// every instance on a shared database sees the same counts. A subject with `limit` attempts in
// the last `window` seconds must wait until the oldest of them leaves the window.
class Throttle
{
public:
    Throttle(Database& database, const Clock& clock) : m_database(database), m_clock(clock) {}

    // Seconds until the subject may try again; 0 when it may now.
    qint64 waitFor(const QString& subject, int limit, qint64 window);

    struct Attempts
    {
        int count = 0;
        qint64 latestAt = 0; // 0 when there is none
    };
    // The subject's attempts in the last `window` seconds.
    Attempts recent(const QString& subject, qint64 window);
    void record(const QString& subject);
    void clear(const QString& subject);
    // Forgets attempts older than a day.
    bool purge();

private:
    Database& m_database;
    const Clock& m_clock;
};

} // namespace PennibarServer
