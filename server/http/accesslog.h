#pragma once

#include <QIODevice>
#include <QString>

namespace PennibarServer {

// One line per request: time, method, path (never the query), status, milliseconds and the user
// the request acted for ("-" when none). Tokens and passwords never reach it: they travel in
// headers, bodies and queries, none of which is written.
class AccessLog
{
public:
    // Writes to `device` (standard output when null).
    explicit AccessLog(QIODevice* device = nullptr);
    ~AccessLog();

    void record(const QByteArray& method, const QString& path, int status, qint64 milliseconds,
                const QString& userId);

private:
    static QByteArray escaped(const QByteArray& field, const QByteArray& alsoKept = {});

    QIODevice* m_device;
    bool m_ownsDevice = false;
};

} // namespace PennibarServer
