#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace PennibarServer {

// The key that signs access tokens: 32 random bytes kept Base64-encoded in a file that only the
// server's user may read. Created on first start; a file others can read is refused.
class SecretFile
{
public:
    static std::optional<QByteArray> loadOrCreate(const QString& path, QString* error);
    // A short digest that tells two secrets apart without revealing either.
    static QString fingerprint(const QByteArray& secret);

private:
    static std::optional<QByteArray> load(const QString& path, QString* error);
    static bool create(const QString& path, const QByteArray& secret);
};

} // namespace PennibarServer
