#pragma once

#include <QObject>
#include <QTimer>

namespace PennibarServer {

// Gives memory that connections no longer use back to the system, so that a burst of large
// requests does not leave the server holding its peak for good. Large blocks, request bodies
// among them, come straight from the system and go back as soon as they are freed; what the
// many small blocks of a request leave scattered over the heap is trimmed shortly after.
class HeapTrimmer : public QObject
{
public:
    explicit HeapTrimmer(QObject* parent = nullptr);

    // Makes the allocator hand every large block straight back to the system when it is freed
    // (by default it raises that threshold to the largest block freed so far, keeping request
    // bodies in the heap). For the whole process; once is enough.
    static void returnLargeBlocksAtOnce();
    // Trims the heaps within a second; calls in between are folded into that one.
    void trimSoon();

private:
    QTimer m_timer;
};

} // namespace PennibarServer
