#pragma once

#include <QList>
#include <QString>

// One numbered schema step and the script that performs it.
struct Migration
{
    int version = 0;
    QString name;
    QString scriptPath; // a resource path or, for tests, a file on disk
};

// The application's schema history, applied in this order.
QList<Migration> applicationMigrations();
