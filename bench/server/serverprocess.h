#pragma once

#include <QHash>
#include <QProcess>
#include <QTemporaryDir>
#include <QUrl>

#include <vector>

// A pennibar-server started as its own process for a benchmark, so its memory is its own.
class ServerProcess
{
public:
    // `database` is empty for SQLite in the data directory, or a PostgreSQL URL.
    ServerProcess(const QString& executable, const QString& database);
    ~ServerProcess();

    bool isRunning() const { return m_base.isValid(); }
    const QUrl& base() const { return m_base; }
    // Creates a user through the command line ("user add"); false on failure.
    bool addUser(const QString& email, const QString& password) const;
    // Makes a family group owned by that user ("group create"); false on failure.
    bool createGroup(const QString& ownerEmail) const;
    // Stops the server (SIGTERM, as a service manager would) and starts it again on the same
    // data and the same port; false when it does not come back.
    bool restart();
    // The server's resident memory now, in MiB.
    double memoryMiB() const;
    // The server's peak resident memory since start or the last reset, in MiB.
    double peakMemoryMiB() const;
    void resetPeakMemory() const;
    // What the server has handed to write calls so far, in MiB.
    double writtenMiB() const;
    // From the access log: the milliseconds the server spent on each request, per
    // "METHOD PATH".
    QHash<QString, std::vector<double>> handlingTimes() const;

private:
    QProcessEnvironment environment() const;
    bool launch(const QString& listen);
    double statusMiB(const char* field) const;

    QString m_executable;
    QString m_database;
    QTemporaryDir m_data;
    QProcess m_process;
    QUrl m_base;
};
