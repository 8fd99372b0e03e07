#pragma once

#include <QLocale>
#include <QString>
#include <QTranslator>

// One interface language in the running application: Qt's own texts, Pennibar's catalogue and
// the default QLocale (dates, month and day names) follow it while this object lives. Install
// it before any window or default data is made.
class UiTranslators
{
public:
    // `language` is one of supportedLanguages(); a catalogue that cannot be loaded leaves the
    // source texts.
    explicit UiTranslators(const QString& language);
    ~UiTranslators();

    UiTranslators(const UiTranslators&) = delete;
    UiTranslators& operator=(const UiTranslators&) = delete;

    // The system's own locale when it speaks `language` (so its region's formats stay), else
    // the language's main locale.
    static QLocale localeFor(const QString& language);

private:
    QTranslator m_qtTexts;
    QTranslator m_appTexts;
    QLocale m_previousDefault;
};
