#include "tests/common/tabledump.h"

#include "tests/common/testdatabase.h"

#include <QSqlQuery>
#include <QSqlRecord>

QStringList TableDump::rows(const TestDatabase& db, const QString& table)
{
    QStringList rows;
    QSqlQuery query(db.database()->connection());
    query.exec(QStringLiteral("SELECT * FROM %1 ORDER BY id").arg(table));
    while (query.next()) {
        QStringList fields;
        const QSqlRecord record = query.record();
        for (int i = 0; i < record.count(); ++i) {
            const QVariant value = query.value(i);
            fields << record.fieldName(i) + QLatin1Char('=') +
                          (value.isNull() ? QStringLiteral("NULL")
                                          : QStringLiteral("%1:%2").arg(
                                                QLatin1String(value.typeName()), value.toString()));
        }
        rows << fields.join(QLatin1Char('|'));
    }
    return rows;
}

QStringList TableDump::ledgerTables()
{
    return {QStringLiteral("accounts"),
            QStringLiteral("categories"),
            QStringLiteral("transactions"),
            QStringLiteral("split_lines"),
            QStringLiteral("recurring_transactions"),
            QStringLiteral("reconciliations")};
}
