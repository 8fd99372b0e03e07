#pragma once

#include "services/import/importresult.h"

#include <QHash>
#include <QStringList>
#include <QWidget>

class AppState;
class CsvMappingPanel;
class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class QifMappingPanel;
struct QifSourceAccount;

// Imports a CSV file into one account, or QIF files with one target per source account:
// the user picks the file(s) and the mapping, the import runs behind a progress dialog, and a
// summary page says what it did. The main window keeps one screen and refreshes it on every
// opening.
class ImportScreen : public QWidget
{
    Q_OBJECT

public:
    explicit ImportScreen(AppState* appState, QWidget* parent = nullptr);

    // Back to an empty form, with the account list read again.
    void refresh();

    // What selectFile() does once the file dialog has given the path(s).
    void openCsvFile(const QString& path);
    void openQifFiles(const QStringList& paths);

    CsvMappingPanel* csvPanel() const { return m_csvPanel; }
    QifMappingPanel* qifPanel() const { return m_qifPanel; }
    QComboBox* accountCombo() const { return m_account; }
    QString resultText() const;
    bool isShowingResult() const;
    // Reading QIF files or importing: both let events run, and the screen must not be reset
    // from under them.
    bool isBusy() const { return m_busy; }

signals:
    void importCompleted();

public slots:
    void selectFile();
    void runImport();

private:
    void buildForm();
    QWidget* buildResultPage();
    void reset();
    void fillAccounts(const QString& selectedId);
    void showFormat();
    bool isQif() const;
    void setFileLabel(const QString& text, const QString& toolTip);
    void showAccountCurrency();
    // Asks for an account when there is none to import a CSV file into; false to stop.
    bool createTargetAccount();
    // The account form; a new account is stored and becomes the one imported into. False when
    // none was made.
    bool createAccount();
    QHash<QString, QString> qifMapping();
    QString createAccountFor(const QifSourceAccount& source);
    ImportResult importWithProgress();

    AppState* m_appState;
    QString m_csvPath;
    QStringList m_qifPaths;
    bool m_busy = false;

    QStackedWidget* m_pages = nullptr;
    QWidget* m_formPage = nullptr;
    QRadioButton* m_csvFormat = nullptr;
    QRadioButton* m_qifFormat = nullptr;
    QLabel* m_accountLabel = nullptr;
    QComboBox* m_account = nullptr;
    QPushButton* m_newAccount = nullptr;
    QLabel* m_fileLabel = nullptr;
    CsvMappingPanel* m_csvPanel = nullptr;
    QifMappingPanel* m_qifPanel = nullptr;
    QPlainTextEdit* m_resultText = nullptr;
};
