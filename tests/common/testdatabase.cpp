#include "tests/common/testdatabase.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QTest>

TestDatabase::TestDatabase() : m_database(std::make_unique<Database>())
{
    m_ready = m_database->open(path()) && m_database->runMigrations();
}

TestDatabase::~TestDatabase()
{
    m_database.reset();
    QSqlDatabase::removeDatabase(QLatin1String(QSqlDatabase::defaultConnection));
}

QString TestDatabase::path() const
{
    return m_directory.filePath(QStringLiteral("pennibar.db"));
}

void TestDatabase::exec(const QString& sql) const
{
    QSqlQuery query(m_database->connection());
    if (!query.exec(sql))
        QTest::qFail(qPrintable(query.lastError().text() + QLatin1String(" in: ") + sql), __FILE__,
                     __LINE__);
}

QVariant TestDatabase::scalar(const QString& sql) const
{
    QSqlQuery query(m_database->connection());
    if (query.exec(sql) && query.next())
        return query.value(0);
    return {};
}
