#include "appstate.h"

#include "datapaths.h"

#include "../data/database.h"

#include <QDebug>

AppState::AppState(QObject* parent) : QObject(parent) {}

bool AppState::initialize()
{
    m_database = new Database(this);
    const QString path = databasePath();
    qInfo() << "Opening database at:" << path;
    if (!m_database->open(path) || !m_database->runMigrations())
        return false;

    emit databaseReady();
    return true;
}

void AppState::setCurrentAccountId(const QString& accountId)
{
    if (accountId == m_currentAccountId)
        return;
    m_currentAccountId = accountId;
    emit currentAccountChanged(accountId);
}
