#include "ui/register/columnfitter.h"

#include <QTest>

using Column = ColumnFitter::Column;
Q_DECLARE_METATYPE(QList<Column>)

namespace {

// Preferred / least widths of a register in its rounds: Payee and Memo (0), Category (1),
// Date (2), the amounts (3), Balance (4).
QList<Column> registerColumns()
{
    return {{130, 90, 2}, {250, 90, 0}, {180, 90, 1}, {180, 60, 0},
            {100, 80, 3}, {100, 80, 3}, {110, 90, 4}};
}

} // namespace

class TestColumnFitter : public QObject
{
    Q_OBJECT

private slots:
    void columnsFitTheRoom_data();
    void columnsFitTheRoom();
};

void TestColumnFitter::columnsFitTheRoom_data()
{
    QTest::addColumn<QList<Column>>("columns");
    QTest::addColumn<int>("room");
    QTest::addColumn<QList<int>>("widths");

    const QList<Column> columns = registerColumns(); // 1050 preferred, 580 least
    QTest::newRow("room for all") << columns << 1200
                                  << QList<int>{130, 250, 180, 180, 100, 100, 110};
    QTest::newRow("exactly the room")
        << columns << 1050 << QList<int>{130, 250, 180, 180, 100, 100, 110};
    // 100 px: Payee can give 160, Memo 120, and each gives in proportion.
    QTest::newRow("payee and memo give way first")
        << columns << 950 << QList<int>{130, 192, 180, 138, 100, 100, 110};
    QTest::newRow("then the category")
        << columns << 720 << QList<int>{130, 90, 130, 60, 100, 100, 110};
    QTest::newRow("then the date and the amounts, the balance last")
        << columns << 600 << QList<int>{90, 90, 90, 60, 80, 80, 110};
    // Below every least width the rounds give way again, down to 24 px: the balance stays
    // whole the longest.
    QTest::newRow("below every least width")
        << columns << 290 << QList<int>{24, 24, 24, 24, 52, 52, 90};
    QTest::newRow("no room at all") << columns << 100 << QList<int>{24, 24, 24, 24, 24, 24, 24};

    QList<Column> sized = columns;
    sized[1].fixed = true;
    sized[1].preferred = 500;
    QTest::newRow("a width the user chose stays")
        << sized << 1000 << QList<int>{90, 500, 90, 60, 80, 80, 100};
    QList<Column> hidden = columns;
    hidden[3] = {0, 60, 0, true};
    QTest::newRow("a hidden column takes nothing")
        << hidden << 870 << QList<int>{130, 250, 180, 0, 100, 100, 110};
    QList<Column> wide = columns;
    wide[6].least = 140; // a balance wider than the column's default
    QTest::newRow("content wider than preferred")
        << wide << 2000 << QList<int>{130, 250, 180, 180, 100, 100, 140};
}

void TestColumnFitter::columnsFitTheRoom()
{
    QFETCH(QList<Column>, columns);
    QFETCH(int, room);
    QFETCH(QList<int>, widths);
    const QList<int> fitted = ColumnFitter::fit(columns, room, 24);
    QCOMPARE(fitted, widths);
}

QTEST_GUILESS_MAIN(TestColumnFitter)
#include "tst_columnfitter.moc"
