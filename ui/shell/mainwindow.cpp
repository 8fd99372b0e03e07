#include "ui/shell/mainwindow.h"

#include "ui/commands/shortcutlisting.h"
#include "ui/shell/feedbacklink.h"
#include "ui/shell/listresizewatcher.h"
#include "ui/shell/signinmessages.h"
#include "ui/shell/statusbar.h"
#include "ui/shell/welcomescreen.h"
#include "ui/theme/fontroles.h"
#include "ui/theme/iconfont.h"
#include "ui/theme/styles.h"
#include "ui/theme/themecolors.h"
#include "ui/theme/thememanager.h"

#include "app/appstate.h"
#include "app/core/buildconfig.h"
#include "app/core/currencytotals.h"
#include "app/core/money.h"
#include "data/accountrepository.h"
#include "data/enumerations.h"
#include "data/preferencesrepository.h"
#include "data/recurringrepository.h"
#include "data/transactionrepository.h"
#include "libs/update/updatecommands.h"
#include "services/ledger/accountservice.h"
#include "services/recurring/recurringservice.h"
#include "services/sampledata/sampledataservice.h"
#include "sync/sharing/accountsharingservice.h"
#include "sync/syncengine.h"
#include "ui/register/registerscreen.h"
#include "ui/screens/account/sharemembersdialog.h"
#include "ui/screens/accountformdialog.h"
#include "ui/screens/categories/categoriesscreen.h"
#include "ui/screens/import/importscreen.h"
#include "ui/screens/payees/payeescreen.h"
#include "ui/screens/reconciliation/reconciliationhistoryscreen.h"
#include "ui/screens/reconciliation/reconciliationscreen.h"
#include "ui/screens/recurring/recurringscreen.h"
#include "ui/screens/reports/reportsscreen.h"
#include "ui/screens/search/searchscreen.h"
#include "ui/screens/settings/settingsscreen.h"
#include "ui/theme/displaysettings.h"
#include "ui/widgets/afterfirstpaint.h"
#include "ui/widgets/dateshortcuts.h"
#include "ui/widgets/elidedlabel.h"

#include "libs/account/client.h"
#include "libs/account/signin/authclient.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QScreen>
#include <QSettings>
#include <QShortcut>
#include <QSplitter>
#include <QStackedWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace {

const QString geometryKey = QStringLiteral("mainwindow/geometry");
const QString splitterKey = QStringLiteral("mainwindow/splitter");
constexpr int autoPostIntervalMs = 3600000;
const QSize firstWindowSize(1280, 900);
// A title bar and borders, which a window gets only once it is shown.
const QSize frameAllowance(16, 48);
constexpr int maximumAccountShortcuts = 10;
// The list's item style pads each row 7 px above and below, and a row's widget is laid inside
// that padding, so the row is made taller by as much to keep the widget's own height.
constexpr int itemVerticalPadding = 14;
// The height of the total under the account list; a book in several currencies has a line for
// each and takes what they need.
constexpr int totalLabelHeight = 32;
// The account list is dark in both themes, so its balances take the dark theme's colours.
constexpr bool listIsDark = true;

// Alt+1 ... Alt+9 for the first nine accounts of the list, Alt+0 for the tenth.
QKeySequence accountShortcutKey(int row)
{
    const int digit = row < 9 ? row + 1 : 0;
    return QKeySequence(Qt::ALT | Qt::Key(Qt::Key_0 + digit));
}

// The sample-data entries of the Help menu are for developers.
bool sampleDataEnabled()
{
    return !qEnvironmentVariable("PENNIBAR_DEV").isEmpty();
}

QChar accountTypeGlyph(AccountType type)
{
    switch (type) {
    case AccountType::Checking:
        return QChar(0xE84F);
    case AccountType::Savings:
        return QChar(0xE2EB);
    case AccountType::CreditCard:
        return QChar(0xE870);
    case AccountType::Cash:
        return QChar(0xE57D);
    case AccountType::Investment:
        return QChar(0xE8E5);
    case AccountType::Other:
        break;
    }
    return QChar(0xE850);
}

QLabel* glyphLabel(QChar glyph, int pixelSize, QWidget* parent)
{
    auto* label = new QLabel(QString(glyph), parent);
    label->setFont(iconFont(pixelSize));
    label->setStyleSheet(Styles::textColor(ThemeColors::brightAccent()));
    label->setAlignment(Qt::AlignCenter);
    return label;
}

} // namespace

