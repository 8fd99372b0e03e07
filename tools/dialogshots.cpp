// Renders every transaction dialog over a small throw-away database, in the light and the
// dark theme, to PNG files, so their layout can be looked at without a display:
//
//     dialogshots [output directory]     (default: ./dialogshots)

#include "app/appstate.h"
#include "app/core/ids.h"
#include "app/core/isodates.h"
#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/splitlinerepository.h"
#include "data/transactionrepository.h"
#include "ui/screens/accountformdialog.h"
#include "ui/theme/thememanager.h"
#include "ui/transactions/spliteditordialog.h"
#include "ui/transactions/transactiondetailsdialog.h"
#include "ui/transactions/transactionformdialog.h"

#include "tools/shots.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include <functional>

namespace {

struct Fixture
{
    Transaction plain;
    Transaction split;
    Transaction transfer;
    QList<SplitLine> splitLines;
    Account yenAccount;
    Transaction yen; // split in whole yen
};

QString categoryId(AppState& state, const QString& name)
{
    const std::optional<Category> category = state.categoryRepository()->byName(name);
    return category ? category->id : QString();
}

Account account(const QString& name, Currency currency = Currency::USD)
{
    Account result;
    result.id = newId();
    result.name = name;
    result.currency = currency;
    result.createdAt = result.updatedAt = nowUtc();
    return result;
}

Transaction transaction(const QString& accountId, const QDate& date, const QString& payee,
                        qint64 amount)
{
    Transaction result;
    result.id = newId();
    result.accountId = accountId;
    result.date = date;
    result.payee = payee;
    result.amount = amount;
    result.createdAt = result.updatedAt = nowUtc();
    return result;
}

Fixture fill(AppState& state)
{
    const Account checking = account(QStringLiteral("Everyday Checking"));
    const Account savings = account(QStringLiteral("Rainy Day Savings"));
    state.accountRepository()->insert(checking);
    state.accountRepository()->insert(savings);
    TransactionRepository* transactions = state.transactionRepository();

    Fixture fixture;
    fixture.plain =
        transaction(checking.id, QDate(2024, 11, 4), QStringLiteral("City Power & Light"), -8417);
    fixture.plain.categoryId = categoryId(state, QStringLiteral("Electric"));
    fixture.plain.memo = QStringLiteral("October bill, paid online a little later than usual "
                                        "because the statement arrived late");
    fixture.plain.checkNumber = QStringLiteral("1042");
    transactions->insert(fixture.plain);

    fixture.split =
        transaction(checking.id, QDate(2024, 11, 9), QStringLiteral("Hardware Barn"), -12650);
    fixture.split.isSplit = true;
    fixture.split.cleared = true;
    transactions->insert(fixture.split);
    const QList<std::pair<QString, qint64>> parts = {{QStringLiteral("Maintenance"), -9000},
                                                     {QStringLiteral("Gas"), -2650},
                                                     {QStringLiteral("Electric"), -1000}};
    const QStringList memos = {QStringLiteral("Paint and rollers for the hallway"), QString(),
                               QStringLiteral("Gift card")};
    for (int i = 0; i < parts.size(); ++i) {
        SplitLine line;
        line.id = newId();
        line.transactionId = fixture.split.id;
        line.categoryId = categoryId(state, parts[i].first);
        line.amount = parts[i].second;
        line.memo = memos[i];
        line.createdAt = line.updatedAt = nowUtc();
        state.splitLineRepository()->insert(line);
        fixture.splitLines.append(line);
    }

    fixture.transfer = transaction(checking.id, QDate(2024, 10, 28),
                                   QStringLiteral("Transfer to Rainy Day Savings"), -50000);
    Transaction partner = transaction(savings.id, fixture.transfer.date,
                                      QStringLiteral("Transfer from Everyday Checking"), 50000);
    fixture.transfer.transferLinkId = partner.id;
    fixture.transfer.transferDestAccountId = savings.id;
    fixture.transfer.cleared = fixture.transfer.reconciled = true;
    partner.transferLinkId = fixture.transfer.id;
    partner.transferDestAccountId = checking.id;
    transactions->insert(partner);
    transactions->insert(fixture.transfer);

    fixture.yenAccount = account(QStringLiteral("Tokyo Wallet"), Currency::JPY);
    fixture.yenAccount.startingBalance = 250000;
    state.accountRepository()->insert(fixture.yenAccount);
    fixture.yen = transaction(fixture.yenAccount.id, QDate(2024, 11, 12),
                              QStringLiteral("Shinjuku Market"), -15800);
    fixture.yen.isSplit = true;
    transactions->insert(fixture.yen);
    for (const auto& [name, amount] : QList<std::pair<QString, qint64>>{
             {QStringLiteral("Groceries"), -12300}, {QStringLiteral("Household"), -3500}}) {
        SplitLine line;
        line.id = newId();
        line.transactionId = fixture.yen.id;
        line.categoryId = categoryId(state, name);
        line.amount = amount;
        line.createdAt = line.updatedAt = nowUtc();
        state.splitLineRepository()->insert(line);
    }
    return fixture;
}

} // namespace

