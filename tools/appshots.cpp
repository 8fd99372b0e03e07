// appshots <directory> [language]: starts the application in the language ("en" when none is
// given: es, de, fr, ja) on a temporary database holding the sample household and writes PNG
// screenshots of the welcome screen, the no-accounts panel, the main window (also with a
// status-bar message, and with the word that a sync replaced edits made here), its menus and
// context menus, the Keyboard Shortcuts box, the register while a row is being edited and with a
// payment typed with a decimal comma, the recurring, reconciliation and reconciliation history
// windows, and every dialog, in the light and the dark theme.

#include "tools/shots.h"

#include "app/appstate.h"
#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/reconciliationrepository.h"
#include "data/recurringrepository.h"
#include "data/splitlinerepository.h"
#include "data/transactionrepository.h"
#include "services/ledger/accountservice.h"
#include "services/ledger/transactionservice.h"
#include "services/recurring/recurringservice.h"
#include "services/sampledata/sampledataservice.h"
#include "sync/syncengine.h"
#include "ui/register/registermodel.h"
#include "ui/register/registerscreen.h"
#include "ui/register/registertableview.h"
#include "ui/screens/accountformdialog.h"
#include "ui/screens/categoryformdialog.h"
#include "ui/screens/reconciliation/reconciliationhistoryscreen.h"
#include "ui/screens/reconciliation/reconciliationscreen.h"
#include "ui/screens/recurring/recurringformdialog.h"
#include "ui/screens/recurring/recurringmodel.h"
#include "ui/screens/recurring/recurringscreen.h"
#include "ui/shell/mainwindow.h"
#include "ui/shell/welcomescreen.h"
#include "ui/theme/thememanager.h"
#include "ui/transactions/spliteditordialog.h"
#include "ui/transactions/transactiondetailsdialog.h"
#include "ui/transactions/transactionformdialog.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QEventLoop>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTableView>
#include <QTableWidget>
#include <QTimer>

#include <cstdio>
#include <functional>
#include <tuple>

namespace {

QString outputDirectory;

void save(QWidget* widget, const QString& name)
{
    widget->show();
    QApplication::processEvents();
    const QString path = QDir(outputDirectory).filePath(name + QStringLiteral(".png"));
    widget->grab().save(path);
    std::printf("wrote %s\n", qPrintable(path));
}

// Saves the popup menu or modal window that `open` shows (both run their own event loop), then
// closes it.
void saveWhileOpen(const QString& name, const std::function<void()>& open)
{
    auto* timer = new QTimer;
    timer->setInterval(20);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, name] {
        QWidget* shown = QApplication::activePopupWidget();
        if (!shown)
            shown = QApplication::activeModalWidget();
        if (!shown || !shown->isVisible())
            return;
        timer->stop();
        timer->deleteLater();
        save(shown, name);
        shown->close();
    });
    timer->start();
    open();
}

QAction* menuEntry(QMainWindow& window, const QString& text)
{
    for (QAction* action : window.menuBar()->findChildren<QAction*>()) {
        if (action->text() == text)
            return action;
    }
    return nullptr;
}

void saveMenus(QMainWindow& window, const QString& theme)
{
    for (QAction* entry : window.menuBar()->actions()) {
        QMenu* menu = entry->menu();
        if (!menu)
            continue;
        const QString name = entry->text().remove(QLatin1Char('&')).toLower();
        saveWhileOpen(QStringLiteral("menu-%1-%2").arg(name, theme),
                      [menu, &window] { menu->exec(window.mapToGlobal(QPoint(0, 0))); });
    }
}

template <typename Dialog> void saveDialog(Dialog& dialog, const QString& name)
{
    dialog.adjustSize();
    save(&dialog, name);
    dialog.close();
}

