#pragma once

#include <QObject>
#include <QTimer>

#include <functional>

namespace PennibarServer {

// Periodic chores, hourly and once at start: scheduled account deletions that are due, and
// forgetting ended sessions and old throttle counts. Every instance may run them; they are
// idempotent.
class Housekeeping : public QObject
{
    Q_OBJECT

public:
    explicit Housekeeping(std::function<void()> chores, QObject* parent = nullptr);

private:
    std::function<void()> m_chores;
    QTimer m_timer;
};

} // namespace PennibarServer
