#include "ui/screens/import/importsummary.h"

#include <QStringList>

QString ImportSummary::text(const ImportResult& result)
{
    if (result.aborted)
        return QStringList{tr("Import failed."), QString(),
                           tr("A database error stopped the import and all changes were rolled "
                              "back. No transactions were added.")}
            .join(QLatin1Char('\n'));

    QStringList lines{tr("Import complete!"), QString(),
                      tr("%n transaction(s) imported", nullptr, result.imported)};
    if (result.transfersLinked > 0) {
        lines << tr("%n transfer(s) linked across accounts", nullptr, result.transfersLinked);
        if (result.retroactiveLinks > 0)
            lines << tr("  (including %n linked to previously imported row(s))", nullptr,
                        result.retroactiveLinks);
    }
    if (result.duplicates > 0)
        lines << tr("%n duplicate(s) skipped", nullptr, result.duplicates);
    if (result.unparseable > 0)
        lines << tr("%n record(s) skipped (unparseable)", nullptr, result.unparseable);
    if (result.metadataSkipped > 0)
        lines << tr("%n metadata record(s) skipped", nullptr, result.metadataSkipped);
    if (result.unmappedSkipped > 0)
        lines << tr("%n record(s) skipped (unmapped source account)", nullptr,
                    result.unmappedSkipped);
    if (result.failedInserts > 0)
        lines << tr("%n record(s) skipped (database error \u2014 see log)", nullptr,
                    result.failedInserts);
    return lines.join(QLatin1Char('\n'));
}
