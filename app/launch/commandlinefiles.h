#pragma once

#include <QString>
#include <QStringList>

// The files named on a command line (after the program itself, and after Qt took its own
// options), as a file manager passes them: plain paths, relative to `workingDirectory` or
// absolute, or local file:// URLs. Returns the absolute paths of those that are existing files,
// each once, in order; anything else is left out with a warning.
QStringList filesFromCommandLine(const QStringList& arguments, const QString& workingDirectory);
