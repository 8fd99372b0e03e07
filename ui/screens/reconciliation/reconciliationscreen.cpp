#include "ui/screens/reconciliation/reconciliationscreen.h"

#include "app/appstate.h"
#include "app/core/money.h"
#include "data/accountrepository.h"
#include "data/reconciliationrepository.h"
#include "data/transactionrepository.h"
#include "services/ledger/accountservice.h"
#include "services/ledger/reconciledtotal.h"
#include "services/ledger/transactionservice.h"
#include "ui/theme/fontroles.h"
#include "ui/theme/styles.h"
#include "ui/theme/themecolors.h"
#include "ui/transactions/transactionformdialog.h"
#include "ui/widgets/datefield.h"
#include "ui/widgets/smartamountfield.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

constexpr int statementPanelWidth = 310;

// A command's keys without repeats: the platform's Delete key may be the Delete key itself, and
// a key bound twice is ambiguous and runs nothing.
QList<QKeySequence> distinctKeys(std::initializer_list<QKeySequence> keys)
{
    QList<QKeySequence> distinct;
    for (const QKeySequence& key : keys) {
        if (!key.isEmpty() && !distinct.contains(key))
            distinct.append(key);
    }
    return distinct;
}

QFrame* sunkenLine(QWidget* parent)
{
    auto* line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

bool isTickKey(int key)
{
    return key == Qt::Key_Space || key == Qt::Key_C || key == Qt::Key_R;
}

} // namespace

