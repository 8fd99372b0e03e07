#include "ui/screens/recurring/recurringscreen.h"

#include "ui/screens/recurring/recurringformdialog.h"
#include "ui/screens/recurring/recurringmodel.h"

#include "app/appstate.h"
#include "services/recurring/recurringservice.h"
#include "ui/theme/fontroles.h"
#include "ui/theme/styles.h"
#include "ui/theme/themecolors.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace {

constexpr int enterAheadDays = 7;

} // namespace

RecurringScreen::RecurringScreen(AppState* appState, QWidget* parent)
    : QWidget(parent), m_appState(appState)
{
    defineCommands();
    buildLayout();
    refresh();
}

void RecurringScreen::defineCommands()
{
    using enum CommandId;
    m_commands.add(Edit, {.text = tr("&Edit"), .run = [this] { showEditForm(currentRow()); }});
    m_commands.add(Confirm, {.text = tr("&Confirm"), .run = [this] { confirmSelected(); }});
    m_commands.add(Skip, {.text = tr("&Skip"), .run = [this] { skipSelected(); }});
    m_commands.add(EnterEarly,
                   {.text = tr("Enter &Early..."), .run = [this] { enterEarlySelected(); }});
    m_commands.add(Delete, {.text = tr("&Delete"), .run = [this] { deleteSelected(); }});
}

void RecurringScreen::buildLayout()
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 16);

    auto* header = new QHBoxLayout;
    auto* title = new QLabel(tr("Recurring Transactions"), this);
    title->setProperty(FontRoles::weightProperty, int(QFont::Bold));
    applyFontRole(title, FontRoles::Heading);
    header->addWidget(title);
    m_dueLabel = new QLabel(this);
    m_dueLabel->setProperty(FontRoles::weightProperty, int(QFont::Bold));
    applyFontRole(m_dueLabel, FontRoles::Body);
    header->addWidget(m_dueLabel);
    header->addStretch();
    auto* confirmAll = new QPushButton(tr("Confirm All Due"), this);
    connect(confirmAll, &QPushButton::clicked, this, &RecurringScreen::confirmAllDue);
    header->addWidget(confirmAll);
    auto* enterWeek = new QPushButton(tr("Enter Next 7 Days"), this);
    connect(enterWeek, &QPushButton::clicked, this, &RecurringScreen::enterNextSevenDays);
    header->addWidget(enterWeek);
    auto* add = new QPushButton(tr("New Recurring"), this);
    connect(add, &QPushButton::clicked, this, &RecurringScreen::showNewForm);
    header->addWidget(add);
    layout->addLayout(header);

    m_model = new RecurringModel(m_appState->accountRepository(), this);
    m_view = new QTableView(this);
    m_view->setModel(m_model);
    m_view->setAlternatingRowColors(true);
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    m_view->verticalHeader()->hide();
    m_view->setContextMenuPolicy(Qt::CustomContextMenu);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->setSortingEnabled(true);
    m_view->sortByColumn(RecurringModel::NextDueColumn, Qt::AscendingOrder);
    m_view->horizontalHeader()->setSectionResizeMode(RecurringModel::PayeeColumn,
                                                     QHeaderView::Stretch);
    connect(m_view, &QWidget::customContextMenuRequested, this, &RecurringScreen::onContextMenu);
    connect(m_view, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& index) {
        if (index.isValid())
            showEditForm(index.row());
    });
    layout->addWidget(m_view, 1);
}

// The current row stays current wherever its new dates sort it.
void RecurringScreen::refresh()
{
    const RecurringTransaction* current = m_model->rowAt(currentRow());
    const QString currentId = current ? current->id : QString();
    m_model->reload(m_appState->recurringService()->listAll());
    fitColumnsOnce();
    for (int row = 0; row < m_model->rowCount() && !currentId.isEmpty(); ++row) {
        if (m_model->rowAt(row)->id == currentId)
            m_view->setCurrentIndex(m_model->index(row, RecurringModel::PayeeColumn));
    }
    const int due = m_appState->recurringService()->dueCount();
    if (due < 1) {
        m_dueLabel->clear();
        return;
    }
    m_dueLabel->setText(tr("(%1 due)").arg(due));
    m_dueLabel->setStyleSheet(Styles::textColor(ThemeColors::dueRecurring()));
}

