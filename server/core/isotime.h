#pragma once

#include <QString>

namespace PennibarServer {

// Server times are kept as seconds since the Unix epoch and travel as UTC ISO 8601 text with whole
// seconds and a trailing "Z", the form the app writes and reads.
QString isoTime(qint64 secondsSinceEpoch);

} // namespace PennibarServer
