#pragma once

#include <QObject>
#include <QString>

class Database;

// Owns every long-lived service of the application as a Qt child and wires them together.
// Every member is null until initialize() has created it; after a failed initialize() only
// the database exists.
class AppState : public QObject
{
    Q_OBJECT

public:
    explicit AppState(QObject* parent = nullptr);

    // Opens and migrates the database, then builds the services on it. False when the
    // database could not be opened or migrated.
    bool initialize();

    Database* database() const { return m_database; }

    QString currentAccountId() const { return m_currentAccountId; }
    void setCurrentAccountId(const QString& accountId);

signals:
    void currentAccountChanged(const QString& accountId);
    void databaseReady();

private:
    Database* m_database = nullptr;
    QString m_currentAccountId;
};
