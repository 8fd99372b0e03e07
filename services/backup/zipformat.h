#pragma once

#include <QtGlobal>

// Record signatures, sizes and flags of the ZIP file format shared by ZipWriter and ZipReader.
namespace ZipFormat {

constexpr quint32 localHeaderSignature = 0x04034b50;
constexpr quint32 centralHeaderSignature = 0x02014b50;
constexpr quint32 endOfDirectorySignature = 0x06054b50;
constexpr quint32 zip64EndOfDirectorySignature = 0x06064b50;
constexpr quint32 zip64LocatorSignature = 0x07064b50;

constexpr int localHeaderSize = 30;
constexpr int centralHeaderSize = 46;
constexpr int endOfDirectorySize = 22;
constexpr int zip64EndOfDirectorySize = 56;
constexpr int zip64LocatorSize = 20;

constexpr quint16 methodStored = 0;
constexpr quint16 methodDeflated = 8;

constexpr quint16 flagEncrypted = 0x0001;
constexpr quint16 flagUtf8Names = 0x0800;

constexpr quint16 zip64ExtraId = 0x0001;

constexpr quint16 versionDeflate = 20; // version needed for deflate
constexpr quint16 versionZip64 = 45;   // version needed for the ZIP64 end records

// Values that mean "look in the ZIP64 records".
constexpr quint16 saturated16 = 0xffff;
constexpr quint32 saturated32 = 0xffffffff;

} // namespace ZipFormat
