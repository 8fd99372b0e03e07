#pragma once

#include "services/import/qif/qiftypes.h"

#include "data/account.h"

#include <QWidget>

class QComboBox;
class QFormLayout;

// One row per source account of the chosen QIF files: create a new account for it, skip its
// transactions, or import them into an existing account (preselected when one has its name).
class QifMappingPanel : public QWidget
{
    Q_OBJECT

public:
    static const QString createChoice; // "__create__"
    static const QString skipChoice;   // "__skip__"

    struct Choice
    {
        QifSourceAccount source;
        QString target; // createChoice, skipChoice or an account id
    };

    explicit QifMappingPanel(QWidget* parent = nullptr);

    void setSources(const QList<QifSourceAccount>& sources, const QList<Account>& accounts);
    void clear();
    QList<Choice> choices() const;
    QComboBox* comboFor(const QString& sourceKey) const;

private:
    struct Row
    {
        QifSourceAccount source;
        QComboBox* combo = nullptr;
    };

    QFormLayout* m_rowsLayout = nullptr;
    QList<Row> m_rows;
};
