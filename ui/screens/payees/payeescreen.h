#pragma once

#include <QWidget>

class AppState;
class QLineEdit;
class QListWidget;

// Every payee of every account in one list: selected payees are renamed, or merged into one,
// across all their transactions.
class PayeeScreen : public QWidget
{
    Q_OBJECT

public:
    explicit PayeeScreen(AppState* appState, QWidget* parent = nullptr);

    // Lists the payees again.
    void reload();

    QListWidget* list() const { return m_list; }
    QLineEdit* renameField() const { return m_renameTo; }

signals:
    // Transactions were renamed: registers showing them read them again.
    void payeesChanged();

public slots:
    void onRename();
    void onMerge();

private:
    // The selected payees in the order they were selected: a merge keeps the first one's name.
    QStringList selectedPayees() const;
    // Renames through the payee service; false (after a warning) when nothing could be written.
    bool rename(const QStringList& payees, const QString& newName, int* renamed);
    // Tells the user how many transactions changed, then shows the payees as they are now.
    void reportDone(const QString& title, const QString& text);

    AppState* m_appState;
    QListWidget* m_list = nullptr;
    QLineEdit* m_renameTo = nullptr;
};
