#include "server/auth/secretfile.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sodium.h>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <unistd.h>
#endif

namespace PennibarServer {

namespace {

constexpr int kSecretBytes = 32;

} // namespace

std::optional<QByteArray> SecretFile::loadOrCreate(const QString& path, QString* error)
{
    if (QFileInfo::exists(path))
        return load(path, error);
    QByteArray secret(kSecretBytes, Qt::Uninitialized);
    randombytes_buf(secret.data(), size_t(secret.size()));
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (!create(path, secret)) {
        // Another instance may have created it at the same moment.
        if (QFileInfo::exists(path))
            return load(path, error);
        *error = QStringLiteral("cannot create the token secret %1").arg(path);
        return std::nullopt;
    }
    qInfo("Created the token secret %s", qPrintable(path));
    return secret;
}

std::optional<QByteArray> SecretFile::load(const QString& path, QString* error)
{
    const QFileInfo info(path);
    if (info.permissions() & (QFileDevice::ReadGroup | QFileDevice::ReadOther)) {
        *error = QStringLiteral("the token secret %1 is readable by other users; make it "
                                "readable by the server only (chmod 600)")
                     .arg(path);
        return std::nullopt;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot read the token secret %1").arg(path);
        return std::nullopt;
    }
    const auto decoded = QByteArray::fromBase64Encoding(file.readAll().trimmed(),
                                                        QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded || decoded.decoded.size() < kSecretBytes) {
        *error = QStringLiteral("the token secret %1 is not %2 Base64-encoded bytes")
                     .arg(path)
                     .arg(kSecretBytes);
        return std::nullopt;
    }
    return decoded.decoded;
}

bool SecretFile::create(const QString& path, const QByteArray& secret)
{
    const QByteArray text = secret.toBase64() + '\n';
#ifdef Q_OS_UNIX
    // Created with its final mode, so the secret is never readable by others, not even briefly.
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_EXCL, 0600);
    if (fd < 0)
        return false;
    const bool written = ::write(fd, text.constData(), size_t(text.size())) == text.size();
    return ::close(fd) == 0 && written;
#else
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return false;
    file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    return file.write(text) == text.size();
#endif
}

QString SecretFile::fingerprint(const QByteArray& secret)
{
    return QString::fromLatin1(QCryptographicHash::hash("pennibar-server token secret " + secret,
                                                        QCryptographicHash::Sha256)
                                   .toHex()
                                   .left(16));
}

} // namespace PennibarServer
