#pragma once

#include <QLocale>
#include <QtCore/private/qlocale_p.h>

// While it lives, QLocale::system() is the given locale, as if the user had chosen it.
class SystemLocaleOverride : public QSystemLocale
{
public:
    explicit SystemLocaleOverride(const QString& name) : m_locale(name) {}

    QLocale fallbackLocale() const override { return m_locale; }

    QVariant query(QueryType type, QVariant in = QVariant()) const override
    {
        Q_UNUSED(in);
        switch (type) {
        case LanguageId:
            return int(m_locale.language());
        case TerritoryId:
            return int(m_locale.territory());
        case ScriptId:
            return int(m_locale.script());
        default:
            return QVariant();
        }
    }

private:
    QLocale m_locale;
};
