#pragma once

#include "services/import/importresult.h"

#include <QCoreApplication>
#include <QString>

// The text the import screen shows when an import has run: what was imported, then only the
// counters that are above zero.
class ImportSummary
{
    Q_DECLARE_TR_FUNCTIONS(ImportSummary)

public:
    static QString text(const ImportResult& result);
};
