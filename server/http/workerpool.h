#pragma once

#include "server/http/requestrunner.h"

#include <QMutex>
#include <QString>
#include <QWaitCondition>

#include <deque>
#include <memory>
#include <optional>
#include <vector>

class QThread;

namespace PennibarServer {

// Runs requests on threads of its own, so that a slow one (a password hash, a large push) holds
// up its own thread only, never the event loop that serves every connection. Each thread has
// handlers of its own, made on that thread and used only there, since a database connection
// belongs to the thread that opened it; between requests the thread runs its own event loop,
// for whatever its handlers started (a mail command, say). Requests wait in one queue, taken in
// order by whichever thread is free.
class WorkerPool : public RequestRunner
{
public:
    // One thread's request handlers.
    class Handlers
    {
    public:
        virtual ~Handlers() = default;
        virtual HttpResponse handle(const HttpRequest& request) = 0;
    };
    // Makes one thread's handlers, on that thread; null with `error` set when it cannot.
    using MakeHandlers = std::function<std::unique_ptr<Handlers>(QString* error)>;

    WorkerPool(int threads, MakeHandlers makeHandlers);
    // Drops the requests no thread has taken yet, and waits for those being handled.
    ~WorkerPool() override;

    // Starts the threads and waits until each has its handlers; false with `error` set when one
    // could not make them.
    bool start(QString* error);
    // `receiver` must outlive the pool.
    void run(HttpRequest request, QObject* receiver, Done done) override;

private:
    class Worker;
    struct Job
    {
        HttpRequest request;
        QObject* receiver;
        Done done;
    };

    void reportStarted(const QString& error);
    // The next request for `worker`; when none waits, the worker is filed as idle and is sent
    // the next one that comes.
    std::optional<Job> nextJob(Worker* worker);
    void stop();

    int m_threadCount;
    MakeHandlers m_makeHandlers;
    std::vector<std::unique_ptr<QThread>> m_threads;
    std::vector<std::unique_ptr<Worker>> m_workers;
    QMutex m_mutex;
    QWaitCondition m_threadStarted;
    std::deque<Job> m_jobs;
    std::vector<Worker*> m_idle;
    int m_startedThreads = 0;
    QString m_startError;
    bool m_stopping = false;
};

} // namespace PennibarServer
