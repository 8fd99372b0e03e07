#include "app/core/uitranslators.h"

#include <QCoreApplication>
#include <QDate>
#include <QTest>

// The interface language reaches Pennibar's texts, Qt's own and the month names, and goes away
// with its translators.
class TestUiTranslators : public QObject
{
    Q_OBJECT

private slots:
    void textsAndDatesFollowTheLanguage_data();
    void textsAndDatesFollowTheLanguage();
};

void TestUiTranslators::textsAndDatesFollowTheLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("reports");
    QTest::addColumn<QString>("cancel");
    QTest::addColumn<QString>("march");

    QTest::newRow("en") << "en"
                        << "Reports"
                        << "Cancel"
                        << "March";
    QTest::newRow("es") << "es"
                        << "Informes"
                        << "Cancelar"
                        << "marzo";
    QTest::newRow("de") << "de"
                        << "Berichte"
                        << "Abbrechen"
                        << "März";
    QTest::newRow("fr") << "fr"
                        << "Rapports"
                        << "Annuler"
                        << "mars";
    QTest::newRow("ja") << "ja"
                        << "レポート"
                        << "キャンセル"
                        << "3月";
}

void TestUiTranslators::textsAndDatesFollowTheLanguage()
{
    QFETCH(QString, language);
    QFETCH(QString, reports);
    QFETCH(QString, cancel);
    QFETCH(QString, march);
    const QLocale before;
    const auto month = [] { return QLocale().toString(QDate(2024, 3, 5), QStringLiteral("MMMM")); };
    {
        const UiTranslators translators(language);
        QCOMPARE(QCoreApplication::translate("ReportsScreen", "Reports"), reports);
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), cancel);
        QCOMPARE(month(), march);
    }
    QCOMPARE(QCoreApplication::translate("ReportsScreen", "Reports"), QStringLiteral("Reports"));
    QCOMPARE(QLocale(), before);
}

QTEST_GUILESS_MAIN(TestUiTranslators)
#include "tst_uitranslators.moc"
