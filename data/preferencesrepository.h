#pragma once

#include "data/repository.h"

#include <optional>

// Key/value settings that travel with the data (theme, font scale, register options, sync
// cursor). Values are plain text; each key's meaning and default live where it is used.
class PreferencesRepository : public Repository
{
    Q_OBJECT

public:
    PreferencesRepository(Database* database, QObject* parent = nullptr);

    std::optional<QString> getOptional(const QString& key) const;
    QString get(const QString& key, const QString& defaultValue = QString()) const;
    // True only for the exact texts "1" and "true".
    bool getBool(const QString& key, bool defaultValue) const;

    bool set(const QString& key, const QString& value);
    bool setBool(const QString& key, bool value);
    bool setInt(const QString& key, int value);
    bool remove(const QString& key);

protected:
    void emitChange(const QString& key) override;

signals:
    // After every successful set, also when the value did not change.
    void changed(const QString& key);
};
