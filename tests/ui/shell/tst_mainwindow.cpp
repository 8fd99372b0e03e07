#include "app/core/money.h"
#include "app/core/uilanguage.h"
#include "app/core/uitranslators.h"
#include "data/accountrepository.h"
#include "data/reconciliationrepository.h"
#include "data/recurringrepository.h"
#include "data/transactionrepository.h"
#include "services/ledger/accountservice.h"
#include "sync/syncengine.h"
#include "tests/common/testapp.h"
#include "tests/common/testrecords.h"
#include "ui/register/registermodel.h"
#include "ui/register/registerscreen.h"
#include "ui/register/registertableview.h"
#include "ui/screens/account/accountscreen.h"
#include "ui/screens/reconciliation/reconciliationhistoryscreen.h"
#include "ui/screens/reconciliation/reconciliationscreen.h"
#include "ui/screens/recurring/recurringmodel.h"
#include "ui/screens/recurring/recurringscreen.h"
#include "ui/shell/mainwindow.h"
#include "ui/shell/statusbar.h"

#include "libs/account/client.h"
#include "libs/account/signin/authclient.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDateEdit>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollBar>
#include <QSettings>
#include <QShortcut>
#include <QStackedWidget>
#include <QTableView>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QTranslator>

namespace {

QStringList accountLabels(QListWidget* list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i) {
        QStringList parts;
        for (QLabel* label : list->itemWidget(list->item(i))->findChildren<QLabel*>())
            parts << label->text();
        texts << parts.join(QLatin1Char('|'));
    }
    return texts;
}

QString currentAccountOf(QListWidget* list)
{
    QListWidgetItem* item = list->currentItem();
    return item ? item->data(Qt::UserRole).toString() : QString();
}

QAction* menuAction(QMainWindow& window, const QString& text)
{
    for (QAction* action : window.menuBar()->findChildren<QAction*>()) {
        if (action->text() == text)
            return action;
    }
    return nullptr;
}

QString nativeKeys(const QKeySequence& keys)
{
    return keys.toString(QKeySequence::NativeText).toHtmlEscaped();
}

// The Keyboard Shortcuts box's text as the menu entry shows it.
QString shortcutsBoxText(QMainWindow& window)
{
    QString text;
    answerNextMessageBox(QMessageBox::Ok, &text);
    menuAction(window, QStringLiteral("&Keyboard Shortcuts"))->trigger();
    return text;
}

// The box's rows ("keys|meaning") under the heading.
QStringList shortcutRows(const QString& box, const QString& heading)
{
    const QRegularExpression section(QStringLiteral("<h3>%1</h3><table[^>]*>(.*?)</table>")
                                         .arg(QRegularExpression::escape(heading)));
    static const QRegularExpression row(
        QStringLiteral("<tr><td><b>(.*?)</b></td><td>(.*?)</td></tr>"));
    QStringList rows;
    for (const QRegularExpressionMatch& match : row.globalMatch(section.match(box).captured(1)))
        rows << match.captured(1) + QLatin1Char('|') + match.captured(2);
    return rows;
}

// Every entry of the menu bar's menus (not just the actions the window owns).
QList<QAction*> menuEntries(QMainWindow& window)
{
    QList<QAction*> entries;
    for (QAction* menu : window.menuBar()->actions()) {
        if (menu->menu())
            entries << menu->menu()->actions();
    }
    return entries;
}

// Runs `open`, which shows a popup menu in its own event loop, hands the menu to `act` and then
// closes it.
void withPopup(const std::function<void()>& open, const std::function<void(QMenu*)>& act)
{
    QTimer::singleShot(50, [act] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QVERIFY(menu);
        act(menu);
        menu->close();
    });
    open();
}

// The entries ("text|enabled") of the popup menu that `open` shows.
QStringList popupEntries(const std::function<void()>& open)
{
    QStringList entries;
    withPopup(open, [&entries](QMenu* menu) {
        for (QAction* action : menu->actions())
            entries << (action->isSeparator() ? QStringLiteral("—")
                                              : action->text() + QLatin1Char('|') +
                                                    (action->isEnabled() ? "on" : "off"));
    });
    return entries;
}

// Picks the entry of the popup menu that `open` shows.
void choosePopupEntry(const QString& text, const std::function<void()>& open)
{
    withPopup(open, [&text](QMenu* menu) {
        for (QAction* action : menu->actions()) {
            if (action->text() == text)
                action->trigger();
        }
    });
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private:
    QTranslator m_english;

private slots:
    void initTestCase()
    {
        QVERIFY(m_english.load(QStringLiteral(":/i18n/pennibar_en.qm")));
        QCoreApplication::installTranslator(&m_english);
    }

    void firstStartShowsTheWelcomeScreen();
    void newAccountGetsItsOpeningTransaction();
    void zeroStartingBalanceMakesNoTransaction();
    void deletingAnAccountCascades();
    void reorderingPersistsSortOrder();
    void altDigitSelectsAccounts();
    void lastViewedAccountComesBack();
    void sampleDataBalances();
    void balancesFollowTheFirstPaint_data();
    void balancesFollowTheFirstPaint();
    void totalKeepsCurrenciesApart_data();
    void totalKeepsCurrenciesApart();
    void autoPostRunsAtStart();
    void statusBarFollowsCounts();
    void replacedChangesAreAnnounced_data();
    void replacedChangesAreAnnounced();
    void keyboardShortcutsNameTheKeys();
    void shortcutsBoxListsEveryMenuKey();
    void shortcutsBoxListsTheRegisterAndAccountKeys();
    void accountContextMenuFollowsTheMenu();
    void accountContextMenuActsOnItsRow();
    void toolWindowsNeedACurrentAccount();
    void sharingAsksASignedOutUserToSignIn();
    void toolWindowsOpenAsTheirOwnWindows();
    void switchingAccountsSettlesTheTypedRow_data();
    void switchingAccountsSettlesTheTypedRow();
    void losingTheViewedAccountShowsAnother();
    void editFormEditsTheOpeningTransaction();
    void balanceGivenLaterTakesItsDate();
    void accountCommandsNeedAnAccount();
    void registerFitsTheWindow_data();
    void registerFitsTheWindow();
    void firstSizeFitsTheScreen_data();
    void firstSizeFitsTheScreen();
    void menuMnemonicsAreUnique_data();
    void menuMnemonicsAreUnique();
};