ReconciliationScreen::ReconciliationScreen(AppState* appState, QWidget* parent)
    : QWidget(parent), m_appState(appState)
{
    defineCommands();
    auto* splitter = new QSplitter(Qt::Horizontal, this);
    splitter->addWidget(buildStatementPanel());
    splitter->addWidget(buildTransactionPanel());
    splitter->setStretchFactor(0, 0);
    splitter->setStretchFactor(1, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(splitter);
    updateDifference();
}

void ReconciliationScreen::defineCommands()
{
    using enum CommandId;
    m_commands.add(Add, {.text = tr("Add Transaction"),
                         .shortcuts = distinctKeys(
                             {QKeySequence(QKeySequence::New), QKeySequence(Qt::Key_Insert)}),
                         .run = [this] { addTransaction(); }});
    m_commands.add(Edit, {.text = tr("Edit"),
                          .shortcuts = {QKeySequence(Qt::Key_F2)},
                          .run = [this] { editSelectedTransaction(); }});
    m_commands.add(Delete, {.text = tr("Delete"),
                            .shortcuts = distinctKeys(
                                {QKeySequence(QKeySequence::Delete), QKeySequence(Qt::Key_Delete)}),
                            .run = [this] { deleteSelectedTransaction(); }});
    for (const CommandId command : {Add, Edit, Delete}) {
        QAction* action = m_commands.action(command);
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        addAction(action);
    }
}

QWidget* ReconciliationScreen::buildStatementPanel()
{
    auto* panel = new QWidget(this);
    panel->setFixedWidth(statementPanelWidth);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(16, 16, 16, 16);
    layout->setSpacing(0);

    auto* title = new QLabel(tr("Reconcile Account"), panel);
    title->setProperty(FontRoles::weightProperty, int(QFont::Bold));
    applyFontRole(title, FontRoles::Subheading);
    layout->addWidget(title);
    layout->addSpacing(16);

    layout->addWidget(new QLabel(tr("Statement Date:"), panel));
    m_statementDate = new DateField(panel);
    layout->addWidget(m_statementDate);
    layout->addSpacing(8);

    layout->addWidget(new QLabel(tr("Statement Balance:"), panel));
    m_statementBalance = new SmartAmountField(panel);
    m_statementBalance->setCurrency(m_currency, true);
    connect(m_statementBalance, &QDoubleSpinBox::valueChanged, this,
            &ReconciliationScreen::updateDifference);
    layout->addWidget(m_statementBalance);
    layout->addSpacing(16);

    auto* grid = new QGridLayout;
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(4);
    grid->setColumnStretch(0, 1);
    m_previousLabel = addFigure(grid, 0, tr("Previous Balance"), Figure::Muted);
    m_depositsLabel = addFigure(grid, 1, tr("Cleared Deposits"), Figure::Plain);
    m_withdrawalsLabel = addFigure(grid, 2, tr("Cleared Withdrawals"), Figure::Plain);
    grid->addWidget(sunkenLine(panel), 3, 0, 1, 2);
    m_clearedLabel = addFigure(grid, 4, tr("Cleared Balance"), Figure::Plain);
    m_statementLabel = addFigure(grid, 5, tr("Statement Balance"), Figure::Muted);
    grid->addWidget(sunkenLine(panel), 6, 0, 1, 2);
    m_differenceLabel = addFigure(grid, 7, tr("Difference"), Figure::Result);
    layout->addLayout(grid);

    layout->addStretch();
    m_finishButton = new QPushButton(tr("Finish Reconciliation"), panel);
    m_finishButton->setEnabled(false);
    connect(m_finishButton, &QPushButton::clicked, this, &ReconciliationScreen::finish);
    layout->addWidget(m_finishButton);
    layout->addSpacing(8);
    auto* cancel = new QPushButton(tr("Cancel"), panel);
    connect(cancel, &QPushButton::clicked, this, &ReconciliationScreen::cancelled);
    layout->addWidget(cancel);
    return panel;
}

// A caption and its value, one row of the figures. The values are set by updateDifference().
QLabel* ReconciliationScreen::addFigure(QGridLayout* grid, int row, const QString& caption,
                                        Figure figure)
{
    auto* captionLabel = new QLabel(caption);
    captionLabel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    auto* value = new QLabel;
    value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    if (figure == Figure::Muted) {
        captionLabel->setStyleSheet(Styles::textColor(ThemeColors::mutedText()));
        value->setStyleSheet(Styles::textColor(ThemeColors::mutedText()));
    }
    if (figure == Figure::Result) {
        captionLabel->setProperty(FontRoles::weightProperty, int(QFont::Bold));
        applyFontRole(captionLabel, FontRoles::Body);
        value->setProperty(FontRoles::weightProperty, int(QFont::Bold));
    }
    applyFontRole(value, FontRoles::Monospace);
    grid->addWidget(captionLabel, row, 0);
    grid->addWidget(value, row, 1);
    return value;
}

QWidget* ReconciliationScreen::buildTransactionPanel()
{
    using enum CommandId;
    auto* panel = new QWidget(this);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    auto* tools = new QHBoxLayout;
    tools->setContentsMargins(8, 8, 8, 4);
    tools->setSpacing(8);
    const auto addButton = [this, panel, tools](CommandId command, const QString& tip) {
        QAction* action = m_commands.action(command);
        auto* button = new QPushButton(action->text(), panel);
        button->setToolTip(tip);
        connect(button, &QPushButton::clicked, action, &QAction::trigger);
        tools->addWidget(button);
    };
    addButton(Add, tr("Add a transaction (%1)")
                       .arg(QKeySequence(QKeySequence::New).toString(QKeySequence::NativeText)));
    addButton(Edit, tr("Edit selected transaction (F2)"));
    addButton(Delete, tr("Delete selected transaction (Del)"));
    tools->addStretch();
    layout->addLayout(tools);

    m_table = new QTableWidget(0, ColumnCount, panel);
    m_table->setHorizontalHeaderLabels(
        {QString(), tr("Date"), tr("Payee"), tr("Amount"), tr("Clr")});
    QHeaderView* header = m_table->horizontalHeader();
    header->setSectionResizeMode(TickColumn, QHeaderView::Fixed);
    header->resizeSection(TickColumn, 30);
    header->setSectionResizeMode(PayeeColumn, QHeaderView::Stretch);
    header->setSectionResizeMode(AmountColumn, QHeaderView::Fixed);
    header->resizeSection(AmountColumn, 100);
    m_table->verticalHeader()->hide();
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->installEventFilter(this);
    connect(m_table, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
        if (item->column() == TickColumn)
            onTransactionToggled(item->row());
    });
    connect(m_table, &QTableWidget::cellDoubleClicked, this, [this](int row, int column) {
        if (column == TickColumn)
            return;
        m_table->setCurrentCell(row, column);
        editSelectedTransaction();
    });
    layout->addWidget(m_table, 1);
    return panel;
}

