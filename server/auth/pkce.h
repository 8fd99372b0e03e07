#pragma once

#include <QString>

namespace PennibarServer {

// Proof Key for Code Exchange (RFC 7636) with the S256 method, the only one this server accepts:
// the app sends BASE64URL(SHA-256(verifier)) with the sign-in and the verifier with the code
// exchange, so a code caught on its way to the app is of no use to whoever caught it.
class Pkce
{
public:
    static constexpr auto kMethod = "S256";

    // 43 characters of Base64url: the encoding of a SHA-256 digest.
    static bool isChallenge(const QString& challenge);
    // 43 to 128 of the unreserved characters A-Z, a-z, 0-9, "-", ".", "_" and "~".
    static bool isVerifier(const QString& verifier);
    // Whether the verifier hashes to the challenge, compared in constant time.
    static bool matches(const QString& verifier, const QString& challenge);
    static QString challengeOf(const QString& verifier);
};

} // namespace PennibarServer
