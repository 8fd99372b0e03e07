#pragma once

#include "data/transaction.h"

// A transaction as the register and search list it.
struct RegisterRow
{
    Transaction transaction;
    qint64 balance = 0;   // running balance after this row in date order; 0 in search results
    QString categoryName; // "Parent > Child" for a sub-category; empty without a category
};

// Every member is a Qt value type that may be moved in memory, so a register of tens of
// thousands of rows grows and sorts by moving bytes instead of calling move constructors.
Q_DECLARE_TYPEINFO(RegisterRow, Q_RELOCATABLE_TYPE);
