#include "ui/screens/import/importscreen.h"

#include "ui/screens/accountformdialog.h"
#include "ui/screens/import/csvmappingpanel.h"
#include "ui/screens/import/importsummary.h"
#include "ui/screens/import/qifmappingpanel.h"
#include "ui/theme/fontroles.h"
#include "ui/theme/styles.h"

#include "app/appstate.h"
#include "app/core/ids.h"
#include "data/accountrepository.h"
#include "services/import/importservice.h"
#include "services/ledger/accountservice.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace {

constexpr int analysisDialogDelayMs = 200;
constexpr int importDialogDelayMs = 500;

QString fileNameOf(const QString& path)
{
    return path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
}

} // namespace

ImportScreen::ImportScreen(AppState* appState, QWidget* parent)
    : QWidget(parent), m_appState(appState)
{
    m_pages = new QStackedWidget(this);
    buildForm();
    m_pages->addWidget(m_formPage);
    m_pages->addWidget(buildResultPage());

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_pages);
    reset();
}

void ImportScreen::buildForm()
{
    m_formPage = new QWidget(this);

    auto* title = new QLabel(tr("Import Transactions"), m_formPage);
    title->setProperty(FontRoles::weightProperty, int(QFont::Bold));
    applyFontRole(title, FontRoles::Heading);

    m_csvFormat = new QRadioButton(tr("CSV"), m_formPage);
    m_qifFormat = new QRadioButton(tr("QIF"), m_formPage);
    auto* formats = new QButtonGroup(m_formPage);
    formats->setExclusive(true);
    formats->addButton(m_csvFormat);
    formats->addButton(m_qifFormat);
    m_csvFormat->setChecked(true);
    connect(m_csvFormat, &QRadioButton::toggled, this, &ImportScreen::showFormat);
    auto* formatRow = new QHBoxLayout;
    formatRow->addWidget(m_csvFormat);
    formatRow->addWidget(m_qifFormat);
    formatRow->addStretch(1);

    m_account = new QComboBox(m_formPage);
    m_account->setObjectName(QStringLiteral("importAccount"));
    connect(m_account, &QComboBox::currentIndexChanged, this, &ImportScreen::showAccountCurrency);
    m_newAccount = new QPushButton(tr("New Account..."), m_formPage);
    m_newAccount->setObjectName(QStringLiteral("newImportAccount"));
    connect(m_newAccount, &QPushButton::clicked, this, &ImportScreen::createAccount);
    auto* accountRow = new QHBoxLayout;
    accountRow->addWidget(m_account, 1);
    accountRow->addWidget(m_newAccount);

    m_fileLabel = new QLabel(m_formPage);
    auto* browse = new QPushButton(tr("Browse..."), m_formPage);
    connect(browse, &QPushButton::clicked, this, &ImportScreen::selectFile);
    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(m_fileLabel, 1);
    fileRow->addWidget(browse);

    auto* form = new QFormLayout;
    auto* formatLabel = new QLabel(tr("&Format:"), m_formPage);
    formatLabel->setBuddy(m_csvFormat);
    form->addRow(formatLabel, formatRow);
    m_accountLabel = new QLabel(tr("&Account:"), m_formPage);
    m_accountLabel->setBuddy(m_account);
    form->addRow(m_accountLabel, accountRow);
    form->addRow(tr("File:"), fileRow);

    m_csvPanel = new CsvMappingPanel(m_formPage);
    m_qifPanel = new QifMappingPanel(m_formPage);
    m_qifPanel->hide();

    auto* import = new QPushButton(tr("Import"), m_formPage);
    import->setStyleSheet(Styles::primaryButton());
    connect(import, &QPushButton::clicked, this, &ImportScreen::runImport);

    auto* layout = new QVBoxLayout(m_formPage);
    layout->setContentsMargins(16, 16, 16, 16);
    layout->addWidget(title);
    layout->addLayout(form);
    layout->addSpacing(16);
    layout->addWidget(m_csvPanel, 1);
    layout->addWidget(m_qifPanel, 1);
    // Takes the room only while neither panel shows (QIF before its files are read), so that
    // the form stays at the top instead of spreading down the window.
    layout->addStretch(0);
    layout->addWidget(import, 0, Qt::AlignRight);
}

