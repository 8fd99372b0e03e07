#include "tests/libs/account/browserstub.h"

#include <QDesktopServices>
#include <QTimer>

BrowserStub::BrowserStub()
{
    QDesktopServices::setUrlHandler(QStringLiteral("http"), this, "open");
    QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "open");
}

BrowserStub::~BrowserStub()
{
    QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
}

void BrowserStub::open(const QUrl& url)
{
    opened.append(url);
    if (onOpen)
        QTimer::singleShot(0, this, [this, url] { onOpen(url); });
}
