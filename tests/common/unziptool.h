#pragma once

#include <QByteArray>
#include <QString>

// Asks Info-ZIP's unzip whether an archive is sound, so that archives are checked by a common
// ZIP tool and not only by our own reader. Tests skip the check where unzip is not installed.
class UnzipTool
{
public:
    static bool isAvailable();
    // Runs "unzip -tq" on the bytes; output receives what unzip printed.
    static bool accepts(const QByteArray& archive, QString* output = nullptr);
};
