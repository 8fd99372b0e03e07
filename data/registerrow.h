#pragma once

#include "transaction.h"

// A transaction as the register and search list it.
struct RegisterRow
{
    Transaction transaction;
    qint64 balance = 0;   // running balance after this row in date order; 0 in search results
    QString categoryName; // "Parent > Child" for a sub-category; empty without a category
};
