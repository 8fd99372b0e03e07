#include "ui/screens/settings/syncconflictspanel.h"

#include "ui/screens/settings/settingssections.h"

#include "sync/conflicts/syncconflictservice.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int idRole = Qt::UserRole;
constexpr int effectRole = Qt::UserRole + 1;
constexpr int descriptionRole = Qt::UserRole + 2;

QString kindName(const QString& entityType)
{
    if (entityType == QLatin1String("account"))
        return SyncConflictsPanel::tr("Account");
    if (entityType == QLatin1String("category"))
        return SyncConflictsPanel::tr("Category");
    if (entityType == QLatin1String("recurring"))
        return SyncConflictsPanel::tr("Recurring transaction");
    if (entityType == QLatin1String("reconciliation"))
        return SyncConflictsPanel::tr("Reconciliation");
    return SyncConflictsPanel::tr("Transaction");
}

// The second line of an entry: when the local version was replaced, and what Keep Mine does
// when the row itself is gone.
QString stateLine(const SyncConflict& conflict, SyncConflictService::KeepMine effect)
{
    const QString replaced =
        SyncConflictsPanel::tr("Replaced %1")
            .arg(QLocale().toString(
                conflict.replacedAt.toLocalTime(),
                SyncConflictsPanel::tr("MMM d, h:mm ap", "QDateTime format of a replacement")));
    switch (effect) {
    case SyncConflictService::KeepMine::Reapply:
        return replaced;
    case SyncConflictService::KeepMine::AddAgain:
        return SyncConflictsPanel::tr("%1 · deleted on another device; Keep Mine adds it again")
            .arg(replaced);
    case SyncConflictService::KeepMine::Unavailable:
        break;
    }
    return SyncConflictsPanel::tr("%1 · deleted on another device; it cannot be put back")
        .arg(replaced);
}

} // namespace

SyncConflictsPanel::SyncConflictsPanel(SyncConflictService* conflicts, QWidget* parent)
    : QWidget(parent), m_conflicts(conflicts)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addSpacing(16);
    layout->addWidget(SettingsSections::separator());
    layout->addSpacing(12);
    layout->addWidget(SettingsSections::header(
        tr("Sync Conflicts"),
        tr("Changes made on this device that a newer version from another device replaced. "
           "Keep yours to apply it again, or discard it to keep theirs.")));
    QVBoxLayout* content = SettingsSections::indented(layout);
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("syncConflicts"));
    m_list->setMaximumHeight(160);
    // Each entry wraps within the page rather than scrolling sideways, and the shading of
    // every other entry keeps its two lines together.
    m_list->setWordWrap(true);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_list->setAlternatingRowColors(true);
    content->addWidget(m_list);
    auto* row = new QHBoxLayout;
    row->addStretch();
    m_discardButton = new QPushButton(tr("Discard"), this);
    m_keepButton = new QPushButton(tr("Keep Mine"), this);
    row->addWidget(m_discardButton);
    row->addWidget(m_keepButton);
    content->addLayout(row);

    connect(m_list, &QListWidget::currentRowChanged, this, &SyncConflictsPanel::updateButtons);
    connect(m_keepButton, &QPushButton::clicked, this, &SyncConflictsPanel::keepMine);
    connect(m_discardButton, &QPushButton::clicked, this, &SyncConflictsPanel::discard);
    connect(m_conflicts, &SyncConflictService::conflictsChanged, this, &SyncConflictsPanel::reload);
    reload();
}

void SyncConflictsPanel::reload()
{
    m_list->clear();
    const QList<SyncConflict> conflicts = m_conflicts->list();
    for (const SyncConflict& conflict : conflicts) {
        const SyncConflictService::KeepMine effect = m_conflicts->keepMineEffect(conflict);
        const QString description =
            tr("%1: %2").arg(kindName(conflict.entityType), conflict.description);
        auto* item = new QListWidgetItem(
            description + QLatin1Char('\n') + stateLine(conflict, effect), m_list);
        item->setData(idRole, conflict.id);
        item->setData(effectRole, int(effect));
        item->setData(descriptionRole, description);
    }
    setVisible(!conflicts.isEmpty());
    updateButtons();
}

qint64 SyncConflictsPanel::selectedId() const
{
    const QListWidgetItem* item = m_list->currentItem();
    return item ? item->data(idRole).toLongLong() : 0;
}

void SyncConflictsPanel::updateButtons()
{
    const QListWidgetItem* item = m_list->currentItem();
    m_discardButton->setEnabled(item != nullptr);
    m_keepButton->setEnabled(item != nullptr &&
                             item->data(effectRole).toInt() !=
                                 int(SyncConflictService::KeepMine::Unavailable));
}

void SyncConflictsPanel::keepMine()
{
    const qint64 id = selectedId();
    if (id == 0)
        return;
    if (!m_conflicts->keepMine(id)) {
        QMessageBox::warning(this, tr("Keep Mine"),
                             tr("Your version could not be put back. It stays in the list."));
        return;
    }
    emit changeKept();
}

void SyncConflictsPanel::discard()
{
    const QListWidgetItem* item = m_list->currentItem();
    if (!item)
        return;
    const auto answer = QMessageBox::question(
        this, tr("Discard"),
        tr("Discard your version of \"%1\"? The version from the other device stays.")
            .arg(item->data(descriptionRole).toString()),
        QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    if (answer == QMessageBox::Yes)
        m_conflicts->discard(item->data(idRole).toLongLong());
}
