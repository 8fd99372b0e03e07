#include "ui/screens/settings/settingsscreen.h"

#include "ui/screens/settings/serverfield.h"
#include "ui/screens/settings/settingssections.h"
#include "ui/screens/settings/syncconflictspanel.h"
#include "ui/theme/displaysettings.h"
#include "ui/theme/fontroles.h"
#include "ui/theme/iconfont.h"
#include "ui/theme/styles.h"
#include "ui/theme/themecolors.h"
#include "ui/theme/thememanager.h"

#include "app/appstate.h"
#include "app/core/buildconfig.h"
#include "app/core/uilanguage.h"
#include "data/accountrepository.h"
#include "data/preferencesrepository.h"
#include "services/backup/backupservice.h"
#include "services/ledger/accountservice.h"
#include "sync/syncengine.h"

#include "libs/account/client.h"
#include "libs/account/signin/authclient.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDate>
#include <QDateTime>
#include <QFile>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QSaveFile>
#include <QScrollArea>
#include <QScrollBar>
#include <QStackedWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int sidebarWidth = 180;
constexpr int iconSize = 20;
const QString twoLineKey = QStringLiteral("registerTwoLine");
const QString newestFirstKey = QStringLiteral("registerNewestFirst");
const QString weekStartKey = QStringLiteral("weekStartDay");
const QString lastSyncKey = QStringLiteral("lastSyncTimestamp");

QString syncStateColour(SyncState state, bool dark)
{
    switch (state) {
    case SyncState::Idle:
        return ThemeColors::positive(dark).name();
    case SyncState::Syncing:
        return ThemeColors::primaryButton().name();
    case SyncState::Error:
        return ThemeColors::negative(dark).name();
    }
    return ThemeColors::primaryButton().name();
}

// A Material Icons glyph drawn centred on a transparent square.
QPixmap glyphPixmap(QChar glyph, const QColor& colour)
{
    QPixmap pixmap(iconSize, iconSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setFont(iconFont(iconSize));
    painter.setPen(colour);
    painter.drawText(pixmap.rect(), Qt::AlignCenter, QString(glyph));
    return pixmap;
}

// The glyph in the page list's icon colour, and in the selected text's colour on the selected
// row, where the icon colour would not stand out.
QIcon glyphIcon(QChar glyph, bool dark)
{
    QIcon icon(glyphPixmap(glyph, ThemeColors::pageListIcon(dark).color()));
    icon.addPixmap(glyphPixmap(glyph, ThemeColors::pageListSelectedText().color()),
                   QIcon::Selected);
    return icon;
}

QString sidebarStyle(bool dark)
{
    return QStringLiteral("QListWidget {  background: %1;  border: none;  padding: 12px 8px;}"
                          "QListWidget::item {  color: %2;  padding: 8px 12px;  border-radius: "
                          "6px;}QListWidget::item:hover {  background: %3;}"
                          "QListWidget::item:selected {  background: %4;  color: %5;}")
        .arg(ThemeColors::pageListBackground(dark).name(), ThemeColors::pageListText(dark).name(),
             ThemeColors::pageListHover(dark).name(), ThemeColors::pageListSelection(dark).name(),
             ThemeColors::pageListSelectedText().name());
}

// Selects the item whose data equals `value`; returns false (selecting nothing new) when none.
bool selectData(QComboBox* combo, const QVariant& value)
{
    const int index = combo->findData(value);
    if (index < 0)
        return false;
    combo->setCurrentIndex(index);
    return true;
}

QFormLayout* comboForm(QVBoxLayout* page)
{
    auto* form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::ExpandingFieldsGrow);
    form->setHorizontalSpacing(16);
    form->setVerticalSpacing(12);
    form->setContentsMargins(12, 0, 0, 0);
    page->addLayout(form);
    return form;
}

} // namespace