// The recurring window with its context menu and forms, the reconciliation window part-way
// through (some rows ticked, a statement balance typed) at its own size and at 1024 x 700, and
// the reconciliation history with rows and empty.
void saveRecurringAndReconciliation(MainWindow& window, AppState& state, const QString& checking,
                                    const QString& theme)
{
    window.showRecurringWindow();
    auto* recurring = window.findChild<RecurringScreen*>();
    recurring->view()->setCurrentIndex(QModelIndex()); // the last shots' menu chose a row
    save(recurring, QStringLiteral("recurring-%1").arg(theme));
    const QModelIndex first = recurring->model()->index(0, RecurringModel::PayeeColumn);
    saveWhileOpen(QStringLiteral("recurring-context-menu-%1").arg(theme), [recurring, first] {
        recurring->onContextMenu(recurring->view()->visualRect(first).center());
    });
    RecurringFormDialog newRecurring(&state, recurring);
    saveDialog(newRecurring, QStringLiteral("dialog-new-recurring-%1").arg(theme));
    RecurringFormDialog editRecurring(&state, *recurring->model()->rowAt(0), recurring);
    saveDialog(editRecurring, QStringLiteral("dialog-edit-recurring-%1").arg(theme));
    RecurringTransaction seed = *recurring->model()->rowAt(0);
    seed.autoPost = true;
    seed.leadDays = 3;
    std::unique_ptr<RecurringFormDialog> memorize(
        RecurringFormDialog::createFromSeed(&state, seed, &window));
    saveDialog(*memorize, QStringLiteral("dialog-memorize-%1").arg(theme));
    recurring->close();

    window.showReconciliationWindow();
    auto* reconcile = window.findChild<ReconciliationScreen*>();
    QTableWidget* table = reconcile->table();
    for (int row = 0; row < table->rowCount(); row += 2)
        table->item(row, ReconciliationScreen::TickColumn)->setCheckState(Qt::Checked);
    table->setCurrentCell(1, ReconciliationScreen::PayeeColumn);
    reconcile->findChild<QDoubleSpinBox*>()->setValue(4210.55);
    save(reconcile, QStringLiteral("reconcile-%1").arg(theme));
    reconcile->resize(1024, 700);
    save(reconcile, QStringLiteral("reconcile-1024x700-%1").arg(theme));
    reconcile->close(); // deletes itself
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    window.showReconciliationHistoryWindow();
    auto* history = window.findChild<ReconciliationHistoryScreen*>();
    save(history, QStringLiteral("reconciliation-history-%1").arg(theme));
    window.selectAccount(QStringLiteral("sample-acct-visa"));
    window.showReconciliationHistoryWindow();
    save(history, QStringLiteral("reconciliation-history-empty-%1").arg(theme));
    history->close();
    window.selectAccount(checking);
}

// An overdue row and a paused one beside the sample's, so the recurring window shows its colours.
void addRecurringStates(AppState& state, const QString& accountId)
{
    for (const auto& [payee, amount, dueInDays, active] :
         {std::tuple{"NetConnect ISP", -7999, -2, true},
          std::tuple{"Summit Fitness", -4500, 12, false}}) {
        RecurringTransaction row;
        row.accountId = accountId;
        row.payee = QString::fromUtf8(payee);
        row.amount = amount;
        row.startDate = row.nextDueDate = QDate::currentDate().addDays(dueInDays);
        row.isActive = active;
        state.recurringService()->add(row);
    }
}

