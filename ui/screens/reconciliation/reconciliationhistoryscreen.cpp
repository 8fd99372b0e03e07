#include "ui/screens/reconciliation/reconciliationhistoryscreen.h"

#include "app/appstate.h"
#include "app/core/money.h"
#include "data/accountrepository.h"
#include "data/reconciliationrepository.h"
#include "ui/theme/fontroles.h"
#include "ui/theme/styles.h"
#include "ui/theme/themecolors.h"

#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

enum Column
{
    StatementDateColumn,
    StatementBalanceColumn,
    ReconciledBalanceColumn,
    CompletedColumn,
    ColumnCount,
};

QTableWidgetItem* textItem(const QString& text)
{
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

QTableWidgetItem* amountItem(qint64 amount, Currency currency)
{
    QTableWidgetItem* item = textItem(formatMoney(amount, currency));
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    if (amount < 0)
        item->setForeground(ThemeColors::negative().color());
    return item;
}

} // namespace

ReconciliationHistoryScreen::ReconciliationHistoryScreen(AppState* appState, QWidget* parent)
    : QWidget(parent), m_appState(appState)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 24, 24, 24);
    layout->setSpacing(12);

    m_title = new QLabel(tr("Reconciliation History"), this);
    applyFontRole(m_title, FontRoles::Title);
    layout->addWidget(m_title);
    auto* subtitle = new QLabel(tr("Past reconciliations for this account."), this);
    subtitle->setStyleSheet(Styles::textColor(ThemeColors::mutedText()));
    layout->addWidget(subtitle);
    layout->addSpacing(8);

    m_table = new QTableWidget(0, ColumnCount, this);
    m_table->setHorizontalHeaderLabels(
        {tr("Statement Date"), tr("Statement Balance"), tr("Reconciled Balance"), tr("Completed")});
    QHeaderView* header = m_table->horizontalHeader();
    header->setSectionResizeMode(StatementDateColumn, QHeaderView::ResizeToContents);
    header->setSectionResizeMode(StatementBalanceColumn, QHeaderView::Stretch);
    header->setSectionResizeMode(ReconciledBalanceColumn, QHeaderView::Stretch);
    header->setSectionResizeMode(CompletedColumn, QHeaderView::ResizeToContents);
    m_table->verticalHeader()->hide();
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setAlternatingRowColors(true);
    layout->addWidget(m_table, 1);

    m_emptyLabel = new QLabel(tr("No reconciliations yet. Reconcile your account from the register "
                                 "to see the history here."),
                              this);
    m_emptyLabel->setAlignment(Qt::AlignCenter);
    m_emptyLabel->setWordWrap(true);
    m_emptyLabel->setStyleSheet(
        QStringLiteral("color: %1; padding: 32px;").arg(ThemeColors::mutedText().name()));
    m_emptyLabel->hide();
    layout->addWidget(m_emptyLabel);
    // Takes the room the table leaves when it is hidden, so the texts stay at the top.
    layout->addStretch(0);
}

void ReconciliationHistoryScreen::setAccount(const QString& accountId)
{
    m_accountId = accountId;
    if (accountId.isEmpty())
        return;
    const std::optional<Account> account = m_appState->accountRepository()->byId(accountId);
    m_title->setText(account ? tr("Reconciliation History — %1").arg(account->name)
                             : tr("Reconciliation History"));
    const Currency currency = account ? account->currency : Currency::USD;

    const QList<Reconciliation> reconciliations =
        m_appState->reconciliationRepository()->listByAccount(accountId);
    m_table->setVisible(!reconciliations.isEmpty());
    m_emptyLabel->setVisible(reconciliations.isEmpty());
    m_table->setRowCount(int(reconciliations.size()));
    const QLocale locale;
    for (int row = 0; row < reconciliations.size(); ++row) {
        const Reconciliation& reconciliation = reconciliations.at(row);
        m_table->setItem(
            row, StatementDateColumn,
            textItem(locale.toString(reconciliation.statementDate, QStringLiteral("MMM d, yyyy"))));
        m_table->setItem(row, StatementBalanceColumn,
                         amountItem(reconciliation.statementBalance, currency));
        m_table->setItem(row, ReconciledBalanceColumn,
                         amountItem(reconciliation.reconciledBalance, currency));
        m_table->setItem(row, CompletedColumn,
                         textItem(locale.toString(reconciliation.completedAt.toLocalTime(),
                                                  QStringLiteral("MMM d, yyyy h:mm ap"))));
    }
}