SettingsScreen::SettingsScreen(AppState* appState, QWidget* parent)
    : QWidget(parent), m_appState(appState)
{
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    // Each page scrolls, so that the window keeps its size when a page outgrows it.
    m_pages = new QStackedWidget(this);
    for (QWidget* page :
         {buildGeneralPage(), buildRegisterPage(), buildDataPage(), buildAboutPage()}) {
        auto* scroll = new QScrollArea(m_pages);
        scroll->setFrameShape(QFrame::NoFrame);
        scroll->setWidgetResizable(true);
        scroll->setWidget(page);
        m_pages->addWidget(scroll);
    }

    buildSidebar();
    layout->addWidget(m_sidebar);
    layout->addWidget(m_pages, 1);

    // The window stays open while the theme or the font size changes in it.
    ThemeManager* themes = m_appState->themeManager();
    connect(themes, &ThemeManager::themeChanged, this, [this] {
        restyleSidebar();
        SettingsSections::restyle(this);
    });
    // Measured once the widgets have taken the new font, which reaches them as posted events.
    connect(
        themes, &ThemeManager::fontScaleChanged, this,
        [this] {
            fitSidebarWidth();
            keepPagesInWidth();
        },
        Qt::QueuedConnection);

    refreshSyncStatus();
}

void SettingsScreen::buildSidebar()
{
    m_sidebar = new QListWidget(this);
    m_sidebar->setFrameShape(QFrame::NoFrame);
    m_sidebar->setFocusPolicy(Qt::NoFocus);
    m_sidebar->setSpacing(2);
    m_sidebar->setIconSize(QSize(iconSize, iconSize));
    applyFontRole(m_sidebar, FontRoles::Body);

    const QList<QPair<QChar, QString>> entries = {{QChar(0xE8B8), tr("General")},
                                                  {QChar(0xE8EF), tr("Register")},
                                                  {QChar(0xE627), tr("Data & Sync")},
                                                  {QChar(0xE88E), tr("About")}};
    for (const auto& [glyph, text] : entries) {
        auto* item = new QListWidgetItem(text, m_sidebar);
        item->setData(Qt::UserRole, QString(glyph));
    }
    restyleSidebar();
    fitSidebarWidth();
    m_sidebar->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    m_sidebar->setCurrentRow(0);
    connect(m_sidebar, &QListWidget::currentRowChanged, this, &SettingsScreen::onCategoryChanged);
}

void SettingsScreen::restyleSidebar()
{
    const bool dark = ThemeColors::isDark();
    m_sidebar->setStyleSheet(sidebarStyle(dark));
    for (int row = 0; row < m_sidebar->count(); ++row) {
        QListWidgetItem* item = m_sidebar->item(row);
        item->setIcon(glyphIcon(item->data(Qt::UserRole).toString().front(), dark));
    }
}

// As wide as its longest name needs, whatever the language and the font size: the style
// sheet's padding of the list and of its items, and the spacing, come on top of the items' own
// width.
void SettingsScreen::fitSidebarWidth()
{
    constexpr int sideRoom = 2 * (8 + 12 + 2);
    m_sidebar->setFixedWidth(std::max(sidebarWidth, m_sidebar->sizeHintForColumn(0) + sideRoom));
}

// The window is never narrower than its widest page needs, so that no page scrolls sideways:
// long texts of a language widen it rather than being cut off.
void SettingsScreen::keepPagesInWidth()
{
    int widest = 0;
    for (int index = 0; index < m_pages->count(); ++index) {
        const auto* scroll = static_cast<QScrollArea*>(m_pages->widget(index));
        // Rows shown or hidden since the last layout (the sync buttons) count now, in the
        // fonts of the style sheets, even before the window first shows.
        scroll->widget()->ensurePolished();
        // A style sheet's min-width becomes a button's minimum width, below its text's: a
        // cramped row would cut a long translation short.
        for (QPushButton* button : scroll->widget()->findChildren<QPushButton*>())
            button->setMinimumWidth(std::max(button->minimumWidth(), button->sizeHint().width()));
        // A box's minimum size stays that of the font it was first measured in, while its size
        // hint follows the font: a larger font would cut its choices short ("System Defau").
        for (QComboBox* box : scroll->widget()->findChildren<QComboBox*>())
            box->setMinimumWidth(box->sizeHint().width());
        scroll->widget()->layout()->activate();
        widest = std::max(widest, scroll->widget()->minimumSizeHint().width() +
                                      scroll->verticalScrollBar()->sizeHint().width());
    }
    setMinimumWidth(m_sidebar->width() + widest);
}

void SettingsScreen::onCategoryChanged(int row)
{
    if (row >= 0 && row < m_pages->count())
        m_pages->setCurrentIndex(row);
}

// ---------------------------------------------------------------------------------------------
// General