MainWindow::MainWindow(AppState* appState, QWidget* parent)
    : QMainWindow(parent), m_appState(appState), m_commands(menuBar())
{
    setWindowTitle(BuildConfig::applicationTitle());
    const QByteArray geometry = QSettings().value(geometryKey).toByteArray();
    if (geometry.isEmpty() || !restoreGeometry(geometry)) {
        const QRect available = screen()->availableGeometry();
        resize(firstSize(available.size()));
        move(available.x() + (available.width() - width()) / 2,
             available.y() + (available.height() - height() - frameAllowance.height()) / 2);
    }

    defineCommands();
    buildMenus();

    m_registerScreen = new RegisterScreen(m_appState, this);
    connect(m_registerScreen, &RegisterScreen::reconcileRequested, this,
            &MainWindow::showReconciliationWindow);
    connect(m_registerScreen, &RegisterScreen::errorMessage, this,
            [this](const QString& text) { m_statusBar->showMessage(text, 5000); });

    connect(m_appState->preferencesRepository(), &PreferencesRepository::changed, this,
            [this](const QString& key) {
                static const QStringList registerKeys = {
                    QStringLiteral("registerTwoLine"), QStringLiteral("registerNewestFirst"),
                    QStringLiteral("weekStartDay"), QStringLiteral("theme")};
                if (registerKeys.contains(key))
                    m_registerScreen->reload();
            });
    connect(m_appState->transactionRepository(), &TransactionRepository::transactionsChanged, this,
            &MainWindow::refreshAccountList);

    m_welcomeScreen = new WelcomeScreen(m_appState, this);
    connect(m_welcomeScreen, &WelcomeScreen::createAccountRequested, this,
            &MainWindow::showNewAccountDialog);
    connect(m_welcomeScreen, &WelcomeScreen::signInRequested, this, &MainWindow::signIn);

    m_emptyPanel = buildEmptyPanel();

    m_stack = new QStackedWidget(this);
    m_stack->addWidget(m_welcomeScreen);
    m_stack->addWidget(m_registerScreen);
    m_stack->addWidget(m_emptyPanel);

    setupAccountList();

    m_statusBar = new StatusBar(this);
    setStatusBar(m_statusBar);
    connect(m_appState->themeManager(), &ThemeManager::themeChanged, this, [this] {
        m_statusBar->restyle();
        m_accountList->setStyleSheet(accountListStyle());
        Styles::restyleMuted(m_emptyPanel);
    });
    connect(m_appState->accountRepository(), &AccountRepository::accountsChanged, this,
            &MainWindow::onAccountsChanged);

    connectSignIn();
    connectSync();
    updateAuthUi();
    // Adding up every account's rows waits until the window is on screen.
    listAccounts(false);
    new AfterFirstPaint(this, [this] { refreshAccountList(); });

    checkAutoPosted();
    auto* autoPostTimer = new QTimer(this);
    autoPostTimer->setInterval(autoPostIntervalMs);
    connect(autoPostTimer, &QTimer::timeout, this, &MainWindow::checkAutoPosted);
    autoPostTimer->start();

    refreshRecurringDue();
    connect(m_appState->recurringService(), &RecurringService::pendingCountChanged, this,
            &MainWindow::refreshRecurringDue);
    connect(m_appState->recurringRepository(), &RecurringRepository::recurringChanged, this,
            &MainWindow::refreshRecurringDue);

    restoreLastViewedAccount();
    updateAccountCommands();
    // A first sync can bring the accounts in.
    connect(m_appState->syncEngine(), &SyncEngine::syncCompleted, this, [this] {
        if (m_appState->currentAccountId().isEmpty())
            restoreLastViewedAccount();
    });
}

QSize MainWindow::firstSize(const QSize& availableOnScreen)
{
    return firstWindowSize.boundedTo(availableOnScreen - frameAllowance);
}

// ---------------------------------------------------------------------------------------------
// Menus

// A command whose screen is still to come is defined disabled, without a run; giving it its run
// (and dropping `enabled = false`) turns on its menu entry and its context-menu entry alike.
void MainWindow::defineCommands()
{
    using enum CommandId;
    const auto add = [this](CommandId id, const Command& command) { m_commands.add(id, command); };
    add(NewTransaction, {.text = tr("&New Transaction"),
                         .shortcuts = {QKeySequence(Qt::CTRL | Qt::Key_N)},
                         .run = [this] { m_registerScreen->beginNewTransaction(); }});
    add(NewAccount, {.text = tr("New &Account"),
                     .contextText = tr("New Account..."),
                     .shortcuts = {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_N)},
                     .run = [this] { showNewAccountDialog(); }});
    add(Import, {.text = tr("&Import..."), .run = [this] { showImportWindow(); }});
    add(TovarlyAccount,
        {.text = tr("&Tovarly Account..."), .run = [this] { showTovarlyAccountScreen(); }});
    add(SignOut, {.text = tr("Sign &Out"), .run = [this] { signOut(); }});
    add(Quit, {.text = tr("&Quit"),
               .shortcuts = {QKeySequence(QKeySequence::Quit)},
               .menuRole = QAction::QuitRole,
               .run = [this] { close(); }});

    add(Find, {.text = tr("&Find..."),
               .shortcuts = {QKeySequence(QKeySequence::Find)},
               .run = [this] { showSearchWindow(); }});
    add(Preferences, {.text = tr("&Preferences..."),
                      .menuRole = QAction::PreferencesRole,
                      .run = [this] { showSettingsWindow(); }});

    add(EditAccount, {.text = tr("&Edit..."), .contextText = tr("Edit \"%1\"..."), .run = [this] {
                          showEditAccountDialog();
                      }});
    add(Reconcile, {.text = tr("&Reconcile..."),
                    .contextText = tr("Reconcile..."),
                    .shortcuts = {QKeySequence(Qt::CTRL | Qt::Key_R)},
                    .run = [this] { showReconciliationWindow(); }});
    add(ReconciliationHistory, {.text = tr("Reconciliation &History..."),
                                .contextText = tr("Reconciliation History..."),
                                .run = [this] { showReconciliationHistoryWindow(); }});
    add(RenamePayees, {.text = tr("Rename &Payees..."),
                       .contextText = tr("Rename Payees..."),
                       .run = [this] { showPayeesWindow(); }});
    add(ShareAccount, {.text = tr("&Share..."), .contextText = tr("Share..."), .run = [this] {
                           showShareAccountDialog();
                       }});
    add(DeleteAccount, {.text = tr("&Delete"), .contextText = tr("Delete \"%1\""), .run = [this] {
                            deleteCurrentAccount();
                        }});

    add(Reports, {.text = tr("&Reports"),
                  .shortcuts = {QKeySequence(Qt::CTRL | Qt::Key_2)},
                  .run = [this] { showReportsWindow(); }});
    add(RecurringTransactions, {.text = tr("Re&curring Transactions"),
                                .shortcuts = {QKeySequence(Qt::CTRL | Qt::Key_3)},
                                .run = [this] { showRecurringWindow(); }});
    add(Categories, {.text = tr("C&ategories"),
                     .shortcuts = {QKeySequence(Qt::CTRL | Qt::Key_4)},
                     .run = [this] { showCategoriesWindow(); }});

    add(About, {.text = tr("&About Tovarly Pennibar"),
                .menuRole = QAction::AboutRole,
                .run = [this] { showAbout(); }});
    add(WhatsNew, {.text = tr("What's &New..."), .run = [this] {
                       TovUpdate::showReleaseNotes(m_appState->updateConfig(),
                                                   BuildConfig::applicationTitle(), this,
                                                   updateProgress());
                   }});
    add(CheckForUpdates, {.text = tr("Check for &Updates..."), .run = [this] {
                              TovUpdate::checkForUpdates(m_appState->updateConfig(),
                                                         BuildConfig::applicationTitle(), this,
                                                         updateProgress());
                          }});
    add(SendFeedback,
        {.text = tr("Send &Feedback..."), .run = [] {
             QDesktopServices::openUrl(
                 FeedbackLink(BuildConfig::feedbackSiteUrl(), BuildConfig::productSlug()).url());
         }});
    add(KeyboardShortcuts,
        {.text = tr("&Keyboard Shortcuts"), .run = [this] { showKeyboardShortcuts(); }});
    if (sampleDataEnabled()) {
        add(LoadSampleData, {.text = tr("Load &Sample Data"), .run = [this] { loadSampleData(); }});
        add(ClearSampleData,
            {.text = tr("&Clear Sample Data"), .run = [this] { clearSampleData(); }});
    }

    m_accountAction = m_commands.action(TovarlyAccount);
    m_signOutAction = m_commands.action(SignOut);
}

