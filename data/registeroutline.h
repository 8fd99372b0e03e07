#pragma once

#include <QList>
#include <QtGlobal>

// One account's register without the text of its rows: for every row in register order
// (oldest first), where it is stored, its date, its amount and the balance after it. Enough
// to count, order and total the register; the text of a row is read when it is shown.
struct RegisterOutline
{
    // The unstored "Opening Balance" row that leads the register of an account with a starting
    // balance; SQLite numbers stored rows from 1.
    static constexpr qint64 openingRowId = 0;

    struct Entry
    {
        qint64 rowId = openingRowId;
        qint64 amount = 0;
        qint64 balance = 0;
        qint64 julianDay = 0; // the date, as QDate::toJulianDay()
    };

    // The entries may be the end of the register only: the first of them is the row at
    // firstIndex, and the register has rowCount rows in all.
    QList<Entry> entries;
    qsizetype firstIndex = 0;
    qsizetype rowCount = 0;
    // What the summary shows: the rows not cleared add up to unclearedTotal, the others (the
    // opening row among them) to clearedTotal.
    qint64 clearedTotal = 0;
    qint64 unclearedTotal = 0;
};

Q_DECLARE_TYPEINFO(RegisterOutline::Entry, Q_PRIMITIVE_TYPE);
