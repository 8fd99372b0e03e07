#pragma once

#include <QString>
#include <QStringList>

// Writes a QIF file as a household's finance program would export it: a category list, then
// one section per account (checking, savings, credit card, cash, brokerage) with payments,
// deposits, cleared marks, check numbers, split transactions, and transfers whose two sides
// sit in the sections of both accounts. The same count always gives the same file.
class QifSampleFile
{
public:
    static QStringList accountNames();
    // Returns the number of transaction records written (both sides of a transfer count), or
    // -1 when the file cannot be written.
    static int write(const QString& path, int records);
};
