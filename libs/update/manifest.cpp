#include "libs/update/manifest.h"

#include "libs/update/downloadlink.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>

namespace TovUpdate {

namespace {

constexpr int supportedSchema = 1;

// "size" is a JSON number truncated to whole bytes; one too large for qint64 reads as invalid.
qint64 truncatedSize(const QJsonValue& size)
{
    const double bytes = size.toDouble(-1);
    return bytes >= 0 && bytes < 9.0e18 ? static_cast<qint64>(bytes) : -1;
}

QString missingString(const QString& key)
{
    return QStringLiteral("missing or non-string field: %1").arg(key);
}

// Reads one artifact object; on a fault returns nothing and sets `error`.
std::optional<Artifact> readArtifact(const QString& key, const QJsonObject& object, QString& error)
{
    for (const char* required : {"version", "released_at", "url", "sha256"}) {
        if (!object.value(QLatin1String(required)).isString()) {
            error = missingString(QLatin1String(required));
            return std::nullopt;
        }
    }

    Artifact artifact;
    artifact.version = object.value(QLatin1String("version")).toString();
    artifact.releasedAt =
        QDateTime::fromString(object.value(QLatin1String("released_at")).toString(), Qt::ISODate);
    artifact.url = QUrl(object.value(QLatin1String("url")).toString(), QUrl::TolerantMode);
    artifact.size = truncatedSize(object.value(QLatin1String("size")));
    artifact.sha256 = object.value(QLatin1String("sha256")).toString();
    artifact.mandatory = object.value(QLatin1String("mandatory")).toBool(false);
    artifact.minUpgradableFrom = object.value(QLatin1String("min_upgradable_from")).toString();
    const QString notes = object.value(QLatin1String("release_notes_url")).toString();
    if (!notes.isEmpty())
        artifact.releaseNotesUrl = QUrl(notes, QUrl::TolerantMode);

    // The URL is opened in the browser, so it must be a web address and not a local program.
    const bool accepted = !artifact.version.isEmpty() && artifact.releasedAt.isValid() &&
                          isDownloadLink(artifact.url) && artifact.size > 0 &&
                          artifact.sha256.size() == 64;
    if (!accepted) {
        error = QStringLiteral("artifact %1 failed validation").arg(key);
        return std::nullopt;
    }
    return artifact;
}

} // namespace

Manifest Manifest::fromJson(const QByteArray& body)
{
    Manifest manifest;
    manifest.read(body);
    if (manifest.isValid() && (manifest.m_app.isEmpty() || manifest.m_channel.isEmpty() ||
                               manifest.m_artifacts.isEmpty()))
        manifest.m_error = QStringLiteral("manifest failed validation");
    if (!manifest.isValid())
        manifest.m_artifacts.clear();
    return manifest;
}

std::optional<Artifact> Manifest::artifact(const QString& platformKey) const
{
    const auto found = m_artifacts.constFind(platformKey);
    if (found == m_artifacts.constEnd())
        return std::nullopt;
    return *found;
}

void Manifest::read(const QByteArray& body)
{
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(body, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        m_error = QStringLiteral("JSON parse error: %1").arg(parseError.errorString());
        return;
    }
    if (!document.isObject()) {
        m_error = QStringLiteral("manifest root is not a JSON object");
        return;
    }
    const QJsonObject root = document.object();

    const QJsonValue schema = root.value(QLatin1String("schema"));
    const double schemaNumber = schema.toDouble();
    if (!schema.isDouble() || std::trunc(schemaNumber) != schemaNumber) {
        m_error = QStringLiteral("missing or non-integer field: schema");
        return;
    }
    if (schemaNumber != supportedSchema) {
        m_error = QStringLiteral("unsupported manifest schema: %1 (expected %2)")
                      .arg(QString::number(schemaNumber, 'f', 0))
                      .arg(supportedSchema);
        return;
    }

    for (const char* key : {"app", "channel"}) {
        if (!root.value(QLatin1String(key)).isString()) {
            m_error = missingString(QLatin1String(key));
            return;
        }
    }
    m_app = root.value(QLatin1String("app")).toString();
    m_channel = root.value(QLatin1String("channel")).toString();

    const QJsonValue artifacts = root.value(QLatin1String("artifacts"));
    if (!artifacts.isObject()) {
        m_error = QStringLiteral("missing or non-object field: artifacts");
        return;
    }
    const QJsonObject entries = artifacts.toObject();
    for (auto entry = entries.constBegin(); entry != entries.constEnd(); ++entry) {
        if (!entry.value().isObject()) {
            m_error = QStringLiteral("artifact %1 is not an object").arg(entry.key());
            return;
        }
        const std::optional<Artifact> artifact =
            readArtifact(entry.key(), entry.value().toObject(), m_error);
        if (!artifact)
            return;
        m_artifacts.insert(entry.key(), *artifact);
    }
}

} // namespace TovUpdate
