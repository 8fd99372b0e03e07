#pragma once

#include <QComboBox>

// The register's category cell editor; the delegate configures it.
class RegisterComboBox : public QComboBox
{
    Q_OBJECT

public:
    explicit RegisterComboBox(QWidget* parent = nullptr);
};