int main(int argc, char* argv[])
{
    preferOffscreenPlatform();
    QApplication application(argc, argv);
    const QString outputPath = shotDirectory(QStringLiteral("dialogshots"));
    if (outputPath.isEmpty())
        return 1;
    const QDir output(outputPath);

    QTemporaryDir data;
    qputenv("PENNIBAR_DATA_DIR", data.path().toUtf8());
    AppState state;
    if (!state.initialize())
        return 1;
    const Fixture fixture = fill(state);
    const QString accountId = fixture.plain.accountId;

    const QList<std::pair<QString, std::function<QDialog*()>>> dialogs = {
        {QStringLiteral("form-new"),
         [&] {
             auto* dialog = new TransactionFormDialog(&state, accountId);
             Transaction seed;
             seed.payee = QStringLiteral("Corner Market");
             seed.amount = -4599;
             dialog->setSeed(seed);
             return dialog;
         }},
        {QStringLiteral("form-edit"),
         [&] { return new TransactionFormDialog(&state, fixture.plain); }},
        {QStringLiteral("form-split"),
         [&] { return new TransactionFormDialog(&state, fixture.split); }},
        {QStringLiteral("split-editor"),
         [&] {
             return new SplitEditorDialog(&state, fixture.split.amount, Currency::USD,
                                          fixture.splitLines.mid(0, 2));
         }},
        {QStringLiteral("split-editor-balanced"),
         [&] {
             return new SplitEditorDialog(&state, fixture.split.amount, Currency::USD,
                                          fixture.splitLines);
         }},
        {QStringLiteral("details-plain"),
         [&] { return new TransactionDetailsDialog(&state, fixture.plain); }},
        {QStringLiteral("details-split"),
         [&] { return new TransactionDetailsDialog(&state, fixture.split); }},
        {QStringLiteral("details-transfer"),
         [&] { return new TransactionDetailsDialog(&state, fixture.transfer); }},
        {QStringLiteral("yen-form"),
         [&] { return new TransactionFormDialog(&state, fixture.yen); }},
        {QStringLiteral("yen-split-editor"),
         [&] {
             return new SplitEditorDialog(
                 &state, fixture.yen.amount, Currency::JPY,
                 state.splitLineRepository()->listForTransaction(fixture.yen.id).mid(0, 1));
         }},
        {QStringLiteral("yen-details"),
         [&] { return new TransactionDetailsDialog(&state, fixture.yen); }},
        {QStringLiteral("yen-account"), [&] { return new AccountFormDialog(fixture.yenAccount); }},
    };

    bool ok = true;
    for (const auto& [theme, name] : {std::pair{ThemeManager::Light, QStringLiteral("light")},
                                      std::pair{ThemeManager::Dark, QStringLiteral("dark")}}) {
        state.themeManager()->setTheme(theme);
        for (const auto& [dialogName, make] : dialogs)
            ok = shootDialog(make(),
                             output.filePath(QStringLiteral("%1-%2.png").arg(dialogName, name))) &&
                 ok;
    }
    return ok ? 0 : 1;
}
