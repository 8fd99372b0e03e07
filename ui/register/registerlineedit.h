#pragma once

#include <QLineEdit>

// The register's text cell editor. Return or Enter on an open completion popup takes the
// highlighted suggestion and stays in the cell, instead of also moving to the next field.
class RegisterLineEdit : public QLineEdit
{
    Q_OBJECT

public:
    explicit RegisterLineEdit(QWidget* parent = nullptr);

protected:
    bool event(QEvent* event) override;
};
