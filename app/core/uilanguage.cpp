#include "app/core/uilanguage.h"

#include <QLocale>
#include <QSettings>

namespace {
const QString languageKey = QStringLiteral("ui/language");
const QString systemLanguage = QStringLiteral("system");
} // namespace

QStringList supportedLanguages()
{
    return {QStringLiteral("en"), QStringLiteral("es"), QStringLiteral("de"), QStringLiteral("fr"),
            QStringLiteral("ja")};
}

QString uiLanguage(bool resolveSystem)
{
    const QString value = QSettings().value(languageKey, systemLanguage).toString();
    if (!resolveSystem || value != systemLanguage)
        return value;
    const QString systemCode = QLocale::system().name().left(2);
    return supportedLanguages().contains(systemCode) ? systemCode : QStringLiteral("en");
}

void setUiLanguage(const QString& code)
{
    QSettings().setValue(languageKey, code);
}
