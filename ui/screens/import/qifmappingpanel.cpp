#include "ui/screens/import/qifmappingpanel.h"

#include "ui/theme/fontroles.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

const QString QifMappingPanel::createChoice = QStringLiteral("__create__");
const QString QifMappingPanel::skipChoice = QStringLiteral("__skip__");

QifMappingPanel::QifMappingPanel(QWidget* parent) : QWidget(parent)
{
    auto* title = new QLabel(tr("QIF source accounts:"), this);
    title->setProperty(FontRoles::weightProperty, int(QFont::Bold));
    applyFontRole(title, FontRoles::Body);

    auto* explanation =
        new QLabel(tr("Choose where each Quicken account should be imported. Accounts mapped "
                      "across the selected files will have their transfers linked automatically."),
                   this);
    explanation->setWordWrap(true);

    m_rowsLayout = new QFormLayout;
    m_rowsLayout->setObjectName(QStringLiteral("qifMapRowsLayout"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(title);
    layout->addWidget(explanation);
    layout->addLayout(m_rowsLayout);
    layout->addStretch(1);
}

void QifMappingPanel::setSources(const QList<QifSourceAccount>& sources,
                                 const QList<Account>& accounts)
{
    clear();
    for (const QifSourceAccount& source : sources) {
        auto* combo = new QComboBox(this);
        // A file without account headers offers its file name (taken from its path, so that
        // a name with blanks shows whole).
        const QString newName = source.isFileEntry
                                    ? source.key.mid(source.key.lastIndexOf(QLatin1Char('/')) + 1)
                                    : source.displayName;
        combo->addItem(tr("\u2014 Create new account \"%1\" \u2014").arg(newName), createChoice);
        combo->addItem(tr("\u2014 Skip these transactions \u2014"), skipChoice);
        for (const Account& account : accounts)
            combo->addItem(account.name, account.id);
        if (!source.isFileEntry) {
            for (int i = 2; i < combo->count(); ++i) {
                if (combo->itemText(i).compare(source.displayName, Qt::CaseInsensitive) == 0) {
                    combo->setCurrentIndex(i);
                    break;
                }
            }
        }
        m_rowsLayout->addRow(source.displayName, combo);
        m_rows.append({source, combo});
    }
}

void QifMappingPanel::clear()
{
    while (m_rowsLayout->rowCount() > 0)
        m_rowsLayout->removeRow(0);
    m_rows.clear();
}

QList<QifMappingPanel::Choice> QifMappingPanel::choices() const
{
    QList<Choice> choices;
    for (const Row& row : m_rows)
        choices.append({row.source, row.combo->currentData().toString()});
    return choices;
}

QComboBox* QifMappingPanel::comboFor(const QString& sourceKey) const
{
    for (const Row& row : m_rows) {
        if (row.source.key == sourceKey)
            return row.combo;
    }
    return nullptr;
}
