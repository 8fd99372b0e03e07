#include "ui/register/registerdelegate.h"

#include "ui/register/registercombobox.h"
#include "ui/register/registerlineedit.h"
#include "ui/register/registermodel.h"
#include "ui/widgets/registerdate.h"
#include "ui/widgets/smartdateedit.h"
#include "ui/widgets/tabcompleter.h"

#include "app/appstate.h"
#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/transactionrepository.h"
#include "ui/theme/fontroles.h"
#include "ui/theme/themecolors.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QHash>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace {

const QString payeeMemoEditorName = QStringLiteral("PayeeMemoEditor");
const QString payeeEditName = QStringLiteral("payeeEdit");
const QString memoEditName = QStringLiteral("memoEdit");
const char* const categoryIdProperty = "_tovCategoryId";
constexpr int textInset = 4;
constexpr int smallestPoints = 7;

void configurePopupCompleter(QCompleter* completer)
{
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    completer->setFilterMode(Qt::MatchContains);
    completer->setCompletionMode(QCompleter::PopupCompletion);
}

RegisterModel* registerModel(QAbstractItemModel* model)
{
    return qobject_cast<RegisterModel*>(model);
}

// The memo line's font: the cell font, italic, one point smaller (at least 7).
QFont memoFont(QFont font)
{
    font.setItalic(true);
    if (font.pointSize() > 0)
        font.setPointSize(std::max(font.pointSize() - 1, smallestPoints));
    else if (font.pixelSize() > 1)
        font.setPixelSize(font.pixelSize() - 1);
    return font;
}

// From the Payee column's left edge to the Category column's right edge (or the Payee
// column's own when Category is hidden), below the top line.
QRect memoLineArea(const QStyleOptionViewItem& option)
{
    QRect area = option.rect.adjusted(textInset, RegisterDelegate::topLineHeight, -textInset, 0);
    const auto* table = qobject_cast<const QTableView*>(option.widget);
    if (!table)
        return area;
    const int payeeLeft = table->columnViewportPosition(RegisterModel::PayeeColumn);
    const int payeeRight = payeeLeft + table->columnWidth(RegisterModel::PayeeColumn);
    const int categoryLeft = table->columnViewportPosition(RegisterModel::CategoryColumn);
    const bool categoryShown = !table->isColumnHidden(RegisterModel::CategoryColumn);
    const int right = categoryShown
                          ? categoryLeft + table->columnWidth(RegisterModel::CategoryColumn)
                          : payeeRight;
    area.setLeft(payeeLeft + textInset);
    area.setRight(right - 1 - textInset);
    return area;
}

} // namespace

RegisterDelegate::RegisterDelegate(AppState* appState, QObject* parent)
    : QStyledItemDelegate(parent), m_appState(appState)
{
}

QStringList RegisterDelegate::payeeCompletions() const
{
    if (!m_appState || !m_appState->transactionRepository() || !m_appState->accountRepository())
        return {};
    QStringList payees = m_appState->transactionRepository()->distinctPayees();
    const QList<Account> accounts = m_appState->accountRepository()->listAll();
    for (const Account& account : accounts) {
        if (account.id == m_accountId)
            continue;
        const QString transfer = QStringLiteral("[Transfer] %1").arg(account.name);
        if (!payees.contains(transfer, Qt::CaseSensitive))
            payees.append(transfer);
    }
    return payees;
}

QList<QPair<QString, QString>> RegisterDelegate::categoryItems() const
{
    QList<QPair<QString, QString>> items{{QString(), QString()}};
    if (!m_appState || !m_appState->categoryRepository())
        return items;
    const QList<Category> categories = m_appState->categoryRepository()->listAll();
    QHash<QString, QString> nameById;
    for (const Category& category : categories)
        nameById.insert(category.id, category.name);
    for (const Category& category : categories) {
        // A child whose parent is gone (deleted) is listed under its own name.
        const auto parent = nameById.constFind(category.parentId);
        const QString text = !category.parentId.isEmpty() && parent != nameById.constEnd()
                                 ? QStringLiteral("%1 > %2").arg(*parent, category.name)
                                 : category.name;
        items.append({text, category.id});
    }
    return items;
}

QString RegisterDelegate::categoryIdOf(const QComboBox* combo)
{
    const int item = combo->findText(combo->currentText(), Qt::MatchFixedString);
    return item >= 0 ? combo->itemData(item).toString() : QString();
}

