#pragma once

#include "app/core/currency.h"
#include "data/registerrow.h"
#include "ui/register/registerrows.h"

#include <QAbstractTableModel>
#include <QList>
#include <QSet>

// The register of one account: one row per transaction with the running balance after it,
// plus the entry row in which a new transaction is typed. The model also holds the text being
// typed, for the entry row or for the one existing row edited in place, as column buffers; the
// register screen turns them into a transaction on commit. Read from an account, it keeps the
// outline of the register (order, amounts, balances) and reads the rest of the rows a page at
// a time as they are shown; handed rows, it holds them.
//
// View rows and register rows: when sorted by date, newest first, the entry row is view row 0
// and view row r shows register row r - 1; in every other sort the entry row is the last view
// row and view row r shows register row r.
class RegisterModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column
    {
        DateColumn = 0,
        CheckNumberColumn = 1,
        PayeeColumn = 2,
        CategoryColumn = 3,
        MemoColumn = 4,
        PaymentColumn = 5,
        DepositColumn = 6,
        ClearedColumn = 7,
        BalanceColumn = 8,
        ColumnCount = 9,
    };

    // What the user is typing. Columns 0-7 have a buffer each; categoryId belongs to the
    // category text and stickyDate is the date of the last transaction created from the entry
    // row, which the next entry starts from.
    struct Entry
    {
        QString date;
        QString checkNumber;
        QString payee;
        QString memo;
        QString category;
        QString payment;
        QString deposit;
        QString cleared;
        QString categoryId;
        QString stickyDate;
    };

    explicit RegisterModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

    // Replaces the rows (oldest first, balances computed) and sorts them; the entry is reset
    // and no row is being edited afterwards.
    void setRows(QList<RegisterRow> rows);
    // The same with the account's register as the repository reads it, a page at a time:
    // at first only the end of its outline, as much as a view shows of it scrolled to the
    // last row, when sorted by date.
    void readAccount(const TransactionRepository* repository, const QString& accountId);
    // How many view rows are read from the database at a time.
    static constexpr int pageSize = 100;
    // Whether the outline of every row is in; anything that needs every row reads it first,
    // or readWholeOutline() does.
    bool hasWholeOutline() const { return m_rows.isWhole(); }
    void readWholeOutline() { m_rows.readWhole(); }
    // The account's currency: amounts are shown and typed in it (whole yen, or two decimals).
    void setCurrency(Currency currency) { m_currency = currency; }
    Currency currency() const { return m_currency; }

    // The register row shown at a view row; null for the entry row and out of range.
    const RegisterRow* rowAt(int viewRow) const;
    int registerRowCount() const { return m_rows.size(); }
    // The amounts of the rows not cleared, and of the others (the opening row among them).
    qint64 unclearedTotal() const { return m_rows.unclearedTotal(); }
    qint64 clearedTotal() const { return m_rows.clearedTotal(); }
    int entryRow() const;
    bool isEntryRow(int viewRow) const { return viewRow == entryRow(); }
    // The view row showing the transaction with this id; -1 when none does.
    int viewRowOf(const QString& transactionId) const;

    // The longest text an amount column shows in any row; amounts are drawn in a monospaced
    // font, so it is also the widest.
    QString longestAmount(int column) const;

    int sortColumn() const { return m_sortColumn; }
    Qt::SortOrder sortOrder() const { return m_sortOrder; }

    int editingRow() const { return m_editingRow; }
    void setEditingRow(int viewRow);
    // The view row whose values the buffers hold: the edited row, else the entry row.
    int bufferRow() const { return m_editingRow >= 0 ? m_editingRow : entryRow(); }

    const Entry& entry() const { return m_entry; }
    // Whether the buffers hold typing the user would lose: a new row with anything besides
    // its date, or an existing row with a field changed.
    bool hasUnsavedEntry() const;
    void resetEntry();
    void loadEntryFrom(const Transaction& transaction, const QString& categoryText);
    // A new transaction from the buffers; the amount, read from the payment or deposit text
    // by the screen, is given.
    Transaction entryToTransaction(const QString& accountId, qint64 amount) const;
    void setStickyDate(const QString& text);
    void setCategoryId(const QString& categoryId);
    // Writes one column buffer (columns 0-7) directly, as a user's edit would.
    void setBuffer(int column, const QString& typed);

    // Quick-fill of a new transaction from the payee's previous one: amount, category (when
    // categoryText is not empty, meaning the category still exists) and memo. Only the entry
    // row is filled, and a field the user has typed is never overwritten; fields filled by an
    // earlier quick-fill may be replaced. Returns whether anything changed.
    bool fillFromLast(const Transaction& last, const QString& categoryText);

    bool isTwoLine() const { return m_twoLine; }
    void setTwoLine(bool twoLine) { m_twoLine = twoLine; }

signals:
    void sortChanged(int column, Qt::SortOrder order);

private:
    // The plain column name: header text and the entry row's placeholder.
    static QString columnName(int column);
    // What a buffer keeps of the text written to it.
    static QString bufferText(int column, const QString& text);
    // Sorts the view order stably from the order it has; callers wrap it in a model reset.
    void sortRows();
    // What the sort compares in the column, for every register row.
    QList<qint64> sortKeys(int column) const;
    // After the rows were replaced: the view order starts from register order and is sorted,
    // and the entry is reset.
    void showNewRows();
    int registerIndexOf(int viewRow) const;
    QString* buffer(int column);
    const QString* buffer(int column) const;
    void clearEntry();
    void emitRowChanged(int viewRow);
    void emitCellChanged(int viewRow, int column);
    bool isSplitRow(int viewRow) const;

    QVariant bufferData(int viewRow, int column, int role, bool entryFlag) const;
    QVariant rowData(const RegisterRow& row, int column, int role) const;
    QString displayText(const RegisterRow& row, int column) const;
    // An amount as the register shows it: grouped, without symbol.
    QString plainAmount(qint64 amount) const;

    RegisterRows m_rows;
    // The register row at each view position (the entry row left out).
    QList<int> m_order;
    Currency m_currency = Currency::USD;
    bool m_twoLine = false;
    int m_sortColumn = DateColumn;
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
    int m_editingRow = -1;
    Entry m_entry;
    // The buffers as last loaded or reset, before any typing.
    Entry m_entryAtStart;
    // Buffers last written by a quick-fill rather than by the user.
    QSet<int> m_autoFilled;
};
