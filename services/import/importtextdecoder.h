#pragma once

#include <QByteArray>
#include <QString>

// Turns the bytes of an imported QIF or CSV file into text. Finance programs write UTF-8,
// UTF-16 with a byte-order mark, or the Windows code page 1252; the bytes tell which.
class ImportTextDecoder
{
public:
    static QString decode(const QByteArray& bytes);
    // Well-formed UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF, no
    // sequence cut short.
    static bool isWellFormedUtf8(const QByteArray& bytes);
    static QString fromWindows1252(const QByteArray& bytes);
};
