#include "ui/screens/payees/payeescreen.h"

#include "ui/theme/fontroles.h"

#include "app/appstate.h"
#include "data/transactionrepository.h"
#include "services/ledger/payeeservice.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

PayeeScreen::PayeeScreen(AppState* appState, QWidget* parent)
    : QWidget(parent), m_appState(appState)
{
    auto* title = new QLabel(tr("Payee Management"), this);
    title->setProperty(FontRoles::weightProperty, 700);
    applyFontRole(title, FontRoles::Heading);

    m_list = new QListWidget(this);
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);

    m_renameTo = new QLineEdit(this);
    auto* renameLabel = new QLabel(tr("Rename to:"), this);
    renameLabel->setBuddy(m_renameTo);
    auto* renameButton = new QPushButton(tr("Rename Selected"), this);
    connect(renameButton, &QPushButton::clicked, this, &PayeeScreen::onRename);
    auto* mergeButton = new QPushButton(tr("Merge Selected"), this);
    connect(mergeButton, &QPushButton::clicked, this, &PayeeScreen::onMerge);

    auto* row = new QHBoxLayout;
    row->addWidget(renameLabel);
    row->addWidget(m_renameTo, 1);
    row->addWidget(renameButton);
    row->addWidget(mergeButton);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title);
    layout->addSpacing(8);
    layout->addWidget(m_list, 1);
    layout->addLayout(row);
}

void PayeeScreen::reload()
{
    m_list->clear();
    m_list->addItems(m_appState->transactionRepository()->distinctPayees());
}

QStringList PayeeScreen::selectedPayees() const
{
    QStringList payees;
    for (const QListWidgetItem* item : m_list->selectedItems())
        payees << item->text();
    return payees;
}

bool PayeeScreen::rename(const QStringList& payees, const QString& newName, int* renamed)
{
    const std::optional<int> count = m_appState->payeeService()->rename(payees, newName);
    if (!count) {
        QMessageBox::warning(this, tr("Payee Management"),
                             tr("The payees could not be renamed. No transaction was changed."));
        return false;
    }
    *renamed = *count;
    return true;
}

void PayeeScreen::onRename()
{
    const QString newName = m_renameTo->text().trimmed();
    const QStringList payees = selectedPayees();
    if (newName.isEmpty() || payees.isEmpty())
        return;
    int renamed = 0;
    if (rename(payees, newName, &renamed))
        reportDone(tr("Rename Complete"), tr("Renamed %n transaction(s).", nullptr, renamed));
}

void PayeeScreen::onMerge()
{
    const QStringList payees = selectedPayees();
    if (payees.size() < 2) {
        QMessageBox::information(this, tr("Merge"), tr("Select 2 or more payees to merge."));
        return;
    }
    const QString typed = m_renameTo->text().trimmed();
    const QString target = typed.isEmpty() ? payees.first() : typed;
    const QMessageBox::StandardButton answer = QMessageBox::question(
        this, tr("Merge Payees"), tr("Merge %1 payees into \"%2\"?").arg(payees.size()).arg(target),
        QMessageBox::Yes | QMessageBox::No);
    if (answer != QMessageBox::Yes)
        return;
    int merged = 0;
    if (rename(payees, target, &merged))
        reportDone(tr("Merge Complete"), tr("Merged %n transaction(s).", nullptr, merged));
}

void PayeeScreen::reportDone(const QString& title, const QString& text)
{
    QMessageBox::information(this, title, text);
    reload();
    emit payeesChanged();
}
