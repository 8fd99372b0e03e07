#pragma once

#include "services/backup/backuptypes.h"

#include <QList>
#include <QWidget>

class AppState;
class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QStackedWidget;
class QVBoxLayout;

// The preferences window: General (theme, font size, week start, language), Register (its two
// display options), Data & Sync (sync status, the server, backups, deleted accounts) and About.
// Every change takes effect at once; building the window writes nothing.
class SettingsScreen : public QWidget
{
    Q_OBJECT

public:
    explicit SettingsScreen(AppState* appState, QWidget* parent = nullptr);

    // Rebuilds the deleted-accounts list and the sync status; called each time the window shows.
    void refreshSyncStatus();

    // The two backup commands once the user has chosen the file (and, to import, the mode);
    // each ends in a message box saying how it went.
    void exportBackupTo(const QString& path);
    void importBackupFrom(const QString& path, BackupImportMode mode);

signals:
    // An account came back: restored here, or brought in by a backup import.
    void deletedAccountRestored();

public slots:
    void onCategoryChanged(int row);
    void onThemeChanged(int index);
    void onFontScaleChanged(int index);
    void onWeekStartChanged(int index);
    void onLanguageChanged(int index);
    void onRegisterOrderChanged(bool checked);
    void onTwoLineModeChanged(bool checked);
    void restoreSelectedAccount();

private:
    void buildSidebar();
    // The page list's colours and icons, in the theme now applied.
    void restyleSidebar();
    void fitSidebarWidth();
    void keepPagesInWidth();
    QWidget* buildGeneralPage();
    QWidget* buildRegisterPage();
    QWidget* buildDataPage();
    QWidget* buildAboutPage();
    void addDeletedAccountsGroup(QVBoxLayout* page);
    void reloadDeletedAccounts();
    void exportBackup();
    void importBackup();
    void syncNow();
    void forceFullSync();
    // Keeps the buttons disabled until the cycle just asked for has ended.
    void waitForSyncCycle(const QList<QPushButton*>& busyButtons);

    AppState* m_appState;
    QListWidget* m_sidebar = nullptr;
    QStackedWidget* m_pages = nullptr;
    QComboBox* m_themeCombo = nullptr;
    QComboBox* m_fontSizeCombo = nullptr;
    QComboBox* m_weekStartCombo = nullptr;
    QComboBox* m_languageCombo = nullptr;
    QCheckBox* m_twoLineCheck = nullptr;
    QCheckBox* m_newestFirstCheck = nullptr;
    QLabel* m_syncStatusLabel = nullptr;
    QLabel* m_lastSyncLabel = nullptr;
    QWidget* m_syncButtonRow = nullptr;
    QPushButton* m_syncNowButton = nullptr;
    QPushButton* m_fullSyncButton = nullptr;
    QPushButton* m_exportButton = nullptr;
    QPushButton* m_importButton = nullptr;
    QWidget* m_deletedAccountsGroup = nullptr;
    QListWidget* m_deletedAccountsList = nullptr;
    QPushButton* m_restoreButton = nullptr;
};
