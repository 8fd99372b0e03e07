#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

// Which server the app signs in to, syncs with and takes its updates from: one base URL of a
// pennibar-server, or the maker's when left empty. Kept in the per-machine settings and used
// from the next start; an endpoint set in the environment still wins and is said so.
class ServerField : public QWidget
{
    Q_OBJECT

public:
    explicit ServerField(QWidget* parent = nullptr);

    QLineEdit* edit() const { return m_edit; }

signals:
    void serverChanged(const QString& baseUrl);

private:
    void commit();
    void useDefault();
    void showNote(const QString& text, bool isError);

    QLineEdit* m_edit;
    QPushButton* m_defaultButton;
    QLabel* m_note;
};
