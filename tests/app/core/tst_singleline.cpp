#include "app/core/singleline.h"

#include <QTest>

class TestSingleLine : public QObject
{
    Q_OBJECT

private slots:
    void lineBreaksAndControlsBecomeOneSpace_data();
    void lineBreaksAndControlsBecomeOneSpace();
};

void TestSingleLine::lineBreaksAndControlsBecomeOneSpace_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("line");

    QTest::newRow("one line stays")
        << QStringLiteral("  Corner  Market ") << QStringLiteral("  Corner  Market ");
    QTest::newRow("Windows line break")
        << QStringLiteral("Corner\r\nMarket") << QStringLiteral("Corner Market");
    QTest::newRow("blank lines") << QStringLiteral("milk\n\n\neggs") << QStringLiteral("milk eggs");
    QTest::newRow("tab") << QStringLiteral("a\tb") << QStringLiteral("a b");
    QTest::newRow("control character") << QStringLiteral("bell\a") << QStringLiteral("bell ");
    QTest::newRow("unicode line separators") << QStringLiteral("one\u2028two\u2029three\u0085four")
                                             << QStringLiteral("one two three four");
    QTest::newRow("letters of any script")
        << QStringLiteral("Café ¥ 東京") << QStringLiteral("Café ¥ 東京");
    QTest::newRow("empty") << QString() << QString();
}

void TestSingleLine::lineBreaksAndControlsBecomeOneSpace()
{
    QFETCH(QString, text);
    QFETCH(QString, line);
    QCOMPARE(singleLine(text), line);
}

QTEST_GUILESS_MAIN(TestSingleLine)
#include "tst_singleline.moc"
