#include "server/http/workerpool.h"

#include <QMetaObject>
#include <QThread>

#include <utility>

namespace PennibarServer {

// Lives on its thread: makes the handlers there, runs requests one at a time and lets the
// thread's event loop run between them.
class WorkerPool::Worker : public QObject
{
public:
    explicit Worker(WorkerPool& pool) : m_pool(pool) {}

    void start()
    {
        QString error;
        m_handlers = m_pool.m_makeHandlers(&error);
        m_pool.reportStarted(m_handlers ? QString() : error);
        if (m_handlers)
            takeJob();
    }

    void takeJob()
    {
        std::optional<Job> job = m_pool.nextJob(this);
        if (!job)
            return;
        HttpResponse response = m_handlers->handle(job->request);
        // `done` leaves this thread whole, so that it (and what it holds) ends on the
        // receiver's thread, where it began.
        QMetaObject::invokeMethod(
            job->receiver,
            [done = std::exchange(job->done, nullptr), response = std::move(response)] {
                done(response);
            },
            Qt::QueuedConnection);
        // The next one after whatever else waits in this thread's event loop.
        QMetaObject::invokeMethod(this, &Worker::takeJob, Qt::QueuedConnection);
    }

    void stop()
    {
        // Here, on its own thread: that is where its database connection closes.
        m_handlers.reset();
        QThread::currentThread()->quit();
    }

private:
    WorkerPool& m_pool;
    std::unique_ptr<Handlers> m_handlers;
};

WorkerPool::WorkerPool(int threads, MakeHandlers makeHandlers)
    : m_threadCount(threads), m_makeHandlers(std::move(makeHandlers))
{
}

WorkerPool::~WorkerPool()
{
    stop();
}

bool WorkerPool::start(QString* error)
{
    for (int i = 0; i < m_threadCount; ++i) {
        auto thread = std::make_unique<QThread>();
        thread->setObjectName(QStringLiteral("worker %1").arg(i + 1));
        auto worker = std::make_unique<Worker>(*this);
        worker->moveToThread(thread.get());
        QObject::connect(thread.get(), &QThread::started, worker.get(), &Worker::start);
        thread->start();
        m_threads.push_back(std::move(thread));
        m_workers.push_back(std::move(worker));
    }
    QMutexLocker lock(&m_mutex);
    while (m_startedThreads < m_threadCount)
        m_threadStarted.wait(&m_mutex);
    if (m_startError.isEmpty())
        return true;
    *error = m_startError;
    lock.unlock();
    stop();
    return false;
}

void WorkerPool::run(HttpRequest request, QObject* receiver, Done done)
{
    QMutexLocker lock(&m_mutex);
    if (m_stopping)
        return;
    m_jobs.push_back({std::move(request), receiver, std::move(done)});
    if (!m_idle.empty()) {
        QMetaObject::invokeMethod(m_idle.back(), &Worker::takeJob, Qt::QueuedConnection);
        m_idle.pop_back();
    }
}

void WorkerPool::reportStarted(const QString& error)
{
    QMutexLocker lock(&m_mutex);
    if (m_startError.isEmpty())
        m_startError = error;
    ++m_startedThreads;
    m_threadStarted.wakeAll();
}

std::optional<WorkerPool::Job> WorkerPool::nextJob(Worker* worker)
{
    QMutexLocker lock(&m_mutex);
    if (m_stopping)
        return std::nullopt;
    if (m_jobs.empty()) {
        m_idle.push_back(worker);
        return std::nullopt;
    }
    Job job = std::move(m_jobs.front());
    m_jobs.pop_front();
    return job;
}

void WorkerPool::stop()
{
    {
        QMutexLocker lock(&m_mutex);
        m_stopping = true;
        m_jobs.clear();
        m_idle.clear();
    }
    for (const auto& worker : m_workers)
        QMetaObject::invokeMethod(worker.get(), &Worker::stop, Qt::QueuedConnection);
    for (const auto& thread : m_threads)
        thread->wait();
    m_workers.clear();
    m_threads.clear();
}

} // namespace PennibarServer
