#pragma once

#include <QMetaType>

// Where the sync engine stands, as the status bar and the settings show it.
enum class SyncState
{
    Idle,
    Syncing,
    Error,
};
Q_DECLARE_METATYPE(SyncState)
