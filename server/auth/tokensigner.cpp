#include "server/auth/tokensigner.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <sodium.h>

namespace PennibarServer {

namespace {

constexpr auto kBase64Url = QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals;

std::optional<QJsonObject> decodeObject(const QByteArray& part)
{
    const auto bytes =
        QByteArray::fromBase64Encoding(part, kBase64Url | QByteArray::AbortOnBase64DecodingErrors);
    if (!bytes)
        return std::nullopt;
    const QJsonDocument document = QJsonDocument::fromJson(bytes.decoded);
    if (!document.isObject())
        return std::nullopt;
    return document.object();
}

} // namespace

TokenSigner::TokenSigner(QByteArray secret, QString issuer)
    : m_secret(std::move(secret)), m_issuer(std::move(issuer))
{
}

QByteArray TokenSigner::mac(const QByteArray& signingInput) const
{
    QByteArray out(crypto_auth_hmacsha256_BYTES, Qt::Uninitialized);
    crypto_auth_hmacsha256_state state;
    crypto_auth_hmacsha256_init(&state,
                                reinterpret_cast<const unsigned char*>(m_secret.constData()),
                                size_t(m_secret.size()));
    crypto_auth_hmacsha256_update(&state,
                                  reinterpret_cast<const unsigned char*>(signingInput.constData()),
                                  quint64(signingInput.size()));
    crypto_auth_hmacsha256_final(&state, reinterpret_cast<unsigned char*>(out.data()));
    return out;
}

QString TokenSigner::sign(const AccessClaims& claims) const
{
    static const QByteArray header =
        QByteArray(R"({"alg":"HS256","typ":"JWT"})").toBase64(kBase64Url);
    QJsonObject tov;
    if (!claims.role.isEmpty())
        tov.insert(QStringLiteral("role"), claims.role);
    const QJsonObject payload{
        {QStringLiteral("iss"), m_issuer},
        {QStringLiteral("sub"), claims.userId},
        {QStringLiteral("sid"), claims.sessionId},
        {QStringLiteral("iat"), claims.issuedAt},
        {QStringLiteral("exp"), claims.expiresAt},
        {QStringLiteral("custom"), QJsonObject{{QStringLiteral("tov"), tov}}},
    };
    const QByteArray signingInput =
        header + '.' + QJsonDocument(payload).toJson(QJsonDocument::Compact).toBase64(kBase64Url);
    return QString::fromLatin1(signingInput + '.' + mac(signingInput).toBase64(kBase64Url));
}

std::optional<AccessClaims> TokenSigner::verify(const QString& token, qint64 now) const
{
    const QList<QByteArray> parts = token.toLatin1().split('.');
    if (parts.size() != 3)
        return std::nullopt;
    const auto header = decodeObject(parts.at(0));
    if (!header || header->value(QStringLiteral("alg")).toString() != QLatin1String("HS256"))
        return std::nullopt;
    const auto signature = QByteArray::fromBase64Encoding(
        parts.at(2), kBase64Url | QByteArray::AbortOnBase64DecodingErrors);
    const QByteArray expected = mac(parts.at(0) + '.' + parts.at(1));
    if (!signature || signature.decoded.size() != expected.size() ||
        sodium_memcmp(signature.decoded.constData(), expected.constData(),
                      size_t(expected.size())) != 0)
        return std::nullopt;
    const auto payload = decodeObject(parts.at(1));
    if (!payload)
        return std::nullopt;
    AccessClaims claims;
    claims.userId = payload->value(QStringLiteral("sub")).toString();
    claims.sessionId = payload->value(QStringLiteral("sid")).toString();
    claims.issuedAt = payload->value(QStringLiteral("iat")).toInteger();
    claims.expiresAt = payload->value(QStringLiteral("exp")).toInteger();
    claims.role = payload->value(QStringLiteral("custom"))
                      .toObject()
                      .value(QStringLiteral("tov"))
                      .toObject()
                      .value(QStringLiteral("role"))
                      .toString();
    if (payload->value(QStringLiteral("iss")).toString() != m_issuer || claims.userId.isEmpty() ||
        claims.sessionId.isEmpty() || claims.expiresAt <= now)
        return std::nullopt;
    return claims;
}

} // namespace PennibarServer
