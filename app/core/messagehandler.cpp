#include "app/core/messagehandler.h"

#include <QString>

#include <cstdio>

void filteredMessageHandler(QtMsgType type, const QMessageLogContext& /*context*/,
                            const QString& message)
{
    switch (type) {
    case QtDebugMsg:
    case QtInfoMsg:
        return;
    case QtWarningMsg:
        std::fprintf(stderr, "WARN: %s\n", message.toLocal8Bit().constData());
        break;
    case QtCriticalMsg:
    case QtFatalMsg:
        std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
        break;
    }
    std::fflush(stderr);
}
