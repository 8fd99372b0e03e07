#pragma once

#include "libs/update/artifact.h"

#include <QByteArray>
#include <QMap>
#include <QString>

#include <optional>

namespace TovUpdate {

// The release manifest "latest.json": the channel's newest release for each platform.
// Reading stops at the first fault; an invalid manifest keeps that fault's text.
class Manifest
{
public:
    static Manifest fromJson(const QByteArray& body);

    bool isValid() const { return m_error.isEmpty(); }
    QString errorString() const { return m_error; }

    QString app() const { return m_app; }
    QString channel() const { return m_channel; }
    // Keyed by platform key ("windows-x64", "linux-x64").
    QMap<QString, Artifact> artifacts() const { return m_artifacts; }
    std::optional<Artifact> artifact(const QString& platformKey) const;

private:
    void read(const QByteArray& body);

    QString m_error;
    QString m_app;
    QString m_channel;
    QMap<QString, Artifact> m_artifacts;
};

} // namespace TovUpdate
