#include "ui/register/registerscreen.h"

#include "ui/register/balancelabel.h"
#include "ui/register/columnfitter.h"
#include "ui/register/registerdelegate.h"
#include "ui/register/registermodel.h"
#include "ui/register/registertableview.h"
#include "ui/screens/recurring/recurringformdialog.h"
#include "ui/transactions/spliteditordialog.h"
#include "ui/transactions/transactiondeleter.h"
#include "ui/transactions/transactiondetailsdialog.h"
#include "ui/transactions/transactionformdialog.h"
#include "ui/widgets/afterfirstpaint.h"
#include "ui/widgets/registerdate.h"

#include "app/appstate.h"
#include "app/core/money.h"
#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/preferencesrepository.h"
#include "data/splitlinerepository.h"
#include "data/transactionrepository.h"
#include "services/ledger/transactionservice.h"
#include "services/recurring/recurringservice.h"
#include "ui/theme/displaysettings.h"
#include "ui/theme/fontroles.h"
#include "ui/theme/styles.h"
#include "ui/theme/themecolors.h"

#include <QAction>
#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QScopedPointer>
#include <QScrollBar>
#include <QSettings>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

namespace {

const QString transferPrefix = QStringLiteral("[Transfer] ");
const QString twoLineKey = QStringLiteral("registerTwoLine");
const QString newestFirstKey = QStringLiteral("registerNewestFirst");
const int defaultWidths[RegisterModel::ColumnCount] = {130, 60, 250, 180, 180, 100, 100, 35, 110};
const int lastEntryColumn = RegisterModel::ClearedColumn;
// Payee and Memo give way first when the register is narrow, then Category, the date and the
// check number, the amounts and Clr; the balance last.
const int yieldRounds[RegisterModel::ColumnCount] = {2, 2, 0, 1, 0, 3, 3, 3, 4};
// The narrowest each column goes before the balance gives way, at 100 % font scale: the text
// columns this far, the others also as far as their content and header text need (the date
// also has its calendar button).
const int leastWidths[RegisterModel::ColumnCount] = {92, 0, 90, 80, 60, 0, 0, 0, 0};

bool isTextColumn(int column)
{
    return column == RegisterModel::PayeeColumn || column == RegisterModel::CategoryColumn ||
           column == RegisterModel::MemoColumn;
}

// The default widths grow with the font scale above 100 %.
int scaledWidth(int width)
{
    const int scale = DisplaySettings::fontScale();
    return scale > 100 ? width * scale / 100 : width;
}

int defaultColumnWidth(int column)
{
    return scaledWidth(defaultWidths[column]);
}

QString settingsKey(const char* name, int column)
{
    return QStringLiteral("register/%1/%2").arg(QLatin1String(name)).arg(column);
}

bool isPlainEnter(const QKeyEvent* event)
{
    return (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
           !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
}

} // namespace

RegisterScreen::RegisterScreen(AppState* appState, QWidget* parent)
    : QWidget(parent), m_appState(appState)
{
    defineCommands();
    buildLayout();
    setUpTable();
    applyColumnLayout();

    connect(m_appState->preferencesRepository(), &PreferencesRepository::changed, this,
            [this](const QString& key) {
                if (key == newestFirstKey) {
                    const bool newestFirst =
                        m_appState->preferencesRepository()->getBool(newestFirstKey, false);
                    m_view->sortByColumn(RegisterModel::DateColumn,
                                         newestFirst ? Qt::DescendingOrder : Qt::AscendingOrder);
                }
            });
}

// A key matches with further modifiers held (Ctrl+Shift+D deletes) unless its command refuses
// them; Ctrl+Shift+N, for one, is left to the window. The keys are tried in this order, so
// Ctrl+Alt+Return saves rather than showing details.
void RegisterScreen::defineCommands()
{
    using enum CommandId;
    const auto keys = [](Qt::Key key, Qt::KeyboardModifiers modifiers) {
        return QKeySequence(QKeyCombination(modifiers, key));
    };
    m_commands.add(Save, {.shortcuts = {keys(Qt::Key_Return, Qt::ControlModifier),
                                        keys(Qt::Key_Enter, Qt::ControlModifier)}});
    m_commands.add(ShowDetails, {.text = tr("Show &Details..."),
                                 .shortcuts = {keys(Qt::Key_Return, Qt::AltModifier),
                                               keys(Qt::Key_Enter, Qt::AltModifier)}});
    m_commands.add(EditInDialog, {.text = tr("&Edit in Dialog..."),
                                  .shortcuts = {keys(Qt::Key_E, Qt::ControlModifier)},
                                  .refusedModifiers = Qt::ShiftModifier});
    m_commands.add(Delete,
                   {.text = tr("&Delete"), .shortcuts = {keys(Qt::Key_D, Qt::ControlModifier)}});
    m_commands.add(InsertNew, {.text = tr("&Insert New"),
                               .shortcuts = {keys(Qt::Key_I, Qt::ControlModifier)},
                               .refusedModifiers = Qt::ShiftModifier});
    m_commands.add(NewTransaction, {.text = tr("&New Transaction..."),
                                    .shortcuts = {QKeySequence(QKeySequence::New)},
                                    .refusedModifiers = Qt::ShiftModifier});
    m_commands.add(Memorize, {.text = tr("&Memorize Transaction..."),
                              .shortcuts = {keys(Qt::Key_M, Qt::ControlModifier)}});
    // Inside an open line editor the apostrophe is typed: the editor keeps the key.
    m_commands.add(CopyAbove, {.shortcuts = {QKeySequence(Qt::Key_Apostrophe)},
                               .refusedModifiers = Qt::ControlModifier});
    m_commands.add(SplitTransaction, {.text = tr("&Split Transaction...")});
    m_commands.add(EditSplits, {.text = tr("Edit &Splits...")});
    m_commands.add(MarkCleared, {.text = tr("Mark &Cleared")});
    m_commands.add(MarkUncleared, {.text = tr("Mark &Uncleared")});
    // The keyboard's other context-menu key, beside the Menu key that Qt handles itself.
    m_commands.add(ContextMenu, {.shortcuts = {keys(Qt::Key_F10, Qt::ShiftModifier)}});
}

ShortcutSection RegisterScreen::shortcutSection() const
{
    using enum CommandId;
    return {tr("Register"),
            {m_commands.shortcutRow(Save, tr("Save transaction")),
             m_commands.shortcutRow(InsertNew, tr("Insert new transaction")),
             m_commands.shortcutRow(Delete, tr("Delete current transaction")),
             {tr("Tab / Shift+Tab"), tr("Next / previous field")},
             {tr("' (apostrophe)"), tr("Copy value from field above")}}};
}

void RegisterScreen::buildLayout()
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 24, 24, 24);

    auto* header = new QHBoxLayout;
    header->setSpacing(16);
    m_titleLabel = new QLabel(this);
    applyFontRole(m_titleLabel, FontRoles::Title);
    header->addWidget(m_titleLabel);
    header->addStretch();

    const auto addSummary = [this, header](const QString& caption, BalanceLabel*& value,
                                           bool bold) {
        auto* block = new QVBoxLayout;
        block->setSpacing(4);
        auto* captionLabel = new QLabel(caption, this);
        applyFontRole(captionLabel, FontRoles::Small);
        Styles::setMuted(captionLabel);
        captionLabel->setAlignment(Qt::AlignRight);
        value = new BalanceLabel(this);
        if (bold)
            value->setProperty(FontRoles::weightProperty, int(QFont::Bold));
        applyFontRole(value, FontRoles::Subheading);
        value->setAlignment(Qt::AlignRight);
        block->addWidget(captionLabel);
        block->addWidget(value);
        header->addLayout(block);
    };
    addSummary(tr("Cleared"), m_clearedLabel, false);
    addSummary(tr("Uncleared"), m_unclearedLabel, false);
    addSummary(tr("Balance"), m_balanceLabel, true);

    m_reconcileButton = new QPushButton(tr("Reconcile"), this);
    m_reconcileButton->setFocusPolicy(Qt::ClickFocus);
    connect(m_reconcileButton, &QPushButton::clicked, this,
            [this] { emit reconcileRequested(m_accountId); });
    header->addWidget(m_reconcileButton);
    layout->addLayout(header);

    m_subtitleLabel = new QLabel(this);
    applyFontRole(m_subtitleLabel, FontRoles::Small);
    Styles::setMuted(m_subtitleLabel);
    m_subtitleLabel->hide();
    layout->addWidget(m_subtitleLabel);
    layout->addSpacing(8);

    m_view = new RegisterTableView(this);
    layout->addWidget(m_view, 1);

    auto* bottom = new QHBoxLayout;
    m_messageLabel = new QLabel(this);
    m_messageLabel->setObjectName(QStringLiteral("registerMessage"));
    applyFontRole(m_messageLabel, FontRoles::Body);
    const auto key = [this](CommandId command) {
        return m_commands.action(command)->shortcut().toString(QKeySequence::NativeText);
    };
    m_hintLabel =
        new QLabel(tr("%1: save  |  Enter: next  |  %2: delete  |  %3: memorize  |  ': copy above")
                       .arg(key(CommandId::Save), key(CommandId::Delete), key(CommandId::Memorize)),
                   this);
    applyFontRole(m_hintLabel, FontRoles::Body);
    bottom->addWidget(m_messageLabel);
    bottom->addStretch();
    bottom->addWidget(m_hintLabel);
    layout->addLayout(bottom);
    applyThemeColours();
}