std::optional<QDate>
ReconciliationScreen::defaultStatementDate(const std::optional<Reconciliation>& latest,
                                           const QDate& latestReconciledDate)
{
    QDate next;
    if (latest &&
        (!latestReconciledDate.isValid() || latest->statementDate >= latestReconciledDate))
        next = latest->statementDate.addMonths(1);
    else if (latestReconciledDate.isValid())
        next = latestReconciledDate.addMonths(1);
    if (!next.isValid())
        return std::nullopt;
    return next;
}

void ReconciliationScreen::setAccount(const QString& accountId)
{
    m_accountId = accountId;
    const std::optional<Account> account = m_appState->accountRepository()->byId(accountId);
    m_accountFound = account.has_value();
    if (!account) {
        updateDifference();
        return;
    }
    m_currency = account->currency;
    m_statementBalance->setCurrency(m_currency, true);
    const ReconciledTotal reconciled = ReconciledTotal::of(
        *account, m_appState->transactionRepository()->listByAccount(accountId));
    m_previousBalance = reconciled.balance;
    if (const std::optional<QDate> date = defaultStatementDate(
            m_appState->reconciliationRepository()->latestForAccount(accountId),
            reconciled.latestDate))
        m_statementDate->setDate(*date);
    reloadTable();
}

void ReconciliationScreen::loadPreviousBalance()
{
    if (const std::optional<Account> account = m_appState->accountRepository()->byId(m_accountId))
        m_previousBalance =
            ReconciledTotal::of(*account,
                                m_appState->transactionRepository()->listByAccount(m_accountId))
                .balance;
}

// The ticks follow the transactions, so a row keeps its tick when the table is read again.
void ReconciliationScreen::reloadTable()
{
    if (m_accountId.isEmpty())
        return;
    QHash<QString, bool> ticks;
    for (int i = 0; i < m_rows.size(); ++i)
        ticks.insert(m_rows.at(i).id, m_ticks.at(i));

    m_rows = m_appState->transactionRepository()->unreconciled(m_accountId);
    m_ticks.clear();
    for (const Transaction& transaction : std::as_const(m_rows))
        m_ticks.append(ticks.value(transaction.id, transaction.cleared));

    const QSignalBlocker blocker(m_table);
    m_table->setRowCount(int(m_rows.size()));
    for (int row = 0; row < m_rows.size(); ++row)
        fillRow(row);
    updateDifference();
}

void ReconciliationScreen::fillRow(int row)
{
    const Transaction& transaction = m_rows.at(row);
    auto* tick = new QTableWidgetItem;
    tick->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    tick->setCheckState(m_ticks.at(row) ? Qt::Checked : Qt::Unchecked);
    m_table->setItem(row, TickColumn, tick);

    const auto readOnly = [](const QString& text) {
        auto* item = new QTableWidgetItem(text);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        return item;
    };
    m_table->setItem(row, DateColumn,
                     readOnly(transaction.date.toString(QStringLiteral("MM/dd/yyyy"))));
    m_table->setItem(row, PayeeColumn, readOnly(transaction.payee));
    QTableWidgetItem* amount = readOnly(formatMoney(transaction.amount, m_currency));
    amount->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    if (transaction.amount < 0)
        amount->setForeground(ThemeColors::negative().color());
    m_table->setItem(row, AmountColumn, amount);
    m_table->setItem(row, ClearedColumn,
                     readOnly(transaction.cleared ? QStringLiteral("C") : QString()));
}

void ReconciliationScreen::onTransactionToggled(int row)
{
    QTableWidgetItem* tick = m_table->item(row, TickColumn);
    if (!tick || row >= m_ticks.size())
        return;
    m_ticks[row] = tick->checkState() == Qt::Checked;
    updateDifference();
}