QWidget* SettingsScreen::buildGeneralPage()
{
    auto* page = new QWidget(this);
    QVBoxLayout* layout = SettingsSections::page(page, tr("General"));
    PreferencesRepository* preferences = m_appState->preferencesRepository();

    layout->addWidget(
        SettingsSections::header(tr("Appearance"), tr("Control how Tovarly Pennibar looks.")));
    QFormLayout* appearance = comboForm(layout);

    m_themeCombo = new QComboBox(page);
    m_themeCombo->setObjectName(QStringLiteral("theme"));
    m_themeCombo->addItem(tr("System Default"), QStringLiteral("system"));
    m_themeCombo->addItem(tr("Light"), QStringLiteral("light"));
    m_themeCombo->addItem(tr("Dark"), QStringLiteral("dark"));
    selectData(m_themeCombo, preferences->get(QStringLiteral("theme"), QStringLiteral("system")));
    appearance->addRow(tr("Theme"), m_themeCombo);

    m_fontSizeCombo = new QComboBox(page);
    m_fontSizeCombo->setObjectName(QStringLiteral("fontSize"));
    m_fontSizeCombo->addItem(tr("Small"), 85);
    m_fontSizeCombo->addItem(tr("Default"), 100);
    m_fontSizeCombo->addItem(tr("Medium"), 115);
    m_fontSizeCombo->addItem(tr("Large"), 130);
    m_fontSizeCombo->addItem(tr("Extra Large"), 150);
    if (!selectData(m_fontSizeCombo, m_appState->themeManager()->fontScale()))
        selectData(m_fontSizeCombo, 100);
    appearance->addRow(tr("Font size"), m_fontSizeCombo);

    SettingsSections::addSeparator(layout);
    layout->addWidget(
        SettingsSections::header(tr("Regional"), tr("Date and calendar preferences.")));
    QFormLayout* regional = comboForm(layout);

    m_weekStartCombo = new QComboBox(page);
    m_weekStartCombo->setObjectName(QStringLiteral("weekStart"));
    m_weekStartCombo->addItem(tr("Sunday"), 7);
    m_weekStartCombo->addItem(tr("Monday"), 1);
    m_weekStartCombo->addItem(tr("Saturday"), 6);
    const std::optional<QString> storedWeekStart = preferences->getOptional(weekStartKey);
    selectData(m_weekStartCombo, storedWeekStart ? storedWeekStart->toInt()
                                                 : static_cast<int>(QLocale().firstDayOfWeek()));
    regional->addRow(tr("Week starts on"), m_weekStartCombo);

    m_languageCombo = new QComboBox(page);
    m_languageCombo->setObjectName(QStringLiteral("language"));
    m_languageCombo->addItem(tr("System Default"), QStringLiteral("system"));
    // Each language is named in its own words, untranslated.
    m_languageCombo->addItem(QStringLiteral("English"), QStringLiteral("en"));
    m_languageCombo->addItem(QStringLiteral("Español"), QStringLiteral("es"));
    m_languageCombo->addItem(QStringLiteral("Deutsch"), QStringLiteral("de"));
    m_languageCombo->addItem(QStringLiteral("Français"), QStringLiteral("fr"));
    m_languageCombo->addItem(QStringLiteral("日本語"), QStringLiteral("ja"));
    selectData(m_languageCombo, uiLanguage(false));
    regional->addRow(tr("Language"), m_languageCombo);

    // Connected only now, so that the initial selections write nothing.
    connect(m_themeCombo, &QComboBox::currentIndexChanged, this, &SettingsScreen::onThemeChanged);
    connect(m_fontSizeCombo, &QComboBox::currentIndexChanged, this,
            &SettingsScreen::onFontScaleChanged);
    connect(m_weekStartCombo, &QComboBox::currentIndexChanged, this,
            &SettingsScreen::onWeekStartChanged);
    connect(m_languageCombo, &QComboBox::currentIndexChanged, this,
            &SettingsScreen::onLanguageChanged);

    layout->addStretch();
    return page;
}

void SettingsScreen::onThemeChanged(int index)
{
    m_appState->themeManager()->setThemeFromString(m_themeCombo->itemData(index).toString());
}

void SettingsScreen::onFontScaleChanged(int index)
{
    m_appState->themeManager()->setFontScale(m_fontSizeCombo->itemData(index).toInt());
}