namespace {

// "Cash Wallet" (viewed) and "Checking" beside it.
void addTwoAccounts(AppState* state)
{
    Account cash = testAccount(QStringLiteral("cash"), QStringLiteral("Cash Wallet"));
    cash.accountType = AccountType::Cash;
    Account checking = testAccount(QStringLiteral("checking"), QStringLiteral("Checking"));
    checking.sortOrder = 1;
    state->accountRepository()->insert(cash);
    state->accountRepository()->insert(checking);
}

QWidget* pageShown(QMainWindow& window)
{
    return window.findChild<QStackedWidget*>()->currentWidget();
}

// The letter Alt or a key press picks in an entry's text ("&&" is an ampersand, not a mnemonic),
// folded to one case; null when the entry has none.
QChar mnemonicOf(const QString& text)
{
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text.at(i) != QLatin1Char('&'))
            continue;
        if (text.at(i + 1) != QLatin1Char('&'))
            return text.at(i + 1).toCaseFolded();
        ++i;
    }
    return {};
}

// The entries of one menu (or of the menu bar) that share a mnemonic, then those of each
// sub-menu, each clash as "menu: 'entry' and 'entry' share X".
QStringList mnemonicClashes(const QString& menuName, const QList<QAction*>& entries)
{
    QStringList clashes;
    QHash<QChar, QString> taken;
    for (const QAction* entry : entries) {
        const QChar mnemonic = mnemonicOf(entry->text());
        if (mnemonic.isNull())
            continue;
        if (taken.contains(mnemonic))
            clashes << QStringLiteral("%1: '%2' and '%3' share %4")
                           .arg(menuName, taken.value(mnemonic), entry->text(), mnemonic);
        else
            taken.insert(mnemonic, entry->text());
    }
    for (const QAction* entry : entries) {
        if (entry->menu())
            clashes << mnemonicClashes(menuName + QStringLiteral(" › ") + entry->text(),
                                       entry->menu()->actions());
    }
    return clashes;
}

} // namespace

// The General section is made of the menus' own entries: each key a menu carries is listed
// with its meaning, except the platform's standard Quit key.
void TestMainWindow::shortcutsBoxListsEveryMenuKey()
{
    TestApp app;
    MainWindow window(app.state());
    const QList<QPair<QString, QString>> listed = {
        {QStringLiteral("&New Transaction"), QStringLiteral("New transaction")},
        {QStringLiteral("New &Account"), QStringLiteral("New account")},
        {QStringLiteral("&Reconcile..."), QStringLiteral("Reconcile account")},
        {QStringLiteral("&Find..."), QStringLiteral("Search transactions")},
        {QStringLiteral("&Reports"), QStringLiteral("Reports")},
        {QStringLiteral("Re&curring Transactions"), QStringLiteral("Recurring transactions")},
        {QStringLiteral("C&ategories"), QStringLiteral("Categories")},
    };

    QStringList withKeys;
    for (QAction* entry : menuEntries(window)) {
        if (!entry->shortcut().isEmpty() && entry->menuRole() != QAction::QuitRole)
            withKeys << entry->text();
    }
    QStringList expectedRows;
    for (const auto& [text, meaning] : listed) {
        QVERIFY2(withKeys.removeOne(text), qPrintable(text));
        expectedRows << nativeKeys(menuAction(window, text)->shortcut()) + QLatin1Char('|') +
                            meaning;
    }
    QVERIFY2(withKeys.isEmpty(), qPrintable(withKeys.join(QLatin1String(", "))));
    QCOMPARE(shortcutRows(shortcutsBoxText(window), QStringLiteral("General")), expectedRows);
}

// The Register section names the keys of the register's own commands, as its context menu
// and its key hint show them; the Accounts section the keys the account list answers to.
void TestMainWindow::shortcutsBoxListsTheRegisterAndAccountKeys()
{
    TestApp app;
    for (int i = 0; i < 10; ++i)
        app.state()->accountRepository()->insert(
            testAccount(QStringLiteral("id%1").arg(i), QStringLiteral("Account %1").arg(i)));
    app.state()->transactionRepository()->insert(testTransaction(
        QStringLiteral("t"), QStringLiteral("id0"), QDate(2024, 1, 1), QStringLiteral("P"), -1));
    MainWindow window(app.state());
    window.selectAccount(QStringLiteral("id0"));
    const QString box = shortcutsBoxText(window);

    RegisterScreen* screen = window.registerScreen();
    const QModelIndex row = screen->model()->index(screen->model()->viewRowOf(QStringLiteral("t")),
                                                   RegisterModel::PayeeColumn);
    QHash<QString, QString> contextKeys;
    withPopup([&] { screen->onContextMenu(screen->view()->visualRect(row).center()); },
              [&contextKeys](QMenu* menu) {
                  for (QAction* action : menu->actions())
                      contextKeys.insert(action->text(), nativeKeys(action->shortcut()));
              });
    QString saveKey;
    for (QLabel* label : screen->findChildren<QLabel*>()) {
        if (label->text().contains(QLatin1String(": save")))
            saveKey = label->text().section(QLatin1Char(':'), 0, 0).toHtmlEscaped();
    }
    QVERIFY(!saveKey.isEmpty());
    QCOMPARE(shortcutRows(box, QStringLiteral("Register")),
             (QStringList{saveKey + QStringLiteral("|Save transaction"),
                          contextKeys.value(QStringLiteral("&Insert New")) +
                              QStringLiteral("|Insert new transaction"),
                          contextKeys.value(QStringLiteral("&Delete")) +
                              QStringLiteral("|Delete current transaction"),
                          QStringLiteral("Tab / Shift+Tab|Next / previous field"),
                          QStringLiteral("' (apostrophe)|Copy value from field above")}));

    const QList<QShortcut*> accountKeys = window.findChildren<QShortcut*>();
    QCOMPARE(accountKeys.size(), 10);
    QCOMPARE(shortcutRows(box, QStringLiteral("Accounts")),
             (QStringList{nativeKeys(accountKeys.at(0)->key()) + QStringLiteral(" &ndash; ") +
                              nativeKeys(accountKeys.at(8)->key()) +
                              QStringLiteral("|Switch to account 1&ndash;9"),
                          nativeKeys(accountKeys.at(9)->key()) +
                              QStringLiteral("|Switch to account 10")}));
}