// The muted texts take the colours of the theme shown; the register reloads on a change.
void RegisterScreen::applyThemeColours()
{
    Styles::restyleMuted(this);
    const auto padded = [](QLabel* label, const ThemeColor& colour) {
        const QString style = QStringLiteral("color: %1; padding: 2px 4px;").arg(colour.name());
        if (label->styleSheet() != style)
            label->setStyleSheet(style);
    };
    padded(m_messageLabel, ThemeColors::mutedText());
    padded(m_hintLabel, ThemeColors::hintText());
}

void RegisterScreen::setUpTable()
{
    m_model = new RegisterModel(this);
    m_delegate = new RegisterDelegate(m_appState, this);
    m_view->setModel(m_model);
    m_view->setItemDelegate(m_delegate);
    m_view->setNavigator(this);
    m_view->setAlternatingRowColors(true);
    m_view->setSelectionBehavior(QAbstractItemView::SelectItems);
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    m_view->setTabKeyNavigation(false);
    m_view->setFocusPolicy(Qt::StrongFocus);
    m_view->verticalHeader()->hide();
    m_view->verticalHeader()->setDefaultSectionSize(36);
    m_view->setShowGrid(false);
    m_view->setContextMenuPolicy(Qt::CustomContextMenu);
    m_view->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::AnyKeyPressed);
    QHeaderView* header = m_view->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::Interactive);
    header->setStretchLastSection(false);
    header->setMinimumSectionSize(24);
    header->setContextMenuPolicy(Qt::CustomContextMenu);
    m_view->setSortingEnabled(true);
    header->setSortIndicatorShown(true);

    m_view->installEventFilter(this);
    m_view->viewport()->installEventFilter(this);

    connect(header, &QHeaderView::sectionResized, this, [this](int column, int, int width) {
        // Hiding a column reports a width of 0, which must not become its saved width.
        if (!m_restoringLayout && width > 0)
            QSettings().setValue(settingsKey("colWidth", column), width);
    });
    connect(header, &QHeaderView::customContextMenuRequested, this,
            &RegisterScreen::showHeaderContextMenu);
    connect(m_model, &RegisterModel::sortChanged, this, [](int column, Qt::SortOrder order) {
        QSettings settings;
        settings.setValue(QStringLiteral("register/sortColumn"), column);
        settings.setValue(QStringLiteral("register/sortOrder"), int(order));
    });
    connect(m_view, &QAbstractItemView::clicked, this, [this](const QModelIndex& index) {
        startEditingRow(index.row());
        if (index.column() != RegisterModel::BalanceColumn && !isSplitInlineCell(index))
            m_view->edit(index);
    });
    connect(m_view, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& index) {
        const RegisterRow* row = m_model->rowAt(index.row());
        if (row && row->transaction.isSplit)
            editInDialog(index.row());
    });
    connect(m_view, &QWidget::customContextMenuRequested, this, &RegisterScreen::onContextMenu);
    connect(m_view->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current, const QModelIndex& previous) {
                if (current.isValid() && current.row() != previous.row())
                    startEditingRow(current.row());
            });
    connect(m_delegate, &RegisterDelegate::payeeChosen, this, &RegisterScreen::fillFromLastPayee);
    // The register's keys reach it before a cell editor's own bindings: a line edit on an X11
    // desktop takes Ctrl+E to the end of its line and never passes it on.
    connect(m_delegate, &RegisterDelegate::editorCreated, this, [this](QWidget* editor) {
        editor->installEventFilter(this);
        for (QWidget* part : editor->findChildren<QWidget*>())
            part->installEventFilter(this);
    });
    connect(m_delegate, &RegisterDelegate::entryRefused, this,
            [this](const QString& reason) { showMessage(reason, 3000); });
}

