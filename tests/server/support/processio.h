#pragma once

#include <QtGlobal>

// What a process has written, read from the kernel's accounting of it.
class ProcessIo
{
public:
    // What the process (this one when pid is 0) has handed to write calls so far, in MiB: for
    // SQLite, its database, journal and WAL writes. Negative when the kernel does not say.
    static double writtenMiB(qint64 pid = 0);
};
