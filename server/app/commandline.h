#pragma once

#include <QProcessEnvironment>
#include <QStringList>

namespace PennibarServer {

// The pennibar-server command line:
//   pennibar-server [--config FILE] serve
//   pennibar-server [--config FILE] user add EMAIL [--name NAME]
//   pennibar-server [--config FILE] user list | user disable EMAIL | user enable EMAIL
//   pennibar-server [--config FILE] group create EMAIL [--name NAME]
//   pennibar-server [--config FILE] copy-to DATABASE | reset-cursors
// Returns the process exit code: 0 done, 1 failed, 2 wrong usage.
class CommandLine
{
public:
    static int run(const QStringList& arguments, const QProcessEnvironment& environment);
};

} // namespace PennibarServer