QWidget* ImportScreen::buildResultPage()
{
    auto* page = new QWidget(this);
    m_resultText = new QPlainTextEdit(page);
    m_resultText->setReadOnly(true);
    auto* done = new QPushButton(tr("Done"), page);
    connect(done, &QPushButton::clicked, this, [this] {
        emit importCompleted();
        reset();
        close();
    });

    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(16, 16, 16, 16);
    layout->addWidget(m_resultText, 1);
    layout->addWidget(done, 0, Qt::AlignHCenter);
    return page;
}

void ImportScreen::refresh()
{
    reset();
    fillAccounts(m_appState->currentAccountId());
}

void ImportScreen::reset()
{
    m_csvPath.clear();
    m_qifPaths.clear();
    setFileLabel(tr("No file selected"), QString());
    m_csvFormat->setChecked(true);
    m_csvPanel->clear();
    m_qifPanel->clear();
    m_qifPanel->hide();
    m_resultText->clear();
    m_pages->setCurrentWidget(m_formPage);
}

void ImportScreen::fillAccounts(const QString& selectedId)
{
    const QString kept = selectedId.isEmpty() ? m_account->currentData().toString() : selectedId;
    const QSignalBlocker block(m_account);
    m_account->clear();
    for (const Account& account : m_appState->accountRepository()->listAll())
        m_account->addItem(account.name, account.id);
    const int index = m_account->findData(kept);
    m_account->setCurrentIndex(index >= 0 ? index : 0);
    showAccountCurrency();
}

void ImportScreen::showAccountCurrency()
{
    m_csvPanel->setCurrency(
        m_appState->accountRepository()->currencyOf(m_account->currentData().toString()));
}

bool ImportScreen::isQif() const
{
    return m_qifFormat->isChecked();
}

void ImportScreen::showFormat()
{
    // The panel that goes is hidden first: both shown at once would stretch the window.
    const bool qif = isQif();
    if (!qif) {
        m_qifPanel->hide();
        m_qifPanel->clear();
    }
    m_accountLabel->setVisible(!qif);
    m_account->setVisible(!qif);
    m_newAccount->setVisible(!qif);
    m_csvPanel->setVisible(!qif);
}

void ImportScreen::setFileLabel(const QString& text, const QString& toolTip)
{
    m_fileLabel->setText(text);
    m_fileLabel->setToolTip(toolTip);
}

void ImportScreen::selectFile()
{
    if (isQif()) {
        const QStringList paths = QFileDialog::getOpenFileNames(this, tr("Select QIF File(s)"),
                                                                QString(), tr("QIF Files (*.qif)"));
        if (!paths.isEmpty())
            openQifFiles(paths);
        return;
    }
    const QString path = QFileDialog::getOpenFileName(this, tr("Select File"), QString(),
                                                      tr("CSV Files (*.csv);;All Files (*)"));
    if (!path.isEmpty())
        openCsvFile(path);
}

void ImportScreen::openCsvFile(const QString& path)
{
    m_csvPath = path;
    m_qifPaths.clear();
    setFileLabel(fileNameOf(path), path);
    // The preview decodes the bytes as the import will, so that it shows what will be stored.
    QFile file(path);
    const QString text = file.open(QIODevice::ReadOnly)
                             ? ImportService::decodeImportText(file.readAll())
                             : QString();
    m_csvPanel->load(text);
}

