#pragma once

#include <QTableView>

class RegisterNavigator;

// The register's table. It keeps the cursor off the Balance column and turns Tab, in the
// table or in a cell editor, into moves between the fields of the row, which its owner (the
// register screen, through RegisterNavigator) decides.
class RegisterTableView : public QTableView
{
    Q_OBJECT

public:
    explicit RegisterTableView(QWidget* parent = nullptr);

    // The owner is not owned; it must outlive the view (the screen owns the view).
    void setNavigator(RegisterNavigator* navigator) { m_navigator = navigator; }
    RegisterNavigator* navigator() const { return m_navigator; }
    // Whether a cell editor is open.
    bool isEditing() const { return state() == EditingState; }
    // The width the rows in view need in the column. Qt's own measures a thousand rows around
    // them, each of which a long register would first read from the database.
    int sizeHintForColumn(int column) const override;

protected:
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool next) override;

protected slots:
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;

private:
    bool isSplitAmountOrCategory(const QModelIndex& index) const;
    bool focusIsInTwoLineEditor() const;
    // Without an owner: Tab moves one visible column like the arrow keys and opens the editor.
    void stepAndEdit(bool forward);

    RegisterNavigator* m_navigator = nullptr;
};
