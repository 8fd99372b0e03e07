#include "ui/widgets/categorycombobox.h"

#include "data/categoryrepository.h"

#include <QCompleter>
#include <QHash>

CategoryComboBox::CategoryComboBox(const Choices& choices, QWidget* parent) : QComboBox(parent)
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    for (const auto& [id, name] : choices)
        addItem(name, id);

    auto* completer = new QCompleter(model(), this);
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    completer->setFilterMode(Qt::MatchContains);
    completer->setCompletionMode(QCompleter::PopupCompletion);
    setCompleter(completer);
    // Names may differ only in case ("Gifts" and "gifts"); the exact text decides. When the
    // combo already took the chosen row itself, that row stays: it may be the second of two
    // categories with the same name.
    connect(completer, qOverload<const QString&>(&QCompleter::activated), this,
            [this](const QString& text) {
                if (itemText(currentIndex()) == text)
                    return;
                const int item = findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
                if (item >= 0)
                    setCurrentIndex(item);
            });
    setCurrentIndex(0);
}

CategoryComboBox::Choices CategoryComboBox::choices(const CategoryRepository* categories,
                                                    Naming naming)
{
    Choices result{{QString(), tr("(none)")}};
    const QList<Category> all = categories->listAll();
    QHash<QString, QString> names;
    for (const Category& category : all)
        names.insert(category.id, category.name);
    for (const Category& category : all) {
        QString shown = category.name;
        if (naming == Naming::ParentPath && !category.parentId.isEmpty() &&
            names.contains(category.parentId))
            shown = QStringLiteral("%1 > %2").arg(names.value(category.parentId), category.name);
        result.append({category.id, shown});
    }
    return result;
}

QString CategoryComboBox::currentCategoryId() const
{
    return currentData().toString();
}

bool CategoryComboBox::selectCategoryId(const QString& categoryId)
{
    const int item = findData(categoryId);
    if (item < 0)
        return false;
    setCurrentIndex(item);
    return true;
}

QString CategoryComboBox::shownCategoryId() const
{
    const QString shown = currentText();
    if (currentIndex() >= 0 && itemText(currentIndex()) == shown)
        return currentCategoryId();
    const int item = findText(shown, Qt::MatchExactly | Qt::MatchCaseSensitive);
    return item >= 0 ? itemData(item).toString() : QString();
}