QWidget* RegisterDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                        const QModelIndex& index) const
{
    QWidget* editor = nullptr;
    switch (index.column()) {
    case RegisterModel::DateColumn:
        editor = new SmartDateEdit(parent);
        break;
    case RegisterModel::PayeeColumn:
        editor = createPayeeEditor(parent);
        break;
    case RegisterModel::CategoryColumn:
        editor = createCategoryEditor(parent);
        break;
    case RegisterModel::PaymentColumn:
    case RegisterModel::DepositColumn: {
        auto* amount = new RegisterLineEdit(parent);
        amount->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        editor = amount;
        break;
    }
    case RegisterModel::ClearedColumn: {
        auto* cleared = new RegisterLineEdit(parent);
        cleared->setMaxLength(1);
        cleared->setAlignment(Qt::AlignCenter);
        editor = cleared;
        break;
    }
    case RegisterModel::CheckNumberColumn:
    case RegisterModel::MemoColumn:
        editor = new RegisterLineEdit(parent);
        break;
    default:
        return nullptr; // the balance is never edited
    }
    editor->setFocusPolicy(Qt::ClickFocus);
    emit editorCreated(editor);
    return editor;
}

QWidget* RegisterDelegate::createPayeeEditor(QWidget* parent) const
{
    auto* completer = new TabCompleter(payeeCompletions());
    configurePopupCompleter(completer);
    connect(completer, qOverload<const QString&>(&QCompleter::activated), this,
            [this](const QString& payee) { emit payeeChosen(payee); });

    if (!m_twoLine) {
        auto* payee = new RegisterLineEdit(parent);
        completer->setParent(payee);
        payee->setCompleter(completer);
        return payee;
    }

    auto* editor = new QWidget(parent);
    editor->setObjectName(payeeMemoEditorName);
    editor->setAutoFillBackground(true);
    auto* layout = new QVBoxLayout(editor);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    auto* payee = new RegisterLineEdit(editor);
    payee->setObjectName(payeeEditName);
    completer->setParent(payee);
    payee->setCompleter(completer);

    auto* memo = new RegisterLineEdit(editor);
    memo->setObjectName(memoEditName);
    memo->setProperty(FontRoles::italicProperty, true);
    applyFontRole(memo, FontRoles::Small);
    memo->setPlaceholderText(tr("Memo"));

    // The payee line covers the top line of the row, the memo line the rest, as painted.
    payee->setFixedHeight(topLineHeight);
    memo->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Ignored);
    layout->addWidget(payee);
    layout->addWidget(memo);
    editor->setFocusProxy(payee);
    payee->setFocusPolicy(Qt::ClickFocus);
    memo->setFocusPolicy(Qt::ClickFocus);
    return editor;
}

QWidget* RegisterDelegate::createCategoryEditor(QWidget* parent) const
{
    auto* combo = new RegisterComboBox(parent);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    const QList<QPair<QString, QString>> items = categoryItems();
    for (const auto& [text, id] : items)
        combo->addItem(text, id);

    auto* completer = new TabCompleter(combo->model(), combo);
    configurePopupCompleter(completer);
    combo->setCompleter(completer);
    widenCategoryLists(combo);
    connect(completer, qOverload<const QString&>(&QCompleter::activated), combo,
            [combo](const QString& text) {
                const int item = combo->findText(text, Qt::MatchFixedString);
                if (item >= 0)
                    combo->setCurrentIndex(item);
            });

    // The property follows the text, so that it never names a category the text no longer
    // shows (typed over, or cleared to mean no category).
    const auto storeId = [combo] { combo->setProperty(categoryIdProperty, categoryIdOf(combo)); };
    connect(combo, &QComboBox::currentIndexChanged, combo, storeId);
    connect(combo, &QComboBox::editTextChanged, combo, storeId);
    storeId();
    return combo;
}

void RegisterDelegate::widenCategoryLists(QComboBox* combo)
{
    const QFontMetrics metrics = combo->view()->fontMetrics();
    int widest = 0;
    for (int item = 0; item < combo->count(); ++item)
        widest = std::max(widest, metrics.horizontalAdvance(combo->itemText(item)));
    // Room for the item's margins, the list's frame and its scroll bar.
    const QStyle* style = combo->style();
    const int chrome = 4 * style->pixelMetric(QStyle::PM_FocusFrameHMargin) +
                       2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth) +
                       style->pixelMetric(QStyle::PM_ScrollBarExtent) + 16;
    const int width = std::min(widest + chrome, combo->screen()->availableGeometry().width());
    combo->view()->setMinimumWidth(width);
    combo->completer()->popup()->setMinimumWidth(width);
}

void RegisterDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    const QString text = index.data(Qt::EditRole).toString();

    if (auto* date = qobject_cast<SmartDateEdit*>(editor)) {
        const QDate parsed = RegisterDate::fromText(text);
        if (parsed.isValid())
            date->setDate(parsed);
        else if (!text.isEmpty())
            date->setText(text); // a date refused earlier, shown as it was typed
    } else if (editor->objectName() == payeeMemoEditorName) {
        if (auto* payee = editor->findChild<QLineEdit*>(payeeEditName))
            payee->setText(text);
        if (auto* memo = editor->findChild<QLineEdit*>(memoEditName))
            memo->setText(
                index.siblingAtColumn(RegisterModel::MemoColumn).data(Qt::EditRole).toString());
    } else if (auto* combo = qobject_cast<QComboBox*>(editor)) {
        const int item = combo->findText(text, Qt::MatchFixedString);
        if (item >= 0)
            combo->setCurrentIndex(item);
        else
            combo->setCurrentText(text);
    } else if (auto* line = qobject_cast<QLineEdit*>(editor)) {
        line->setText(text);
    }
}

void RegisterDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                    const QModelIndex& index) const
{
    RegisterModel* target = registerModel(model);
    const bool onEntryRow = target && target->isEntryRow(index.row());

    if (auto* date = qobject_cast<SmartDateEdit*>(editor)) {
        // Text that is no date is kept as typed, never replaced by the date shown before it:
        // the row is refused when saved.
        const QDate typed = RegisterDate::fromTypedText(date->text().trimmed());
        model->setData(index, typed.isValid() ? RegisterDate::toText(typed) : date->text(),
                       Qt::EditRole);
    } else if (editor->objectName() == payeeMemoEditorName) {
        auto* payee = editor->findChild<QLineEdit*>(payeeEditName);
        auto* memo = editor->findChild<QLineEdit*>(memoEditName);
        if (!target || !payee || !memo)
            return;
        // The buffers of the row being typed, not any row's cells: memo has no column here.
        if (index.row() != target->bufferRow())
            return;
        // Both lines are read before either is written: a write refreshes the open editor.
        const QString payeeText = payee->text();
        const QString memoText = memo->text();
        target->setBuffer(RegisterModel::MemoColumn, memoText);
        target->setBuffer(RegisterModel::PayeeColumn, payeeText);
        if (onEntryRow)
            fillFromLastPayee(target, payeeText);
    } else if (auto* combo = qobject_cast<QComboBox*>(editor)) {
        if (model->setData(index, combo->currentText(), Qt::EditRole) && target)
            target->setCategoryId(categoryIdOf(combo));
    } else if (auto* line = qobject_cast<QLineEdit*>(editor)) {
        const bool written = model->setData(index, line->text(), Qt::EditRole);
        if (written && onEntryRow && index.column() == RegisterModel::PayeeColumn)
            fillFromLastPayee(target, line->text());
    }
}

bool RegisterDelegate::eventFilter(QObject* object, QEvent* event)
{
    auto* date = qobject_cast<SmartDateEdit*>(object);
    if (date && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool leaves = key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab ||
                            ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
                             !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)));
        if (leaves && !RegisterDate::fromTypedText(date->text().trimmed()).isValid()) {
            emit entryRefused(tr("Enter a valid date"));
            return true;
        }
    }
    return QStyledItemDelegate::eventFilter(object, event);
}

bool RegisterDelegate::fillFromLastPayee(RegisterModel* model, const QString& payee) const
{
    const QString name = payee.trimmed();
    if (!model || model->editingRow() >= 0 || name.isEmpty() || !m_appState ||
        !m_appState->transactionRepository())
        return false;
    const std::optional<Transaction> last =
        m_appState->transactionRepository()->lastForPayee(name, m_accountId);
    if (!last)
        return false;

    QString categoryText;
    if (!last->categoryId.isEmpty()) {
        // Shown as the category cell's items show it, so that its editor finds the item.
        const QList<QPair<QString, QString>> items = categoryItems();
        const auto item = std::find_if(items.begin(), items.end(), [&](const auto& candidate) {
            return candidate.second == last->categoryId;
        });
        if (item != items.end())
            categoryText = item->first;
    }
    return model->fillFromLast(*last, categoryText);
}

