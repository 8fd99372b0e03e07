#pragma once

#include <QCompleter>

// A completer whose popup accepts the highlighted suggestion with Tab (Shift+Tab) and then
// moves on, as Tab would without a popup: inside the register's two-line payee/memo editor Tab
// goes to the memo line; inside an item view the cell editor is committed and the view moves
// to the next (previous) field; elsewhere the focus moves to the next (previous) widget.
class TabCompleter : public QCompleter
{
    Q_OBJECT

public:
    explicit TabCompleter(QObject* parent = nullptr);
    TabCompleter(QAbstractItemModel* model, QObject* parent = nullptr);
    TabCompleter(const QStringList& list, QObject* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void acceptAndMove(bool forward);
    void acceptText(const QString& text);
};
