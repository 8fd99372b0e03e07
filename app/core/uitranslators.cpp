#include "app/core/uitranslators.h"

#include <QCoreApplication>
#include <QLibraryInfo>

UiTranslators::UiTranslators(const QString& language)
{
    if (language != QLatin1String("en") &&
        m_qtTexts.load(QLocale(language), QStringLiteral("qtbase"), QStringLiteral("_"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&m_qtTexts);
    if (m_appTexts.load(QStringLiteral(":/i18n/pennibar_%1.qm").arg(language)))
        QCoreApplication::installTranslator(&m_appTexts);
    QLocale::setDefault(localeFor(language));
}

// The translators remove themselves when destroyed.
UiTranslators::~UiTranslators()
{
    QLocale::setDefault(m_previousDefault);
}

QLocale UiTranslators::localeFor(const QString& language)
{
    const QLocale system = QLocale::system();
    const QLocale chosen(language);
    return system.language() == chosen.language() ? system : chosen;
}
