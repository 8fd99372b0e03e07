#include "tests/common/ziptamper.h"

#include <QtEndian>

namespace {

const QByteArray centralSignature("PK\x01\x02", 4);
constexpr int centralHeaderSize = 46;
constexpr int nameLengthField = 28;

template <typename T> bool patch(QByteArray& archive, const QString& name, int at, T value)
{
    const qsizetype header = ZipTamper::centralHeader(archive, name);
    if (header < 0)
        return false;
    qToLittleEndian(value, archive.data() + header + at);
    return true;
}

} // namespace

qsizetype ZipTamper::centralHeader(const QByteArray& archive, const QString& name)
{
    const QByteArray wanted = name.toUtf8();
    for (qsizetype at = archive.indexOf(centralSignature); at >= 0;
         at = archive.indexOf(centralSignature, at + 1)) {
        if (at + centralHeaderSize > archive.size())
            break;
        const quint16 length =
            qFromLittleEndian<quint16>(archive.constData() + at + nameLengthField);
        if (archive.mid(at + centralHeaderSize, length) == wanted)
            return at;
    }
    return -1;
}

bool ZipTamper::patchCentral16(QByteArray& archive, const QString& name, int at, quint16 value)
{
    return patch(archive, name, at, value);
}

bool ZipTamper::patchCentral32(QByteArray& archive, const QString& name, int at, quint32 value)
{
    return patch(archive, name, at, value);
}