// ---------------------------------------------------------------------------------------------
// Account and reload

void RegisterScreen::setAccount(const QString& accountId)
{
    m_accountId = accountId;
    m_delegate->setAccountId(accountId);
    // Another account opens at its entry row, not at the place the last one was shown at. The
    // columns are fitted to the rows shown there, not to those a scroll bar's coming or going
    // shows on the way.
    m_holdingFit = true;
    readRows();
    focusEntryRow();
    m_holdingFit = false;
    fitColumns();
}

void RegisterScreen::readRows()
{
    if (m_accountId.isEmpty() || m_view->isEditing())
        return;

    const std::optional<Account> account = m_appState->accountRepository()->byId(m_accountId);
    if (account) {
        m_model->setCurrency(account->currency);
        m_titleLabel->setText(account->name);
        QString subtitle = account->institution;
        if (!subtitle.isEmpty() && !account->accountNumberLast4.isEmpty())
            subtitle += QStringLiteral("  ·  *%1").arg(account->accountNumberLast4);
        m_subtitleLabel->setText(subtitle);
        m_subtitleLabel->setVisible(!subtitle.isEmpty());
    }

    applyThemeColours();
    setTwoLineMode(m_appState->preferencesRepository()->getBool(twoLineKey, false));
    m_model->readAccount(m_appState->transactionRepository(), m_accountId);
    updateSummary();
    // The rest of a long register's outline once its end is on screen: scrolling and sorting
    // need it, and the widest amount is fitted then. A wait left from the reload before would
    // read it ahead of this paint.
    delete m_wholeOutlineWait;
    if (!m_model->hasWholeOutline()) {
        m_wholeOutlineWait = new AfterFirstPaint(m_view->viewport(), [this] {
            m_model->readWholeOutline();
            fitColumns();
        });
    }
}

void RegisterScreen::reload()
{
    if (m_accountId.isEmpty() || m_view->isEditing())
        return;

    const auto idAt = [this](int viewRow) {
        const RegisterRow* row = m_model->rowAt(viewRow);
        return row ? row->transaction.id : QString();
    };
    const int topRow = m_view->indexAt(QPoint(0, 0)).row();
    const QString topId = idAt(topRow);
    const QModelIndex current = m_view->currentIndex();
    const QString currentId = idAt(current.row());

    m_holdingFit = true;
    readRows();

    const int lastRow = m_model->rowCount() - 1;
    if (current.isValid()) {
        int row = currentId.isEmpty() ? -1 : m_model->viewRowOf(currentId);
        if (row < 0)
            row = std::clamp(current.row(), 0, lastRow);
        m_view->setCurrentIndex(m_model->index(row, std::max(current.column(), 0)));
    }
    int top = topId.isEmpty() ? -1 : m_model->viewRowOf(topId);
    if (top < 0 && topRow >= 0)
        top = std::clamp(topRow, 0, lastRow);
    if (top >= 0)
        m_view->scrollTo(m_model->index(top, 0), QAbstractItemView::PositionAtTop);
    if (m_view->currentIndex().isValid())
        m_view->scrollTo(m_view->currentIndex());
    m_holdingFit = false;
    fitColumns();
}

void RegisterScreen::updateSummary()
{
    const qint64 cleared = m_model->clearedTotal();
    const qint64 uncleared = m_model->unclearedTotal();
    const std::optional<Account> account = m_appState->accountRepository()->byId(m_accountId);
    const Currency currency = account ? account->currency : Currency::USD;
    const qint64 balance = cleared + uncleared;
    m_clearedLabel->setText(formatMoney(cleared, currency));
    m_unclearedLabel->setText(formatMoney(uncleared, currency));
    m_balanceLabel->setText(formatMoney(balance, currency));
    m_balanceLabel->setStyleSheet(
        Styles::textColor(balance < 0 ? ThemeColors::negative() : ThemeColors::positive()));
}

// ---------------------------------------------------------------------------------------------
// Column layout

void RegisterScreen::applyColumnLayout()
{
    QSettings settings;
    m_restoringLayout = true;
    for (int column = 0; column < RegisterModel::ColumnCount; ++column) {
        m_view->setColumnWidth(
            column,
            settings.value(settingsKey("colWidth", column), defaultColumnWidth(column)).toInt());
        if (column != RegisterModel::DateColumn && column != RegisterModel::BalanceColumn)
            m_view->setColumnHidden(
                column, settings.value(settingsKey("colHidden", column), false).toBool());
    }
    m_restoringLayout = false;
    fitColumns();

    const QString sortKey = QStringLiteral("register/sortColumn");
    if (settings.contains(sortKey)) {
        int column = settings.value(sortKey).toInt();
        if (column < 0 || column >= RegisterModel::ColumnCount)
            column = 0;
        m_view->sortByColumn(
            column, Qt::SortOrder(settings.value(QStringLiteral("register/sortOrder"), 0).toInt()));
    } else {
        const bool newestFirst =
            m_appState->preferencesRepository()->getBool(newestFirstKey, false);
        m_view->sortByColumn(RegisterModel::DateColumn,
                             newestFirst ? Qt::DescendingOrder : Qt::AscendingOrder);
    }
}