// The columns beside the payee start as wide as the first rows shown need; after that their
// widths are the user's.
void RecurringScreen::fitColumnsOnce()
{
    if (m_columnsFitted || m_model->rowCount() == 0)
        return;
    for (int column = 0; column < RecurringModel::ColumnCount; ++column) {
        if (column != RecurringModel::PayeeColumn)
            m_view->resizeColumnToContents(column);
    }
    m_columnsFitted = true;
}

int RecurringScreen::currentRow() const
{
    const QModelIndex current = m_view->currentIndex();
    return current.isValid() && m_model->rowAt(current.row()) ? current.row() : -1;
}

// Confirm and Skip are for an occurrence that is due; Enter Early for one that is not yet.
void RecurringScreen::onContextMenu(const QPoint& position)
{
    using enum CommandId;
    const QModelIndex index = m_view->indexAt(position);
    const RecurringTransaction* row = index.isValid() ? m_model->rowAt(index.row()) : nullptr;
    if (!row)
        return;
    // The entries act on the current row: the one under the menu becomes it.
    m_view->setCurrentIndex(index);
    const QDate today = QDate::currentDate();
    m_commands.action(Confirm)->setEnabled(RecurringModel::isDue(*row));
    m_commands.action(Skip)->setEnabled(RecurringModel::isDue(*row));
    m_commands.action(EnterEarly)->setEnabled(row->isActive && today < row->nextDueDate);

    QMenu menu(this);
    m_commands.addToMenu(&menu, {Edit, Confirm, Skip, EnterEarly, Separator, Delete});
    menu.exec(m_view->viewport()->mapToGlobal(position));
}

void RecurringScreen::showNewForm()
{
    RecurringFormDialog dialog(m_appState, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_appState->recurringService()->add(dialog.recurring());
    refresh();
}

void RecurringScreen::showEditForm(int row)
{
    const RecurringTransaction* recurring = m_model->rowAt(row);
    if (!recurring)
        return;
    RecurringFormDialog dialog(m_appState, *recurring, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_appState->recurringService()->edit(dialog.recurring());
    refresh();
}

void RecurringScreen::confirmSelected()
{
    const RecurringTransaction* row = m_model->rowAt(currentRow());
    if (!row)
        return;
    m_appState->recurringService()->confirm(*row);
    emit transactionsChanged();
    refresh();
}

void RecurringScreen::enterEarlySelected()
{
    const RecurringTransaction* row = m_model->rowAt(currentRow());
    if (!row)
        return;
    const auto answer = QMessageBox::question(
        this, tr("Enter Early"),
        tr("Enter \"%1\" now, dated %2? The transaction is dated its due date and you can edit "
           "or delete it later.")
            .arg(row->payee, QLocale().toString(row->nextDueDate, QLocale::LongFormat)),
        QMessageBox::Yes | QMessageBox::No);
    if (answer != QMessageBox::Yes)
        return;
    m_appState->recurringService()->confirm(*row);
    emit transactionsChanged();
    refresh();
}

void RecurringScreen::skipSelected()
{
    const RecurringTransaction* row = m_model->rowAt(currentRow());
    if (!row)
        return;
    m_appState->recurringService()->skip(*row);
    refresh();
}

void RecurringScreen::deleteSelected()
{
    const RecurringTransaction* row = m_model->rowAt(currentRow());
    if (!row)
        return;
    const auto answer =
        QMessageBox::question(this, tr("Delete"), tr("Delete recurring \"%1\"?").arg(row->payee),
                              QMessageBox::Yes | QMessageBox::No);
    if (answer != QMessageBox::Yes)
        return;
    m_appState->recurringService()->remove(row->id);
    refresh();
}

void RecurringScreen::confirmAllDue()
{
    if (m_appState->recurringService()->confirmAllDue() > 0) {
        emit transactionsChanged();
        refresh();
    }
}

void RecurringScreen::enterNextSevenDays()
{
    const auto answer = QMessageBox::question(
        this, tr("Enter Next 7 Days"),
        tr("Enter all recurring transactions due in the next 7 days? They are dated their due "
           "dates and you can edit or delete them later."),
        QMessageBox::Yes | QMessageBox::No);
    if (answer != QMessageBox::Yes)
        return;
    if (m_appState->recurringService()->enterDueThrough(
            QDate::currentDate().addDays(enterAheadDays)) > 0) {
        emit transactionsChanged();
        refresh();
    }
}