QSize RegisterDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    if (m_twoLine)
        size.setHeight(twoLineRowHeight);
    return size;
}

void RegisterDelegate::updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                                            const QModelIndex& index) const
{
    if (!m_twoLine) {
        QStyledItemDelegate::updateEditorGeometry(editor, option, index);
        return;
    }
    QRect area = option.rect;
    if (index.column() != RegisterModel::PayeeColumn)
        area.setHeight(std::min(area.height(), topLineHeight));
    editor->setGeometry(area);
}

void RegisterDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const
{
    if (!m_twoLine) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    paintTwoLine(painter, option, index);
}

void RegisterDelegate::paintTwoLine(QPainter* painter, const QStyleOptionViewItem& option,
                                    const QModelIndex& index) const
{
    QStyleOptionViewItem item = option;
    initStyleOption(&item, index);
    item.text.clear();
    const QWidget* widget = option.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    const QPalette& palette = option.palette;
    const int column = index.column();
    const bool selected = option.state.testFlag(QStyle::State_Selected);

    const QColor rowBackground =
        palette.color(index.row() % 2 ? QPalette::AlternateBase : QPalette::Base);
    painter->save();
    painter->fillRect(option.rect, rowBackground);

    QRect topLine = option.rect;
    topLine.setHeight(std::min(option.rect.height(), topLineHeight));
    QStyleOptionViewItem panel = item;
    panel.backgroundBrush = Qt::NoBrush;
    panel.features &= ~QStyleOptionViewItem::Alternate;
    if (column != RegisterModel::PayeeColumn)
        panel.rect = topLine;
    style->drawPrimitive(QStyle::PE_PanelItemViewItem, &panel, painter, widget);

    // The top line: the cell's value.
    Qt::Alignment alignment = Qt::AlignLeft;
    if (column == RegisterModel::PaymentColumn || column == RegisterModel::DepositColumn ||
        column == RegisterModel::BalanceColumn)
        alignment = Qt::AlignRight;
    else if (column == RegisterModel::ClearedColumn)
        alignment = Qt::AlignHCenter;

    const QString text = index.data(Qt::DisplayRole).toString();
    QColor colour = palette.color(QPalette::Text);
    const QVariant foreground = index.data(Qt::ForegroundRole);
    if (selected)
        colour = palette.color(QPalette::HighlightedText);
    else if (foreground.canConvert<QColor>() && foreground.value<QColor>().isValid())
        colour = foreground.value<QColor>();
    if (column == RegisterModel::BalanceColumn && !selected) {
        QString digits = text;
        for (const QChar c : {u'$', u',', u'(', u')'})
            digits.remove(c);
        bool ok = false;
        const double value = digits.toDouble(&ok);
        if ((ok && value < 0) || text.contains(QLatin1Char('(')))
            colour = ThemeColors::negative(ThemeColors::isDark(palette)).color();
    }

    const QRect textArea = topLine.adjusted(textInset, 0, -textInset, 0);
    painter->setFont(item.font);
    painter->setPen(colour);
    painter->drawText(textArea, int(alignment | Qt::AlignVCenter),
                      QFontMetrics(item.font).elidedText(text, Qt::ElideRight, textArea.width()));

    // The memo line runs under the Payee and Category columns. Both cells lay out the same
    // line (elided to the width of both) and each draws the part inside itself, so the line
    // continues across the boundary in each cell's own colour.
    const bool memoColumn =
        column == RegisterModel::PayeeColumn || column == RegisterModel::CategoryColumn;
    const QString memo = index.siblingAtColumn(RegisterModel::MemoColumn).data().toString();
    if (memoColumn && !memo.isEmpty() && option.rect.height() > topLineHeight) {
        const QRect memoArea = memoLineArea(option);
        const QFont font = memoFont(item.font);
        painter->setClipRect(option.rect.adjusted(0, topLineHeight, 0, 0), Qt::IntersectClip);
        painter->setFont(font);
        painter->setPen(selected ? palette.color(QPalette::HighlightedText)
                                 : ThemeColors::secondary(ThemeColors::isDark(palette)).color());
        painter->drawText(memoArea, int(Qt::AlignLeft | Qt::AlignVCenter),
                          QFontMetrics(font).elidedText(memo, Qt::ElideRight, memoArea.width()));
    }
    painter->restore();
}