// The default widths add up to more than a register beside the account list has on a common
// screen, which would hide the amounts and the balance behind a scroll bar. Columns the user
// has never sized give way until every column fits, the text columns first.
void RegisterScreen::fitColumns()
{
    QSettings settings;
    QList<ColumnFitter::Column> columns;
    for (int column = 0; column < RegisterModel::ColumnCount; ++column) {
        ColumnFitter::Column fit;
        const bool hidden = m_view->isColumnHidden(column);
        fit.fixed = hidden || settings.contains(settingsKey("colWidth", column));
        fit.preferred = hidden      ? 0
                        : fit.fixed ? m_view->columnWidth(column)
                                    : defaultColumnWidth(column);
        fit.least = leastColumnWidth(column);
        fit.round = yieldRounds[column];
        columns.append(fit);
    }
    const QList<int> widths = ColumnFitter::fit(columns, m_view->viewport()->width(),
                                                m_view->horizontalHeader()->minimumSectionSize());
    m_restoringLayout = true;
    for (int column = 0; column < RegisterModel::ColumnCount; ++column) {
        if (!columns.at(column).fixed && m_view->columnWidth(column) != widths.at(column))
            m_view->setColumnWidth(column, widths.at(column));
    }
    m_restoringLayout = false;
}

// Text columns may cut their text short; the others show it whole: the rows scrolled into
// view, the longest amount in any row, and the header's text (its sort arrow may go).
int RegisterScreen::leastColumnWidth(int column) const
{
    const int least = scaledWidth(leastWidths[column]);
    if (isTextColumn(column))
        return least;
    const QStyle* style = m_view->style();
    const int cellMargins =
        2 * (style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, m_view) + 1) + 2;
    const QHeaderView* header = m_view->horizontalHeader();
    const int headerText = header->fontMetrics().horizontalAdvance(
                               m_model->headerData(column, Qt::Horizontal).toString()) +
                           2 * style->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
    // Until the register's whole outline is in, the rows in view stand for the others.
    const QString longestAmount =
        m_model->hasWholeOutline() ? m_model->longestAmount(column) : QString();
    const int amount =
        longestAmount.isEmpty()
            ? 0
            : QFontMetrics(FontRoles::font(FontRoles::Monospace)).horizontalAdvance(longestAmount) +
                  cellMargins;
    // Public as an item view's: the width the rows scrolled into view need.
    const QAbstractItemView* rows = m_view;
    return std::max({least, rows->sizeHintForColumn(column), headerText, amount});
}

void RegisterScreen::resetColumnLayout()
{
    QSettings().remove(QStringLiteral("register"));
    applyColumnLayout();
    setTwoLineMode(m_model->isTwoLine());
}

void RegisterScreen::setTwoLineMode(bool on)
{
    m_delegate->setTwoLine(on);
    m_model->setTwoLine(on);
    if (on)
        m_view->setColumnHidden(RegisterModel::MemoColumn, true);
    else
        m_view->setColumnHidden(
            RegisterModel::MemoColumn,
            QSettings().value(settingsKey("colHidden", RegisterModel::MemoColumn), false).toBool());
    emit m_model->headerDataChanged(Qt::Horizontal, RegisterModel::PayeeColumn,
                                    RegisterModel::PayeeColumn);
    m_view->verticalHeader()->setDefaultSectionSize(on ? RegisterDelegate::twoLineRowHeight
                                                       : RegisterDelegate::topLineHeight);
    m_view->viewport()->update();
}

void RegisterScreen::showHeaderContextMenu(const QPoint& position)
{
    QMenu menu(this);
    menu.addSection(tr("Show columns"));
    for (int column = 0; column < RegisterModel::ColumnCount; ++column) {
        QAction* action = menu.addAction(m_model->headerData(column, Qt::Horizontal).toString());
        action->setCheckable(true);
        action->setChecked(!m_view->isColumnHidden(column));
        const bool fixed = column == RegisterModel::DateColumn ||
                           column == RegisterModel::BalanceColumn ||
                           (column == RegisterModel::MemoColumn && m_model->isTwoLine());
        action->setEnabled(!fixed);
        connect(action, &QAction::toggled, this, [this, column](bool visible) {
            m_view->setColumnHidden(column, !visible);
            QSettings().setValue(settingsKey("colHidden", column), !visible);
        });
    }
    menu.addSeparator();
    menu.addAction(tr("Reset register layout"), this, &RegisterScreen::resetColumnLayout);
    menu.exec(m_view->horizontalHeader()->mapToGlobal(position));
}

// ---------------------------------------------------------------------------------------------
// Editing state and field navigation

void RegisterScreen::startEditingRow(int row)
{
    if (row < 0 || row >= m_model->rowCount())
        return;
    if (m_model->isEntryRow(row)) {
        if (m_model->editingRow() >= 0)
            m_model->resetEntry();
        m_model->setEditingRow(-1);
        return;
    }
    if (m_model->editingRow() == row)
        return;
    const RegisterRow* registerRow = m_model->rowAt(row);
    if (!registerRow)
        return;
    m_model->loadEntryFrom(registerRow->transaction, registerRow->categoryName);
    m_model->setEditingRow(row);
}

QWidget* RegisterScreen::openEditor() const
{
    const QModelIndex current = m_view->currentIndex();
    return current.isValid() ? m_view->indexWidget(current) : nullptr;
}

