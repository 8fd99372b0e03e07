#pragma once

#include <QTcpServer>
#include <QUrl>

// The app's side of a browser sign-in: a one-shot HTTP listener on 127.0.0.1 that records the
// request the browser is redirected to.
class LoopbackListener
{
public:
    LoopbackListener();

    QString redirectUri() const;
    // The URL of the request received, waiting for it up to `timeoutMs`; invalid when none came.
    QUrl waitForCallback(int timeoutMs = 10000);

private:
    QTcpServer m_server;
    QUrl m_received;
};
