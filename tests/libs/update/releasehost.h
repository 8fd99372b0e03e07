#pragma once

#include <QByteArray>
#include <QHash>
#include <QHttpServer>
#include <QList>
#include <QString>
#include <QUrl>

// A release host on 127.0.0.1 for the tests: serves the files it is given, answers 404 for
// everything else, and remembers every request it saw.
class ReleaseHost
{
public:
    struct Request
    {
        QString path;
        QString userAgent;
    };

    ReleaseHost();

    // `status` other than 200 sends the body with that status.
    void serve(const QString& path, const QByteArray& body, int status = 200);
    void redirect(const QString& path, const QString& target);

    QUrl url(const QString& path) const;
    QList<Request> requests() const { return m_requests; }
    QStringList requestedPaths() const;

private:
    struct File
    {
        QByteArray body;
        int status = 200;
        QString location;
    };

    QHttpServer m_server;
    quint16 m_port = 0;
    QHash<QString, File> m_files;
    QList<Request> m_requests;
};
