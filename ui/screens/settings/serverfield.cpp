#include "ui/screens/settings/serverfield.h"

#include "app/core/serviceendpoints.h"
#include "ui/theme/fontroles.h"
#include "ui/theme/styles.h"
#include "ui/theme/themecolors.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// The environment variables that override what this field sets.
QStringList overridingVariables()
{
    QStringList names;
    for (const char* variable :
         {"AUTH_BASE_URL", "ACCOUNT_API_URL", "SYNC_API_URL", "PENNIBAR_RELEASES_URL"}) {
        if (!qEnvironmentVariable(variable).isEmpty())
            names << QLatin1String(variable);
    }
    return names;
}

} // namespace

ServerField::ServerField(QWidget* parent) : QWidget(parent)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);

    auto* row = new QHBoxLayout;
    row->setSpacing(8);
    m_edit = new QLineEdit(chosenServerUrl(), this);
    m_edit->setObjectName(QStringLiteral("serverUrl"));
    m_edit->setPlaceholderText(tr("Tovarly (default)"));
    m_edit->setClearButtonEnabled(true);
    row->addWidget(m_edit, 1);
    m_defaultButton = new QPushButton(tr("Use default"), this);
    row->addWidget(m_defaultButton);
    layout->addLayout(row);

    m_note = new QLabel(this);
    m_note->setWordWrap(true);
    applyFontRole(m_note, FontRoles::Small);
    layout->addWidget(m_note);

    connect(m_edit, &QLineEdit::editingFinished, this, &ServerField::commit);
    connect(m_defaultButton, &QPushButton::clicked, this, &ServerField::useDefault);

    if (const QStringList variables = overridingVariables(); !variables.isEmpty())
        showNote(tr("Set in the environment, which takes precedence: %1")
                     .arg(variables.join(QStringLiteral(", "))),
                 false);
    else
        m_note->hide();
}

void ServerField::commit()
{
    const QString text = m_edit->text().trimmed();
    if (text.isEmpty()) {
        useDefault();
        return;
    }
    if (!isUsableServerUrl(text)) {
        showNote(tr("Enter the server's web address, for example https://money.example.org"), true);
        return;
    }
    if (ServiceEndpoints::forServer(text).authBaseUrl == chosenServerUrl()) {
        m_note->hide();
        return;
    }
    setChosenServerUrl(text);
    m_edit->setText(chosenServerUrl());
    showNote(tr("The new server is used from the next start of Tovarly Pennibar."), false);
    emit serverChanged(chosenServerUrl());
}

void ServerField::useDefault()
{
    m_edit->clear();
    if (chosenServerUrl().isEmpty()) {
        m_note->hide();
        return;
    }
    setChosenServerUrl(QString());
    showNote(tr("Tovarly's servers are used from the next start of Tovarly Pennibar."), false);
    emit serverChanged(QString());
}

void ServerField::showNote(const QString& text, bool isError)
{
    m_note->setText(text);
    m_note->setStyleSheet(
        Styles::textColor(isError ? ThemeColors::negative() : ThemeColors::mutedText()));
    m_note->show();
}
