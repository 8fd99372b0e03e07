#pragma once

#include "data/category.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

// Creates or edits a category or, under a parent, a subcategory. It writes nothing: the caller
// stores category().
class CategoryFormDialog : public QDialog
{
    Q_OBJECT

public:
    CategoryFormDialog(const QString& parentId, const QString& parentName,
                       QWidget* parent = nullptr);
    CategoryFormDialog(const Category& category, const QString& parentName,
                       QWidget* parent = nullptr);

    Category category() const;

private:
    void buildForm(const QString& parentName);
    void updateTaxCodeState();

    Category m_category;
    QString m_parentId;
    bool m_editing = false;
    QLineEdit* m_name = nullptr;
    QComboBox* m_type = nullptr;
    QCheckBox* m_taxRelevant = nullptr;
    QLabel* m_taxCodeLabel = nullptr;
    QLineEdit* m_taxCode = nullptr;
};
