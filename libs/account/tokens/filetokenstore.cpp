#include "libs/account/tokens/filetokenstore.h"

#include "libs/account/accountlog.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QSaveFile>
#include <QStandardPaths>

namespace TovAccount {

FileTokenStore::FileTokenStore(const QString& filePath) : m_filePath(filePath) {}

QString FileTokenStore::defaultFilePath(const QString& serviceName)
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Tovarly/%1/tokens.json").arg(serviceName);
}

std::optional<QString> FileTokenStore::load(const QString& key)
{
    const QJsonValue value = readAll().value(key);
    if (!value.isString())
        return std::nullopt;
    return value.toString();
}

bool FileTokenStore::save(const QString& key, const QString& value)
{
    QJsonObject tokens = readAll();
    tokens.insert(key, value);
    return writeAll(tokens);
}

bool FileTokenStore::remove(const QString& key)
{
    QJsonObject tokens = readAll();
    if (!tokens.contains(key))
        return false;
    tokens.remove(key);
    if (tokens.isEmpty())
        return QFile::remove(m_filePath);
    return writeAll(tokens);
}

QJsonObject FileTokenStore::readAll() const
{
    QFile file(m_filePath);
    if (!file.exists())
        return {};
    if (!file.open(QIODevice::ReadOnly)) {
        qCWarning(lcAccount) << "FileTokenStore: cannot read" << m_filePath << file.errorString();
        return {};
    }
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll());
    if (!document.isObject()) {
        qCWarning(lcAccount) << "FileTokenStore: ignoring unreadable token file" << m_filePath;
        return {};
    }
    return document.object();
}

bool FileTokenStore::writeAll(const QJsonObject& tokens) const
{
    const QFileInfo info(m_filePath);
    const QString folder = info.absolutePath();
    if (!QDir().mkpath(folder)) {
        qCWarning(lcAccount) << "FileTokenStore: cannot create" << folder;
        return false;
    }
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                      QFile::ReadUser | QFile::WriteUser | QFile::ExeUser);

    QSaveFile file(m_filePath);
    // Restricted before the first byte goes in; an older file's looser mode is not kept.
    if (!file.open(QIODevice::WriteOnly) ||
        !file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser |
                             QFile::WriteUser) ||
        file.write(QJsonDocument(tokens).toJson(QJsonDocument::Compact)) < 0 || !file.commit()) {
        qCWarning(lcAccount) << "FileTokenStore: cannot write" << m_filePath << file.errorString();
        return false;
    }
    return true;
}

} // namespace TovAccount