void MainWindow::buildMenus()
{
    using enum CommandId;
    m_commands.addToMenu(menuBar()->addMenu(tr("&File")),
                         {NewTransaction, NewAccount, Separator, Import, Separator, TovarlyAccount,
                          Separator, SignOut, Separator, Quit});
    m_commands.addToMenu(menuBar()->addMenu(tr("&Edit")), {Find, Separator, Preferences});
    m_commands.addToMenu(menuBar()->addMenu(tr("&Account")),
                         {EditAccount, Reconcile, ReconciliationHistory, RenamePayees, Separator,
                          ShareAccount, Separator, DeleteAccount});
    m_commands.addToMenu(menuBar()->addMenu(tr("&View")),
                         {Reports, RecurringTransactions, Categories});
    QMenu* help = menuBar()->addMenu(tr("&Help"));
    m_commands.addToMenu(
        help, {About, WhatsNew, CheckForUpdates, SendFeedback, Separator, KeyboardShortcuts});
    if (sampleDataEnabled())
        m_commands.addToMenu(help, {Separator, LoadSampleData, ClearSampleData});
}

QWidget* MainWindow::buildEmptyPanel()
{
    auto* panel = new QWidget(this);
    auto* layout = new QVBoxLayout(panel);
    layout->setAlignment(Qt::AlignCenter);
    layout->setSpacing(12);

    auto* icon = glyphLabel(QChar(0xE850), 96, panel);
    layout->addWidget(icon);
    layout->addSpacing(8);

    auto* title = new QLabel(tr("Welcome to Tovarly Pennibar"), panel);
    applyFontRole(title, FontRoles::Title);
    title->setAlignment(Qt::AlignCenter);
    layout->addWidget(title);

    auto* subtitle = new QLabel(tr("Create your first account to get started."), panel);
    applyFontRole(subtitle, FontRoles::Subheading);
    subtitle->setAlignment(Qt::AlignCenter);
    Styles::setMuted(subtitle);
    layout->addWidget(subtitle);
    layout->addSpacing(16);

    auto* create = new QPushButton(tr("Create Account"), panel);
    create->setStyleSheet(Styles::primaryButton());
    create->setMinimumHeight(40);
    create->setMinimumWidth(180);
    create->setCursor(Qt::PointingHandCursor);
    connect(create, &QPushButton::clicked, this, &MainWindow::showNewAccountDialog);
    layout->addWidget(create, 0, Qt::AlignCenter);
    layout->addSpacing(12);

    auto* import = new QLabel(
        tr("You can also import transactions from a CSV file via File › Import."), panel);
    import->setAlignment(Qt::AlignCenter);
    import->setWordWrap(true);
    import->setMaximumWidth(480);
    Styles::setMuted(import);
    applyFontRole(import, FontRoles::Small);
    layout->addWidget(import, 0, Qt::AlignCenter);
    return panel;
}

// ---------------------------------------------------------------------------------------------
// Account list

QString MainWindow::accountListStyle() const
{
    const int size = std::max(
        1, FontRoles::scaledPointSize(DisplaySettings::baseFont(), DisplaySettings::fontScale()));
    return QStringLiteral("QListWidget {  background-color: %1;  border: none;  outline: none;  "
                          "padding: 6px 0;  "
                          "font-size: %7pt;}QListWidget::item {  color: %2;  padding: 7px 14px;  "
                          "border: none;}"
                          "QListWidget::item:hover {  background-color: %3;  color: %4;}"
                          "QListWidget::item:selected {  background-color: %5;  color: %4;}"
                          "QListWidget::item:disabled {  color: %6;  padding: 10px 14px 4px 14px;  "
                          "background: "
                          "transparent;}")
        .arg(ThemeColors::sidebarBackground().name(), ThemeColors::sidebarText().name(),
             ThemeColors::sidebarHover().name(), ThemeColors::sidebarStrongText().name(),
             ThemeColors::sidebarSelection().name(), ThemeColors::sidebarHeading().name(),
             QString::number(size));
}