void SettingsScreen::onWeekStartChanged(int index)
{
    const int day = m_weekStartCombo->itemData(index).toInt();
    m_appState->preferencesRepository()->setInt(weekStartKey, day);
    DisplaySettings::setWeekStartDay(static_cast<Qt::DayOfWeek>(day));
}

void SettingsScreen::onLanguageChanged(int index)
{
    const QString code = m_languageCombo->itemData(index).toString();
    if (code.isEmpty() || code == uiLanguage(false))
        return;
    setUiLanguage(code);
    QMessageBox::information(
        this, tr("Language Changed"),
        tr("The new language will take effect the next time you start Tovarly Pennibar."),
        QMessageBox::Ok);
}

// ---------------------------------------------------------------------------------------------
// Register

QWidget* SettingsScreen::buildRegisterPage()
{
    auto* page = new QWidget(this);
    QVBoxLayout* layout = SettingsSections::page(page, tr("Register"));
    PreferencesRepository* preferences = m_appState->preferencesRepository();

    layout->addWidget(
        SettingsSections::header(tr("Display"), tr("How transactions appear in the register.")));
    QVBoxLayout* display = SettingsSections::indented(layout);
    m_twoLineCheck = new QCheckBox(tr("Two-line rows"), page);
    m_twoLineCheck->setChecked(preferences->getBool(twoLineKey, false));
    display->addWidget(m_twoLineCheck);
    display->addWidget(SettingsSections::note(tr("Show memo on a second line below the payee.")));

    SettingsSections::addSeparator(layout);
    layout->addWidget(SettingsSections::header(
        tr("Sorting"), tr("Control the order of transactions in the register.")));
    QVBoxLayout* sorting = SettingsSections::indented(layout);
    m_newestFirstCheck = new QCheckBox(tr("Show newest transactions first"), page);
    m_newestFirstCheck->setChecked(preferences->getBool(newestFirstKey, false));
    sorting->addWidget(m_newestFirstCheck);
    sorting->addWidget(SettingsSections::note(
        tr("When enabled, the most recent transactions appear at the top.")));

    connect(m_twoLineCheck, &QCheckBox::toggled, this, &SettingsScreen::onTwoLineModeChanged);
    connect(m_newestFirstCheck, &QCheckBox::toggled, this, &SettingsScreen::onRegisterOrderChanged);

    layout->addStretch();
    return page;
}

void SettingsScreen::onTwoLineModeChanged(bool checked)
{
    m_appState->preferencesRepository()->setBool(twoLineKey, checked);
}

void SettingsScreen::onRegisterOrderChanged(bool checked)
{
    m_appState->preferencesRepository()->setBool(newestFirstKey, checked);
}

// ---------------------------------------------------------------------------------------------
// Data & Sync

