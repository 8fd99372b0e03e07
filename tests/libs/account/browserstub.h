#pragma once

#include <QList>
#include <QObject>
#include <QUrl>

#include <functional>

// Plays the system browser for as long as it lives: every http and https URL handed to
// QDesktopServices::openUrl lands here instead of leaving the machine.
class BrowserStub : public QObject
{
    Q_OBJECT

public:
    BrowserStub();
    ~BrowserStub() override;

    QList<QUrl> opened;
    // What the user and the site then do, run from the event loop after the URL is opened.
    std::function<void(const QUrl&)> onOpen;

public slots:
    void open(const QUrl& url);
};
