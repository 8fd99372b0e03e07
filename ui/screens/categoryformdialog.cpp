#include "ui/screens/categoryformdialog.h"

#include "app/core/ids.h"
#include "app/core/isodates.h"
#include "app/core/singleline.h"
#include "data/enumerations.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

CategoryFormDialog::CategoryFormDialog(const QString& parentId, const QString& parentName,
                                       QWidget* parent)
    : QDialog(parent), m_parentId(parentId)
{
    setWindowTitle(parentId.isEmpty() ? tr("New Category") : tr("New Subcategory"));
    buildForm(parentName);
}

CategoryFormDialog::CategoryFormDialog(const Category& category, const QString& parentName,
                                       QWidget* parent)
    : QDialog(parent), m_category(category), m_parentId(category.parentId), m_editing(true)
{
    setWindowTitle(tr("Edit Category"));
    buildForm(parentName);
    m_name->setText(category.name);
    const int typeIndex = m_type->findData(Enumerations::storageString(category.categoryType));
    if (typeIndex >= 0)
        m_type->setCurrentIndex(typeIndex);
    m_taxRelevant->setChecked(category.isTaxRelevant);
    m_taxCode->setText(category.taxCategory);
    updateTaxCodeState();
}

void CategoryFormDialog::buildForm(const QString& parentName)
{
    setMinimumWidth(420);
    auto* form = new QFormLayout;

    if (!parentName.isEmpty()) {
        auto* parentLabel = new QLabel(parentName, this);
        parentLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
        form->addRow(tr("&Parent:"), parentLabel);
    }

    m_name = new QLineEdit(this);
    m_name->setPlaceholderText(tr("Category name"));
    form->addRow(tr("&Name:"), m_name);

    m_type = new QComboBox(this);
    m_type->addItem(tr("Expense"), QStringLiteral("expense"));
    m_type->addItem(tr("Income"), QStringLiteral("income"));
    form->addRow(tr("&Type:"), m_type);

    m_taxRelevant = new QCheckBox(tr("Tax-relevant"), this);
    m_taxRelevant->setToolTip(tr("Mark this category for inclusion in tax-time reports."));
    form->addRow(QString(), m_taxRelevant);

    m_taxCode = new QLineEdit(this);
    m_taxCode->setPlaceholderText(tr("e.g. charitable_contributions, mortgage_interest"));
    m_taxCodeLabel = new QLabel(tr("Tax &Code:"), this);
    m_taxCodeLabel->setBuddy(m_taxCode);
    form->addRow(m_taxCodeLabel, m_taxCode);

    connect(m_taxRelevant, &QCheckBox::toggled, this, [this](bool checked) {
        if (!checked)
            m_taxCode->clear();
        updateTaxCodeState();
    });
    updateTaxCodeState();

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    m_name->setFocus();
}

void CategoryFormDialog::updateTaxCodeState()
{
    const bool enabled = m_taxRelevant->isChecked();
    m_taxCodeLabel->setEnabled(enabled);
    m_taxCode->setEnabled(enabled);
}

Category CategoryFormDialog::category() const
{
    Category category = m_category;
    if (!m_editing) {
        category.id = newId();
        category.createdAt = nowUtc();
    }
    category.name = singleLine(m_name->text()).trimmed();
    category.categoryType = Enumerations::categoryTypeFromStorage(m_type->currentData().toString());
    category.parentId = m_parentId;
    category.isTaxRelevant = m_taxRelevant->isChecked();
    category.taxCategory =
        category.isTaxRelevant ? singleLine(m_taxCode->text()).trimmed() : QString();
    category.updatedAt = nowUtc();
    category.syncStatus = SyncStatus::Pending;
    return category;
}