QWidget* SettingsScreen::buildDataPage()
{
    auto* page = new QWidget(this);
    QVBoxLayout* layout = SettingsSections::page(page, tr("Data & Sync"));

    layout->addWidget(SettingsSections::header(
        tr("Sync"), tr("Keep your pennibar in sync across all your devices.")));
    QVBoxLayout* sync = SettingsSections::indented(layout);
    m_syncStatusLabel = new QLabel(page);
    m_syncStatusLabel->setWordWrap(true);
    m_syncStatusLabel->setTextFormat(Qt::AutoText);
    sync->addWidget(m_syncStatusLabel);
    m_lastSyncLabel = new QLabel(page);
    Styles::setMuted(m_lastSyncLabel);
    applyFontRole(m_lastSyncLabel, FontRoles::Small);
    sync->addWidget(m_lastSyncLabel);
    m_syncButtonRow = new QWidget(page);
    auto* syncButtons = new QHBoxLayout(m_syncButtonRow);
    syncButtons->setContentsMargins(0, 8, 0, 0);
    syncButtons->setSpacing(8);
    m_syncNowButton = new QPushButton(tr("Sync Now"), m_syncButtonRow);
    m_syncNowButton->setStyleSheet(Styles::primaryButton());
    m_fullSyncButton = new QPushButton(tr("Force Full Sync"), m_syncButtonRow);
    syncButtons->addWidget(m_syncNowButton);
    syncButtons->addWidget(m_fullSyncButton);
    syncButtons->addStretch();
    sync->addWidget(m_syncButtonRow);
    connect(m_syncNowButton, &QPushButton::clicked, this, &SettingsScreen::syncNow);
    connect(m_fullSyncButton, &QPushButton::clicked, this, &SettingsScreen::forceFullSync);

    auto* conflicts = new SyncConflictsPanel(m_appState->syncConflictService(), page);
    layout->addWidget(conflicts);
    // A version put back goes out with the next sync, whatever kind of row it is.
    connect(conflicts, &SyncConflictsPanel::changeKept, m_appState->syncEngine(),
            &SyncEngine::scheduleSync);

    SettingsSections::addSeparator(layout);
    layout->addWidget(SettingsSections::header(
        tr("Server"), tr("The Tovarly server to sign in to, sync with and take updates from. "
                         "A household that runs its own pennibar-server enters its address.")));
    SettingsSections::indented(layout)->addWidget(new ServerField(page));

    SettingsSections::addSeparator(layout);
    layout->addWidget(SettingsSections::header(
        tr("Backup & Restore"), tr("Save or restore your data to a portable backup file.")));
    auto* backupRow = new QHBoxLayout;
    backupRow->setSpacing(8);
    m_exportButton = new QPushButton(tr("Export Backup"), page);
    m_importButton = new QPushButton(tr("Import Backup"), page);
    backupRow->addWidget(m_exportButton);
    backupRow->addWidget(m_importButton);
    backupRow->addStretch();
    SettingsSections::indented(layout)->addLayout(backupRow);
    connect(m_exportButton, &QPushButton::clicked, this, &SettingsScreen::exportBackup);
    connect(m_importButton, &QPushButton::clicked, this, &SettingsScreen::importBackup);

    addDeletedAccountsGroup(layout);

    layout->addStretch();
    return page;
}

void SettingsScreen::addDeletedAccountsGroup(QVBoxLayout* page)
{
    m_deletedAccountsGroup = new QWidget(this);
    auto* group = new QVBoxLayout(m_deletedAccountsGroup);
    group->setContentsMargins(0, 0, 0, 0);
    group->addSpacing(16);
    group->addWidget(SettingsSections::separator());
    group->addSpacing(12);
    group->addWidget(SettingsSections::header(tr("Deleted Accounts"),
                                              tr("Accounts you've deleted can be restored here.")));
    QVBoxLayout* content = SettingsSections::indented(group);
    m_deletedAccountsList = new QListWidget(m_deletedAccountsGroup);
    m_deletedAccountsList->setMaximumHeight(120);
    content->addWidget(m_deletedAccountsList);
    auto* row = new QHBoxLayout;
    row->addStretch();
    m_restoreButton = new QPushButton(tr("Restore Selected"), m_deletedAccountsGroup);
    m_restoreButton->setEnabled(false);
    row->addWidget(m_restoreButton);
    content->addLayout(row);
    page->addWidget(m_deletedAccountsGroup);

    connect(m_deletedAccountsList, &QListWidget::currentRowChanged, this,
            [this](int row) { m_restoreButton->setEnabled(row >= 0); });
    connect(m_restoreButton, &QPushButton::clicked, this, &SettingsScreen::restoreSelectedAccount);
}