void MainWindow::setupAccountList()
{
    m_accountList = new QListWidget(this);
    m_accountList->setMinimumWidth(260);
    m_accountList->setFocusPolicy(Qt::NoFocus);
    m_accountList->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_accountList->setContextMenuPolicy(Qt::CustomContextMenu);
    m_accountList->setDragDropMode(QAbstractItemView::InternalMove);
    m_accountList->setDefaultDropAction(Qt::MoveAction);
    m_accountList->setStyleSheet(accountListStyle());
    connect(m_accountList, &QListWidget::itemClicked, this, &MainWindow::onAccountClicked);
    connect(m_accountList, &QWidget::customContextMenuRequested, this,
            &MainWindow::onAccountContextMenu);
    connect(m_accountList->model(), &QAbstractItemModel::rowsMoved, this,
            &MainWindow::saveAccountOrder);

    m_totalLabel = new QLabel(this);
    applyFontRole(m_totalLabel, FontRoles::BodyStrong);
    m_totalLabel->setAlignment(Qt::AlignCenter);
    m_totalLabel->setFixedHeight(totalLabelHeight);
    m_totalLabel->setStyleSheet(
        QStringLiteral("background: %1; color: %2; border-top: 1px solid %3; padding: 4px;")
            .arg(ThemeColors::sidebarBackground().name(), ThemeColors::sidebarText().name(),
                 ThemeColors::sidebarRule().name()));

    auto* left = new QWidget(this);
    left->setMinimumWidth(260);
    left->setMaximumWidth(500);
    auto* leftLayout = new QVBoxLayout(left);
    leftLayout->setContentsMargins(0, 0, 0, 0);
    leftLayout->setSpacing(0);
    leftLayout->addWidget(m_accountList, 1);
    leftLayout->addWidget(m_totalLabel);

    m_splitter = new QSplitter(Qt::Horizontal, this);
    m_splitter->addWidget(left);
    m_splitter->addWidget(m_stack);
    m_splitter->setStretchFactor(0, 0);
    m_splitter->setStretchFactor(1, 1);
    m_splitter->setCollapsible(0, false);
    m_splitter->setCollapsible(1, false);
    connect(m_splitter, &QSplitter::splitterMoved, this, &MainWindow::fitAccountItemWidths);
    m_accountList->installEventFilter(
        new ListResizeWatcher([this] { fitAccountItemWidths(); }, m_accountList));

    const QByteArray state = QSettings().value(splitterKey).toByteArray();
    if (state.isEmpty() || !m_splitter->restoreState(state))
        m_splitter->setSizes({280, 1000});
    setCentralWidget(m_splitter);
}

QWidget* MainWindow::accountRowWidget(const Account& account, std::optional<qint64> balance)
{
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(6, 8, 8, 8);
    layout->setSpacing(8);

    QLabel* icon = glyphLabel(accountTypeGlyph(account.accountType), 22, row);
    icon->setFixedSize(24, 24);
    layout->addWidget(icon, 0, Qt::AlignVCenter);

    auto* lines = new QVBoxLayout;
    lines->setSpacing(3);
    auto* firstLine = new QHBoxLayout;
    firstLine->setSpacing(8);

    auto* name = new ElidedLabel(row);
    applyFontRole(name, FontRoles::BodyStrong);
    name->setFullText(account.name);
    name->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    name->setStyleSheet(Styles::textColor(ThemeColors::sidebarStrongText()));
    name->setToolTip(account.name);
    firstLine->addWidget(name, 1, Qt::AlignVCenter);

    auto* amount = new QLabel(balance ? formatMoney(*balance, account.currency) : QString(), row);
    applyFontRole(amount, FontRoles::Monospace);
    amount->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    amount->setStyleSheet(Styles::textColor(balance.value_or(0) < 0
                                                ? ThemeColors::negative(listIsDark)
                                                : ThemeColors::positive(listIsDark)));
    amount->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    amount->setMinimumWidth(amount->fontMetrics().horizontalAdvance(amount->text()) + 4);
    firstLine->addWidget(amount, 0, Qt::AlignVCenter);
    lines->addLayout(firstLine);

    QString detail = account.institution.isEmpty() ? Enumerations::displayName(account.accountType)
                                                   : account.institution;
    if (!account.accountNumberLast4.isEmpty())
        detail += QStringLiteral("  ·  *%1").arg(account.accountNumberLast4);
    auto* second = new QLabel(detail, row);
    applyFontRole(second, FontRoles::Small);
    second->setStyleSheet(Styles::textColor(ThemeColors::sidebarText()));
    lines->addWidget(second);

    layout->addLayout(lines, 1);
    return row;
}

void MainWindow::refreshAccountList()
{
    listAccounts(true);
}

void MainWindow::listAccounts(bool withBalances)
{
    m_accountList->clear();
    CurrencyTotals totals;
    const QList<Account> accounts = m_appState->accountRepository()->listAll();
    for (const Account& account : accounts) {
        const std::optional<qint64> balance =
            withBalances ? std::optional<qint64>(
                               m_appState->transactionRepository()->accountBalance(account.id))
                         : std::nullopt;
        QWidget* row = accountRowWidget(account, balance);
        auto* item = new QListWidgetItem(m_accountList);
        item->setData(Qt::UserRole, account.id);
        item->setSizeHint(QSize(m_accountList->viewport()->width(),
                                row->sizeHint().height() + 10 + itemVerticalPadding));
        m_accountList->setItemWidget(item, row);
        totals.add(account.currency, balance.value_or(0));
    }

    m_statusBar->setAccountCount(int(accounts.size()));
    rebuildAccountShortcuts();
    m_totalLabel->setText(accounts.isEmpty() ? tr("No accounts")
                          : withBalances     ? totalText(totals)
                                             : QString());
    m_totalLabel->setFixedHeight(std::max(totalLabelHeight, m_totalLabel->sizeHint().height()));

    highlightAccount(m_appState->currentAccountId());
}

QString MainWindow::totalText(const CurrencyTotals& totals)
{
    const QList<CurrencyTotals::Total>& sums = totals.totals();
    if (sums.size() == 1)
        return tr("Total: %1").arg(formatMoney(sums.first().amount, sums.first().currency));
    // Amounts of different currencies are never added: a line for each, named by the currency's
    // code (its stored form).
    QStringList lines;
    for (const CurrencyTotals::Total& sum : sums)
        lines << tr("Total (%1): %2", "the code of the currency added up, such as USD; the total")
                     .arg(Enumerations::storageString(sum.currency),
                          formatMoney(sum.amount, sum.currency));
    return lines.join(QLatin1Char('\n'));
}

