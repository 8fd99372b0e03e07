#include "fuzz/fuzzapplication.h"

#include <QLoggingCategory>

namespace {

void dropMessage(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtFatalMsg) {
        fprintf(stderr, "qFatal: %s\n", qPrintable(message));
        abort();
    }
}

} // namespace

void FuzzApplication::init(int* argc, char*** argv)
{
    qInstallMessageHandler(dropMessage);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Never freed: libFuzzer exits from inside its loop, and the application must outlive it.
    new QCoreApplication(*argc, *argv);
}
