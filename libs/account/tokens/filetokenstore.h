#pragma once

#include "libs/account/tokens/tokenstore.h"

#include <QJsonObject>
#include <QString>

namespace TovAccount {

// Keeps the tokens in a JSON file that only the user may read (mode 0600, in a 0700 folder),
// for machines without a secret store. Every write replaces the file whole, so a crash
// leaves either the old or the new tokens, never half of them.
class FileTokenStore : public TokenStore
{
public:
    explicit FileTokenStore(const QString& filePath);

    // "Tovarly/<service>/tokens.json" in the user's configuration folder.
    static QString defaultFilePath(const QString& serviceName);

    QString filePath() const { return m_filePath; }

    std::optional<QString> load(const QString& key) override;
    bool save(const QString& key, const QString& value) override;
    bool remove(const QString& key) override;

private:
    QJsonObject readAll() const;
    bool writeAll(const QJsonObject& tokens) const;

    QString m_filePath;
};

} // namespace TovAccount
