#include "server/app/commandline.h"

#include <QCoreApplication>
#include <QProcessEnvironment>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("pennibar-server"));
    QCoreApplication::setApplicationVersion(QStringLiteral(PENNIBAR_SERVER_VERSION));
    return PennibarServer::CommandLine::run(QCoreApplication::arguments(),
                                            QProcessEnvironment::systemEnvironment());
}