// The account list's context menu offers the Account menu's commands for the row, enabled as
// the menu's entries are.
void TestMainWindow::accountContextMenuFollowsTheMenu()
{
    TestApp app;
    app.state()->accountRepository()->insert(
        testAccount(QStringLiteral("a"), QStringLiteral("Everyday")));
    MainWindow window(app.state());
    window.show();
    const QPoint onRow =
        window.accountList()->visualItemRect(window.accountList()->item(0)).center();
    const auto state = [&window](const char* menuText) {
        return menuAction(window, QString::fromUtf8(menuText))->isEnabled() ? QStringLiteral("on")
                                                                            : QStringLiteral("off");
    };
    QCOMPARE(popupEntries([&] { window.onAccountContextMenu(onRow); }),
             (QStringList{
                 QStringLiteral("New Account...|") + state("New &Account"), QStringLiteral("—"),
                 QStringLiteral("Edit \"Everyday\"...|") + state("&Edit..."),
                 QStringLiteral("Reconcile...|") + state("&Reconcile..."),
                 QStringLiteral("Reconciliation History...|") + state("Reconciliation &History..."),
                 QStringLiteral("Rename Payees...|") + state("Rename &Payees..."),
                 QStringLiteral("—"), QStringLiteral("Share...|") + state("&Share..."),
                 QStringLiteral("—"), QStringLiteral("Delete \"Everyday\"|") + state("&Delete")}));
    QCOMPARE(popupEntries([&] { window.onAccountContextMenu(QPoint(5, 5000)); }),
             (QStringList{QStringLiteral("New Account...|on")}));
}

// Edit makes the row's account the current one first; Delete removes the row's account and
// leaves the current one alone.
void TestMainWindow::accountContextMenuActsOnItsRow()
{
    TestApp app;
    app.state()->accountRepository()->insert(
        testAccount(QStringLiteral("a"), QStringLiteral("Current")));
    app.state()->accountRepository()->insert(
        testAccount(QStringLiteral("b"), QStringLiteral("Other")));
    MainWindow window(app.state());
    window.show();
    QCOMPARE(app.state()->currentAccountId(), QStringLiteral("a"));
    const QPoint other =
        window.accountList()->visualItemRect(window.accountList()->item(1)).center();

    answerNextMessageBox(QMessageBox::Yes);
    choosePopupEntry(QStringLiteral("Delete \"Other\""),
                     [&] { window.onAccountContextMenu(other); });
    QVERIFY(app.state()->accountRepository()->byId(QStringLiteral("b"))->isDeleted());
    QCOMPARE(app.state()->currentAccountId(), QStringLiteral("a"));

    app.state()->accountRepository()->insert(
        testAccount(QStringLiteral("c"), QStringLiteral("Third")));
    const QPoint third =
        window.accountList()->visualItemRect(window.accountList()->item(1)).center();
    QString title;
    whenModalOpens([&title](QWidget* dialog) {
        title = dialog->windowTitle();
        static_cast<QDialog*>(dialog)->reject();
    });
    choosePopupEntry(QStringLiteral("Edit \"Third\"..."),
                     [&] { window.onAccountContextMenu(third); });
    QCOMPARE(title, QStringLiteral("Edit Account"));
    QCOMPARE(app.state()->currentAccountId(), QStringLiteral("c"));
}

void TestMainWindow::keyboardShortcutsNameTheKeys()
{
    TestApp app;
    MainWindow window(app.state());
    QString text;
    answerNextMessageBox(QMessageBox::Ok, &text);
    menuAction(window, QStringLiteral("&Keyboard Shortcuts"))->trigger();
    const auto native = [](const QKeySequence& keys) {
        return keys.toString(QKeySequence::NativeText);
    };
    QVERIFY(text.contains(QStringLiteral("<b>%1</b></td><td>Save transaction")
                              .arg(native(QKeySequence(Qt::CTRL | Qt::Key_Return)))));
    QVERIFY(text.contains(QStringLiteral("<b>%1 &ndash; %2</b>")
                              .arg(native(QKeySequence(Qt::ALT | Qt::Key_1)),
                                   native(QKeySequence(Qt::ALT | Qt::Key_9)))));
    QVERIFY(text.contains(QStringLiteral("<b>%1</b></td><td>Categories")
                              .arg(native(QKeySequence(Qt::CTRL | Qt::Key_4)))));
    QVERIFY(!text.contains(QLatin1Char('%')));
}

void TestMainWindow::firstStartShowsTheWelcomeScreen()
{
    TestApp app;
    MainWindow window(app.state());
    // 1280 x 900, or less on a smaller screen.
    QCOMPARE(window.size(), MainWindow::firstSize(window.screen()->availableGeometry().size()));
    auto* stack = window.findChild<QStackedWidget*>();
    QCOMPARE(stack->currentIndex(), 0);
    QVERIFY(accountLabels(window.accountList()).isEmpty());
    bool noAccounts = false;
    for (QLabel* label : window.findChildren<QLabel*>())
        noAccounts = noAccounts || label->text() == QLatin1String("No accounts");
    QVERIFY(noAccounts);
    QVERIFY(!menuAction(window, QStringLiteral("Load &Sample Data")));
    QVERIFY(!menuAction(window, QStringLiteral("Sign &Out"))->isVisible());
    QVERIFY(!menuAction(window, QStringLiteral("&Share..."))->isEnabled());
}

void TestMainWindow::newAccountGetsItsOpeningTransaction()
{
    TestApp app;
    MainWindow window(app.state());
    whenModalOpens([](QWidget* dialog) {
        dialog->findChild<QLineEdit*>()->setText(QStringLiteral("Everyday"));
        dialog->findChild<QDoubleSpinBox*>()->setValue(-1234.56);
        dialog->findChild<QDateEdit*>()->setDate(QDate(2024, 2, 1));
        static_cast<QDialog*>(dialog)->accept();
    });
    window.showNewAccountDialog();

    const QList<Account> accounts = app.state()->accountRepository()->listAll();
    QCOMPARE(accounts.size(), 1);
    QCOMPARE(accounts.first().startingBalance, qint64(0));
    const QList<Transaction> transactions =
        app.state()->transactionRepository()->listByAccount(accounts.first().id);
    QCOMPARE(transactions.size(), 1);
    QCOMPARE(transactions.first().payee, QStringLiteral("Opening Balance"));
    QCOMPARE(transactions.first().amount, qint64(-123456));
    QCOMPARE(transactions.first().date, QDate(2024, 2, 1));
    QVERIFY(transactions.first().cleared && transactions.first().reconciled);

    QCOMPARE(app.state()->currentAccountId(), accounts.first().id);
    QCOMPARE(accountLabels(window.accountList()).first(),
             QStringLiteral("\ue84f|Everyday|-$1,234.56|Checking"));
    QCOMPARE(window.findChild<QStackedWidget*>()->currentWidget(), window.registerScreen());
}

