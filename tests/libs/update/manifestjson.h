#pragma once

#include <QJsonDocument>
#include <QJsonObject>
#include <QString>
#include <QUrl>

// Release manifests for the tests, valid unless a test spoils them.
namespace ManifestJson {

inline QJsonObject artifact(const QString& version, const QUrl& notesUrl = QUrl())
{
    QJsonObject artifact{
        {"version", version},
        {"released_at", "2025-03-01T12:00:00Z"},
        {"url", QStringLiteral("https://127.0.0.1/downloads/pennibar-%1.exe").arg(version)},
        {"size", 48213504},
        {"sha256", QString(64, QLatin1Char('a'))},
    };
    if (notesUrl.isValid())
        artifact.insert("release_notes_url", notesUrl.toString());
    return artifact;
}

inline QJsonObject manifest(const QString& platform, const QJsonObject& artifact)
{
    return {{"schema", 1},
            {"app", "pennibar"},
            {"channel", "stable"},
            {"artifacts", QJsonObject{{platform, artifact}}}};
}

inline QByteArray bytes(const QJsonObject& object)
{
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

} // namespace ManifestJson
