#include "fuzz/fuzzapplication.h"
#include "libs/account/signin/webauthhandler.h"

#include <QElapsedTimer>
#include <QHostAddress>
#include <QTcpSocket>

// The sign-in listener on the loopback interface, sent whatever a local process or a web page
// might send it over a real connection. It waits for the state "xyz" (the corpus's callback
// carries it), so inputs reach both the accepted callback and every refusal. A request with a
// line end is answered and the connection closed by the listener; without one the client hangs
// up mid-line.
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    FuzzApplication::init(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    TovAccount::WebAuthHandler handler(QStringLiteral("xyz"));
    if (handler.start().isEmpty())
        abort();
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, handler.port());
    if (!socket.waitForConnected(2000))
        abort();
    socket.write(reinterpret_cast<const char*>(data), qint64(size));
    socket.flush();

    const bool answered =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size))
            .contains('\n');
    QElapsedTimer timer;
    timer.start();
    const int patienceMs = answered ? 2000 : 5;
    while (socket.state() != QAbstractSocket::UnconnectedState && timer.elapsed() < patienceMs) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
        socket.waitForReadyRead(1);
    }
    socket.abort();
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return 0;
}
