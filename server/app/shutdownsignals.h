#pragma once

#include <QObject>

class QSocketNotifier;

namespace PennibarServer {

// Turns SIGTERM and SIGINT (Ctrl+C on Windows) into a normal end of the event loop, so the
// database is closed cleanly when the service manager stops the server.
class ShutdownSignals : public QObject
{
    Q_OBJECT

public:
    explicit ShutdownSignals(QObject* parent = nullptr);
    ~ShutdownSignals() override;

private:
    QSocketNotifier* m_notifier = nullptr;
};

} // namespace PennibarServer
