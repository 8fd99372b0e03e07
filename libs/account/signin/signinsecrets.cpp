#include "libs/account/signin/signinsecrets.h"

#include <QCryptographicHash>
#include <QRandomGenerator>

namespace TovAccount {

namespace {

QString base64Url(const QByteArray& bytes)
{
    return QString::fromLatin1(
        bytes.toBase64(QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals));
}

QString randomValue()
{
    quint32 words[8];
    QRandomGenerator::system()->fillRange(words);
    return base64Url(QByteArray(reinterpret_cast<const char*>(words), sizeof(words)));
}

} // namespace

SignInSecrets SignInSecrets::create()
{
    return {randomValue(), randomValue()};
}

QString SignInSecrets::challengeOf(const QString& codeVerifier)
{
    return base64Url(QCryptographicHash::hash(codeVerifier.toLatin1(), QCryptographicHash::Sha256));
}

} // namespace TovAccount