void MainWindow::highlightAccount(const QString& accountId)
{
    if (accountId.isEmpty())
        return;
    for (int i = 0; i < m_accountList->count(); ++i) {
        if (m_accountList->item(i)->data(Qt::UserRole).toString() == accountId) {
            m_accountList->setCurrentRow(i);
            break;
        }
    }
}

void MainWindow::onAccountsChanged()
{
    refreshAccountList();
    keepAnAccountShown();
}

void MainWindow::keepAnAccountShown()
{
    const QString current = m_appState->currentAccountId();
    const std::optional<Account> account =
        current.isEmpty() ? std::nullopt : m_appState->accountRepository()->byId(current);
    if (!account || account->isDeleted())
        restoreLastViewedAccount();
}

void MainWindow::rebuildAccountShortcuts()
{
    qDeleteAll(m_accountShortcuts);
    m_accountShortcuts.clear();
    const int count = std::min(m_accountList->count(), maximumAccountShortcuts);
    for (int i = 0; i < count; ++i) {
        auto* shortcut = new QShortcut(accountShortcutKey(i), this);
        const QString id = m_accountList->item(i)->data(Qt::UserRole).toString();
        connect(shortcut, &QShortcut::activated, this, [this, id] { selectAccount(id); });
        m_accountShortcuts.append(shortcut);
    }
}

void MainWindow::fitAccountItemWidths()
{
    const int width = m_accountList->viewport()->width();
    if (width <= 0)
        return;
    for (int i = 0; i < m_accountList->count(); ++i) {
        QListWidgetItem* item = m_accountList->item(i);
        if (item->sizeHint().width() != width)
            item->setSizeHint(QSize(width, item->sizeHint().height()));
    }
}

void MainWindow::saveAccountOrder()
{
    QList<QPair<QString, int>> orders;
    for (int i = 0; i < m_accountList->count(); ++i) {
        const QString id = m_accountList->item(i)->data(Qt::UserRole).toString();
        if (!id.isEmpty())
            orders.append({id, i});
    }
    m_appState->accountService()->reorder(orders);
}

void MainWindow::onAccountClicked(QListWidgetItem* item)
{
    const QString id = item ? item->data(Qt::UserRole).toString() : QString();
    if (!id.isEmpty())
        selectAccount(id);
}

void MainWindow::selectAccount(const QString& accountId)
{
    // A row typed in the register is settled in the account it was typed in before another
    // account is shown. Kept, the register stays, and so does the list's highlight.
    const bool leavesRegister =
        m_stack->currentWidget() == m_registerScreen && accountId != m_registerScreen->accountId();
    if (leavesRegister && !m_registerScreen->settleTypedRow()) {
        highlightAccount(m_registerScreen->accountId());
        return;
    }
    m_appState->setCurrentAccountId(accountId);
    m_registerScreen->setAccount(accountId);
    m_stack->setCurrentWidget(m_registerScreen);
    highlightAccount(accountId);
    updateAccountCommands();
}

void MainWindow::restoreLastViewedAccount()
{
    const QString current = m_appState->currentAccountId();
    const std::optional<Account> account =
        current.isEmpty() ? std::nullopt : m_appState->accountRepository()->byId(current);
    if (account && !account->isDeleted()) {
        selectAccount(current);
        return;
    }
    const QList<Account> accounts = m_appState->accountRepository()->listAll();
    if (!accounts.isEmpty()) {
        selectAccount(accounts.first().id);
        return;
    }
    m_appState->setCurrentAccountId(QString());
    showSignedOutPage();
}

void MainWindow::onAccountContextMenu(const QPoint& position)
{
    using enum CommandId;
    QMenu menu(this);
    m_commands.addContextEntry(&menu, NewAccount, {}, [this] { showNewAccountDialog(); });
    if (QListWidgetItem* item = m_accountList->itemAt(position)) {
        const QString id = item->data(Qt::UserRole).toString();
        const std::optional<Account> account = m_appState->accountRepository()->byId(id);
        const QString name = account ? account->name : QString();
        // These act on the row's account: it becomes the current one first.
        const auto addForAccount = [this, &menu, &id, &name](CommandId command) {
            m_commands.addContextEntry(&menu, command, name, [this, id, command] {
                selectAccount(id);
                m_commands.action(command)->trigger();
            });
        };
        menu.addSeparator();
        addForAccount(EditAccount);
        addForAccount(Reconcile);
        addForAccount(ReconciliationHistory);
        addForAccount(RenamePayees);
        menu.addSeparator();
        addForAccount(ShareAccount);
        menu.addSeparator();
        m_commands.addContextEntry(&menu, DeleteAccount, name, [this, id] { deleteAccount(id); });
    }
    menu.exec(m_accountList->viewport()->mapToGlobal(position));
}

// ---------------------------------------------------------------------------------------------
// Account commands

