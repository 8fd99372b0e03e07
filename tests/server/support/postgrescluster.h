#pragma once

#include <QString>
#include <QTemporaryDir>

// A throwaway PostgreSQL cluster for one test process: initdb and pg_ctl from Debian's
// postgresql package in a temporary directory, listening only on a Unix socket there, stopped
// and removed at exit. initdb refuses to run as root, so as root the cluster runs as the
// package's "postgres" user (runuser), in a directory that user owns.
class PostgresCluster
{
public:
    // The process's cluster, started on first use.
    static PostgresCluster& shared();
    ~PostgresCluster();

    bool isRunning() const { return m_running; }
    const QString& error() const { return m_error; }
    // Creates a new empty database and returns its URL for the server's "database" setting.
    QString createDatabase();
    // Restarts the cluster, ending every connection to it.
    bool restart();
    // Stops the cluster (ending every connection) and starts it again, for outages of a
    // chosen length.
    bool stop();
    bool start();

private:
    PostgresCluster();
    bool run(const QString& program, const QStringList& arguments, bool asOwner);
    bool control(const QString& action);

    QTemporaryDir m_dir;
    QString m_binaries;
    bool m_running = false;
    QString m_error;
    int m_databases = 0;
};
