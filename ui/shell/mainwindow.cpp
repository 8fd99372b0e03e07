#include "ui/shell/mainwindow.h"

#include "ui/shell/feedbacklink.h"
#include "ui/shell/listresizewatcher.h"
#include "ui/shell/statusbar.h"
#include "ui/shell/welcomescreen.h"
#include "ui/theme/fontroles.h"
#include "ui/theme/styles.h"
#include "ui/theme/themecolors.h"
#include "ui/theme/thememanager.h"

#include "app/appstate.h"
#include "app/core/buildconfig.h"
#include "app/core/ids.h"
#include "app/core/isodates.h"
#include "app/core/money.h"
#include "data/accountrepository.h"
#include "data/enumerations.h"
#include "data/preferencesrepository.h"
#include "data/reconciliationrepository.h"
#include "data/recurringrepository.h"
#include "data/transactionrepository.h"
#include "services/recurring/recurringservice.h"
#include "services/sampledata/sampledataservice.h"
#include "ui/register/registerscreen.h"
#include "ui/screens/accountformdialog.h"
#include "ui/theme/displaysettings.h"
#include "ui/widgets/elidedlabel.h"

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
#include <QSettings>
#include <QShortcut>
#include <QSplitter>
#include <QStackedWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace {

const QString geometryKey = QStringLiteral("mainwindow/geometry");
const QString splitterKey = QStringLiteral("mainwindow/splitter");
const QString iconFontFamily = QStringLiteral("Material Icons");
constexpr int autoPostIntervalMs = 3600000;
constexpr int maximumAccountShortcuts = 10;
// The list's item style pads each row 7 px above and below, and a row's widget is laid inside
// that padding, so the row is made taller by as much to keep the widget's own height.
constexpr int itemVerticalPadding = 14;
// The account list is dark in both themes, so its balances take the dark theme's colours.
constexpr bool listIsDark = true;

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
    QFont font(iconFontFamily);
    font.setPixelSize(pixelSize);
    label->setFont(font);
    label->setStyleSheet(Styles::textColor(ThemeColors::brightAccent()));
    label->setAlignment(Qt::AlignCenter);
    return label;
}

} // namespace

MainWindow::MainWindow(AppState* appState, QWidget* parent)
    : QMainWindow(parent), m_appState(appState)
{
    setWindowTitle(BuildConfig::applicationTitle());
    const QByteArray geometry = QSettings().value(geometryKey).toByteArray();
    if (geometry.isEmpty() || !restoreGeometry(geometry))
        resize(1280, 900);

    buildMenus();

    m_registerScreen = new RegisterScreen(m_appState, this);
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
    });
    connect(m_appState->accountRepository(), &AccountRepository::accountsChanged, this,
            &MainWindow::onAccountsChanged);

    updateAuthUi();
    refreshAccountList();

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
}

// ---------------------------------------------------------------------------------------------
// Menus

