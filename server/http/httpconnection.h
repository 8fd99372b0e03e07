#pragma once

#include "server/http/bodybudget.h"
#include "server/http/httprequestreader.h"
#include "server/http/httpresponse.h"

#include <QElapsedTimer>
#include <QFile>
#include <QObject>
#include <QTimer>

#include <memory>

class QTcpSocket;

namespace PennibarServer {

// One client connection. It reads one request at a time against deadlines that no trickle of
// bytes extends, holds a body only with room for it in the server's body budget, hands each
// whole request over, writes the answer and then waits for the next request or closes.
class HttpConnection : public QObject
{
    Q_OBJECT

public:
    struct Settings
    {
        HttpRequestReader::Limits limits;
        // From acceptance, or from the first byte of a later request, to the end of the head.
        int headTimeoutMs = 20000;
        // From the end of the head to the end of the body.
        int bodyTimeoutMs = 120000;
        // A kept connection's wait for its next request, and a response's wait for the client
        // to take more of it.
        int idleTimeoutMs = 120000;
    };

    // A whole request as it came, with the room its body holds in the budget.
    struct Received
    {
        RequestHead head;
        QByteArray body;
        std::optional<BodyBudget::Reservation> reservation;
    };

    // Takes `socket` over.
    HttpConnection(QTcpSocket* socket, const Settings& settings, BodyBudget& budget,
                   QObject* parent);

    QTcpSocket* socket() const { return m_socket; }
    // The request that requestReceived() announced.
    Received takeRequest();
    // The head of the request being read, refused or answered; null before one is read.
    const RequestHead* head() const;

    // Whether the connection waits for a request (none being read or answered), and since
    // when: the one waiting longest makes room when the server is full.
    bool isWaiting() const { return m_phase == Phase::AwaitingHead; }
    qint64 waitingMs() const { return m_since.elapsed(); }

    // Answers the request handed out last; then the connection waits for the next one, or
    // closes when the request asked for that.
    void respond(const HttpResponse& response, bool headOnly);
    // Answers before reading any (further) request, and closes.
    void refuse(const HttpResponse& response);
    // Drops the connection now.
    void drop();

signals:
    void requestReceived(HttpConnection* connection);
    // The connection answered by itself: a malformed or too large request, or a deadline.
    void refused(HttpConnection* connection, int status);
    // The connection is closed and may be deleted.
    void finished(HttpConnection* connection);

private:
    enum class Phase
    {
        AwaitingHead,
        ReadingBody,
        Handling,   // the server has the request
        Responding, // the response is being written
        Closing,    // the last response is written; waiting for the client to go
        Gone,
    };

    void readInput();
    bool onHeadRead();
    // Widens the body's room in the budget; false (and refused) when there is none.
    bool holdBody(qint64 bytes);
    void refuseAsBusy();
    void onRequestRead();
    void writeMore();
    bool isFlushed() const;
    void onBytesWritten(qint64 bytes);
    void endResponse();
    void startWaiting();
    void closeGently();
    void shutDownSending();
    void onDeadline();
    void finish();

    QTcpSocket* m_socket;
    const Settings& m_settings;
    BodyBudget& m_budget;
    HttpRequestReader m_reader;
    // Bytes read from the socket that the reader has not taken yet.
    QByteArray m_input;
    qsizetype m_inputAt = 0;
    std::optional<BodyBudget::Reservation> m_reservation;
    std::unique_ptr<QFile> m_file;
    QTimer m_deadline;
    QElapsedTimer m_since;
    qint64 m_written = 0; // of the response, since the deadline last moved
    Phase m_phase = Phase::AwaitingHead;
    bool m_answeredBefore = false;
    bool m_closeAfterResponse = false;
};

} // namespace PennibarServer