void TestMainWindow::zeroStartingBalanceMakesNoTransaction()
{
    TestApp app;
    MainWindow window(app.state());
    whenModalOpens([](QWidget* dialog) {
        dialog->findChild<QLineEdit*>()->setText(QStringLiteral("Empty"));
        static_cast<QDialog*>(dialog)->accept();
    });
    window.showNewAccountDialog();
    QCOMPARE(app.state()->accountRepository()->listAll().size(), 1);
    QCOMPARE(app.state()->transactionRepository()->search(QString()).size(), 0);
}

void TestMainWindow::deletingAnAccountCascades()
{
    TestApp app;
    AppState* state = app.state();
    state->accountRepository()->insert(testAccount(QStringLiteral("a"), QStringLiteral("Doomed")));
    state->transactionRepository()->insert(testTransaction(
        QStringLiteral("t"), QStringLiteral("a"), QDate(2024, 1, 1), QStringLiteral("P"), -1));
    state->recurringRepository()->insert(testRecurring(QStringLiteral("r"), QStringLiteral("a"),
                                                       QStringLiteral("R"), -1, Frequency::Monthly,
                                                       QDate::currentDate().addDays(5)));
    Reconciliation statement;
    statement.id = QStringLiteral("s");
    statement.accountId = QStringLiteral("a");
    statement.statementDate = QDate(2024, 1, 31);
    statement.completedAt = nowUtc();
    state->reconciliationRepository()->insert(statement);
    MainWindow window(state);
    QCOMPARE(state->currentAccountId(), QStringLiteral("a"));

    QString question;
    answerNextMessageBox(QMessageBox::Yes, &question);
    window.deleteCurrentAccount();

    QVERIFY(question.startsWith(QStringLiteral("Delete \"Doomed\"?")));
    QVERIFY(state->accountRepository()->byId(QStringLiteral("a"))->isDeleted());
    QVERIFY(state->transactionRepository()->byId(QStringLiteral("t"))->isDeleted());
    QVERIFY(state->recurringRepository()->byId(QStringLiteral("r"))->isDeleted());
    QVERIFY(state->reconciliationRepository()->byId(QStringLiteral("s"))->isDeleted());
    QVERIFY(state->currentAccountId().isEmpty());
    QCOMPARE(window.accountList()->count(), 0);
    QVERIFY(window.findChild<QStackedWidget*>()->currentWidget() != window.registerScreen());

    // Answering No keeps everything.
    state->accountRepository()->insert(testAccount(QStringLiteral("b"), QStringLiteral("Kept")));
    answerNextMessageBox(QMessageBox::No);
    window.deleteAccount(QStringLiteral("b"));
    QVERIFY(!state->accountRepository()->byId(QStringLiteral("b"))->isDeleted());
}

void TestMainWindow::reorderingPersistsSortOrder()
{
    TestApp app;
    for (const char* name : {"A", "B", "C"})
        app.state()->accountRepository()->insert(
            testAccount(QString::fromLatin1(name).toLower(), QString::fromLatin1(name)));
    MainWindow window(app.state());
    window.show();
    // What a drag to the top does to the list's model.
    QVERIFY(window.accountList()->model()->moveRow(QModelIndex(), 2, QModelIndex(), 0));
    QStringList order;
    for (const Account& account : app.state()->accountRepository()->listAll())
        order << QStringLiteral("%1=%2").arg(account.name).arg(account.sortOrder);
    QCOMPARE(order, (QStringList{"C=0", "A=1", "B=2"}));
    QCOMPARE(accountLabels(window.accountList()).first().section(QLatin1Char('|'), 1, 1),
             QStringLiteral("C"));
}

void TestMainWindow::altDigitSelectsAccounts()
{
    TestApp app;
    for (int i = 0; i < 11; ++i) {
        Account account = testAccount(QStringLiteral("id%1").arg(i),
                                      QStringLiteral("Account %1").arg(i, 2, 10, QLatin1Char('0')));
        account.sortOrder = i;
        app.state()->accountRepository()->insert(account);
    }
    MainWindow window(app.state());
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));

    QTest::keyClick(&window, Qt::Key_2, Qt::AltModifier);
    QCOMPARE(app.state()->currentAccountId(), QStringLiteral("id1"));
    QCOMPARE(currentAccountOf(window.accountList()), QStringLiteral("id1"));
    QTest::keyClick(&window, Qt::Key_0, Qt::AltModifier);
    QCOMPARE(app.state()->currentAccountId(), QStringLiteral("id9"));
    QCOMPARE(window.findChildren<QShortcut*>().size(), 10);
}

void TestMainWindow::lastViewedAccountComesBack()
{
    TestApp app;
    app.state()->accountRepository()->insert(
        testAccount(QStringLiteral("first"), QStringLiteral("First")));
    app.state()->accountRepository()->insert(
        testAccount(QStringLiteral("second"), QStringLiteral("Second")));
    {
        MainWindow window(app.state());
        QCOMPARE(app.state()->currentAccountId(), QStringLiteral("first"));
        window.selectAccount(QStringLiteral("second"));
        window.close();
    }
    app.restart();
    MainWindow window(app.state());
    QCOMPARE(app.state()->currentAccountId(), QStringLiteral("second"));
    QCOMPARE(currentAccountOf(window.accountList()), QStringLiteral("second"));
    QCOMPARE(window.registerScreen()->accountId(), QStringLiteral("second"));
}

void TestMainWindow::sampleDataBalances()
{
    qputenv("PENNIBAR_DEV", "1");
    TestApp app;
    MainWindow window(app.state());
    qunsetenv("PENNIBAR_DEV");
    menuAction(window, QStringLiteral("Load &Sample Data"))->trigger();
    const QStringList labels = accountLabels(window.accountList());
    QCOMPARE(labels.size(), 3);
    QVERIFY2(labels.at(0).contains(QStringLiteral("|$11,259.60|")), qPrintable(labels.at(0)));
    QVERIFY2(labels.at(1).contains(QStringLiteral("|$11,016.95|")), qPrintable(labels.at(1)));
    QVERIFY2(labels.at(2).contains(QStringLiteral("|-$38.39|")), qPrintable(labels.at(2)));
    QVERIFY(labels.at(0).endsWith(QStringLiteral("Riverbend Credit Union  ·  *4521")));

    QString refused;
    answerNextMessageBox(QMessageBox::Ok, &refused);
    menuAction(window, QStringLiteral("Load &Sample Data"))->trigger();
    QCOMPARE(refused, QStringLiteral("Sample data is already loaded."));

    menuAction(window, QStringLiteral("&Clear Sample Data"))->trigger();
    QCOMPARE(window.accountList()->count(), 0);
    QString nothing;
    answerNextMessageBox(QMessageBox::Ok, &nothing);
    menuAction(window, QStringLiteral("&Clear Sample Data"))->trigger();
    QCOMPARE(nothing, QStringLiteral("No sample data to clear."));
}

