#pragma once

#include <QWidget>

class QListWidget;
class QPushButton;
class SyncConflictService;

// The Sync Conflicts section of the preferences: the local edits that newer copies from other
// devices replaced, each with what the user knows it by and what became of the row, and the
// two answers, Keep Mine and Discard. Hidden while there is none; it follows every change of
// the list, also after syncs started elsewhere.
class SyncConflictsPanel : public QWidget
{
    Q_OBJECT

public:
    explicit SyncConflictsPanel(SyncConflictService* conflicts, QWidget* parent = nullptr);

    void reload();

signals:
    // A local version was applied again: it waits to be pushed.
    void changeKept();

private:
    void updateButtons();
    void keepMine();
    void discard();
    qint64 selectedId() const;

    SyncConflictService* m_conflicts;
    QListWidget* m_list;
    QPushButton* m_keepButton;
    QPushButton* m_discardButton;
};
