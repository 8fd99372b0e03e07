#include "server/app/housekeeping.h"

namespace PennibarServer {

Housekeeping::Housekeeping(std::function<void()> chores, QObject* parent)
    : QObject(parent), m_chores(std::move(chores))
{
    m_timer.setInterval(3600 * 1000);
    connect(&m_timer, &QTimer::timeout, this, [this] { m_chores(); });
    m_timer.start();
    QTimer::singleShot(0, this, [this] { m_chores(); });
}

} // namespace PennibarServer
