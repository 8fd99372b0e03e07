#include "tests/sync/support/syncsession.h"

#include "tests/common/testrecords.h"

namespace {

const QDate Day(2026, 2, 10);

} // namespace

void writeLedger(Device& device)
{
    QVERIFY(device.s().accounts.insert(testAccount("a-usd", "Checking", 150000)));
    QVERIFY(device.s().accounts.insert(testAccount("a-jpy", "Tokyo", 20000, Currency::JPY)));
    QVERIFY(device.s().categories.insert(testCategory("c-food", "Food")));
    QVERIFY(device.s().categories.insert(testCategory("c-groc", "Groceries", "c-food")));
    Transaction bread = testTransaction("t-bread", "a-usd", Day, "Bakery", -450);
    bread.categoryId = "c-groc";
    bread.memo = "rye";
    QVERIFY(device.s().transactions.insert(bread));
    Transaction market = testTransaction("t-market", "a-usd", Day.addDays(1), "Market", -3000);
    market.isSplit = true;
    QVERIFY(device.s().transactions.insert(market));
    QVERIFY(device.s().splitLines.insert(
        {"l-1", "t-market", "c-groc", -2000, "veg", nowUtc(), nowUtc()}));
    QVERIFY(
        device.s().splitLines.insert({"l-2", "t-market", "c-food", -1000, "", nowUtc(), nowUtc()}));
    Transaction out = testTransaction("t-out", "a-usd", Day.addDays(2), "Transfer", -10000);
    out.transferLinkId = "t-in";
    out.transferDestAccountId = "a-jpy";
    Transaction in = testTransaction("t-in", "a-jpy", Day.addDays(2), "Transfer", 14000);
    in.transferLinkId = "t-out";
    in.transferDestAccountId = "a-usd";
    QVERIFY(device.s().transactions.insert(out));
    QVERIFY(device.s().transactions.insert(in));
    RecurringTransaction rent =
        testRecurring("r-rent", "a-usd", "Rent", -90000, Frequency::Monthly, Day.addMonths(1));
    rent.leadDays = 4;
    rent.endDate = Day.addYears(1);
    QVERIFY(device.s().recurring.insert(rent));
    Reconciliation statement;
    statement.id = "rc-1";
    statement.accountId = "a-usd";
    statement.statementDate = Day;
    statement.statementBalance = 149550;
    statement.reconciledBalance = 149550;
    statement.completedAt = nowUtc();
    statement.createdAt = statement.updatedAt = nowUtc();
    QVERIFY(device.s().reconciliations.insert(statement));
}
