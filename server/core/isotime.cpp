#include "server/core/isotime.h"

#include <QDateTime>

namespace PennibarServer {

QString isoTime(qint64 secondsSinceEpoch)
{
    return QDateTime::fromSecsSinceEpoch(secondsSinceEpoch, Qt::UTC).toString(Qt::ISODate);
}

} // namespace PennibarServer
