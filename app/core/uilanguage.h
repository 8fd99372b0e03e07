#pragma once

#include <QString>
#include <QStringList>

// The languages the application ships catalogues for, in menu order: en, es, de, fr, ja.
QStringList supportedLanguages();

// The QSettings value "ui/language" ("system" or a language code). With resolveSystem set,
// "system" becomes the system locale's language when it is supported, else "en".
QString uiLanguage(bool resolveSystem);

// Takes effect at the next start.
void setUiLanguage(const QString& code);
