#include "server/sync/synccursor.h"

#include <QByteArray>
#include <QStringList>

namespace PennibarServer {

namespace {

constexpr auto kEncoding = QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals;

} // namespace

QString SyncCursor::encode(const QString& databaseId, const FeedPosition& position)
{
    const QString plain =
        QStringLiteral("1:%1:%2:%3").arg(databaseId).arg(position.seq).arg(position.rowId);
    return QString::fromLatin1(plain.toUtf8().toBase64(kEncoding));
}

std::optional<std::pair<QString, FeedPosition>> SyncCursor::decode(const QString& text)
{
    const auto bytes = QByteArray::fromBase64Encoding(
        text.toLatin1(), kEncoding | QByteArray::AbortOnBase64DecodingErrors);
    if (!bytes || text.size() > 512)
        return std::nullopt;
    const QStringList parts = QString::fromUtf8(bytes.decoded).split(QLatin1Char(':'));
    bool ok = false;
    const qint64 seq = parts.value(2).toLongLong(&ok);
    if (parts.size() != 4 || parts.at(0) != QLatin1String("1") || parts.at(1).isEmpty() || !ok ||
        seq < 0)
        return std::nullopt;
    return std::pair(parts.at(1), FeedPosition{seq, parts.at(3)});
}

} // namespace PennibarServer
