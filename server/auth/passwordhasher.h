#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace PennibarServer {

// Argon2id password hashes through libsodium, in its self-describing string form, at the
// "interactive" cost (about 64 MiB and a tenth of a second per hash).
class PasswordHasher
{
public:
    static constexpr int kMinimumLength = 8;
    static constexpr int kMaximumLength = 1024;

    // Initialises libsodium; false when it cannot run on this machine.
    static bool initialize();

    std::optional<QByteArray> hash(const QString& password) const;
    bool verify(const QByteArray& hash, const QString& password) const;
    // True when a stored hash was made with weaker settings than today's.
    bool needsRehash(const QByteArray& hash) const;
    // Spends the time of one verification, so an unknown e-mail answers as slowly as a known one.
    void verifyNothing(const QString& password) const;

private:
    mutable QByteArray m_decoy;
};

} // namespace PennibarServer