void ReconciliationScreen::invertTick(int row)
{
    if (QTableWidgetItem* tick = m_table->item(row, TickColumn))
        tick->setCheckState(tick->checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
}

qint64 ReconciliationScreen::statementBalance() const
{
    return toMinorUnits(m_statementBalance->value(), m_currency);
}

void ReconciliationScreen::updateDifference()
{
    qint64 deposits = 0;
    qint64 withdrawals = 0;
    for (int row = 0; row < m_rows.size(); ++row) {
        if (!m_ticks.at(row))
            continue;
        const qint64 amount = m_rows.at(row).amount;
        (amount >= 0 ? deposits : withdrawals) += amount;
    }
    const qint64 cleared = m_previousBalance + deposits + withdrawals;
    const qint64 statement = statementBalance();
    const qint64 difference = statement - cleared;

    m_previousLabel->setText(formatMoney(m_previousBalance, m_currency));
    m_depositsLabel->setText(formatMoney(deposits, m_currency));
    m_withdrawalsLabel->setText(formatMoney(withdrawals, m_currency));
    m_clearedLabel->setText(formatMoney(cleared, m_currency));
    m_statementLabel->setText(formatMoney(statement, m_currency));
    m_differenceLabel->setText(formatMoney(difference, m_currency));
    const bool balanced = difference == 0;
    m_differenceLabel->setStyleSheet(
        Styles::textColor(balanced ? ThemeColors::positive() : ThemeColors::negative()));
    // Without an account there is nothing to finish, however the figures stand.
    m_finishButton->setEnabled(balanced && m_accountFound);
}

// The ticked transactions and the reconciliation are stored together or not at all; on a
// failure the screen stays as it is, with the figures read again.
void ReconciliationScreen::finish()
{
    // The balance box may show text that is no amount and still hold the amount before it.
    if (!m_finishButton->isEnabled() || !m_statementBalance->confirmAmount())
        return;
    Reconciliation statement;
    statement.accountId = m_accountId;
    statement.statementDate = m_statementDate->date();
    statement.statementBalance = statementBalance();
    QList<Transaction> ticked;
    for (int row = 0; row < m_rows.size(); ++row) {
        if (m_ticks.at(row))
            ticked.append(m_rows.at(row));
    }

    if (!m_appState->accountService()->reconcile(statement, ticked)) {
        QMessageBox::warning(this, tr("Reconciliation Failed"),
                             tr("The account was not reconciled and nothing was changed. The "
                                "figures have been read again; check them and try again."));
        loadPreviousBalance();
        reloadTable();
        return;
    }
    QMessageBox::information(this, tr("Reconciliation Complete"),
                             tr("Account reconciled successfully."));
    emit reconciliationCompleted();
}

int ReconciliationScreen::currentRow() const
{
    const int row = m_table->currentRow();
    return row >= 0 && row < m_rows.size() ? row : -1;
}

void ReconciliationScreen::addTransaction()
{
    if (m_accountId.isEmpty())
        return;
    TransactionFormDialog dialog(m_appState, m_accountId, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_appState->transactionService()->add(dialog.transaction(), dialog.splitLines());
    reloadTable();
}

void ReconciliationScreen::editSelectedTransaction()
{
    const int row = currentRow();
    if (row < 0)
        return;
    TransactionFormDialog dialog(m_appState, m_rows.at(row), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_appState->transactionService()->edit(dialog.transaction(), dialog.splitLines());
    reloadTable();
}

void ReconciliationScreen::deleteSelectedTransaction()
{
    const int row = currentRow();
    if (row < 0)
        return;
    const Transaction transaction = m_rows.at(row);
    QString question = tr("Delete the transaction for %1?").arg(transaction.payee);
    if (!transaction.transferLinkId.isEmpty())
        question += QStringLiteral("\n\n") + tr("Both sides of the transfer will be deleted.");
    const auto answer = QMessageBox::question(this, tr("Delete Transaction"), question,
                                              QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    if (answer != QMessageBox::Yes)
        return;
    m_appState->transactionService()->remove(transaction);
    reloadTable();
}

bool ReconciliationScreen::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_table && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (isTickKey(key->key()) &&
            !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
            const int row = currentRow();
            if (row >= 0)
                invertTick(row);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