// At start-up the account list shows its accounts at once and their balances once the window
// has been painted, or a moment later when it is not shown at all.
void TestMainWindow::balancesFollowTheFirstPaint_data()
{
    QTest::addColumn<bool>("shown");
    QTest::newRow("painted window") << true;
    QTest::newRow("window never shown") << false;
}

void TestMainWindow::balancesFollowTheFirstPaint()
{
    QFETCH(bool, shown);
    TestApp app;
    addTwoAccounts(app.state());
    TransactionRepository* transactions = app.state()->transactionRepository();
    QVERIFY(
        transactions->insert(testTransaction(QStringLiteral("t1"), QStringLiteral("cash"),
                                             QDate(2025, 1, 2), QStringLiteral("Pay"), 150000)));
    QVERIFY(
        transactions->insert(testTransaction(QStringLiteral("t2"), QStringLiteral("checking"),
                                             QDate(2025, 1, 3), QStringLiteral("Rent"), -2550)));

    MainWindow window(app.state());
    QCOMPARE(window.accountList()->count(), 2);
    if (shown)
        window.show();
    const auto balancesShown = [&window] {
        const QStringList labels = accountLabels(window.accountList());
        return labels.size() == 2 &&
               labels.at(0).contains(QStringLiteral("|Cash Wallet|$1,500.00|")) &&
               labels.at(1).contains(QStringLiteral("|Checking|-$25.50|"));
    };
    QTRY_VERIFY2(balancesShown(), qPrintable(accountLabels(window.accountList()).join(", ")));
    bool totalShown = false;
    for (QLabel* label : window.findChildren<QLabel*>())
        totalShown = totalShown || label->text() == QStringLiteral("Total: $1,474.50");
    QVERIFY(totalShown);
}

void TestMainWindow::totalKeepsCurrenciesApart_data()
{
    QTest::addColumn<QList<int>>("currencies"); // of the accounts, in list order
    QTest::addColumn<QString>("total");

    QTest::newRow("one currency") << QList<int>{int(Currency::JPY), int(Currency::JPY)}
                                  << "Total: ¥156,550";
    QTest::newRow("three currencies, each added up apart")
        << QList<int>{int(Currency::USD), int(Currency::JPY), int(Currency::EUR),
                      int(Currency::USD)}
        << "Total (USD): $1,474.50\nTotal (JPY): ¥6,550\nTotal (EUR): €12.50";
}

// Amounts of different currencies are never added: ¥6,550 is no $65.50.
void TestMainWindow::totalKeepsCurrenciesApart()
{
    QFETCH(QList<int>, currencies);
    QFETCH(QString, total);
    const qint64 balances[] = {150000, 6550, 1250, -2550};
    TestApp app;
    for (int i = 0; i < currencies.size(); ++i) {
        Account account =
            testAccount(QStringLiteral("a%1").arg(i), QStringLiteral("Account %1").arg(i),
                        balances[i], Currency(currencies.at(i)));
        account.sortOrder = i;
        QVERIFY(app.state()->accountRepository()->insert(account));
    }

    MainWindow window(app.state());
    window.show();
    const auto totalLabel = [&window]() -> QLabel* {
        for (QLabel* label : window.findChildren<QLabel*>()) {
            if (label->text().startsWith(QStringLiteral("Total")))
                return label;
        }
        return nullptr;
    };
    QTRY_VERIFY(totalLabel());
    QCOMPARE(totalLabel()->text(), total);
    // Every line in view.
    QVERIFY(totalLabel()->height() >= totalLabel()->sizeHint().height());
}

void TestMainWindow::autoPostRunsAtStart()
{
    TestApp app;
    app.state()->accountRepository()->insert(testAccount(QStringLiteral("a"), QStringLiteral("A")));
    RecurringTransaction daily =
        testRecurring(QStringLiteral("r"), QStringLiteral("a"), QStringLiteral("Coffee"), -300,
                      Frequency::Daily, QDate::currentDate().addDays(-2));
    daily.autoPost = true;
    app.state()->recurringRepository()->insert(daily);

    MainWindow window(app.state());
    QCOMPARE(window.statusBarWidget()->currentMessage(),
             QStringLiteral("Auto-posted 3 recurring transactions"));
    QCOMPARE(app.state()->transactionRepository()->listByAccount(QStringLiteral("a")).size(), 3);
    QVERIFY(accountLabels(window.accountList()).first().contains(QStringLiteral("-$9.00")));
}

void TestMainWindow::statusBarFollowsCounts()
{
    TestApp app;
    MainWindow window(app.state());
    window.show();
    const auto labelTexts = [&window] {
        QStringList texts;
        for (QLabel* label : window.statusBarWidget()->findChildren<QLabel*>()) {
            if (label->isVisible())
                texts << label->text();
        }
        return texts;
    };
    QVERIFY(labelTexts().contains(QStringLiteral("0 accounts")));
    QVERIFY(labelTexts().contains(QStringLiteral("Not signed in")));

    app.state()->accountRepository()->insert(testAccount(QStringLiteral("a"), QStringLiteral("A")));
    QVERIFY(labelTexts().contains(QStringLiteral("1 account")));

    app.state()->recurringRepository()->insert(
        testRecurring(QStringLiteral("r"), QStringLiteral("a"), QStringLiteral("Rent"), -1,
                      Frequency::Monthly, QDate::currentDate()));
    QVERIFY(labelTexts().contains(QStringLiteral("  •  1 recurring due")));
}

void TestMainWindow::replacedChangesAreAnnounced_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("start");
    QTest::newRow("one") << 1 << "1 change";
    QTest::newRow("three") << 3 << "3 change";
}

