#include "ui/screens/reports/chartranking.h"

#include <QTest>

namespace {

// "label=v1/v2" for each item.
QStringList describe(const QList<ChartItem>& items)
{
    QStringList texts;
    for (const ChartItem& item : items) {
        QStringList values;
        for (const qreal value : item.values)
            values << QString::number(value);
        texts << item.label + QLatin1Char('=') + values.join(QLatin1Char('/'));
    }
    return texts;
}

QList<ChartItem> items(const QStringList& labels, const QList<QList<qreal>>& values)
{
    QList<ChartItem> list;
    for (qsizetype i = 0; i < labels.size(); ++i)
        list.append({labels.at(i), values.at(i)});
    return list;
}

} // namespace

Q_DECLARE_METATYPE(ChartItem)

class TestChartRanking : public QObject
{
    Q_OBJECT

private slots:
    void keepsTheLargestAndGroupsTheRest_data();
    void keepsTheLargestAndGroupsTheRest();
};

void TestChartRanking::keepsTheLargestAndGroupsTheRest_data()
{
    QTest::addColumn<QList<ChartItem>>("input");
    QTest::addColumn<int>("keep");
    QTest::addColumn<QStringList>("kept");

    QTest::newRow("nothing") << QList<ChartItem>{} << 2 << QStringList{};
    QTest::newRow("fewer than kept, by size")
        << items({"a", "b"}, {{1}, {-3}}) << 2 << QStringList{"b=-3", "a=1"};
    // Grouping one item would only hide its name.
    QTest::newRow("one too many keeps its name")
        << items({"a", "b", "c"}, {{1}, {2}, {3}}) << 2 << QStringList{"c=3", "b=2", "a=1"};
    QTest::newRow("the rest summed, signs kept")
        << items({"a", "b", "c", "d"}, {{-10}, {4}, {-2}, {1}}) << 2
        << QStringList{"a=-10", "b=4", "rest=-1"};
    QTest::newRow("groups of two figures, ranked by either")
        << items({"a", "b", "c", "d"}, {{1, 9}, {5, 5}, {2, 0}, {0, 3}}) << 2
        << QStringList{"a=1/9", "b=5/5", "rest=2/3"};
    QTest::newRow("ties keep their order") << items({"a", "b", "c", "d"}, {{2}, {2}, {2}, {1}}) << 2
                                           << QStringList{"a=2", "b=2", "rest=3"};
}

void TestChartRanking::keepsTheLargestAndGroupsTheRest()
{
    QFETCH(QList<ChartItem>, input);
    QFETCH(int, keep);
    QFETCH(QStringList, kept);
    QCOMPARE(describe(keepLargest(input, keep, QStringLiteral("rest"))), kept);
}

QTEST_APPLESS_MAIN(TestChartRanking)
#include "tst_chartranking.moc"
