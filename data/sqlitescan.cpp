#include "data/sqlitescan.h"

#include <QDebug>
#include <QSqlDriver>
#include <QSqlError>
#include <QVariant>

#include <sqlite3.h>

namespace {

// The connection's SQLite handle, when the driver's SQLite is the library linked here: the
// same version and source, as with a driver built against the system's SQLite.
sqlite3* handleOf(const QSqlDatabase& connection)
{
    const QVariant handle = connection.driver() ? connection.driver()->handle() : QVariant();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
        return nullptr;
    static const bool sameLibrary = [&connection] {
        QSqlQuery query(connection);
        return query.exec(QStringLiteral("SELECT sqlite_source_id()")) && query.next() &&
               query.value(0).toString() == QLatin1String(sqlite3_sourceid());
    }();
    return sameLibrary ? *static_cast<sqlite3* const*>(handle.constData()) : nullptr;
}

} // namespace

SqliteScan::SqliteScan(const QSqlDatabase& connection, const QString& sql,
                       const QStringList& bindings)
{
    if (sqlite3* handle = handleOf(connection)) {
        const QByteArray text = sql.toUtf8();
        if (sqlite3_prepare_v2(handle, text.constData(), int(text.size()), &m_statement, nullptr) !=
            SQLITE_OK) {
            qWarning().noquote() << "SqliteScan failed:" << sqlite3_errmsg(handle);
            sqlite3_finalize(m_statement);
            m_statement = nullptr;
            return;
        }
        for (int i = 0; i < bindings.size(); ++i) {
            const QByteArray value = bindings.at(i).toUtf8();
            sqlite3_bind_text(m_statement, i + 1, value.constData(), int(value.size()),
                              SQLITE_TRANSIENT);
        }
        return;
    }
    m_query.emplace(connection);
    m_query->setForwardOnly(true);
    bool ok = m_query->prepare(sql);
    for (const QString& value : bindings)
        m_query->addBindValue(value);
    ok = ok && m_query->exec();
    if (!ok) {
        qWarning().noquote() << "SqliteScan failed:" << m_query->lastError().text();
        m_query.reset();
    }
}

SqliteScan::~SqliteScan()
{
    sqlite3_finalize(m_statement);
}

bool SqliteScan::next()
{
    if (m_query)
        return m_query->next();
    if (!m_statement)
        return false;
    const int result = sqlite3_step(m_statement);
    if (result != SQLITE_ROW && result != SQLITE_DONE)
        qWarning().noquote() << "SqliteScan failed:"
                             << sqlite3_errmsg(sqlite3_db_handle(m_statement));
    return result == SQLITE_ROW;
}

qint64 SqliteScan::integer(int column) const
{
    if (m_query)
        return m_query->value(column).toLongLong();
    return sqlite3_column_int64(m_statement, column);
}

QByteArray SqliteScan::text(int column) const
{
    if (m_query)
        return m_query->value(column).toString().toUtf8();
    const auto* bytes = reinterpret_cast<const char*>(sqlite3_column_text(m_statement, column));
    return QByteArray::fromRawData(bytes, sqlite3_column_bytes(m_statement, column));
}
