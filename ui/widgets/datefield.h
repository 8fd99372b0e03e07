#pragma once

#include <QDate>
#include <QLineEdit>

// The date field of the forms: the register's date shortcuts and calendar, and a text that is
// read when the field loses the focus. Text that is no date reverts to the stored date.
class DateField : public QLineEdit
{
    Q_OBJECT
    Q_PROPERTY(QDate date READ date WRITE setDate NOTIFY dateChanged)

public:
    explicit DateField(QWidget* parent = nullptr);

    QDate date() const { return m_date; }
    // Stores and shows a different date and announces it; the same date changes nothing.
    void setDate(const QDate& date);

signals:
    void dateChanged(const QDate& date);

public slots:
    void openCalendarPopup();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    QDate m_date;
};
