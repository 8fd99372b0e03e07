#include "server/auth/pkce.h"

#include <QCryptographicHash>

#include <sodium.h>

namespace PennibarServer {

namespace {

bool consistsOf(const QString& text, const QLatin1String& extra)
{
    return std::all_of(text.cbegin(), text.cend(), [&extra](QChar c) {
        return (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) ||
               (c >= QLatin1Char('a') && c <= QLatin1Char('z')) ||
               (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || extra.contains(c);
    });
}

} // namespace

bool Pkce::isChallenge(const QString& challenge)
{
    return challenge.size() == 43 && consistsOf(challenge, QLatin1String("-_"));
}

bool Pkce::isVerifier(const QString& verifier)
{
    return verifier.size() >= 43 && verifier.size() <= 128 &&
           consistsOf(verifier, QLatin1String("-._~"));
}

QString Pkce::challengeOf(const QString& verifier)
{
    return QString::fromLatin1(
        QCryptographicHash::hash(verifier.toLatin1(), QCryptographicHash::Sha256)
            .toBase64(QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals));
}

bool Pkce::matches(const QString& verifier, const QString& challenge)
{
    if (!isVerifier(verifier) || !isChallenge(challenge))
        return false;
    const QByteArray computed = challengeOf(verifier).toLatin1();
    const QByteArray expected = challenge.toLatin1();
    return sodium_memcmp(computed.constData(), expected.constData(), size_t(expected.size())) == 0;
}

} // namespace PennibarServer