void ImportScreen::openQifFiles(const QStringList& paths)
{
    m_qifFormat->setChecked(true);
    m_qifPaths = paths;
    m_csvPath.clear();
    m_csvPanel->clear();
    if (paths.size() == 1)
        setFileLabel(fileNameOf(paths.first()), paths.first());
    else
        setFileLabel(tr("%n file(s) selected", nullptr, int(paths.size())),
                     paths.join(QLatin1Char('\n')));

    QProgressDialog progress(tr("Analyzing QIF file(s)..."), QString(), 0, 0, this);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(analysisDialogDelayMs);
    const QScopedValueRollback busy(m_busy, true);
    QCoreApplication::processEvents();
    const QifAnalysis analysis = m_appState->importService()->analyzeQif(paths);
    progress.close();

    m_qifPanel->clear();
    if (analysis.accounts.isEmpty())
        return;
    m_qifPanel->setSources(analysis.accounts, m_appState->accountRepository()->listAll());
    m_qifPanel->show();
}

void ImportScreen::runImport()
{
    if (isQif() ? m_qifPaths.isEmpty() : m_csvPath.isEmpty())
        return;
    if (!isQif() && m_account->count() == 0 && !createTargetAccount())
        return;
    const ImportResult result = importWithProgress();
    m_resultText->setPlainText(ImportSummary::text(result));
    m_pages->setCurrentIndex(1);
}

ImportResult ImportScreen::importWithProgress()
{
    const QScopedValueRollback busy(m_busy, true);
    // The mapping creates its new accounts before the progress shows.
    const QHash<QString, QString> mapping = isQif() ? qifMapping() : QHash<QString, QString>();

    QProgressDialog progress(tr("Importing..."), QString(), 0, 0, this);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(importDialogDelayMs);
    ImportService* service = m_appState->importService();
    const QMetaObject::Connection started =
        connect(service, &ImportService::importStarted, &progress, [&progress](int total) {
            progress.setMaximum(total);
            progress.setValue(0);
        });
    const QMetaObject::Connection advanced = connect(
        service, &ImportService::importProgress, &progress, [&progress](int current, int total) {
            progress.setMaximum(total);
            progress.setValue(current);
        });

    const ImportResult result =
        isQif() ? service->importQif(m_qifPaths, mapping)
                : service->importCsv(m_csvPath, m_account->currentData().toString(),
                                     m_csvPanel->options());
    disconnect(started);
    disconnect(advanced);
    progress.close();
    return result;
}

bool ImportScreen::createTargetAccount()
{
    const QMessageBox::StandardButton answer = QMessageBox::question(
        this, tr("No target account"), tr("Pick an account to import into, or create one now."),
        QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
    if (answer != QMessageBox::Yes)
        return false;
    return createAccount();
}

bool ImportScreen::createAccount()
{
    AccountFormDialog dialog(this);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    const Account account = dialog.account();
    if (account.name.isEmpty())
        return false;
    if (!m_appState->accountService()->create(account, dialog.openingDate())) {
        QMessageBox::warning(this, tr("New Account"), tr("The account could not be created."));
        return false;
    }
    fillAccounts(account.id);
    return true;
}

QHash<QString, QString> ImportScreen::qifMapping()
{
    QHash<QString, QString> mapping;
    for (const QifMappingPanel::Choice& choice : m_qifPanel->choices()) {
        if (choice.target == QifMappingPanel::skipChoice)
            mapping.insert(choice.source.key, QString());
        else if (choice.target == QifMappingPanel::createChoice)
            mapping.insert(choice.source.key, createAccountFor(choice.source));
        else
            mapping.insert(choice.source.key, choice.target);
    }
    return mapping;
}

QString ImportScreen::createAccountFor(const QifSourceAccount& source)
{
    Account account;
    account.id = newId();
    account.name =
        source.key == source.displayName ? source.key : QFileInfo(source.key).completeBaseName();
    if (account.name.isEmpty())
        account.name = source.displayName;
    account.accountType = source.suggestedType;
    // A failed insert leaves the source unmapped: its records are reported as skipped.
    return m_appState->accountService()->create(account, QDate::currentDate()) ? account.id
                                                                               : QString();
}

QString ImportScreen::resultText() const
{
    return m_resultText->toPlainText();
}

bool ImportScreen::isShowingResult() const
{
    return m_pages->currentIndex() == 1;
}
