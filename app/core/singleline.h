#pragma once

#include <QString>

// Payees, memos, check numbers and names are one line of text. A pasted line break, tab or
// other control character would be stored and break the register's rows, so each run of them
// becomes a single space. Nothing else changes (surrounding blanks are the caller's to trim).
QString singleLine(const QString& text);
