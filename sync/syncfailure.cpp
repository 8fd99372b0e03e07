#include "sync/syncfailure.h"

QString SyncFailure::describe(int httpStatus)
{
    switch (httpStatus) {
    case 0:
        return tr("The sync server could not be reached");
    case 401:
        return tr("The sync server no longer accepts your sign-in; please sign in again");
    case 403:
        return tr("The sync server refused access to your data");
    case 404:
        return tr("The server at this address does not offer sync (HTTP 404)");
    case 408:
    case 429:
        return tr("The sync server is busy; sync will try again later");
    case 413:
        return tr("The changes are too large for the sync server to accept (HTTP 413)");
    }
    if (httpStatus >= 500 && httpStatus < 600)
        return tr("The sync server ran into a problem (HTTP %1); sync will try again later")
            .arg(httpStatus);
    return tr("The sync server refused the request (HTTP %1)").arg(httpStatus);
}