// Two past statements of the account, so that the history has rows.
void addPastReconciliations(AppState& state, const QString& accountId)
{
    const QDate today = QDate::currentDate();
    for (const auto& [months, balance] : {std::pair{2, 381244}, std::pair{1, -12050}}) {
        Reconciliation past;
        past.id = QStringLiteral("shot-reconciliation-%1").arg(months);
        past.accountId = accountId;
        past.statementDate = today.addMonths(-months);
        past.statementBalance = past.reconciledBalance = balance;
        past.completedAt = QDateTime(past.statementDate.addDays(3), QTime(19, 42)).toUTC();
        state.reconciliationRepository()->insert(past);
    }
}

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    const ShotEnvironment environment(application);
    outputDirectory = application.arguments().value(1, QStringLiteral("."));
    QDir().mkpath(outputDirectory);

    AppState state;
    if (!state.initialize())
        return 1;

    {
        MainWindow welcome(&state);
        welcome.resize(1280, 900);
        auto* welcomeScreen = welcome.findChild<WelcomeScreen*>();
        auto* pages = welcome.findChild<QStackedWidget*>();
        for (const QString& theme : {QStringLiteral("light"), QStringLiteral("dark")}) {
            state.themeManager()->setThemeFromString(theme);
            save(&welcome, QStringLiteral("welcome-%1").arg(theme));
            welcomeScreen->setReturningUser(true);
            save(&welcome, QStringLiteral("welcome-returning-%1").arg(theme));
            welcomeScreen->setReturningUser(false);
            pages->setCurrentIndex(2);
            save(&welcome, QStringLiteral("no-accounts-%1").arg(theme));
            pages->setCurrentWidget(welcomeScreen);
        }
    }

    SampleDataService(state.database()).load();
    const QString checking = QStringLiteral("sample-acct-checking");
    const QList<Transaction> rows = state.transactionRepository()->listByAccount(checking);

    // A split transaction, so the register and the dialogs show one.
    Transaction split = rows.at(3);
    const QList<Category> categories = state.categoryRepository()->listAll();
    split.isSplit = true;
    split.categoryId.clear();
    state.transactionRepository()->update(split);
    for (int i = 0; i < 2; ++i) {
        SplitLine line;
        line.id = QStringLiteral("shot-split-%1").arg(i);
        line.transactionId = split.id;
        line.categoryId = categories.at(i * 7).id;
        line.amount = i == 0 ? split.amount / 2 : split.amount - split.amount / 2;
        line.memo = i == 0 ? QStringLiteral("household items") : QString();
        line.createdAt = line.updatedAt = split.createdAt;
        state.splitLineRepository()->insert(line);
    }

    addPastReconciliations(state, checking);
    addRecurringStates(state, checking);

    MainWindow window(&state);
    window.resize(1280, 800);
    window.selectAccount(checking);
    // The sidebar adds up its balances once the window has been painted: shown, and given the
    // moment that takes, the window is shot as a user sees it.
    window.show();
    QEventLoop settling;
    QTimer::singleShot(700, &settling, &QEventLoop::quit);
    settling.exec();

    for (const QString& theme : {QStringLiteral("light"), QStringLiteral("dark")}) {
        state.themeManager()->setThemeFromString(theme);
        window.registerScreen()->reload();
        save(&window, QStringLiteral("main-window-%1").arg(theme));
        window.statusBar()->showMessage(
            QCoreApplication::translate("MainWindow", "Select an account first"));
        save(&window, QStringLiteral("status-message-%1").arg(theme));
        window.statusBar()->clearMessage();
        // The word a sync gives when another device's copies replaced edits made here.
        emit state.syncEngine()->changesReplaced(2);
        save(&window, QStringLiteral("status-conflicts-%1").arg(theme));
        window.statusBar()->clearMessage();
        saveMenus(window, theme);
        saveWhileOpen(QStringLiteral("keyboard-shortcuts-%1").arg(theme), [&window] {
            menuEntry(window, QCoreApplication::translate("MainWindow", "&Keyboard Shortcuts"))
                ->trigger();
        });
        saveWhileOpen(QStringLiteral("account-context-menu-%1").arg(theme), [&window] {
            QListWidget* list = window.accountList();
            window.onAccountContextMenu(list->visualItemRect(list->item(0)).center());
        });

        RegisterScreen* screen = window.registerScreen();
        RegisterModel* model = screen->model();
        const int row = model->viewRowOf(rows.at(1).id);
        const auto rowCentre = [screen, model](int viewRow) {
            return screen->view()
                ->visualRect(model->index(viewRow, RegisterModel::PayeeColumn))
                .center();
        };
        saveWhileOpen(QStringLiteral("register-context-menu-%1").arg(theme),
                      [screen, model, &rowCentre, &split] {
                          screen->onContextMenu(rowCentre(model->viewRowOf(split.id)));
                      });
        saveWhileOpen(
            QStringLiteral("register-entry-context-menu-%1").arg(theme),
            [screen, model, &rowCentre] { screen->onContextMenu(rowCentre(model->entryRow())); });
        screen->view()->setCurrentIndex(model->index(row, RegisterModel::PayeeColumn));
        screen->view()->edit(model->index(row, RegisterModel::PayeeColumn));
        save(&window, QStringLiteral("register-editing-%1").arg(theme));
        screen->reload();

        AccountFormDialog newAccount(&window);
        saveDialog(newAccount, QStringLiteral("dialog-new-account-%1").arg(theme));
        AccountFormDialog editAccount(*state.accountRepository()->byId(checking), &window);
        saveDialog(editAccount, QStringLiteral("dialog-edit-account-%1").arg(theme));
        CategoryFormDialog newCategory(categories.first().id, categories.first().name, &window);
        saveDialog(newCategory, QStringLiteral("dialog-new-subcategory-%1").arg(theme));
        TransactionFormDialog newTransaction(&state, checking, &window);
        saveDialog(newTransaction, QStringLiteral("dialog-new-transaction-%1").arg(theme));
        TransactionFormDialog editSplit(&state, *state.transactionRepository()->byId(split.id),
                                        &window);
        saveDialog(editSplit, QStringLiteral("dialog-edit-split-transaction-%1").arg(theme));
        SplitEditorDialog splitEditor(
            &state, split.amount, state.accountRepository()->currencyOf(split.accountId),
            state.splitLineRepository()->listForTransaction(split.id), &window);
        saveDialog(splitEditor, QStringLiteral("dialog-split-editor-%1").arg(theme));
        TransactionDetailsDialog details(&state, *state.transactionRepository()->byId(split.id),
                                         &window);
        saveDialog(details, QStringLiteral("dialog-transaction-details-%1").arg(theme));

        saveRecurringAndReconciliation(window, state, checking, theme);
    }

    // The register at the smallest window it is made for and at a common laptop size: every
    // column fits. At the smaller one, the category list opened over its narrow column.
    for (const QSize& size : {QSize(1024, 700), QSize(1440, 900)}) {
        window.resize(size);
        for (const QString& theme : {QStringLiteral("light"), QStringLiteral("dark")}) {
            state.themeManager()->setThemeFromString(theme);
            window.registerScreen()->reload();
            const QString suffix =
                QStringLiteral("%1x%2-%3").arg(size.width()).arg(size.height()).arg(theme);
            save(&window, QStringLiteral("register-%1").arg(suffix));

            RegisterScreen* screen = window.registerScreen();
            const QModelIndex category =
                screen->model()->index(screen->model()->entryRow(), RegisterModel::CategoryColumn);
            screen->view()->setCurrentIndex(category);
            screen->view()->edit(category);
            if (auto* combo = qobject_cast<QComboBox*>(screen->view()->indexWidget(category))) {
                combo->showPopup();
                QApplication::processEvents();
                // The list is a window of its own: drawn over the main window where it opened.
                QWidget* list = combo->view()->window();
                QPixmap shot = window.grab();
                QPainter painter(&shot);
                painter.drawPixmap(window.mapFromGlobal(list->mapToGlobal(QPoint(0, 0))),
                                   list->grab());
                painter.end();
                const QString path =
                    QDir(outputDirectory)
                        .filePath(QStringLiteral("category-list-%1.png").arg(suffix));
                shot.save(path);
                std::printf("wrote %s\n", qPrintable(path));
                combo->hidePopup();
            }
            screen->view()->setCurrentIndex(QModelIndex()); // closes the cell
            screen->reload();
        }
    }
    window.resize(1280, 800);

    // A yen account beside the dollar ones: whole yen in the register, "¥" in the list.
    Account yen;
    yen.id = QStringLiteral("shot-acct-yen");
    yen.name = QStringLiteral("Tokyo Wallet");
    yen.accountType = AccountType::Cash;
    yen.currency = Currency::JPY;
    yen.startingBalance = 250000;
    state.accountService()->create(yen, QDate(2024, 11, 1));
    for (const auto& [day, payee, amount] :
         {std::tuple{4, "Shinjuku Market", -15800}, std::tuple{9, "Ramen Ya", -1500},
          std::tuple{15, "Salary", 320000}}) {
        Transaction transaction;
        transaction.accountId = yen.id;
        transaction.date = QDate(2024, 11, day);
        transaction.payee = QString::fromUtf8(payee);
        transaction.amount = amount;
        state.transactionService()->add(transaction);
    }
    RecurringTransaction rent;
    rent.accountId = yen.id;
    rent.payee = QStringLiteral("Sakura Heights");
    rent.amount = -98000;
    rent.startDate = rent.nextDueDate = QDate::currentDate().addDays(4);
    state.recurringService()->add(rent);
    window.selectAccount(yen.id);
    for (const QString& theme : {QStringLiteral("light"), QStringLiteral("dark")}) {
        state.themeManager()->setThemeFromString(theme);
        window.registerScreen()->reload();
        save(&window, QStringLiteral("register-yen-%1").arg(theme));
        window.showRecurringWindow();
        save(window.findChild<RecurringScreen*>(), QStringLiteral("recurring-yen-%1").arg(theme));
        window.findChild<RecurringScreen*>()->close();
        window.showReconciliationWindow();
        auto* reconcile = window.findChild<ReconciliationScreen*>();
        reconcile->table()->item(0, ReconciliationScreen::TickColumn)->setCheckState(Qt::Checked);
        save(reconcile, QStringLiteral("reconcile-yen-%1").arg(theme));
        reconcile->close(); // deletes itself
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // A payment typed with a decimal comma at the smallest window, in its cell and once saved:
    // the register reads it in the interface language and shows it as it shows every amount.
    window.resize(1024, 700);
    window.selectAccount(checking);
    RegisterScreen* screen = window.registerScreen();
    RegisterModel* model = screen->model();
    for (const QString& theme : {QStringLiteral("light"), QStringLiteral("dark")}) {
        state.themeManager()->setThemeFromString(theme);
        screen->reload();
        model->setBuffer(RegisterModel::PayeeColumn, QStringLiteral("Corner Bakery"));
        const QModelIndex payment = model->index(model->entryRow(), RegisterModel::PaymentColumn);
        screen->view()->setCurrentIndex(payment);
        screen->view()->edit(payment);
        if (auto* line = qobject_cast<QLineEdit*>(screen->view()->indexWidget(payment)))
            line->setText(QStringLiteral("12,50"));
        save(&window, QStringLiteral("register-decimal-comma-typed-1024x700-%1").arg(theme));
        screen->commitCurrentRow();
        save(&window, QStringLiteral("register-decimal-comma-saved-1024x700-%1").arg(theme));
        for (const Transaction& saved : state.transactionRepository()->listByAccount(checking)) {
            if (saved.payee == QLatin1String("Corner Bakery"))
                state.transactionRepository()->softDelete(saved.id);
        }
    }
    return 0;
}