// A sync whose pull replaced edits of this device says so over its "Sync complete".
void TestMainWindow::replacedChangesAreAnnounced()
{
    QFETCH(int, count);
    QFETCH(QString, start);
    TestApp app;
    MainWindow window(app.state());
    SyncEngine* engine = app.state()->syncEngine();
    emit engine->syncCompleted();
    QCOMPARE(window.statusBarWidget()->currentMessage(), QStringLiteral("Sync complete"));
    emit engine->changesReplaced(count);
    const QString shown = window.statusBarWidget()->currentMessage();
    QVERIFY2(shown.startsWith(start), qPrintable(shown));
    QVERIFY2(shown.endsWith(QStringLiteral(" replaced by a newer version from another device "
                                           "(see Preferences → Data & Sync)")),
             qPrintable(shown));
}

void TestMainWindow::toolWindowsNeedACurrentAccount()
{
    TestApp app;
    MainWindow window(app.state());
    const QStringList entries = {QStringLiteral("&Reconcile..."),
                                 QStringLiteral("Reconciliation &History...")};
    for (const QString& entry : entries) {
        QVERIFY2(!menuAction(window, entry)->isEnabled(), qPrintable(entry));
        menuAction(window, entry)->trigger();
    }
    QVERIFY(!window.findChild<ReconciliationScreen*>());
    QVERIFY(!window.findChild<ReconciliationHistoryScreen*>());

    addTwoAccounts(app.state());
    for (const QString& entry : entries)
        QVERIFY2(menuAction(window, entry)->isEnabled(), qPrintable(entry));
}

// Sharing needs an account to share and a Tovarly account to share it with; a signed-out user
// who declines is left where they were.
void TestMainWindow::sharingAsksASignedOutUserToSignIn()
{
    TestApp app;
    MainWindow window(app.state());
    window.showShareAccountDialog();
    QCOMPARE(window.statusBarWidget()->currentMessage(), QStringLiteral("Select an account first"));

    addTwoAccounts(app.state());
    QAction* share = menuAction(window, QStringLiteral("&Share..."));
    QVERIFY(share->isEnabled());
    QString title;
    QString text;
    QStringList buttons;
    QString defaultButton;
    whenModalOpens([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        QVERIFY(box);
        title = box->windowTitle();
        text = box->text();
        for (QAbstractButton* button : box->buttons())
            buttons << button->text().remove(QLatin1Char('&'));
        defaultButton = box->defaultButton() ? box->defaultButton()->text() : QString();
        box->button(QMessageBox::Cancel)->click();
    });
    share->trigger();
    QCOMPARE(title, QStringLiteral("Sign In Required"));
    QCOMPARE(text, QStringLiteral("Sharing requires a Tovarly account."));
    buttons.sort();
    QCOMPARE(buttons, (QStringList{QStringLiteral("Cancel"), QStringLiteral("Learn More")}));
    QCOMPARE(defaultButton, QStringLiteral("Learn More"));
    QVERIFY(!window.findChild<TovAccount::AccountScreen*>());
    QCOMPARE(app.state()->accountClient()->authClient()->state(),
             TovAccount::AuthState::Unauthenticated);
}

// Recurring and history windows are made once and kept; every Reconcile makes a new window that
// goes when it closes. Postings and a finished reconciliation show in the register at once.
void TestMainWindow::toolWindowsOpenAsTheirOwnWindows()
{
    TestApp app;
    app.state()->accountRepository()->insert(
        testAccount(QStringLiteral("a"), QStringLiteral("Everyday")));
    app.state()->recurringRepository()->insert(
        testRecurring(QStringLiteral("r"), QStringLiteral("a"), QStringLiteral("Rent"), -90000,
                      Frequency::Monthly, QDate::currentDate()));
    MainWindow window(app.state());
    window.show();

    menuAction(window, QStringLiteral("Re&curring Transactions"))->trigger();
    auto* recurring = window.findChild<RecurringScreen*>();
    QVERIFY(recurring && recurring->isWindow() && recurring->isVisible());
    QCOMPARE(recurring->windowTitle(), QStringLiteral("Recurring Transactions"));
    QCOMPARE(recurring->size(), QSize(700, 500));
    recurring->resize(760, 540);
    menuAction(window, QStringLiteral("Re&curring Transactions"))->trigger();
    QCOMPARE(window.findChildren<RecurringScreen*>().size(), 1);
    QCOMPARE(recurring->size(), QSize(760, 540));
    const int registerRows = window.registerScreen()->model()->rowCount();
    recurring->view()->setCurrentIndex(recurring->model()->index(0, 0));
    recurring->confirmSelected();
    QCOMPARE(window.registerScreen()->model()->rowCount(), registerRows + 1);
    QVERIFY(accountLabels(window.accountList()).first().contains(QStringLiteral("-$900.00")));

    menuAction(window, QStringLiteral("Reconciliation &History..."))->trigger();
    auto* history = window.findChild<ReconciliationHistoryScreen*>();
    QVERIFY(history && history->isWindow());
    QCOMPARE(history->windowTitle(), QStringLiteral("Reconciliation History"));
    QCOMPARE(history->size(), QSize(750, 500));

    menuAction(window, QStringLiteral("&Reconcile..."))->trigger();
    QPointer<ReconciliationScreen> cancelled = window.findChild<ReconciliationScreen*>();
    QVERIFY(cancelled && cancelled->isWindow());
    QCOMPARE(cancelled->windowTitle(), QStringLiteral("Reconcile — Everyday"));
    QCOMPARE(cancelled->size(), QSize(1100, 720));
    emit cancelled->cancelled();
    QTRY_VERIFY(!cancelled);

    // The register's own Reconcile button opens the same window.
    for (QPushButton* button : window.registerScreen()->findChildren<QPushButton*>()) {
        if (button->text() == QLatin1String("Reconcile"))
            button->click();
    }
    QPointer<ReconciliationScreen> finished = window.findChild<ReconciliationScreen*>();
    QVERIFY(finished);
    finished->table()->item(0, ReconciliationScreen::TickColumn)->setCheckState(Qt::Checked);
    finished->findChild<QDoubleSpinBox*>()->setValue(-900.0);
    answerNextMessageBox(QMessageBox::Ok);
    finished->finish();
    QTRY_VERIFY(!finished);
    RegisterModel* model = window.registerScreen()->model();
    bool reconciledShown = false;
    for (int row = 0; row < model->rowCount(); ++row) {
        const RegisterRow* shown = model->rowAt(row);
        if (shown && shown->transaction.payee == QLatin1String("Rent"))
            reconciledShown = shown->transaction.reconciled;
    }
    QVERIFY(reconciledShown);
}

Q_DECLARE_METATYPE(QMessageBox::StandardButton)

