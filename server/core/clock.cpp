#include "server/core/clock.h"

#include <QDateTime>

namespace PennibarServer {

qint64 Clock::now() const
{
    return QDateTime::currentSecsSinceEpoch() + m_offset;
}

} // namespace PennibarServer
