#pragma once

#include <QByteArray>
#include <QString>

// Damages chosen fields of a ZIP archive in memory, the way a broken disk or a hostile file
// would, for the tests of the archive reader and the backup restore.
class ZipTamper
{
public:
    // Field offsets inside a central directory header.
    static constexpr int flagsField = 8;
    static constexpr int methodField = 10;
    static constexpr int crcField = 16;
    static constexpr int compressedSizeField = 20;
    static constexpr int sizeField = 24;
    static constexpr int localHeaderOffsetField = 42;

    // Where the central directory header of the named entry starts, or -1.
    static qsizetype centralHeader(const QByteArray& archive, const QString& name);
    // Overwrites the little-endian field `at` bytes into the named entry's central header.
    static bool patchCentral16(QByteArray& archive, const QString& name, int at, quint16 value);
    static bool patchCentral32(QByteArray& archive, const QString& name, int at, quint32 value);
};