// A row typed in one account used to be saved into the account switched to. Switching while a
// row is typed saves it where it was typed, drops it, or stays, as the user answers; the list
// and the register always show the same account.
void TestMainWindow::switchingAccountsSettlesTheTypedRow_data()
{
    QTest::addColumn<QMessageBox::StandardButton>("answer");
    QTest::addColumn<bool>("byClick");
    QTest::addColumn<int>("savedInCash");
    QTest::addColumn<QString>("shown");

    QTest::newRow("save, Alt+2") << QMessageBox::Save << false << 1 << "checking";
    QTest::newRow("save, click") << QMessageBox::Save << true << 1 << "checking";
    QTest::newRow("discard") << QMessageBox::Discard << false << 0 << "checking";
    QTest::newRow("cancel, Alt+2") << QMessageBox::Cancel << false << 0 << "cash";
    QTest::newRow("cancel, click") << QMessageBox::Cancel << true << 0 << "cash";
}

void TestMainWindow::switchingAccountsSettlesTheTypedRow()
{
    QFETCH(QMessageBox::StandardButton, answer);
    QFETCH(bool, byClick);
    QFETCH(int, savedInCash);
    QFETCH(QString, shown);
    TestApp app;
    addTwoAccounts(app.state());
    MainWindow window(app.state());
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    RegisterScreen* screen = window.registerScreen();
    QCOMPARE(screen->accountId(), QStringLiteral("cash"));

    // Ctrl+N, the payee, Tab to the payment and 5.55, not saved.
    menuAction(window, QStringLiteral("&New Transaction"))->trigger();
    screen->tabForward();
    screen->tabForward();
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Corner Market"));
    for (int i = 0; i < 3; ++i)
        screen->tabForward();
    QCOMPARE(screen->view()->currentIndex().column(), int(RegisterModel::PaymentColumn));
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("5.55"));

    QString asked;
    answerNextMessageBox(answer, &asked);
    if (byClick) {
        QListWidget* list = window.accountList();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(1)).center());
    } else {
        QTest::keyClick(&window, Qt::Key_2, Qt::AltModifier);
    }

    QVERIFY2(asked.contains(QStringLiteral("Cash Wallet")), qPrintable(asked));
    const QList<Transaction> inCash =
        app.state()->transactionRepository()->listByAccount(QStringLiteral("cash"));
    QCOMPARE(inCash.size(), savedInCash);
    if (savedInCash) {
        QCOMPARE(inCash.first().payee, QStringLiteral("Corner Market"));
        QCOMPARE(inCash.first().amount, qint64(-555));
    }
    QVERIFY(
        app.state()->transactionRepository()->listByAccount(QStringLiteral("checking")).isEmpty());
    QCOMPARE(screen->accountId(), shown);
    QCOMPARE(app.state()->currentAccountId(), shown);
    QCOMPARE(currentAccountOf(window.accountList()), shown);
    if (shown == QLatin1String("cash")) {
        QCOMPARE(screen->model()->entry().payee, QStringLiteral("Corner Market"));
        QCOMPARE(screen->model()->entry().payment, QStringLiteral("5.55"));
    }

    // Nothing typed: nothing asked.
    if (shown == QLatin1String("cash"))
        return; // the typed row is still there
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(&window, Qt::Key_1, Qt::AltModifier);
    QCOMPARE(screen->accountId(), QStringLiteral("cash"));
}

// The welcome screen is for a first start: while accounts exist, losing the one shown (deleted,
// or cleared as sample data) shows another.
void TestMainWindow::losingTheViewedAccountShowsAnother()
{
    qputenv("PENNIBAR_DEV", "1");
    TestApp app;
    addTwoAccounts(app.state());
    MainWindow window(app.state());
    qunsetenv("PENNIBAR_DEV");

    answerNextMessageBox(QMessageBox::Yes);
    window.deleteCurrentAccount();
    QCOMPARE(app.state()->currentAccountId(), QStringLiteral("checking"));
    QCOMPARE(window.registerScreen()->accountId(), QStringLiteral("checking"));
    QCOMPARE(currentAccountOf(window.accountList()), QStringLiteral("checking"));
    QCOMPARE(pageShown(window), window.registerScreen());

    menuAction(window, QStringLiteral("Load &Sample Data"))->trigger();
    const QString sample = window.accountList()->item(0)->data(Qt::UserRole).toString();
    QVERIFY(sample != QLatin1String("checking"));
    window.selectAccount(sample);
    menuAction(window, QStringLiteral("&Clear Sample Data"))->trigger();
    QCOMPARE(app.state()->currentAccountId(), QStringLiteral("checking"));
    QCOMPARE(window.registerScreen()->accountId(), QStringLiteral("checking"));
    QCOMPARE(pageShown(window), window.registerScreen());

    // Clearing sample data while another account is shown keeps that one.
    menuAction(window, QStringLiteral("Load &Sample Data"))->trigger();
    menuAction(window, QStringLiteral("&Clear Sample Data"))->trigger();
    QCOMPARE(window.registerScreen()->accountId(), QStringLiteral("checking"));
    QCOMPARE(pageShown(window), window.registerScreen());

    // The last one gone, the welcome screen.
    answerNextMessageBox(QMessageBox::Yes);
    window.deleteCurrentAccount();
    QVERIFY(app.state()->currentAccountId().isEmpty());
    QVERIFY(pageShown(window) != window.registerScreen());
}

// The account form used to show a starting balance of $0.00 as of today for an account opened
// with a balance, and typing the balance there counted it twice.
void TestMainWindow::editFormEditsTheOpeningTransaction()
{
    TestApp app;
    Account account = testAccount(QStringLiteral("a"), QStringLiteral("Everyday"), 100000);
    QVERIFY(app.state()->accountService()->create(account, QDate(2024, 2, 1)));
    MainWindow window(app.state());

    double shownBalance = 0;
    QDate shownDate;
    whenModalOpens([&](QWidget* dialog) {
        auto* balance = dialog->findChild<QDoubleSpinBox*>();
        auto* date = dialog->findChild<QDateEdit*>();
        shownBalance = balance->value();
        shownDate = date->date();
        balance->setValue(1500.00);
        date->setDate(QDate(2024, 1, 15));
        static_cast<QDialog*>(dialog)->accept();
    });
    menuAction(window, QStringLiteral("&Edit..."))->trigger();

    QCOMPARE(shownBalance, 1000.00);
    QCOMPARE(shownDate, QDate(2024, 2, 1));
    const QList<Transaction> rows =
        app.state()->transactionRepository()->listByAccount(QStringLiteral("a"));
    QCOMPARE(rows.size(), 1);
    QCOMPARE(rows.first().amount, qint64(150000));
    QCOMPARE(rows.first().date, QDate(2024, 1, 15));
    QCOMPARE(app.state()->accountRepository()->byId(QStringLiteral("a"))->startingBalance,
             qint64(0));
    QVERIFY(accountLabels(window.accountList()).first().contains(QStringLiteral("|$1,500.00|")));
}

