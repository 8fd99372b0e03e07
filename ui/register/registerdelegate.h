#pragma once

#include <QStyledItemDelegate>

class AppState;
class QComboBox;
class RegisterModel;

// The register's cell editors and its two-line painting. It moves text between the editors
// and the model's entry buffers, offers payee and category completion, and fills a new
// transaction from the payee's previous one when the payee is entered on the entry row.
class RegisterDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    static constexpr int twoLineRowHeight = 52;
    static constexpr int topLineHeight = 36;

    RegisterDelegate(AppState* appState, QObject* parent = nullptr);

    void setAccountId(const QString& accountId) { m_accountId = accountId; }
    QString accountId() const { return m_accountId; }
    void setTwoLine(bool twoLine) { m_twoLine = twoLine; }
    bool isTwoLine() const { return m_twoLine; }

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const override;

    // Every payee used in any account, then "[Transfer] <name>" for each other account.
    QStringList payeeCompletions() const;
    // (text, category id) of the category cell's items, the first one empty for no category.
    QList<QPair<QString, QString>> categoryItems() const;
    // The id of the category item whose text matches the combo's text; empty when none does,
    // so that cleared or free text never keeps the previously selected category.
    static QString categoryIdOf(const QComboBox* combo);

    // Fills the entry row from the latest transaction of this payee in the current account:
    // amount, category (when it still exists) and memo, never over what the user typed.
    // Returns whether anything was filled; an existing row being edited is never filled.
    bool fillFromLastPayee(RegisterModel* model, const QString& payee) const;

signals:
    // A payee was chosen from the completion list (the register screen fills the row and the
    // open memo line from it).
    void payeeChosen(const QString& payee) const;
    // A cell refused to be left as typed (a date that does not exist); the text says why.
    void entryRefused(const QString& reason) const;
    // A cell editor was made, with every widget inside it.
    void editorCreated(QWidget* editor) const;

protected:
    // Tab, Shift+Tab and Enter do not leave a date cell whose text is no date: the cell stays
    // open on what was typed. Saving the row refuses it likewise.
    bool eventFilter(QObject* object, QEvent* event) override;

private:
    QWidget* createPayeeEditor(QWidget* parent) const;
    QWidget* createCategoryEditor(QWidget* parent) const;
    // The category list and its suggestions as wide as their longest item, within the screen.
    static void widenCategoryLists(QComboBox* combo);
    void paintTwoLine(QPainter* painter, const QStyleOptionViewItem& option,
                      const QModelIndex& index) const;

    AppState* m_appState = nullptr;
    QString m_accountId;
    bool m_twoLine = false;
};
