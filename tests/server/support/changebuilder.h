#pragma once

#include <QJsonArray>
#include <QJsonObject>

// Push changes shaped exactly as the app sends them: {"entity_type", "entity_id", "action",
// "version", "payload"} with each entity's payload fields.
class ChangeBuilder
{
public:
    static QJsonObject account(const QString& id, const QString& name, qint64 version = 1);
    static QJsonObject category(const QString& id, const QString& name,
                                const QString& parentId = QString(), qint64 version = 1);
    static QJsonObject recurring(const QString& id, const QString& accountId, const QString& payee,
                                 qint64 version = 1);
    // A split transaction when `splitCategories` is not empty: one line per category.
    static QJsonObject transaction(const QString& id, const QString& accountId,
                                   const QString& payee, qint64 amount,
                                   const QString& categoryId = QString(),
                                   const QStringList& splitCategories = {}, qint64 version = 1);
    static QJsonObject reconciliation(const QString& id, const QString& accountId,
                                      qint64 version = 1);

    // The same change as a deletion ("action" "delete", "deleted_at" set).
    static QJsonObject deleted(QJsonObject change);
    static QJsonObject withVersion(QJsonObject change, qint64 version);
    static QJsonObject withServerId(QJsonObject change, const QString& serverId);
    static QJsonObject withPayload(QJsonObject change, const QString& key, const QJsonValue& value);

private:
    static QJsonObject change(const QString& type, const QString& id, qint64 version,
                              QJsonObject payload);
};
