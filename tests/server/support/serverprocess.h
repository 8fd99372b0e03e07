#pragma once

#include <QHash>
#include <QMap>
#include <QProcess>
#include <QTemporaryDir>
#include <QUrl>

#include <vector>

// A pennibar-server started as its own process, for a benchmark or a test that watches the
// server's memory, processor time or descriptors as its own.
class ServerProcess
{
public:
    // `database` is empty for SQLite in the data directory, or a PostgreSQL URL; `settings` are
    // further configuration keys as in the configuration file. With `openFileLimit` above 0, the
    // server may hold no more descriptors than that.
    ServerProcess(const QString& executable, const QString& database,
                  const QMap<QString, QString>& settings = {}, int openFileLimit = 0);
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
    // The processor time the server has used so far, in seconds.
    double cpuSeconds() const;
    // The file descriptors the server holds open.
    int openDescriptors() const;
    // What the server has handed to write calls so far, in MiB.
    double writtenMiB() const;
    // The access log's lines so far, in the order the responses went out.
    QStringList accessLog() const;
    // From the access log: the milliseconds the server spent on each request, per
    // "METHOD PATH".
    QHash<QString, std::vector<double>> handlingTimes() const;

private:
    QProcessEnvironment environment() const;
    bool launch(const QString& listen);
    double statusMiB(const char* field) const;

    QString m_executable;
    QString m_database;
    QMap<QString, QString> m_settings;
    QTemporaryDir m_data;
    QProcess m_process;
    QUrl m_base;
};
