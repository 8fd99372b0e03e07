#pragma once

#include <QObject>
#include <QStringList>

#include <chrono>
#include <memory>

class QLocalServer;
class QLocalSocket;
class QLockFile;

// One running Pennibar for each data directory. The first start holds a lock file beside the
// database, so no second process ever opens it, and listens on a local socket of the user's;
// a later start hands the files it was given to that process and ends.
class SingleInstance : public QObject
{
    Q_OBJECT

public:
    enum class Outcome
    {
        // This process holds the data directory and takes requests from later starts.
        Primary,
        // The process that holds the data directory took the files; this one should end.
        HandedOver,
        // Another process holds the data directory but took nothing within the patience given.
        NoAnswer,
    };

    explicit SingleInstance(const QString& dataDirectory, QObject* parent = nullptr);
    ~SingleInstance() override;

    // Becomes the process of the data directory, or hands `paths` (absolute, possibly none) to
    // the one that already is, trying again for as long as `patience` allows: that process
    // may be starting (it holds the lock but does not listen yet) or closing (it no longer
    // listens but still holds the lock).
    Outcome claim(const QStringList& paths,
                  std::chrono::milliseconds patience = std::chrono::seconds(5));

    // The local socket of a data directory: in the user's runtime folder on Linux, named after
    // the user on Windows; the same for every spelling of the directory's path.
    static QString serverName(const QString& dataDirectory);

signals:
    // A later start asked to be shown, with the files it was given (none to just come forward).
    void openRequested(const QStringList& paths);

private:
    bool handOver(const QStringList& paths, std::chrono::milliseconds patience);
    void listen();
    void serve(QLocalSocket* socket);

    QString m_dataDirectory;
    std::unique_ptr<QLockFile> m_lock;
    QLocalServer* m_server = nullptr;
};
