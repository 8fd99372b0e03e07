#include "data/sqlstatementsplitter.h"

namespace {

void appendStatement(QStringList& statements, const QString& buffer)
{
    QString statement = buffer.trimmed();
    if (statement == QLatin1String(";"))
        return;
    if (statement.endsWith(QLatin1Char(';')))
        statement.chop(1);
    statement = statement.trimmed();
    if (!statement.isEmpty())
        statements.append(statement);
}

} // namespace

QStringList SqlStatementSplitter::split(const QString& script)
{
    QStringList statements;
    QString buffer;
    int depth = 0;

    const QStringList lines = script.split(QLatin1Char('\n'));
    for (const QString& line : lines) {
        const QString trimmed = line.trimmed();
        if (trimmed.startsWith(QLatin1String("--")))
            continue;
        buffer += line;
        buffer += QLatin1Char('\n');

        const QString upper = trimmed.toUpper();
        if (upper.contains(QLatin1String("BEGIN")))
            ++depth;
        if (upper.startsWith(QLatin1String("END")) && depth > 0)
            --depth;

        if (depth == 0 && trimmed.endsWith(QLatin1Char(';'))) {
            appendStatement(statements, buffer);
            buffer.clear();
        }
    }
    if (!buffer.trimmed().isEmpty())
        appendStatement(statements, buffer);
    return statements;
}