// An account opened without a balance and given one later gets its opening transaction dated
// as the form's "As of" says, as a new account does; it used to be dated today.
void TestMainWindow::balanceGivenLaterTakesItsDate()
{
    TestApp app;
    QVERIFY(app.state()->accountService()->create(
        testAccount(QStringLiteral("a"), QStringLiteral("Everyday")), QDate::currentDate()));
    MainWindow window(app.state());

    whenModalOpens([](QWidget* dialog) {
        dialog->findChild<QDoubleSpinBox*>()->setValue(250.00);
        dialog->findChild<QDateEdit*>()->setDate(QDate(2024, 3, 10));
        static_cast<QDialog*>(dialog)->accept();
    });
    menuAction(window, QStringLiteral("&Edit..."))->trigger();

    const QList<Transaction> rows =
        app.state()->transactionRepository()->listByAccount(QStringLiteral("a"));
    QCOMPARE(rows.size(), 1);
    QCOMPARE(rows.first().payee, QStringLiteral("Opening Balance"));
    QCOMPARE(rows.first().amount, qint64(25000));
    QCOMPARE(rows.first().date, QDate(2024, 3, 10));
    QVERIFY(rows.first().cleared && rows.first().reconciled);
    QCOMPARE(app.state()->accountRepository()->byId(QStringLiteral("a"))->startingBalance,
             qint64(0));
    const QList<RegisterRow> shown =
        app.state()->transactionRepository()->registerRows(QStringLiteral("a"));
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown.first().transaction.date, QDate(2024, 3, 10));
    QVERIFY(accountLabels(window.accountList()).first().contains(QStringLiteral("|$250.00|")));
}

// Commands that act on an account are off while there is none.
void TestMainWindow::accountCommandsNeedAnAccount()
{
    TestApp app;
    MainWindow window(app.state());
    const QStringList accountCommands = {QStringLiteral("&New Transaction"),
                                         QStringLiteral("&Edit..."), QStringLiteral("&Delete")};
    for (const QString& text : accountCommands)
        QVERIFY2(!menuAction(window, text)->isEnabled(), qPrintable(text));
    QVERIFY(menuAction(window, QStringLiteral("New &Account"))->isEnabled());

    addTwoAccounts(app.state());
    QCOMPARE(app.state()->currentAccountId(), QStringLiteral("cash"));
    QCOMPARE(pageShown(window), window.registerScreen());
    for (const QString& text : accountCommands)
        QVERIFY2(menuAction(window, text)->isEnabled(), qPrintable(text));
}

// At 1024 px the Balance column used to hide behind a horizontal scroll bar.
void TestMainWindow::registerFitsTheWindow_data()
{
    QTest::addColumn<QSize>("size");
    QTest::newRow("1024 x 700") << QSize(1024, 700);
    QTest::newRow("1280 x 900") << QSize(1280, 900);
    QTest::newRow("1440 x 900") << QSize(1440, 900);
}

void TestMainWindow::registerFitsTheWindow()
{
    QFETCH(QSize, size);
    TestApp app;
    addTwoAccounts(app.state());
    for (int day = 1; day <= 40; ++day)
        app.state()->transactionRepository()->insert(testTransaction(
            QStringLiteral("t%1").arg(day), QStringLiteral("cash"), QDate(2024, 1, 1).addDays(day),
            QStringLiteral("Payee %1").arg(day), -12345678));
    MainWindow window(app.state());
    window.resize(size);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QApplication::processEvents();

    RegisterTableView* view = window.registerScreen()->view();
    int total = 0;
    for (int column = 0; column < RegisterModel::ColumnCount; ++column)
        total += view->isColumnHidden(column) ? 0 : view->columnWidth(column);
    QVERIFY2(total <= view->viewport()->width(),
             qPrintable(QStringLiteral("%1 > %2").arg(total).arg(view->viewport()->width())));
    QVERIFY(!view->horizontalScrollBar()->isVisible());
    // The widest balance shows whole.
    const QModelIndex balance = view->model()->index(0, RegisterModel::BalanceColumn);
    const QString widest = balance.siblingAtRow(39).data().toString();
    QVERIFY2(view->columnWidth(RegisterModel::BalanceColumn) >
                 QFontMetrics(balance.data(Qt::FontRole).value<QFont>()).horizontalAdvance(widest),
             qPrintable(widest));
}

// The first window used to be 1280 x 900 on any screen, taller than a 900-pixel screen once
// the title bar is added.
void TestMainWindow::firstSizeFitsTheScreen_data()
{
    QTest::addColumn<QSize>("available");
    QTest::addColumn<QSize>("first");
    QTest::newRow("room to spare") << QSize(1920, 1040) << QSize(1280, 900);
    QTest::newRow("900 high less a task bar") << QSize(1440, 860) << QSize(1280, 812);
    QTest::newRow("small laptop") << QSize(1024, 728) << QSize(1008, 680);
}

void TestMainWindow::firstSizeFitsTheScreen()
{
    QFETCH(QSize, available);
    QFETCH(QSize, first);
    QCOMPARE(MainWindow::firstSize(available), first);
}

void TestMainWindow::menuMnemonicsAreUnique_data()
{
    QTest::addColumn<QString>("language");
    for (const QString& language : supportedLanguages())
        QTest::newRow(qPrintable(language)) << language;
}

// Two entries of one menu with the same underlined letter make the letter open neither: Alt+A
// in the File menu found "New Account" and "Tovarly Account". The menu bar counts as a menu, and
// every entry counts, the developer's sample-data entries and the hidden "Sign Out" included.
void TestMainWindow::menuMnemonicsAreUnique()
{
    QFETCH(QString, language);
    const UiTranslators translators(language);
    qputenv("PENNIBAR_DEV", "1");
    TestApp app;
    MainWindow window(app.state());
    qunsetenv("PENNIBAR_DEV");
    QVERIFY(menuAction(window, QCoreApplication::translate("MainWindow", "Load &Sample Data")));

    const QStringList clashes =
        mnemonicClashes(QStringLiteral("menu bar"), window.menuBar()->actions());
    QVERIFY2(clashes.isEmpty(), qPrintable(clashes.join(QStringLiteral("; "))));
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
