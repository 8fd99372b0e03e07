#pragma once

#include "server/sync/syncchange.h"

#include <QCoreApplication>
#include <QJsonValue>

#include <optional>

namespace PennibarServer {

// Reads one element of a push's "changes" array. A change that cannot be stored (unknown type
// or action, a field of the wrong type, an account-bound row without an account) is refused with
// a message; the rest of the batch goes on.
class ChangeReader
{
    Q_DECLARE_TR_FUNCTIONS(ChangeReader)

public:
    // The change, or nothing with `error` saying why.
    static std::optional<SyncChange> read(const QJsonObject& change, qint64 now, QString* error);

    // What a push result names the change by, even when it could not be read.
    static QString entityType(const QJsonObject& change);
    static QString entityId(const QJsonObject& change);

private:
    static bool checkField(const QJsonValue& value, int kind, const QString& name, QString* error);
};

} // namespace PennibarServer
