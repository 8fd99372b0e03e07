#include "app/core/messagehandler.h"

#include <QFile>
#include <QTemporaryFile>
#include <QTest>

#include <unistd.h>

// Runs `produce` with standard error redirected to a file and returns what was printed.
template <typename Produce> static QByteArray captureStandardError(Produce produce)
{
    QTemporaryFile capture;
    if (!capture.open())
        return "cannot open capture file";
    std::fflush(stderr);
    const int saved = dup(STDERR_FILENO);
    dup2(capture.handle(), STDERR_FILENO);
    produce();
    std::fflush(stderr);
    dup2(saved, STDERR_FILENO);
    close(saved);
    QFile readBack(capture.fileName());
    readBack.open(QIODevice::ReadOnly);
    return readBack.readAll();
}

class TestMessageHandler : public QObject
{
    Q_OBJECT

private slots:
    void init() { qInstallMessageHandler(filteredMessageHandler); }
    void cleanup() { qInstallMessageHandler(nullptr); }

    void quietLevelsPrintNothing();
    void warningsArePrefixed();
    void criticalsPrintBare();
};

void TestMessageHandler::quietLevelsPrintNothing()
{
    const QByteArray printed = captureStandardError([] {
        qDebug() << "debug detail";
        qInfo() << "info detail";
    });
    QCOMPARE(printed, QByteArray());
}

void TestMessageHandler::warningsArePrefixed()
{
    const QByteArray printed = captureStandardError([] { qWarning("x"); });
    QCOMPARE(printed, QByteArray("WARN: x\n"));
}

void TestMessageHandler::criticalsPrintBare()
{
    const QByteArray printed = captureStandardError([] { qCritical("disk on fire"); });
    QCOMPARE(printed, QByteArray("disk on fire\n"));
}

QTEST_GUILESS_MAIN(TestMessageHandler)
#include "tst_messagehandler.moc"
