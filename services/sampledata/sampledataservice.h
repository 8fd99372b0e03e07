#pragma once

#include <QHash>
#include <QObject>

class Database;

// A small, realistic household for trying the program out, and its removal again. Every
// sample row has an id starting with "sample-". It writes with its own statements and
// announces nothing: the caller reloads its views.
class SampleDataService : public QObject
{
    Q_OBJECT

public:
    explicit SampleDataService(Database* database, QObject* parent = nullptr);

    bool hasSampleData() const;
    void load();
    void clear();

private:
    void buildCategoryLookup();
    QString categoryId(const char* name, const char* parent) const;

    Database* m_database;
    QHash<QString, QString> m_categoryIds; // "name" and "parent/name" -> id
};
