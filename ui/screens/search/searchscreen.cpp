#include "ui/screens/search/searchscreen.h"

#include "ui/screens/search/searchresultsmodel.h"
#include "ui/widgets/formfields.h"

#include "app/appstate.h"
#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/searchfilter.h"
#include "data/transactionrepository.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

namespace {

QDateEdit* searchDateEdit(const QDate& date, QWidget* parent)
{
    auto* edit = new QDateEdit(date, parent);
    setUpDateEdit(edit, QStringLiteral("MM/dd/yyyy"));
    edit->setEnabled(false);
    return edit;
}

} // namespace

SearchScreen::SearchScreen(AppState* appState, QWidget* parent)
    : QWidget(parent), m_appState(appState)
{
    m_search = new QLineEdit(this);
    m_search->setPlaceholderText(tr("Search payee, memo, check number..."));
    m_search->setClearButtonEnabled(true);

    m_typingPause = new QTimer(this);
    m_typingPause->setSingleShot(true);
    m_typingPause->setInterval(typingPauseMs);
    connect(m_typingPause, &QTimer::timeout, this, &SearchScreen::performSearch);
    connect(m_search, &QLineEdit::textChanged, m_typingPause, qOverload<>(&QTimer::start));

    m_results = new SearchResultsModel(this);
    m_view = new QTableView(this);
    m_view->setModel(m_results);
    m_view->setAlternatingRowColors(true);
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->verticalHeader()->hide();
    m_view->setWordWrap(false);
    // Payee, category and memo share the width the other columns leave them.
    m_view->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    for (const int column : {SearchResultsModel::PayeeColumn, SearchResultsModel::CategoryColumn,
                             SearchResultsModel::MemoColumn})
        m_view->horizontalHeader()->setSectionResizeMode(column, QHeaderView::Stretch);
    connect(m_view, &QTableView::doubleClicked, this, &SearchScreen::openResult);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_search);
    layout->addWidget(buildFilterRow());
    layout->addWidget(m_view, 1);
}

QWidget* SearchScreen::buildFilterRow()
{
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    // A pixel less than the style's gap keeps the English row, its choices whole, within the
    // window's first width.
    layout->setSpacing(layout->spacing() - 1);

    m_account = new QComboBox(row);
    m_category = new QComboBox(row);
    m_dateRange = new QCheckBox(tr("Date range:"), row);
    const QDate today = QDate::currentDate();
    m_from = searchDateEdit(today.addMonths(-1), row);
    m_to = searchDateEdit(today, row);
    m_clearedOnly = new QCheckBox(tr("Cleared only"), row);
    refreshFilters();
    // Long account and category names would widen the window past its first size: the two
    // choices take the row's spare width instead, wide enough for the "All" choice they open
    // with, however long it runs in the language shown.
    for (QComboBox* combo : {m_account, m_category}) {
        combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        QStyleOptionComboBox option;
        option.initFrom(combo);
        const QSize text(combo->fontMetrics().horizontalAdvance(combo->itemText(0)),
                         combo->fontMetrics().height());
        combo->setMinimumWidth(
            combo->style()->sizeFromContents(QStyle::CT_ComboBox, &option, text, combo).width());
    }

    auto* accountLabel = new QLabel(tr("Account:"), row);
    accountLabel->setBuddy(m_account);
    auto* categoryLabel = new QLabel(tr("Category:"), row);
    categoryLabel->setBuddy(m_category);
    layout->addWidget(accountLabel);
    layout->addWidget(m_account, 1);
    layout->addWidget(categoryLabel);
    layout->addWidget(m_category, 1);
    layout->addWidget(m_dateRange);
    layout->addWidget(m_from);
    layout->addWidget(new QLabel(tr("to"), row));
    layout->addWidget(m_to);
    layout->addWidget(m_clearedOnly);

    connect(m_account, &QComboBox::currentIndexChanged, this, &SearchScreen::performSearch);
    connect(m_category, &QComboBox::currentIndexChanged, this, &SearchScreen::performSearch);
    connect(m_dateRange, &QCheckBox::toggled, this, [this](bool checked) {
        m_from->setEnabled(checked);
        m_to->setEnabled(checked);
        performSearch();
    });
    connect(m_clearedOnly, &QCheckBox::toggled, this, &SearchScreen::performSearch);
    for (QDateEdit* edit : {m_from, m_to}) {
        connect(edit, &QDateEdit::dateChanged, this, [this] {
            if (m_dateRange->isChecked())
                performSearch();
        });
    }
    return row;
}

void SearchScreen::refreshFilters()
{
    const QList<Account> accounts = m_appState->accountRepository()->listAll();
    {
        const QSignalBlocker accountsQuiet(m_account);
        const QSignalBlocker categoriesQuiet(m_category);
        m_account->clear();
        m_account->addItem(tr("All Accounts"), QString());
        for (const Account& account : accounts)
            m_account->addItem(account.name, account.id);
        m_category->clear();
        m_category->addItem(tr("All Categories"), QString());
        for (const Category& category : m_appState->categoryRepository()->listAll())
            m_category->addItem(category.name, category.id);
    }
    m_results->setAccounts(accounts);
    if (m_hasSearched)
        performSearch();
}

void SearchScreen::focusSearch()
{
    m_search->setFocus();
    m_search->selectAll();
}

void SearchScreen::performSearch()
{
    m_typingPause->stop();
    SearchFilter filter;
    filter.accountId = m_account->currentData().toString();
    filter.categoryId = m_category->currentData().toString();
    if (m_dateRange->isChecked()) {
        filter.fromDate = m_from->date();
        filter.toDate = m_to->date();
    }
    if (m_clearedOnly->isChecked())
        filter.cleared = true;
    m_results->setResults(
        m_appState->transactionRepository()->search(m_search->text().trimmed(), filter));
    m_hasSearched = true;
}

void SearchScreen::openResult(const QModelIndex& index)
{
    if (const RegisterRow* row = m_results->rowAt(index.row()))
        emit editTransactionRequested(row->transaction.id);
}