void MainWindow::buildMenus()
{
    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->addAction(tr("&New Transaction"), QKeySequence(Qt::CTRL | Qt::Key_N), this,
                    [this] { m_registerScreen->beginNewTransaction(); });
    file->addAction(tr("New &Account"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_N), this,
                    &MainWindow::showNewAccountDialog);
    file->addSeparator();
    file->addAction(tr("&Import..."))->setEnabled(false);
    file->addSeparator();
    m_accountAction = file->addAction(tr("Tovarly &Account..."));
    m_accountAction->setEnabled(false);
    file->addSeparator();
    m_signOutAction = file->addAction(tr("Sign &Out"));
    file->addSeparator();
    QAction* quit = file->addAction(tr("&Quit"), QKeySequence::Quit, this, &QWidget::close);
    quit->setMenuRole(QAction::QuitRole);

    QMenu* edit = menuBar()->addMenu(tr("&Edit"));
    edit->addAction(tr("&Find..."), QKeySequence::Find)->setEnabled(false);
    edit->addSeparator();
    QAction* preferences = edit->addAction(tr("&Preferences..."));
    preferences->setMenuRole(QAction::PreferencesRole);
    preferences->setEnabled(false);

    QMenu* account = menuBar()->addMenu(tr("&Account"));
    account->addAction(tr("&Edit..."), this, &MainWindow::showEditAccountDialog);
    account->addAction(tr("&Reconcile..."), QKeySequence(Qt::CTRL | Qt::Key_R))->setEnabled(false);
    account->addAction(tr("Reconciliation &History..."))->setEnabled(false);
    account->addAction(tr("Rename &Payees..."))->setEnabled(false);
    account->addSeparator();
    account->addAction(tr("&Share..."))->setEnabled(false);
    account->addSeparator();
    account->addAction(tr("&Delete"), this, &MainWindow::deleteCurrentAccount);

    QMenu* view = menuBar()->addMenu(tr("&View"));
    view->addAction(tr("&Reports"), QKeySequence(Qt::CTRL | Qt::Key_2))->setEnabled(false);
    view->addAction(tr("Re&curring Transactions"), QKeySequence(Qt::CTRL | Qt::Key_3))
        ->setEnabled(false);
    view->addAction(tr("C&ategories"), QKeySequence(Qt::CTRL | Qt::Key_4))->setEnabled(false);

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    help->addAction(tr("&About Tovarly Pennibar"), this, &MainWindow::showAbout)
        ->setMenuRole(QAction::AboutRole);
    help->addAction(tr("What's &New..."))->setEnabled(false);
    help->addAction(tr("Check for &Updates..."))->setEnabled(false);
    help->addAction(tr("Send &Feedback..."), this, [] {
        QDesktopServices::openUrl(
            FeedbackLink(BuildConfig::feedbackSiteUrl(), BuildConfig::productSlug()).url());
    });
    help->addSeparator();
    help->addAction(tr("&Keyboard Shortcuts"), this, &MainWindow::showKeyboardShortcuts);
    if (!qEnvironmentVariable("PENNIBAR_DEV").isEmpty()) {
        help->addSeparator();
        help->addAction(tr("Load &Sample Data"), this, &MainWindow::loadSampleData);
        help->addAction(tr("&Clear Sample Data"), this, &MainWindow::clearSampleData);
    }
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
    subtitle->setStyleSheet(Styles::textColor(ThemeColors::mutedText()));
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
    import->setStyleSheet(Styles::textColor(ThemeColors::mutedText()));
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
    m_totalLabel->setFixedHeight(32);
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

QWidget* MainWindow::accountRowWidget(const Account& account, qint64 balance)
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

    auto* amount = new QLabel(formatMoney(balance, account.currency), row);
    applyFontRole(amount, FontRoles::Monospace);
    amount->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    amount->setStyleSheet(Styles::textColor(balance < 0 ? ThemeColors::negative(listIsDark)
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
    m_accountList->clear();
    qint64 total = 0;
    const QList<Account> accounts = m_appState->accountRepository()->listAll();
    for (const Account& account : accounts) {
        const qint64 balance = m_appState->transactionRepository()->accountBalance(account.id);
        QWidget* row = accountRowWidget(account, balance);
        auto* item = new QListWidgetItem(m_accountList);
        item->setData(Qt::UserRole, account.id);
        item->setSizeHint(QSize(m_accountList->viewport()->width(),
                                row->sizeHint().height() + 10 + itemVerticalPadding));
        m_accountList->setItemWidget(item, row);
        total += balance;
    }

    m_statusBar->setAccountCount(int(accounts.size()));
    rebuildAccountShortcuts();
    m_totalLabel->setText(accounts.isEmpty()
                              ? tr("No accounts")
                              : tr("Total: %1").arg(formatMoney(total, Currency::USD)));

    const QString current = m_appState->currentAccountId();
    if (!current.isEmpty()) {
        for (int i = 0; i < m_accountList->count(); ++i) {
            if (m_accountList->item(i)->data(Qt::UserRole).toString() == current) {
                m_accountList->setCurrentRow(i);
                break;
            }
        }
    }
}

void MainWindow::onAccountsChanged()
{
    refreshAccountList();
}

void MainWindow::rebuildAccountShortcuts()
{
    qDeleteAll(m_accountShortcuts);
    m_accountShortcuts.clear();
    const int count = std::min(m_accountList->count(), maximumAccountShortcuts);
    for (int i = 0; i < count; ++i) {
        const int digit = i < 9 ? i + 1 : 0;
        auto* shortcut = new QShortcut(QKeySequence(Qt::ALT | Qt::Key(Qt::Key_0 + digit)), this);
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
    m_appState->accountRepository()->updateSortOrders(orders);
}

void MainWindow::onAccountClicked(QListWidgetItem* item)
{
    const QString id = item ? item->data(Qt::UserRole).toString() : QString();
    if (!id.isEmpty())
        selectAccount(id);
}

void MainWindow::selectAccount(const QString& accountId)
{
    m_appState->setCurrentAccountId(accountId);
    m_registerScreen->setAccount(accountId);
    m_stack->setCurrentWidget(m_registerScreen);
    for (int i = 0; i < m_accountList->count(); ++i) {
        if (m_accountList->item(i)->data(Qt::UserRole).toString() == accountId) {
            m_accountList->setCurrentRow(i);
            break;
        }
    }
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
    if (!accounts.isEmpty())
        selectAccount(accounts.first().id);
    else
        showSignedOutPage();
}

void MainWindow::onAccountContextMenu(const QPoint& position)
{
    QMenu menu(this);
    menu.addAction(tr("New Account..."), this, &MainWindow::showNewAccountDialog);
    QListWidgetItem* item = m_accountList->itemAt(position);
    if (item) {
        const QString id = item->data(Qt::UserRole).toString();
        const std::optional<Account> account = m_appState->accountRepository()->byId(id);
        const QString name = account ? account->name : QString();
        menu.addSeparator();
        menu.addAction(tr("Edit \"%1\"...").arg(name), this, [this, id] {
            selectAccount(id);
            showEditAccountDialog();
        });
        menu.addAction(tr("Reconcile..."))->setEnabled(false);
        menu.addAction(tr("Reconciliation History..."))->setEnabled(false);
        menu.addAction(tr("Rename Payees..."))->setEnabled(false);
        menu.addSeparator();
        menu.addAction(tr("Share..."))->setEnabled(false);
        menu.addSeparator();
        menu.addAction(tr("Delete \"%1\"").arg(name), this, [this, id] { deleteAccount(id); });
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
    Account account = dialog.account();
    if (account.name.isEmpty())
        return;

    const qint64 openingBalance = account.startingBalance;
    account.startingBalance = 0;
    if (!m_appState->accountRepository()->insert(account))
        return;
    if (openingBalance != 0) {
        Transaction opening;
        opening.id = newId();
        opening.accountId = account.id;
        opening.date = dialog.openingDate();
        opening.payee = tr("Opening Balance");
        opening.amount = openingBalance;
        opening.cleared = true;
        opening.reconciled = true;
        opening.createdAt = opening.updatedAt = nowUtc();
        m_appState->transactionRepository()->insert(opening);
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
    AccountFormDialog dialog(*account, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_appState->accountRepository()->update(dialog.account());
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

    const int transactions = m_appState->transactionRepository()->softDeleteByAccount(accountId);
    const int recurring = m_appState->recurringRepository()->softDeleteByAccount(accountId);
    const int reconciliations =
        m_appState->reconciliationRepository()->softDeleteByAccount(accountId);
    m_appState->accountRepository()->softDelete(accountId);
    qInfo() << "Cascade delete account" << accountId << "→ transactions:" << transactions
            << "recurrings:" << recurring << "reconciliations:" << reconciliations;

    if (m_appState->currentAccountId() == accountId) {
        m_appState->setCurrentAccountId(QString());
        showSignedOutPage();
    }
    refreshAccountList();
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
// Sign-in state, recurring and status

bool MainWindow::isSignedIn() const
{
    // Signing in needs the account service client; without it nobody is signed in.
    return false;
}

void MainWindow::showSignedOutPage()
{
    m_stack->setCurrentWidget(isSignedIn() ? m_emptyPanel : static_cast<QWidget*>(m_welcomeScreen));
}

void MainWindow::updateAuthUi()
{
    const bool signedIn = isSignedIn();
    m_signOutAction->setVisible(signedIn);
    m_accountAction->setStatusTip(signedIn ? tr("Manage your account") : tr("Sign in or sign up"));
    if (!signedIn) {
        m_statusBar->setSyncText(tr("Not signed in"));
        m_welcomeScreen->setReturningUser(
            QSettings().value(QStringLiteral("auth/hasSignedInBefore"), false).toBool());
        m_stack->setCurrentWidget(m_welcomeScreen);
    }
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

void MainWindow::showKeyboardShortcuts()
{
    const auto key = [](const QKeySequence& sequence) {
        return sequence.toString(QKeySequence::NativeText);
    };
    QString text =
        tr("<h3>Register</h3><table cellspacing=\"6\">"
           "<tr><td><b>%1</b></td><td>Save transaction</td></tr>"
           "<tr><td><b>%2</b></td><td>Insert new transaction</td></tr>"
           "<tr><td><b>%3</b></td><td>Delete current transaction</td></tr>"
           "<tr><td><b>Tab / Shift+Tab</b></td><td>Next / previous field</td></tr>"
           "<tr><td><b>' (apostrophe)</b></td><td>Copy value from field above</td></tr></table>"
           "<h3>Date Field</h3><table cellspacing=\"6\">"
           "<tr><td><b>t</b></td><td>Today</td></tr>"
           "<tr><td><b>+ / -</b></td><td>Next / previous day</td></tr>"
           "<tr><td><b>m / h</b></td><td>First / last day of month</td></tr>"
           "<tr><td><b>y / r</b></td><td>First / last day of year</td></tr>"
           "<tr><td><b>w / k</b></td><td>First / last day of week</td></tr></table>"
           "<h3>General</h3><table cellspacing=\"6\">"
           "<tr><td><b>%4</b></td><td>New transaction</td></tr>"
           "<tr><td><b>%5</b></td><td>New account</td></tr>"
           "<tr><td><b>%6</b></td><td>Reconcile account</td></tr>"
           "<tr><td><b>%7</b></td><td>Search transactions</td></tr>"
           "<tr><td><b>%8</b></td><td>Reports</td></tr>"
           "<tr><td><b>%9</b></td><td>Recurring transactions</td></tr>"
           "<tr><td><b>%10</b></td><td>Categories</td></tr></table>"
           "<h3>Accounts</h3><table cellspacing=\"6\">"
           "<tr><td><b>%11 &ndash; %12</b></td><td>Switch to account 1&ndash;9</td></tr>"
           "<tr><td><b>%13</b></td><td>Switch to account 10</td></tr></table>");
    const QList<QKeySequence> keys = {QKeySequence(Qt::CTRL | Qt::Key_Return),
                                      QKeySequence(Qt::CTRL | Qt::Key_I),
                                      QKeySequence(Qt::CTRL | Qt::Key_D),
                                      QKeySequence(Qt::CTRL | Qt::Key_N),
                                      QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_N),
                                      QKeySequence(Qt::CTRL | Qt::Key_R),
                                      QKeySequence(Qt::CTRL | Qt::Key_F),
                                      QKeySequence(Qt::CTRL | Qt::Key_2),
                                      QKeySequence(Qt::CTRL | Qt::Key_3),
                                      QKeySequence(Qt::CTRL | Qt::Key_4),
                                      QKeySequence(Qt::ALT | Qt::Key_1),
                                      QKeySequence(Qt::ALT | Qt::Key_9),
                                      QKeySequence(Qt::ALT | Qt::Key_0)};
    // Filled from the last placeholder down, so %1 never eats the start of %10 to %13.
    for (int i = int(keys.size()); i >= 1; --i)
        text.replace(QStringLiteral("%%1").arg(i), key(keys.at(i - 1)).toHtmlEscaped());
    QMessageBox::information(this, tr("Keyboard Shortcuts"), text);
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
    showSignedOutPage();
    m_statusBar->showMessage(tr("Sample data cleared"), 3000);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    QSettings settings;
    settings.setValue(geometryKey, saveGeometry());
    settings.setValue(splitterKey, m_splitter->saveState());
    QMainWindow::closeEvent(event);
}