void RegisterScreen::flushEditor()
{
    QWidget* editor = openEditor();
    if (!editor)
        return;
    m_delegate->setModelData(editor, m_model, m_view->currentIndex());
    if (editor->objectName() == QLatin1String("PayeeMemoEditor")) {
        m_view->setFocus();
        emit m_delegate->closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
}

void RegisterScreen::closeOpenEditor()
{
    if (QWidget* editor = openEditor())
        emit m_delegate->closeEditor(editor, QAbstractItemDelegate::NoHint);
}

bool RegisterScreen::isSplitInlineCell(const QModelIndex& index) const
{
    const int column = index.column();
    if (column != RegisterModel::CategoryColumn && column != RegisterModel::PaymentColumn &&
        column != RegisterModel::DepositColumn)
        return false;
    const RegisterRow* row = m_model->rowAt(index.row());
    return row && row->transaction.isSplit;
}

int RegisterScreen::nextVisibleColumn(int column) const
{
    for (int next = column + 1; next <= lastEntryColumn; ++next) {
        if (!m_view->isColumnHidden(next))
            return next;
    }
    return -1;
}

int RegisterScreen::previousVisibleColumn(int column) const
{
    for (int previous = std::min(column, lastEntryColumn + 1) - 1; previous >= 0; --previous) {
        if (!m_view->isColumnHidden(previous))
            return previous;
    }
    return -1;
}

void RegisterScreen::moveToColumn(int column, bool open)
{
    const QModelIndex target = m_model->index(m_view->currentIndex().row(), column);
    m_view->setCurrentIndex(target);
    if (open && target.flags().testFlag(Qt::ItemIsEditable))
        m_view->edit(target);
}

void RegisterScreen::advanceToNextField()
{
    flushEditor();
    const QModelIndex current = m_view->currentIndex();
    if (!current.isValid()) {
        focusEntryRow();
        return;
    }
    const int column = current.column() == RegisterModel::BalanceColumn ? -1 : current.column();
    const int next = nextVisibleColumn(column);
    if (next < 0) {
        commitCurrentRow();
        return;
    }
    moveToColumn(next, true);
}

void RegisterScreen::advanceToPreviousField()
{
    flushEditor();
    const QModelIndex current = m_view->currentIndex();
    if (!current.isValid())
        return;
    const int previous = previousVisibleColumn(current.column());
    if (previous < 0)
        return;
    moveToColumn(previous, true);
    if (previous == RegisterModel::PayeeColumn)
        focusTwoLineMemo();
}

// Going back into the payee cell of the two-line editor lands on its memo line, the field
// that comes just before the next column.
void RegisterScreen::focusTwoLineMemo()
{
    QWidget* editor = openEditor();
    if (!editor || editor->objectName() != QLatin1String("PayeeMemoEditor"))
        return;
    if (auto* memo = editor->findChild<QLineEdit*>(QStringLiteral("memoEdit")))
        memo->setFocus();
}

// Tab moves within the row without making another row the editing one, so the selection
// model's signals are blocked while the current cell changes.
void RegisterScreen::tabToColumn(int column, bool backward)
{
    const QModelIndex target = m_model->index(m_view->currentIndex().row(), column);
    {
        const QSignalBlocker blocker(m_view->selectionModel());
        m_view->selectionModel()->setCurrentIndex(target, QItemSelectionModel::ClearAndSelect);
    }
    m_view->viewport()->update();
    if (!target.flags().testFlag(Qt::ItemIsEditable))
        return;
    m_view->edit(target);
    if (backward && column == RegisterModel::PayeeColumn)
        focusTwoLineMemo();
}

void RegisterScreen::tabForward()
{
    flushEditor();
    closeOpenEditor();
    const QModelIndex current = m_view->currentIndex();
    if (!current.isValid())
        return;
    const int column = current.column() == RegisterModel::BalanceColumn ? -1 : current.column();
    const int next = nextVisibleColumn(column);
    if (next >= 0)
        tabToColumn(next, false);
}

void RegisterScreen::tabBackward()
{
    flushEditor();
    closeOpenEditor();
    const QModelIndex current = m_view->currentIndex();
    if (!current.isValid())
        return;
    const int previous = previousVisibleColumn(current.column());
    if (previous >= 0)
        tabToColumn(previous, true);
}

bool RegisterScreen::focusNextPrevInEditor(bool next)
{
    QWidget* focus = QApplication::focusWidget();
    QWidget* editor = focus;
    while (editor && editor->objectName() != QLatin1String("PayeeMemoEditor"))
        editor = editor->parentWidget();
    if (!editor)
        return false;
    auto* payee = editor->findChild<QLineEdit*>(QStringLiteral("payeeEdit"));
    auto* memo = editor->findChild<QLineEdit*>(QStringLiteral("memoEdit"));
    const bool inMemo = focus == memo;
    if (next && !inMemo && memo)
        memo->setFocus(Qt::TabFocusReason);
    else if (!next && inMemo && payee)
        payee->setFocus(Qt::BacktabFocusReason);
    else if (next)
        tabForward();
    else
        tabBackward();
    return true;
}

bool RegisterScreen::focusNextPrevChild(bool next)
{
    QWidget* focus = QApplication::focusWidget();
    if (focus && (focus == m_view || m_view->isAncestorOf(focus))) {
        if (focusNextPrevInEditor(next))
            return true;
        if (next)
            tabForward();
        else
            tabBackward();
        return true;
    }
    return QWidget::focusNextPrevChild(next);
}

void RegisterScreen::focusEntryRow()
{
    if (m_model->rowCount() == 0)
        return;
    const int entry = m_model->entryRow();
    if (entry == 0)
        m_view->scrollToTop();
    else
        m_view->scrollToBottom();
    m_view->setCurrentIndex(m_model->index(entry, 0));
}

bool RegisterScreen::selectTransaction(const QString& transactionId)
{
    const int row = transactionId.isEmpty() ? -1 : m_model->viewRowOf(transactionId);
    if (row < 0)
        return false;
    const QModelIndex index = m_model->index(row, RegisterModel::PayeeColumn);
    m_view->setCurrentIndex(index);
    m_view->scrollTo(index, QAbstractItemView::PositionAtCenter);
    m_view->setFocus();
    return true;
}

void RegisterScreen::beginNewTransaction()
{
    closeOpenEditor();
    m_model->resetEntry();
    m_model->setEditingRow(-1);
    const QModelIndex entry = m_model->index(m_model->entryRow(), 0);
    m_view->setCurrentIndex(entry);
    m_view->scrollTo(entry);
    m_view->setFocus();
    m_view->edit(entry);
}

void RegisterScreen::copyFromAbove()
{
    const QModelIndex current = m_view->currentIndex();
    if (!current.isValid() || current.row() < 1)
        return;
    const QString above =
        m_model->index(current.row() - 1, current.column()).data(Qt::DisplayRole).toString();
    m_model->setData(current, above, Qt::EditRole);
    if (auto* line = qobject_cast<QLineEdit*>(openEditor()))
        line->setText(above);
}

// ---------------------------------------------------------------------------------------------
// Committing

std::optional<RegisterScreen::TypedRow> RegisterScreen::readTypedRow()
{
    const RegisterModel::Entry& entry = m_model->entry();
    const int row = m_model->bufferRow();
    TypedRow typed;
    typed.payee = entry.payee.trimmed();
    if (typed.payee.isEmpty()) {
        refuseAt(row, RegisterModel::PayeeColumn, tr("Payee is required"));
        return std::nullopt;
    }
    const std::optional<qint64> amount = typedAmount(row, AmountNeed::Required);
    if (!amount)
        return std::nullopt;
    typed.amount = *amount;
    typed.date = RegisterDate::fromTypedText(entry.date.trimmed());
    if (!typed.date.isValid()) {
        refuseAt(row, RegisterModel::DateColumn, tr("Enter a valid date"));
        return std::nullopt;
    }
    const QString categoryText = entry.category.trimmed();
    const std::optional<QString> categoryId = resolveCategory(categoryText, entry.categoryId);
    if (!categoryId) {
        refuseAt(row, RegisterModel::CategoryColumn,
                 tr("\"%1\" is not a category: pick one from the list or clear the cell")
                     .arg(categoryText));
        return std::nullopt;
    }
    typed.categoryId = *categoryId;
    typed.checkNumber = entry.checkNumber.trimmed();
    typed.memo = entry.memo.trimmed();
    const QString clr = entry.cleared.trimmed().toUpper();
    typed.cleared = clr == QLatin1String("C") || clr == QLatin1String("R");
    typed.reconciled = clr == QLatin1String("R");
    return typed;
}

void RegisterScreen::TypedRow::writeTo(Transaction& transaction) const
{
    transaction.date = date;
    transaction.payee = payee;
    transaction.checkNumber = checkNumber;
    transaction.memo = memo;
    transaction.amount = amount;
    transaction.categoryId = categoryId;
    transaction.cleared = cleared;
    transaction.reconciled = reconciled;
}

// One amount, in the payment or in the deposit column, that reads as an amount a field takes
// in the interface language; 0 when none is typed and none is needed.
std::optional<qint64> RegisterScreen::typedAmount(int row, AmountNeed need)
{
    const RegisterModel::Entry& entry = m_model->entry();
    const QString payment = entry.payment.trimmed();
    const QString deposit = entry.deposit.trimmed();
    if (payment.isEmpty() && deposit.isEmpty()) {
        if (need == AmountNeed::Optional)
            return 0;
        refuseAt(row, RegisterModel::PaymentColumn, tr("Enter a payment or deposit amount"));
        return std::nullopt;
    }
    if (!payment.isEmpty() && !deposit.isEmpty()) {
        refuseAt(row, RegisterModel::PaymentColumn, tr("Enter a payment or a deposit, not both"));
        return std::nullopt;
    }
    const bool isPayment = !payment.isEmpty();
    const int column = isPayment ? RegisterModel::PaymentColumn : RegisterModel::DepositColumn;
    const QString text = isPayment ? payment : deposit;
    const Currency currency = m_model->currency();
    const QLocale language;
    const TypedAmount typed = readTypedAmount(text, currency, language);
    if (typed.isAmount())
        return isPayment ? -typed.amount : typed.amount;
    refuseAt(row, column, typedAmountRefusal(text, currency, language));
    return std::nullopt;
}

// The category the cell names: the item chosen in it while the cell still shows it, an item
// or a category of that name in any case, else the one category whose name contains the text.
// None (nullopt) when the text names no category or several.
std::optional<QString> RegisterScreen::resolveCategory(const QString& text,
                                                       const QString& categoryId) const
{
    if (text.isEmpty())
        return QString();
    const QList<QPair<QString, QString>> items = m_delegate->categoryItems();
    const auto shows = [&text](const QPair<QString, QString>& item) {
        return !item.second.isEmpty() && item.first.compare(text, Qt::CaseInsensitive) == 0;
    };
    for (const auto& item : items) {
        if (item.second == categoryId && shows(item))
            return categoryId;
    }
    for (const auto& item : items) {
        if (shows(item))
            return item.second;
    }
    // A category typed with a parent it does not have: "Auto > Fuel" for a Fuel on its own.
    CategoryRepository* categories = m_appState->categoryRepository();
    std::optional<Category> named = categories->byName(text);
    const qsizetype separator = text.indexOf(QStringLiteral(" > "));
    if (!named && separator >= 0)
        named = categories->byName(text.mid(separator + 3).trimmed());
    if (named)
        return named->id;

    std::optional<QString> only;
    for (const auto& item : items) {
        if (item.second.isEmpty() || !item.first.contains(text, Qt::CaseInsensitive))
            continue;
        if (only)
            return std::nullopt;
        only = item.second;
    }
    return only;
}

// The sync leaves rows dated before 2000 out on other devices: such a date is meant, or not.
bool RegisterScreen::confirmEarlyDate(const QDate& date)
{
    if (date >= QDate(2000, 1, 1))
        return true;
    return QMessageBox::question(
               this, tr("Date Before 2000"),
               tr("The date %1 is before 2000. Transactions dated before 1/1/2000 are not "
                  "synchronised to your other devices.\n\nSave the transaction with this date?")
                   .arg(RegisterDate::toText(date)),
               QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
}

void RegisterScreen::refuseAt(int row, int column, const QString& reason)
{
    if (!reason.isEmpty())
        showMessage(reason, 3000);
    if (row < 0 || row >= m_model->rowCount() || m_view->isColumnHidden(column))
        return;
    const QModelIndex cell = m_model->index(row, column);
    m_view->setCurrentIndex(cell);
    m_view->scrollTo(cell);
    m_view->setFocus();
    if (cell.flags().testFlag(Qt::ItemIsEditable))
        m_view->edit(cell);
}

bool RegisterScreen::commitCurrentRow()
{
    flushEditor();
    const int bufferRow = m_model->bufferRow();
    m_view->setCurrentIndex(QModelIndex());

    std::optional<TypedRow> typed = readTypedRow();
    if (!typed)
        return false;
    QString& payee = typed->payee;

    const int editingRow = m_model->editingRow();
    const bool isNew = editingRow < 0 || m_model->isEntryRow(editingRow);

    const std::optional<Account> account = m_appState->accountRepository()->byId(m_accountId);
    std::optional<Account> target;
    if (payee.startsWith(transferPrefix)) {
        const QString targetName = payee.mid(transferPrefix.size());
        for (const Account& candidate : m_appState->accountRepository()->listAll()) {
            if (candidate.name == targetName) {
                target = candidate;
                break;
            }
        }
        if (!target) {
            refuseAt(bufferRow, RegisterModel::PayeeColumn, tr("Transfer account not found"));
            return false;
        }
        if (account && account->currency != target->currency) {
            emit errorMessage(tr("Transfers require both accounts to use the same currency"));
            return false;
        }
        payee = tr("Transfer to %1").arg(targetName);
    }
    if (!confirmEarlyDate(typed->date)) {
        refuseAt(bufferRow, RegisterModel::DateColumn, QString());
        return false;
    }

    TransactionService* ledger = m_appState->transactionService();
    if (isNew) {
        Transaction transaction;
        transaction.accountId = m_accountId;
        typed->writeTo(transaction);
        const bool saved =
            target ? ledger->addTransfer(
                         transaction,
                         TransactionService::transferPartner(
                             transaction, target->id,
                             tr("Transfer from %1").arg(account ? account->name : QString())))
                   : ledger->add(transaction);
        // A row that could not be stored stays as typed.
        if (!saved) {
            emit errorMessage(tr("The transaction could not be saved"));
            return false;
        }
        m_model->setStickyDate(RegisterDate::toText(typed->date));
        reload();
        focusEntryRow();
        return true;
    }

    const RegisterRow* row = m_model->rowAt(editingRow);
    if (!row || row->transaction.id.isEmpty()) {
        // The opening row is not stored: there is nothing to write.
        reload();
        return true;
    }
    Transaction transaction = row->transaction;
    typed->writeTo(transaction);
    if (!ledger->editInPlace(transaction)) {
        emit errorMessage(tr("The transaction could not be saved"));
        return false;
    }
    reload();
    if (editingRow + 1 < m_model->rowCount())
        m_view->setCurrentIndex(m_model->index(editingRow + 1, 0));
    return true;
}

bool RegisterScreen::settleTypedRow()
{
    if (m_accountId.isEmpty())
        return true;
    flushEditor();
    const std::optional<Account> account = m_appState->accountRepository()->byId(m_accountId);
    if (!m_model->hasUnsavedEntry() || !account || account->isDeleted())
        return true;
    const QMessageBox::StandardButton answer = QMessageBox::question(
        this, tr("Unsaved Transaction"),
        tr("The transaction being typed in \"%1\" has not been saved.\n\nSave it in \"%1\"?")
            .arg(account->name),
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
    switch (answer) {
    case QMessageBox::Save:
        return commitCurrentRow();
    case QMessageBox::Discard:
        closeOpenEditor();
        m_model->resetEntry();
        m_model->setEditingRow(-1);
        return true;
    default:
        return false;
    }
}

// ---------------------------------------------------------------------------------------------
// Deleting, dialogs and row actions

void RegisterScreen::deleteCurrentRow()
{
    deleteOrClearRow(currentRow());
}

// A transaction row is deleted; the entry row (also meant by -1) has its typed fields cleared.
void RegisterScreen::deleteOrClearRow(int row)
{
    if (row >= 0 && !m_model->isEntryRow(row)) {
        deleteRow(row);
        return;
    }
    closeOpenEditor();
    m_model->resetEntry();
    const QModelIndex entry = m_model->index(m_model->entryRow(), 0);
    m_view->setCurrentIndex(entry);
    m_view->edit(entry);
    showMessage(tr("Fields cleared"), 3000);
}

void RegisterScreen::deleteRow(int row)
{
    const RegisterRow* registerRow = m_model->rowAt(row);
    if (!registerRow || registerRow->transaction.id.isEmpty())
        return;
    const Transaction transaction = registerRow->transaction;
    if (TransactionDeleter::confirmAndDelete(this, m_appState, transaction))
        reload();
}

void RegisterScreen::newTransactionDialog()
{
    presentNewTransactionDialog(nullptr);
}

void RegisterScreen::presentNewTransactionDialog(const Transaction* seed)
{
    if (m_accountId.isEmpty())
        return;
    TransactionFormDialog dialog(m_appState, m_accountId, this);
    if (seed)
        dialog.setSeed(*seed);
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (!m_appState->transactionService()->add(dialog.transaction(), dialog.splitLines()))
        emit errorMessage(tr("The transaction could not be saved"));
    else if (seed)
        m_model->resetEntry();
    reload();
    focusEntryRow();
}

void RegisterScreen::editNewRowInDialog()
{
    flushEditor();
    // An open editor would keep the register from reloading after the dialog.
    closeOpenEditor();
    const std::optional<qint64> amount = typedAmount(m_model->bufferRow(), AmountNeed::Optional);
    if (!amount)
        return;
    const Transaction seed = m_model->entryToTransaction(m_accountId, *amount);
    presentNewTransactionDialog(&seed);
}

// A row being edited in place goes to the dialog with what is typed in it.
void RegisterScreen::editInDialog(int row)
{
    const RegisterRow* registerRow = m_model->rowAt(row);
    if (!registerRow || registerRow->transaction.id.isEmpty())
        return;
    Transaction transaction = registerRow->transaction;
    if (row == m_model->editingRow()) {
        flushEditor();
        closeOpenEditor();
        if (m_model->hasUnsavedEntry()) {
            const std::optional<TypedRow> typed = readTypedRow();
            if (!typed)
                return;
            typed->writeTo(transaction);
        }
    }
    TransactionFormDialog dialog(m_appState, transaction, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (!m_appState->transactionService()->edit(dialog.transaction(), dialog.splitLines()))
        emit errorMessage(tr("The transaction could not be saved"));
    reload();
}

void RegisterScreen::showDetails(int row)
{
    const RegisterRow* registerRow = m_model->rowAt(row);
    if (!registerRow || registerRow->transaction.id.isEmpty())
        return;
    const QString id = registerRow->transaction.id;
    TransactionDetailsDialog dialog(m_appState, registerRow->transaction, this);
    dialog.exec();
    reload();
    if (dialog.editRequested() && !dialog.deleted()) {
        const int rowNow = m_model->viewRowOf(id);
        if (rowNow >= 0)
            editInDialog(rowNow);
    }
}

void RegisterScreen::editSplits(int row)
{
    const RegisterRow* registerRow = m_model->rowAt(row);
    if (!registerRow || registerRow->transaction.id.isEmpty())
        return;
    const Transaction transaction = registerRow->transaction;
    const QList<SplitLine> stored =
        m_appState->splitLineRepository()->listForTransaction(transaction.id);
    SplitEditorDialog dialog(m_appState, transaction.amount, m_model->currency(), stored, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (!m_appState->transactionService()->replaceSplitLines(transaction, dialog.lines()))
        emit errorMessage(tr("The transaction could not be saved"));
    reload();
}

void RegisterScreen::toggleCleared(int row)
{
    const RegisterRow* registerRow = m_model->rowAt(row);
    if (!registerRow || registerRow->transaction.id.isEmpty())
        return;
    const Transaction& transaction = registerRow->transaction;
    m_appState->transactionService()->setCleared(transaction, !transaction.cleared);
    reload();
}

void RegisterScreen::memorize(int row)
{
    const RegisterRow* registerRow = m_model->rowAt(row);
    if (!registerRow || registerRow->transaction.id.isEmpty())
        return;
    const Transaction& transaction = registerRow->transaction;
    if (!transaction.date.isValid() || transaction.date.year() < 2000) {
        showMessage(tr("Cannot memorize: source transaction has an invalid date"), 5000);
        return;
    }
    RecurringTransaction seed;
    seed.accountId = transaction.accountId;
    seed.payee = transaction.payee;
    seed.memo = transaction.memo;
    seed.amount = transaction.amount;
    seed.categoryId = transaction.categoryId;
    seed.transferDestAccountId = transaction.transferDestAccountId;
    seed.frequency = Frequency::Monthly;
    seed.startDate = seed.nextDueDate = transaction.date;
    seed.autoPost = false;
    seed.leadDays = 0;
    seed.isActive = true;

    // Deleted later in any case, once the events it still has in flight are done.
    const QScopedPointer<RecurringFormDialog, QScopedPointerDeleteLater> dialog(
        RecurringFormDialog::createFromSeed(m_appState, seed, this));
    if (dialog->exec() != QDialog::Accepted)
        return;
    RecurringTransaction memorized = dialog->recurring();
    memorized.updatedAt = memorized.createdAt;
    if (!m_appState->recurringService()->add(memorized)) {
        emit errorMessage(tr("The recurring transaction could not be saved"));
        return;
    }
    showMessage(tr("Transaction memorized as recurring"), 3000);
}

void RegisterScreen::fillFromLastPayee(const QString& payee)
{
    if (m_model->editingRow() >= 0)
        return;
    m_delegate->fillFromLastPayee(m_model, payee);
    if (QWidget* editor = openEditor();
        editor && editor->objectName() == QLatin1String("PayeeMemoEditor")) {
        if (auto* memo = editor->findChild<QLineEdit*>(QStringLiteral("memoEdit")))
            memo->setText(m_model->entry().memo);
    }
}

void RegisterScreen::showContextMenuForCurrentCell()
{
    const QModelIndex current = m_view->currentIndex();
    const QModelIndex cell = current.isValid()
                                 ? current
                                 : m_model->index(m_model->entryRow(), RegisterModel::DateColumn);
    onContextMenu(m_view->visualRect(cell).center());
}

void RegisterScreen::showMessage(const QString& text, int milliseconds)
{
    m_messageLabel->setText(text);
    const int serial = ++m_messageSerial;
    QTimer::singleShot(milliseconds, this, [this, serial] {
        if (serial == m_messageSerial)
            m_messageLabel->clear();
    });
}

// ---------------------------------------------------------------------------------------------
// Menus and keys

void RegisterScreen::onContextMenu(const QPoint& position)
{
    using enum CommandId;
    const QModelIndex index = m_view->indexAt(position);
    const int row = index.isValid() ? index.row() : m_model->entryRow();
    const RegisterRow* registerRow = m_model->rowAt(row);

    QMenu menu(this);
    m_commands.addToMenu(&menu, {InsertNew, NewTransaction});
    if (m_model->isEntryRow(row))
        m_commands.addToMenu(&menu, {EditInDialog});
    if (registerRow && !registerRow->transaction.id.isEmpty()) {
        const Transaction& transaction = registerRow->transaction;
        m_commands.addToMenu(&menu,
                             {Separator, ShowDetails,
                              transaction.isSplit ? EditSplits : SplitTransaction, EditInDialog,
                              Memorize, transaction.cleared ? MarkUncleared : MarkCleared, Delete});
    }
    // The entries act on the row under the menu, which need not be the current one.
    connect(&menu, &QMenu::triggered, this, [this, row](QAction* chosen) {
        if (const std::optional<CommandId> command = m_commands.idOf(chosen))
            runCommand(*command, row);
    });
    menu.exec(m_view->viewport()->mapToGlobal(position));
}

bool RegisterScreen::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_view->viewport() && event->type() == QEvent::Resize && !m_holdingFit)
        fitColumns();
    if (event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    if (watched == m_view || watched == m_view->viewport()) {
        if (handleKey(key))
            return true;
    } else if (const std::optional<CommandId> command = m_commands.commandForKey(key)) {
        // A key pressed in a cell editor: a command the editor does not keep runs first.
        if (runCommand(*command, currentRow()))
            return true;
    }
    return QWidget::eventFilter(watched, event);
}

bool RegisterScreen::handleKey(QKeyEvent* event)
{
    const QModelIndex current = m_view->currentIndex();
    if (isPlainEnter(event)) {
        if (!current.isValid() || openEditor() || isSplitInlineCell(current)) {
            advanceToNextField();
        } else {
            startEditingRow(current.row());
            if (current.column() != RegisterModel::BalanceColumn)
                m_view->edit(current);
        }
        return true;
    }
    if (const std::optional<CommandId> command = m_commands.commandForKey(event))
        return runCommand(*command, currentRow());
    return false;
}

// A command acts on one row: the current one for a key, the one under the context menu for a
// menu entry; -1 when there is none. False when the command leaves the key to an open editor.
bool RegisterScreen::runCommand(CommandId command, int row)
{
    using enum CommandId;
    switch (command) {
    case Save:
        commitCurrentRow();
        return true;
    case ShowDetails:
        showDetails(row);
        return true;
    case EditInDialog:
        if (row < 0 || m_model->isEntryRow(row))
            editNewRowInDialog();
        else
            editInDialog(row);
        return true;
    case Delete:
        deleteOrClearRow(row);
        return true;
    case InsertNew:
        beginNewTransaction();
        return true;
    case NewTransaction:
        newTransactionDialog();
        return true;
    case Memorize:
        memorize(row);
        return true;
    case CopyAbove:
        if (openEditor())
            return false;
        copyFromAbove();
        return true;
    case SplitTransaction:
    case EditSplits:
        editSplits(row);
        return true;
    case MarkCleared:
    case MarkUncleared:
        toggleCleared(row);
        return true;
    case ContextMenu:
        showContextMenuForCurrentCell();
        return true;
    case Separator:
        break;
    }
    return false;
}

int RegisterScreen::currentRow() const
{
    const QModelIndex current = m_view->currentIndex();
    return current.isValid() ? current.row() : -1;
}
