#pragma once

#include <QCoreApplication>
#include <QString>

// The words a failed sync request is reported in, in the status bar and in the preferences:
// what went wrong for the user rather than the bare HTTP status, which stays in the log.
class SyncFailure
{
    Q_DECLARE_TR_FUNCTIONS(SyncFailure)

public:
    // The reply's HTTP status, or 0 when no reply arrived (no connection, time-out).
    static QString describe(int httpStatus);
};