void MainWindow::showNewAccountDialog()
{
    AccountFormDialog dialog(this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const Account account = dialog.account();
    if (account.name.isEmpty())
        return;
    if (!m_appState->accountService()->create(account, dialog.openingDate())) {
        m_statusBar->showMessage(tr("The account could not be created"), 5000);
        return;
    }
    selectAccount(account.id);
}

void MainWindow::showEditAccountDialog()
{
    const QString current = m_appState->currentAccountId();
    if (current.isEmpty()) {
        m_statusBar->showMessage(tr("Select an account first"), 3000);
        return;
    }
    const std::optional<Account> account = m_appState->accountRepository()->byId(current);
    if (!account)
        return;
    AccountService* accounts = m_appState->accountService();
    AccountFormDialog dialog(*account, this);
    // An account opened with a balance holds it as its opening transaction, edited here.
    if (const std::optional<Transaction> opening = accounts->openingTransaction(current))
        dialog.setOpeningBalance(opening->amount, opening->date);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const Account edited = dialog.account();
    if (!accounts->update(edited,
                          AccountService::Opening{edited.startingBalance, dialog.openingDate()}))
        m_statusBar->showMessage(tr("The account could not be saved"), 5000);
    m_registerScreen->reload();
}

void MainWindow::deleteAccount(const QString& accountId)
{
    const std::optional<Account> account = m_appState->accountRepository()->byId(accountId);
    if (!account)
        return;
    const QMessageBox::StandardButton answer = QMessageBox::warning(
        this, tr("Delete Account"),
        tr("Delete \"%1\"?\n\nAll transactions, recurring entries, and reconciliation history for "
           "this account will be removed. You can restore it from Preferences → Data & Sync.")
            .arg(account->name),
        QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    if (answer != QMessageBox::Yes)
        return;

    if (!m_appState->accountService()->remove(accountId).removed) {
        m_statusBar->showMessage(tr("The account could not be deleted"), 5000);
        return;
    }

    refreshAccountList();
    keepAnAccountShown();
}

void MainWindow::deleteCurrentAccount()
{
    const QString current = m_appState->currentAccountId();
    if (current.isEmpty()) {
        m_statusBar->showMessage(tr("Select an account first"), 3000);
        return;
    }
    deleteAccount(current);
}

// ---------------------------------------------------------------------------------------------
// Tool windows

// Each is a window of its own, owned by this one; it keeps the size the user gave it.
void MainWindow::showToolWindow(QWidget* window, const QString& title, const QSize& firstSize)
{
    if (!window->isWindow())
        window->setWindowFlag(Qt::Window);
    window->setWindowTitle(title);
    if (!window->testAttribute(Qt::WA_Resized))
        window->resize(firstSize);
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    window->raise();
    window->activateWindow();
}

// What a posting changed shows in the register and the account list.
void MainWindow::reloadLedgerViews()
{
    m_registerScreen->reload();
    refreshAccountList();
}

void MainWindow::showRecurringWindow()
{
    if (!m_recurringScreen) {
        m_recurringScreen = new RecurringScreen(m_appState, this);
        connect(m_recurringScreen, &RecurringScreen::transactionsChanged, this,
                &MainWindow::reloadLedgerViews);
        connect(m_appState->recurringRepository(), &RecurringRepository::recurringChanged,
                m_recurringScreen, [this] {
                    if (m_recurringScreen->isVisible())
                        m_recurringScreen->refresh();
                });
    }
    m_recurringScreen->refresh();
    showToolWindow(m_recurringScreen, tr("Recurring Transactions"), QSize(700, 500));
}

void MainWindow::showReconciliationWindow()
{
    const std::optional<Account> account =
        m_appState->accountRepository()->byId(m_appState->currentAccountId());
    if (!account || account->isDeleted()) {
        m_statusBar->showMessage(tr("Select an account first"), 3000);
        return;
    }
    auto* screen = new ReconciliationScreen(m_appState, this);
    screen->setAttribute(Qt::WA_DeleteOnClose);
    connect(screen, &ReconciliationScreen::reconciliationCompleted, this, [this, screen] {
        reloadLedgerViews();
        screen->close();
    });
    connect(screen, &ReconciliationScreen::cancelled, screen, &QWidget::close);
    screen->setAccount(account->id);
    showToolWindow(screen, tr("Reconcile — %1").arg(account->name), QSize(1100, 720));
}

void MainWindow::showReconciliationHistoryWindow()
{
    const QString current = m_appState->currentAccountId();
    if (current.isEmpty()) {
        m_statusBar->showMessage(tr("Select an account first"), 3000);
        return;
    }
    if (!m_reconciliationHistoryScreen)
        m_reconciliationHistoryScreen = new ReconciliationHistoryScreen(m_appState, this);
    m_reconciliationHistoryScreen->setAccount(current);
    showToolWindow(m_reconciliationHistoryScreen, tr("Reconciliation History"), QSize(750, 500));
}

void MainWindow::showImportWindow()
{
    if (!m_importScreen) {
        m_importScreen = new ImportScreen(m_appState, this);
        connect(m_importScreen, &ImportScreen::importCompleted, this,
                &MainWindow::reloadLedgerViews);
    }
    m_importScreen->refresh();
    showToolWindow(m_importScreen, tr("Import Transactions"), QSize(650, 600));
}

void MainWindow::showSettingsWindow()
{
    if (!m_settingsScreen) {
        m_settingsScreen = new SettingsScreen(m_appState, this);
        // A restored account, or a backup read in, shows in the list and the register.
        connect(m_settingsScreen, &SettingsScreen::deletedAccountRestored, this, [this] {
            reloadLedgerViews();
            keepAnAccountShown();
        });
    }
    m_settingsScreen->refreshSyncStatus();
    showToolWindow(m_settingsScreen, tr("Preferences"), QSize(500, 550));
}

void MainWindow::showReportsWindow()
{
    if (!m_reportsScreen)
        m_reportsScreen = new ReportsScreen(m_appState, this);
    m_reportsScreen->refresh();
    showToolWindow(m_reportsScreen, tr("Reports"), QSize(800, 600));
}

void MainWindow::showSearchWindow()
{
    if (!m_searchScreen) {
        m_searchScreen = new SearchScreen(m_appState, this);
        connect(m_searchScreen, &SearchScreen::editTransactionRequested, this,
                &MainWindow::openTransaction);
    }
    m_searchScreen->refreshFilters();
    showToolWindow(m_searchScreen, tr("Search Transactions"), QSize(800, 550));
    m_searchScreen->focusSearch();
}

void MainWindow::showCategoriesWindow()
{
    if (!m_categoriesScreen)
        m_categoriesScreen = new CategoriesScreen(m_appState, this);
    m_categoriesScreen->reload();
    showToolWindow(m_categoriesScreen, tr("Categories"), QSize(600, 500));
}

void MainWindow::showPayeesWindow()
{
    if (!m_payeeScreen) {
        m_payeeScreen = new PayeeScreen(m_appState, this);
        connect(m_payeeScreen, &PayeeScreen::payeesChanged, m_registerScreen,
                &RegisterScreen::reload);
    }
    m_payeeScreen->reload();
    showToolWindow(m_payeeScreen, tr("Payee Management"), QSize(550, 500));
}

void MainWindow::showTovarlyAccountScreen(TovAccount::AccountScreen::Tab tab)
{
    if (!isSignedIn()) {
        signIn();
        return;
    }
    if (!m_accountScreen) {
        m_accountScreen = new TovAccount::AccountScreen(m_appState->accountClient(), this);
        connect(m_accountScreen, &TovAccount::AccountScreen::logoutRequested, this,
                &MainWindow::signOut);
    }
    m_accountScreen->setCurrentTab(tab);
    m_accountScreen->refreshAll();
    showToolWindow(m_accountScreen, tr("Tovarly Account"), QSize(600, 550));
}

void MainWindow::showShareAccountDialog()
{
    const QString current = m_appState->currentAccountId();
    if (current.isEmpty()) {
        m_statusBar->showMessage(tr("Select an account first"), 3000);
        return;
    }
    const std::optional<Account> account = m_appState->accountRepository()->byId(current);
    if (!account)
        return;
    if (!isSignedIn()) {
        QMessageBox box(QMessageBox::Information, tr("Sign In Required"),
                        tr("Sharing requires a Tovarly account."), QMessageBox::Cancel, this);
        QPushButton* learnMore = box.addButton(tr("Learn More"), QMessageBox::AcceptRole);
        box.setDefaultButton(learnMore);
        box.exec();
        if (box.clickedButton() == learnMore)
            showTovarlyAccountScreen();
        return;
    }

    TovAccount::ShareMembersDialog::Texts texts;
    texts.windowTitle = tr("Share Account");
    texts.heading = tr("Sharing: %1").arg(account->name);
    texts.description = tr("Share this account with members of your Tovarly family group. "
                           "They'll see the same register, balances, and reconciliation history "
                           "on their devices.");
    texts.withAccessHeading = tr("Shared with");
    texts.notShared = tr("Not shared with anyone yet.");
    texts.noGroup = tr("You're not in a Tovarly family group yet. Create one or join one in "
                       "File › Tovarly Account to share your accounts.");
    texts.shareButton = tr("Share");
    texts.removeTooltip = tr("Remove access");
    texts.closeButton = tr("Close");
    texts.role = QStringLiteral("member");
    texts.shareFailedTitle = tr("Share Failed");
    texts.removeFailedTitle = tr("Remove Failed");
    texts.removeConfirmTitle = tr("Remove Share");
    texts.removeConfirmText = tr("Remove %1's access to this account?");
    TovAccount::ShareMembersDialog dialog(m_appState->accountClient(), m_appState->sharingService(),
                                          current, texts, this);
    // Who may see the account changed on the server: the next cycle brings it here.
    connect(&dialog, &TovAccount::ShareMembersDialog::sharingChanged, m_appState->syncEngine(),
            &SyncEngine::sync);
    dialog.exec();
}

void MainWindow::openTransaction(const QString& transactionId)
{
    const std::optional<Transaction> transaction =
        m_appState->transactionRepository()->byId(transactionId);
    const std::optional<Account> account =
        transaction ? m_appState->accountRepository()->byId(transaction->accountId) : std::nullopt;
    if (!transaction || transaction->isDeleted() || !account || account->isDeleted()) {
        m_statusBar->showMessage(tr("That transaction no longer exists"), 3000);
        return;
    }
    selectAccount(account->id);
    // The user may keep a typed row in another account instead of leaving it.
    if (m_registerScreen->accountId() != account->id)
        return;
    m_registerScreen->selectTransaction(transactionId);
    setWindowState(windowState() & ~Qt::WindowMinimized);
    raise();
    activateWindow();
}

bool MainWindow::openQifFiles(const QStringList& paths)
{
    if (QApplication::activeModalWidget() || (m_importScreen && m_importScreen->isBusy()))
        return false;
    showImportWindow();
    m_importScreen->openQifFiles(paths);
    return true;
}

// ---------------------------------------------------------------------------------------------
// Sign-in state, recurring and status

bool MainWindow::isSignedIn() const
{
    return m_appState->accountClient()->isAuthenticated();
}

void MainWindow::connectSignIn()
{
    TovAccount::AuthClient* auth = m_appState->accountClient()->authClient();
    connect(auth, &TovAccount::AuthClient::stateChanged, this, &MainWindow::updateAuthUi);
    connect(auth, &TovAccount::AuthClient::loginSucceeded, this,
            [this] { m_statusBar->showTransient(tr("Signed in successfully"), 3000); });
    connect(auth, &TovAccount::AuthClient::loginFailed, this, [this](const QString& error) {
        m_statusBar->showTransient(SignInMessages::failure(error), 5000);
    });
}

void MainWindow::connectSync()
{
    SyncEngine* engine = m_appState->syncEngine();
    connect(engine, &SyncEngine::stateChanged, this, [this](SyncState state) {
        if (isSignedIn())
            m_statusBar->setSyncText(SyncEngine::statusText(state));
    });
    connect(engine, &SyncEngine::syncCompleted, this,
            [this] { m_statusBar->showTransient(tr("Sync complete"), 2000); });
    connect(engine, &SyncEngine::syncFailed, this, [this](const QString& error) {
        m_statusBar->showTransient(tr("Sync failed: %1").arg(error), 5000);
    });
    // Said after "Sync complete", over it: an edit of this device is no longer what it shows.
    connect(engine, &SyncEngine::changesReplaced, this, [this](int count) {
        m_statusBar->showTransient(
            tr("%n change(s) was/were replaced by a newer version from another device "
               "(see Preferences → Data & Sync)",
               nullptr, count),
            5000);
    });
    // Pulled changes are shown at once.
    connect(engine, &SyncEngine::dataChanged, this, [this] {
        refreshAccountList();
        m_registerScreen->reload();
    });
}

void MainWindow::signIn()
{
    // Said first: a sign-in that cannot even start reports so at once, over this.
    m_statusBar->showTransient(SignInMessages::continueInBrowser(), 5000);
    m_appState->accountClient()->authClient()->login();
}

void MainWindow::signOut()
{
    // The user's own choice, told apart from a session the server ended while it runs.
    const QScopedValueRollback<bool> signingOut(m_signingOut, true);
    m_appState->accountClient()->authClient()->logout();
}

void MainWindow::showSignedOutPage()
{
    m_stack->setCurrentWidget(isSignedIn() ? m_emptyPanel : static_cast<QWidget*>(m_welcomeScreen));
    updateAccountCommands();
}

void MainWindow::updateAccountCommands()
{
    using enum CommandId;
    const bool hasAccount = !m_appState->currentAccountId().isEmpty();
    for (const CommandId command : {NewTransaction, EditAccount, Reconcile, ReconciliationHistory,
                                    RenamePayees, ShareAccount, DeleteAccount})
        m_commands.setAvailable(command, hasAccount);
}

void MainWindow::updateAuthUi()
{
    const bool signedIn = isSignedIn();
    m_signOutAction->setVisible(signedIn);
    m_accountAction->setStatusTip(signedIn ? tr("Manage your account") : tr("Sign in or sign up"));
    if (signedIn) {
        m_statusBar->setSyncText(SyncEngine::statusText(m_appState->syncEngine()->state()));
        m_welcomeScreen->setReturningUser(false);
        if (m_stack->currentWidget() == m_welcomeScreen) {
            const QString current = m_appState->currentAccountId();
            if (current.isEmpty())
                showSignedOutPage();
            else
                selectAccount(current);
        }
        return;
    }
    m_statusBar->setSyncText(tr("Not signed in"));
    // What the account window shows belongs to the user who has just left.
    if (m_accountScreen)
        m_accountScreen->close();
    m_welcomeScreen->setReturningUser(
        QSettings().value(QStringLiteral("auth/hasSignedInBefore"), false).toBool());
    // Signing out leaves the book open: the register stays, the welcome screen only stands in
    // for a book without accounts. A session that ended without the user is said on the welcome
    // screen, which offers to sign back in.
    if (m_signingOut)
        keepAnAccountShown();
    else
        m_stack->setCurrentWidget(m_welcomeScreen);
}

void MainWindow::checkAutoPosted()
{
    const int posted = m_appState->recurringService()->autoPostDue();
    if (posted > 0) {
        m_statusBar->showMessage(tr("Auto-posted %n recurring transaction(s)", nullptr, posted),
                                 5000);
        refreshAccountList();
    }
}

void MainWindow::refreshRecurringDue()
{
    m_statusBar->setRecurringDue(m_appState->recurringService()->dueCount());
}

// ---------------------------------------------------------------------------------------------
// Help

void MainWindow::showAbout()
{
    QMessageBox::about(
        this, tr("About Tovarly Pennibar"),
        tr("<h2>Tovarly Pennibar</h2><p>Version %1</p><p>A digital register for your household "
           "finances: accounts, payments and deposits with a running balance.</p><p><small>This "
           "application uses the Qt framework under the GNU LGPL version 3. See <a "
           "href=\"https://www.qt.io\">qt.io</a> and the source code at <a "
           "href=\"https://code.qt.io\">code.qt.io</a>.</small></p>")
            .arg(QCoreApplication::applicationVersion()));
}

// The update commands report through the status bar: a busy text while they wait on the
// release channel, then a transient message or their dialog.
TovUpdate::ProgressCallbacks MainWindow::updateProgress() const
{
    QPointer<StatusBar> statusBar = m_statusBar;
    return {.progress =
                [statusBar](const QString& text) {
                    if (statusBar)
                        statusBar->showProgress(text);
                },
            .finished =
                [statusBar] {
                    if (statusBar)
                        statusBar->hideProgress();
                },
            .message =
                [statusBar](const QString& text, int timeoutMs) {
                    if (statusBar)
                        statusBar->showTransient(text, timeoutMs);
                }};
}

void MainWindow::showKeyboardShortcuts()
{
    using enum CommandId;
    const ShortcutSection general{
        tr("General"),
        {m_commands.shortcutRow(NewTransaction, tr("New transaction")),
         m_commands.shortcutRow(NewAccount, tr("New account")),
         m_commands.shortcutRow(Reconcile, tr("Reconcile account")),
         m_commands.shortcutRow(Find, tr("Search transactions")),
         m_commands.shortcutRow(Reports, tr("Reports")),
         m_commands.shortcutRow(RecurringTransactions, tr("Recurring transactions")),
         m_commands.shortcutRow(Categories, tr("Categories"))}};
    const ShortcutSection accounts{
        tr("Accounts"),
        {ShortcutRow::forRange(accountShortcutKey(0), accountShortcutKey(8),
                               tr("Switch to account 1&ndash;9")),
         ShortcutRow::forKeys(accountShortcutKey(9), tr("Switch to account 10"))}};
    QMessageBox::information(this, tr("Keyboard Shortcuts"),
                             shortcutListingHtml({m_registerScreen->shortcutSection(),
                                                  dateShortcutSection(), general, accounts}));
}

// ---------------------------------------------------------------------------------------------
// Sample data (PENNIBAR_DEV)

void MainWindow::loadSampleData()
{
    SampleDataService samples(m_appState->database());
    if (samples.hasSampleData()) {
        QMessageBox::information(this, tr("Sample Data"), tr("Sample data is already loaded."));
        return;
    }
    samples.load();
    refreshAccountList();
    m_statusBar->showMessage(tr("Sample data loaded"), 3000);
}

void MainWindow::clearSampleData()
{
    SampleDataService samples(m_appState->database());
    if (!samples.hasSampleData()) {
        QMessageBox::information(this, tr("Sample Data"), tr("No sample data to clear."));
        return;
    }
    samples.clear();
    refreshAccountList();
    keepAnAccountShown();
    m_statusBar->showMessage(tr("Sample data cleared"), 3000);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    QSettings settings;
    settings.setValue(geometryKey, saveGeometry());
    settings.setValue(splitterKey, m_splitter->saveState());
    QMainWindow::closeEvent(event);
}
