#pragma once

#include <QDateTime>
#include <QString>

namespace TovAccount {

// How long ago `then` was, as the account window words it: "Active now", "5m ago", "3h ago",
// "2d ago", and a date from a week on; "Unknown" for no time at all.
QString formatRelativeTime(const QDateTime& then,
                           const QDateTime& now = QDateTime::currentDateTimeUtc());

} // namespace TovAccount