void SettingsScreen::refreshSyncStatus()
{
    reloadDeletedAccounts();
    TovAccount::AuthClient* auth = m_appState->accountClient()->authClient();
    if (auth->state() != TovAccount::AuthState::Authenticated) {
        m_syncStatusLabel->setText(
            tr("Not signed in.\nSign in via File › Tovarly Account to enable sync."));
        m_lastSyncLabel->hide();
        m_syncButtonRow->hide();
        keepPagesInWidth();
        return;
    }

    const TovAccount::User user = auth->currentUser();
    const QString identity = !user.displayName.isEmpty() ? user.displayName
                             : !user.email.isEmpty()     ? user.email
                                                         : auth->userId();
    const SyncEngine* engine = m_appState->syncEngine();
    const SyncState state = engine->state();
    m_syncStatusLabel->setText(
        tr("<b>Signed in as:</b> %1<br><b>Status:</b> <span style=\"color:%2\">%3</span>")
            .arg(identity.toHtmlEscaped(), syncStateColour(state, ThemeColors::isDark()),
                 SyncEngine::statusText(state)));

    const QString lastSync = m_appState->preferencesRepository()->get(lastSyncKey, QString());
    QString lastSyncText;
    if (lastSync.isEmpty()) {
        lastSyncText = tr("Never synced");
    } else {
        const QDateTime when = QDateTime::fromString(lastSync, Qt::ISODate);
        lastSyncText =
            tr("Last synced: %1")
                .arg(when.isValid() ? QLocale().toString(
                                          when.toLocalTime(),
                                          tr("MMM d, h:mm ap", "QDateTime format of the last sync"))
                                    : lastSync);
    }
    if (state == SyncState::Error && !engine->lastError().isEmpty())
        lastSyncText += tr("\nError: %1").arg(engine->lastError());
    m_lastSyncLabel->setText(lastSyncText);
    m_lastSyncLabel->show();
    m_syncButtonRow->show();
    keepPagesInWidth();

    // A user known only by id is looked up once; an answer with nothing to show ends it.
    if (user.displayName.isEmpty() && user.email.isEmpty()) {
        auth->fetchCurrentUser([this](const TovAccount::User& fetched) {
            if (!fetched.displayName.isEmpty() || !fetched.email.isEmpty())
                refreshSyncStatus();
        });
    }
}

void SettingsScreen::syncNow()
{
    m_appState->syncEngine()->sync();
    waitForSyncCycle({m_syncNowButton});
}

void SettingsScreen::forceFullSync()
{
    const auto answer = QMessageBox::question(
        this, tr("Force Full Sync"),
        tr("This will re-upload every local row to the server and re-download all server data. "
           "Use this if data appears out of sync between devices.\n\nContinue?"),
        QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    if (answer != QMessageBox::Yes)
        return;
    m_appState->syncEngine()->fullResync();
    waitForSyncCycle({m_syncNowButton, m_fullSyncButton});
}

void SettingsScreen::waitForSyncCycle(const QList<QPushButton*>& busyButtons)
{
    SyncEngine* engine = m_appState->syncEngine();
    // A refused or instant cycle has already ended.
    if (engine->state() != SyncState::Syncing) {
        refreshSyncStatus();
        return;
    }
    for (QPushButton* button : busyButtons)
        button->setEnabled(false);
    m_syncNowButton->setText(tr("Syncing..."));
    auto connection = std::make_shared<QMetaObject::Connection>();
    *connection =
        connect(engine, &SyncEngine::stateChanged, this, [this, connection](SyncState state) {
            if (state == SyncState::Syncing)
                return;
            disconnect(*connection);
            m_syncNowButton->setEnabled(true);
            m_fullSyncButton->setEnabled(true);
            m_syncNowButton->setText(tr("Sync Now"));
            refreshSyncStatus();
        });
}

void SettingsScreen::reloadDeletedAccounts()
{
    m_deletedAccountsList->clear();
    m_restoreButton->setEnabled(false);
    const QList<Account> deleted = m_appState->accountRepository()->listDeleted();
    m_deletedAccountsGroup->setVisible(!deleted.isEmpty());
    for (const Account& account : deleted) {
        auto* item = new QListWidgetItem(account.name, m_deletedAccountsList);
        item->setData(Qt::UserRole, account.id);
    }
}

void SettingsScreen::restoreSelectedAccount()
{
    const QListWidgetItem* item = m_deletedAccountsList->currentItem();
    const QString id = item ? item->data(Qt::UserRole).toString() : QString();
    if (id.isEmpty())
        return;
    m_appState->accountService()->restore(id);
    reloadDeletedAccounts();
    emit deletedAccountRestored();
}

void SettingsScreen::exportBackup()
{
    const QString suggested = tr("pennibar-backup-%1.zip")
                                  .arg(QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd")));
    const QString path =
        QFileDialog::getSaveFileName(this, tr("Export Backup"), suggested, tr("ZIP Files (*.zip)"));
    if (!path.isEmpty())
        exportBackupTo(path);
}

void SettingsScreen::exportBackupTo(const QString& path)
{
    m_exportButton->setEnabled(false);
    m_exportButton->setText(tr("Exporting..."));

    // Written beside the chosen name and moved onto it only when whole, so a failed export
    // never leaves a truncated archive looking like a backup. An archive that could not be
    // built comes back empty.
    const QByteArray archive = m_appState->backupService()->exportBackup();
    QSaveFile file(path);
    const bool saved = !archive.isEmpty() && file.open(QIODevice::WriteOnly) &&
                       file.write(archive) == archive.size() && file.commit();
    if (saved)
        QMessageBox::information(this, tr("Backup Complete"), tr("Backup saved to:\n%1").arg(path));
    else
        QMessageBox::warning(this, tr("Backup Failed"), tr("Could not write to:\n%1").arg(path));

    m_exportButton->setEnabled(true);
    m_exportButton->setText(tr("Export Backup"));
}

void SettingsScreen::importBackup()
{
    const QString path =
        QFileDialog::getOpenFileName(this, tr("Import Backup"), QString(), tr("ZIP Files (*.zip)"));
    if (path.isEmpty())
        return;

    const QStringList modes = {tr("Replace all with backup data"),
                               tr("Keep newer (compare timestamps)"), tr("Skip existing items")};
    bool chosen = false;
    const QString mode =
        QInputDialog::getItem(this, tr("Import Mode"), tr("How should existing data be handled?"),
                              modes, 0, false, &chosen);
    if (!chosen)
        return;
    importBackupFrom(path, mode == modes.at(0)   ? BackupImportMode::ReplaceAll
                           : mode == modes.at(1) ? BackupImportMode::KeepNewer
                                                 : BackupImportMode::SkipExisting);
}

void SettingsScreen::importBackupFrom(const QString& path, BackupImportMode mode)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        QMessageBox::warning(this, tr("Import Failed"), tr("Could not read file."));
        return;
    }

    m_importButton->setEnabled(false);
    m_importButton->setText(tr("Importing..."));
    const BackupImportResult result =
        m_appState->backupService()->importBackup(file.readAll(), mode);

    // An archive refused as a whole brought nothing in: that is a failure, with its reason.
    if (result.isRejected()) {
        QMessageBox::warning(this, tr("Import Failed"),
                             tr("The backup was not imported:\n%1").arg(result.rejection));
    } else {
        QString text = tr("Imported %1 items, skipped %2.")
                           .arg(result.totalImported())
                           .arg(result.totalSkipped());
        if (!result.errors.isEmpty())
            text += tr("\n\n%n error(s) occurred.", nullptr, int(result.errors.size()));
        QMessageBox::information(this, tr("Import Complete"), text);
    }

    m_importButton->setEnabled(true);
    m_importButton->setText(tr("Import Backup"));
    emit deletedAccountRestored();
}

