#pragma once

#include <QString>

// Writes a realistic household database through the real schema for the benchmarks:
// 10 accounts over 20 years, 200,000 transactions with categories, some split transactions
// and transfers, and recurring rows. The same seed always gives the same file.
class LargeDatabase
{
public:
    static constexpr int transactionCount = 200000;
    static constexpr int accountCount = 10;
    static constexpr int years = 20;

    // The account holding the most transactions (over 50,000).
    static QString largestAccountId();

    // Creates the file at `path` (which must not exist). Returns false on any failure.
    static bool generate(const QString& path);

    // The database a benchmark runs on: `path` when that file exists; otherwise one generated
    // there (or in a temporary file when `path` is empty). Empty when generating failed.
    static QString openOrGenerate(const QString& path);
};
