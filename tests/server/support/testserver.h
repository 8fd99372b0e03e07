#pragma once

#include "tests/server/support/httpclient.h"

#include "server/app/serverinstance.h"

#include <QBuffer>
#include <QMap>
#include <QTemporaryDir>

#include <memory>

// A real server on 127.0.0.1 with an ephemeral port and a fresh data directory, running in the
// test's own event loop. `settings` are configuration keys as in the configuration file.
class TestServer
{
public:
    explicit TestServer(const QMap<QString, QString>& settings = {});
    // Starts a second instance on another data directory but the same settings (for example the
    // same PostgreSQL database and token secret).
    TestServer(const QMap<QString, QString>& settings, const QString& dataDir);

    bool isRunning() const { return m_running; }
    const QString& startError() const { return m_error; }
    PennibarServer::ServerInstance& instance() { return *m_instance; }
    QUrl baseUrl() const { return m_instance->baseUrl(); }
    HttpClient client() const { return HttpClient(baseUrl()); }
    QString dataDir() const { return m_dataDir; }
    // The access log lines written so far.
    QStringList accessLog() const;

    // Creates a user directly in the store; returns the new id (empty on failure).
    QString addUser(const QString& email, const QString& password = QStringLiteral("password1"),
                    const QString& displayName = QString());
    // Signs in through the browser page; the client carries the access token.
    HttpClient signedIn(const QString& email, const QString& password = QStringLiteral("password1"),
                        QString* refreshToken = nullptr) const;

private:
    void start(QMap<QString, QString> settings);

    QTemporaryDir m_temporary;
    QString m_dataDir;
    QBuffer m_accessLog;
    std::unique_ptr<PennibarServer::ServerInstance> m_instance;
    bool m_running = false;
    QString m_error;
};
