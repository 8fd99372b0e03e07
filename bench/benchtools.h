#pragma once

#include <QString>

#include <functional>

// Measuring helpers shared by the benchmarks.
class BenchTools
{
public:
    // Median wall time of `runs` calls, in milliseconds.
    static double medianMilliseconds(int runs, const std::function<void()>& work);
    // The process's peak resident memory so far (VmHWM), in MiB.
    static double peakMemoryMiB();
    // Starts a new peak at the current resident size (writes 5 to /proc/self/clear_refs), so
    // that peakMemoryMiB afterwards measures one phase. False when the kernel refuses.
    static bool resetPeakMemory();
    // Median time the sqlite3 shell needs to run `sql` on the file and print every row, in
    // milliseconds, as the floor a query through Qt is compared with. Negative when the shell
    // is missing.
    static double sqliteShellMilliseconds(const QString& path, const QString& sql, int runs);
    // A path in a fresh temporary directory that lives until the process ends.
    static QString scratchPath(const QString& fileName);
};
