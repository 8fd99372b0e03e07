#pragma once

#include <QDate>
#include <QLineEdit>

// The register's date cell editor: single-key date shortcuts (see applyDateShortcut), digits
// and "/" typed as usual, and a calendar on F4, Alt+Down or the trailing calendar button.
// The typed text is read back with parseDateText.
class SmartDateEdit : public QLineEdit
{
    Q_OBJECT
    Q_PROPERTY(QDate date READ date WRITE setDate)

public:
    explicit SmartDateEdit(QWidget* parent = nullptr);

    QDate date() const { return m_date; }
    // Stores the date and shows it.
    void setDate(const QDate& date);
    // Shows the stored date as "M/d/yyyy", all selected so that typing replaces it.
    void showDate();

public slots:
    void openCalendarPopup();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QDate m_date;
};
