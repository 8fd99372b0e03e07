#include "server/sync/changereader.h"

#include "server/core/isotime.h"
#include "server/sync/entityschema.h"

#include <QJsonArray>
#include <QJsonDocument>

#include <cmath>

namespace PennibarServer {

namespace {

// Integers beyond this lose precision in JSON numbers.
constexpr double kLargestInteger = 9007199254740992.0;
constexpr qsizetype kMaximumIdLength = 128;
constexpr qsizetype kMaximumPayloadBytes = 256 * 1024;
constexpr qsizetype kMaximumSplitLines = 1000;

bool isInteger(const QJsonValue& value)
{
    if (!value.isDouble())
        return false;
    // The range first: converting a double beyond qint64 to it is undefined.
    const double number = value.toDouble();
    return qAbs(number) <= kLargestInteger && number == std::trunc(number);
}

bool isIdentifier(const QString& text)
{
    return !text.isEmpty() && text.size() <= kMaximumIdLength &&
           std::none_of(text.cbegin(), text.cend(), [](QChar c) {
               return c.isSpace() || c.category() == QChar::Other_Control;
           });
}

} // namespace

QString ChangeReader::entityType(const QJsonObject& change)
{
    return change.value(QStringLiteral("entity_type")).toString();
}

QString ChangeReader::entityId(const QJsonObject& change)
{
    return change.value(QStringLiteral("entity_id")).toString();
}

bool ChangeReader::checkField(const QJsonValue& value, int kind, const QString& name,
                              QString* error)
{
    switch (EntitySchema::FieldKind(kind)) {
    case EntitySchema::FieldKind::Text:
        if (value.isString())
            return true;
        *error = tr("\"%1\" must be a string.").arg(name);
        return false;
    case EntitySchema::FieldKind::Integer:
        if (isInteger(value))
            return true;
        *error = tr("\"%1\" must be a whole number.").arg(name);
        return false;
    case EntitySchema::FieldKind::Boolean:
        if (value.isBool())
            return true;
        *error = tr("\"%1\" must be true or false.").arg(name);
        return false;
    case EntitySchema::FieldKind::SplitLines:
        break;
    }
    const QJsonArray lines = value.toArray();
    if (!value.isArray() || lines.size() > kMaximumSplitLines) {
        *error =
            tr("\"split_lines\" must be an array of at most %1 lines.").arg(kMaximumSplitLines);
        return false;
    }
    for (const QJsonValue& line : lines) {
        const QJsonObject object = line.toObject();
        if (!line.isObject() || !object.value(QStringLiteral("category_id")).isString() ||
            !isInteger(object.value(QStringLiteral("amount"))) ||
            !(object.value(QStringLiteral("memo")).isString() ||
              object.value(QStringLiteral("memo")).isUndefined())) {
            *error = tr("Each split line needs a string \"category_id\", a whole-number "
                        "\"amount\" and a string \"memo\".");
            return false;
        }
    }
    return true;
}

std::optional<SyncChange> ChangeReader::read(const QJsonObject& object, qint64 now, QString* error)
{
    SyncChange change;
    change.schema = EntitySchema::find(entityType(object));
    if (!change.schema) {
        *error = tr("Unknown entity type.");
        return std::nullopt;
    }
    change.clientId = entityId(object);
    if (!isIdentifier(change.clientId)) {
        *error = tr("\"entity_id\" must be a non-empty identifier of at most %1 characters.")
                     .arg(kMaximumIdLength);
        return std::nullopt;
    }
    const QString action = object.value(QStringLiteral("action")).toString();
    if (action != QLatin1String("upsert") && action != QLatin1String("delete")) {
        *error = tr("\"action\" must be \"upsert\" or \"delete\".");
        return std::nullopt;
    }
    change.isDelete = action == QLatin1String("delete");
    const QJsonValue version = object.value(QStringLiteral("version"));
    if (!isInteger(version) || version.toDouble() < 0) {
        *error = tr("\"version\" must be a whole number of at least 0.");
        return std::nullopt;
    }
    change.version = qint64(version.toDouble());
    const QJsonValue payload = object.value(QStringLiteral("payload"));
    if (!payload.isObject()) {
        *error = tr("\"payload\" must be an object.");
        return std::nullopt;
    }
    change.payload = payload.toObject();
    for (const EntitySchema::Field& field : change.schema->fields()) {
        const QJsonValue value = change.payload.value(field.name);
        if (value.isUndefined() || value.isNull())
            continue;
        if (!checkField(value, int(field.kind), field.name, error))
            return std::nullopt;
    }
    const QString payloadClientId = change.payload.value(QStringLiteral("client_id")).toString();
    if (!payloadClientId.isEmpty() && payloadClientId != change.clientId) {
        *error = tr("\"payload\" → \"client_id\" differs from \"entity_id\".");
        return std::nullopt;
    }
    if (QJsonDocument(change.payload).toJson(QJsonDocument::Compact).size() >
        kMaximumPayloadBytes) {
        *error = tr("The payload is larger than %1 KiB.").arg(kMaximumPayloadBytes / 1024);
        return std::nullopt;
    }

    change.serverIdHint = change.payload.value(QStringLiteral("server_id")).toString();
    change.payload.remove(QStringLiteral("server_id"));
    // Which account the row belongs to is the server's to tell; the hint only picks one.
    change.accountServerIdHint =
        change.payload.take(QStringLiteral("account_server_id")).toString();
    change.payload.remove(QStringLiteral("version"));
    change.payload.remove(QStringLiteral("id"));
    // Only the server says that a row was taken away from a user (a pulled record's
    // "withdrawn"); a device cannot make another device drop a row that way.
    change.payload.remove(QStringLiteral("withdrawn"));
    change.payload.insert(QStringLiteral("client_id"), change.clientId);
    const QString deletedAt = change.payload.value(QStringLiteral("deleted_at")).toString();
    if (change.isDelete && deletedAt.isEmpty())
        change.payload.insert(QStringLiteral("deleted_at"), isoTime(now));
    else if (!change.isDelete)
        change.payload.remove(QStringLiteral("deleted_at"));

    if (change.schema->isAccountBound()) {
        change.accountId = change.schema->isAccount()
                               ? change.clientId
                               : change.payload.value(QStringLiteral("account_id")).toString();
        if (change.accountId.isEmpty()) {
            *error = tr("\"payload\" → \"account_id\" is required.");
            return std::nullopt;
        }
    }
    auto addCategory = [&](const QJsonValue& value) {
        const QString id = value.toString();
        if (!id.isEmpty() && !change.categoryIds.contains(id))
            change.categoryIds.append(id);
    };
    // A category refers to its parent, the other rows to the categories they are booked to.
    addCategory(change.payload.value(QStringLiteral("parent_id")));
    addCategory(change.payload.value(QStringLiteral("category_id")));
    for (const QJsonValue& line : change.payload.value(QStringLiteral("split_lines")).toArray())
        addCategory(line.toObject().value(QStringLiteral("category_id")));
    return change;
}

} // namespace PennibarServer