// ---------------------------------------------------------------------------------------------
// About

QWidget* SettingsScreen::buildAboutPage()
{
    auto* page = new QWidget(this);
    QVBoxLayout* layout = SettingsSections::page(page, tr("About"), 16);

    auto* name = new QLabel(BuildConfig::applicationTitle(), page);
    applyFontRole(name, FontRoles::Title);
    layout->addWidget(name);
    auto* version = new QLabel(tr("Version %1").arg(QCoreApplication::applicationVersion()), page);
    Styles::setMuted(version);
    layout->addWidget(version);
    layout->addSpacing(16);

    auto* description = new QLabel(
        tr("A digital register for tracking your household finances: accounts, payments and "
           "deposits with a running balance, recurring transactions, reconciliation, reports "
           "and backups, all kept on this computer."),
        page);
    description->setWordWrap(true);
    layout->addWidget(description);

    SettingsSections::addSeparator(layout);
    auto* linksTitle = new QLabel(tr("Links"), page);
    applyFontRole(linksTitle, FontRoles::Subheading);
    layout->addWidget(linksTitle);
    auto* links = new QLabel(tr("<a href=\"%1\">Tovarly Pennibar website</a><br>"
                                "<a href=\"%2\">Pennibar for your phone</a>")
                                 .arg(BuildConfig::productSiteUrl(), BuildConfig::mobileAppUrl()),
                             page);
    links->setTextFormat(Qt::RichText);
    links->setOpenExternalLinks(true);
    links->setContentsMargins(12, 0, 0, 0);
    layout->addWidget(links);

    layout->addStretch();
    auto* notice =
        new QLabel(tr("This application uses the Qt framework under the LGPL v3 license."), page);
    notice->setWordWrap(true);
    applyFontRole(notice, FontRoles::Small);
    Styles::setMuted(notice);
    layout->addWidget(notice);
    return page;
}
