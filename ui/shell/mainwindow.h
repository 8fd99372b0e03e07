#pragma once

#include "ui/commands/commandset.h"
#include "ui/screens/account/accountscreen.h"

#include "libs/update/updatecommands.h"

#include <QMainWindow>

#include <optional>

class AppState;
class ImportScreen;
class CategoriesScreen;
class CurrencyTotals;
class PayeeScreen;
class QAction;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QShortcut;
class QSplitter;
class QStackedWidget;
class ReconciliationHistoryScreen;
class RecurringScreen;
class RegisterScreen;
class ReportsScreen;
class SearchScreen;
class SettingsScreen;
class StatusBar;
class WelcomeScreen;

// The application's window: the account list on the left, the register (or the welcome
// screen, or the no-accounts panel) on the right, the menus, the status bar and the launchers
// of the other screens. It holds no data: everything comes from and goes through AppState.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(AppState* appState, QWidget* parent = nullptr);

    // The window's size when no geometry was saved: 1280 x 900, or less on a smaller screen,
    // leaving room for a title bar and borders.
    static QSize firstSize(const QSize& availableOnScreen);

    RegisterScreen* registerScreen() const { return m_registerScreen; }
    ImportScreen* importScreen() const { return m_importScreen; }

    // Opens the import window on these QIF files, as if chosen with "Browse...". False, and
    // nothing changes, while the window cannot take them: a dialog is open, or the import
    // window is reading files or importing.
    bool openQifFiles(const QStringList& paths);
    StatusBar* statusBarWidget() const { return m_statusBar; }
    QListWidget* accountList() const { return m_accountList; }

public slots:
    void onAccountClicked(QListWidgetItem* item);
    void onAccountsChanged();
    void selectAccount(const QString& accountId);
    void showNewAccountDialog();
    void showEditAccountDialog();
    void onAccountContextMenu(const QPoint& position);
    void deleteAccount(const QString& accountId);
    void deleteCurrentAccount();
    void showRecurringWindow();
    void showReconciliationWindow();
    void showReconciliationHistoryWindow();
    void showImportWindow();
    void showSettingsWindow();
    void showReportsWindow();
    void showSearchWindow();
    void showCategoriesWindow();
    void showPayeesWindow();
    void showShareAccountDialog();
    // For a signed-in user the account window; a signed-out user is taken to the sign-in.
    void showTovarlyAccountScreen(
        TovAccount::AccountScreen::Tab tab = TovAccount::AccountScreen::ProfileTab);
    // Shows the transaction in its account's register, with this window brought to the front.
    void openTransaction(const QString& transactionId);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // The window's commands: the entries of its menus and of the account list's context menu.
    enum class CommandId
    {
        Separator,
        NewTransaction,
        NewAccount,
        Import,
        TovarlyAccount,
        SignOut,
        Quit,
        Find,
        Preferences,
        EditAccount,
        Reconcile,
        ReconciliationHistory,
        RenamePayees,
        ShareAccount,
        DeleteAccount,
        Reports,
        RecurringTransactions,
        Categories,
        About,
        WhatsNew,
        CheckForUpdates,
        SendFeedback,
        KeyboardShortcuts,
        LoadSampleData,
        ClearSampleData,
    };

    void defineCommands();
    void buildMenus();
    QWidget* buildEmptyPanel();
    void setupAccountList();
    void refreshAccountList();
    // The accounts in the list; without balances, their rows and the total show none yet.
    void listAccounts(bool withBalances);
    QWidget* accountRowWidget(const struct Account& account, std::optional<qint64> balance);
    // The accounts' total under the list: one total for each currency, never a sum of two.
    static QString totalText(const CurrencyTotals& totals);
    void rebuildAccountShortcuts();
    void fitAccountItemWidths();
    void saveAccountOrder();
    void restoreLastViewedAccount();
    // When the account shown is gone (deleted, or cleared with the sample data), another one
    // is shown; the welcome screen only when there is none.
    void keepAnAccountShown();
    void highlightAccount(const QString& accountId);
    // Commands that act on an account are on while there is one.
    void updateAccountCommands();
    void connectSignIn();
    void connectSync();
    void updateAuthUi();
    void signIn();
    void signOut();
    void checkAutoPosted();
    void refreshRecurringDue();
    void showSignedOutPage();
    void showToolWindow(QWidget* window, const QString& title, const QSize& firstSize);
    void reloadLedgerViews();
    TovUpdate::ProgressCallbacks updateProgress() const;
    void showKeyboardShortcuts();
    void showAbout();
    void loadSampleData();
    void clearSampleData();
    QString accountListStyle() const;
    bool isSignedIn() const;

    AppState* m_appState;
    // The menu bar owns the commands whose entries it shows.
    CommandSet<CommandId> m_commands;
    QListWidget* m_accountList = nullptr;
    QSplitter* m_splitter = nullptr;
    QLabel* m_totalLabel = nullptr;
    QList<QShortcut*> m_accountShortcuts;
    WelcomeScreen* m_welcomeScreen = nullptr;
    RegisterScreen* m_registerScreen = nullptr;
    QWidget* m_emptyPanel = nullptr;
    QStackedWidget* m_stack = nullptr;
    QAction* m_signOutAction = nullptr;
    QAction* m_accountAction = nullptr;
    StatusBar* m_statusBar = nullptr;
    // True while the user's own sign-out runs.
    bool m_signingOut = false;
    RecurringScreen* m_recurringScreen = nullptr;
    ReconciliationHistoryScreen* m_reconciliationHistoryScreen = nullptr;
    ImportScreen* m_importScreen = nullptr;
    SettingsScreen* m_settingsScreen = nullptr;
    // Secondary screens, each created on first use and kept.
    ReportsScreen* m_reportsScreen = nullptr;
    SearchScreen* m_searchScreen = nullptr;
    CategoriesScreen* m_categoriesScreen = nullptr;
    PayeeScreen* m_payeeScreen = nullptr;
    TovAccount::AccountScreen* m_accountScreen = nullptr;
};
