#pragma once

#include <QString>

// Where the database lives: PENNIBAR_DATA_DIR when set, else the per-user data location
// followed by "/Tovarly/Pennibar". The directory is created on the way; a failure to create it
// surfaces later, when the database cannot be opened.
QString dataDirectory();

// dataDirectory() + "/pennibar.db".
QString databasePath();
