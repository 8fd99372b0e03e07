#pragma once

#include <QString>

namespace TovAccount {

// What one browser sign-in keeps to itself: a random `state` that the browser must bring back to
// the loopback listener, and a PKCE code verifier (RFC 7636) whose S256 challenge goes into the
// sign-in link and which alone turns the returned code into tokens.
struct SignInSecrets
{
    QString state;
    QString codeVerifier;

    // 256 random bits each, from the system's random source, in Base64url.
    static SignInSecrets create();
    // BASE64URL(SHA-256(verifier)): the S256 challenge.
    static QString challengeOf(const QString& codeVerifier);
    QString codeChallenge() const { return challengeOf(codeVerifier); }
};

} // namespace TovAccount
