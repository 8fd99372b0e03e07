#include "data/accountrepository.h"
#include "data/transactionrepository.h"
#include "tests/common/testapp.h"
#include "tests/common/testrecords.h"
#include "ui/screens/import/csvmappingpanel.h"
#include "ui/screens/import/csvpreviewmodel.h"
#include "ui/screens/import/importscreen.h"
#include "ui/screens/import/importsummary.h"
#include "ui/screens/import/qifmappingpanel.h"
#include "ui/shell/mainwindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFile>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

// The import screen: choosing files and their mapping, the question when there is no account to
// import into, and the summary it shows; and the main window's entry that opens it.
class TestImportScreen : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestApp> m_app;
    std::unique_ptr<ImportScreen> m_screen;
    std::unique_ptr<QTemporaryDir> m_files;

    QString writeFile(const QString& name, const QByteArray& bytes)
    {
        const QString path = m_files->filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            return QString();
        file.write(bytes);
        return path;
    }

    void addAccount(const QString& id, const QString& name, Currency currency = Currency::USD)
    {
        QVERIFY(m_app->state()->accountRepository()->insert(testAccount(id, name, 0, currency)));
    }

    QComboBox* combo(const char* name) const
    {
        return m_screen->csvPanel()->findChild<QComboBox*>(QLatin1String(name));
    }

    QList<int> columnChoices() const
    {
        return {combo("dateColumn")->currentData().toInt(),
                combo("payeeColumn")->currentData().toInt(),
                combo("amountColumn")->currentData().toInt()};
    }

    void chooseFormat(bool qif)
    {
        const QList<QRadioButton*> formats = m_screen->findChildren<QRadioButton*>();
        (qif ? formats.last() : formats.first())->setChecked(true);
    }

    void clickDone()
    {
        for (QPushButton* button : m_screen->findChildren<QPushButton*>()) {
            if (button->text() == QLatin1String("Done"))
                button->click();
        }
    }

private slots:
    void init();
    void cleanup();

    void columnChoicesAcrossFiles_data();
    void columnChoicesAcrossFiles();
    void columnsNamedAfterTheTableBelowItsPreamble();
    void previewReadsRowsAsTheImportWill();
    void qifAccountPreselectedIgnoringCase();
    void fileWithoutAccountHeadersCreatesAnAccount();
    void noTargetAccount_data();
    void noTargetAccount();
    void newAccountFromTheWindow_data();
    void newAccountFromTheWindow();
    void reopeningForgetsTheCsvMapping();
    void headerFoundByWhatTheRowsHold();
    void formStaysAtTheTop_data();
    void formStaysAtTheTop();
    void summary_data();
    void summary();
    void mainWindowOpensTheScreen();
    void mainWindowOpensQifFilesFromOutside();
};

void TestImportScreen::init()
{
    m_app = std::make_unique<TestApp>();
    QVERIFY(m_app->isReady());
    m_files = std::make_unique<QTemporaryDir>();
    m_screen = std::make_unique<ImportScreen>(m_app->state());
    m_screen->resize(650, 600);
    m_screen->show();
}

void TestImportScreen::cleanup()
{
    m_screen.reset();
    m_files.reset();
    m_app.reset();
}

void TestImportScreen::columnChoicesAcrossFiles_data()
{
    QTest::addColumn<QByteArray>("secondFile");
    QTest::addColumn<QList<int>>("choices"); // date, payee, amount

    QTest::newRow("same column count keeps the choices")
        << QByteArray("A,B,C,D\n1,2,3,4\n") << QList<int>{3, 0, 1};
    QTest::newRow("another count resets them")
        << QByteArray("A,B,C,D,E\n1,2,3,4,5\n") << QList<int>{0, 1, 2};
    QTest::newRow("two columns keep what still fits")
        << QByteArray("A,B\n1,2\n") << QList<int>{0, 0, 1};
}

void TestImportScreen::columnChoicesAcrossFiles()
{
    QFETCH(QByteArray, secondFile);
    QFETCH(QList<int>, choices);

    m_screen->refresh();
    m_screen->openCsvFile(writeFile("first.csv", "Amount,Memo,Payee,Date\n1,x,Shop,1/2/24\n"));
    QCOMPARE(columnChoices(), (QList<int>{0, 1, 2}));
    QCOMPARE(combo("dateColumn")->itemText(3), QString("Col 3: Date"));
    combo("dateColumn")->setCurrentIndex(3);
    combo("payeeColumn")->setCurrentIndex(0);
    combo("amountColumn")->setCurrentIndex(1);

    m_screen->openCsvFile(writeFile("second.csv", secondFile));
    QCOMPARE(columnChoices(), choices);
    QCOMPARE(combo("memoColumn")->itemData(0).toInt(), -1);
}

void TestImportScreen::columnsNamedAfterTheTableBelowItsPreamble()
{
    m_screen->openCsvFile(writeFile("bank.csv", "Konto;DE12 3456\nSaldo;1.234,00 EUR\n"
                                                "Datum;Empfänger;Betrag;Saldo\n"
                                                "02.01.2024;Bäckerei;-4,80;1.229,20\n"));
    QCOMPARE(combo("delimiter")->currentData().toString(), QString(";"));
    QCOMPARE(m_screen->csvPanel()->findChild<QSpinBox*>("headerRow")->value(), 3);
    QCOMPARE(combo("amountColumn")->currentText(), QString("Col 2: Betrag"));
    const CsvImportOptions options = m_screen->csvPanel()->options();
    QCOMPARE(options.skippedRows, 2);
    QCOMPARE(options.delimiter, QChar(';'));
    QCOMPARE(options.dateFormat, QString()); // Auto-detect
}

void TestImportScreen::previewReadsRowsAsTheImportWill()
{
    addAccount("yen", "Tokyo", Currency::JPY);
    m_screen->refresh();
    m_screen->openCsvFile(writeFile("tokyo.csv", "Date,Payee,Amount\n03/04/2024,Konbini,-1500\n"
                                                 "13/04/2024,Ramen,-980\nsoon,Later,-1\n"
                                                 "14/04/2024,Bank,ten\n"));
    const CsvPreviewModel* model = m_screen->csvPanel()->previewModel();
    const auto cell = [model](int row, int column, int role = Qt::DisplayRole) {
        return model->data(model->index(row, column), role);
    };
    const int fileColumns = CsvPreviewModel::ReadingColumns;

    // Dates of the whole column are read day-first, because of 13/04; amounts in yen.
    QCOMPARE(cell(1, CsvPreviewModel::DateColumn).toString(), QString("2024-04-03"));
    QCOMPARE(cell(1, CsvPreviewModel::AmountColumn).toString(), QString("-¥1,500"));
    QCOMPARE(cell(2, CsvPreviewModel::PayeeColumn).toString(), QString("Ramen"));
    QVERIFY(!cell(1, fileColumns + 0, Qt::BackgroundRole).isValid());
    // The undatable row and the row without an amount are marked where they fail.
    QVERIFY(cell(3, CsvPreviewModel::DateColumn, Qt::BackgroundRole).isValid());
    QVERIFY(cell(3, fileColumns + 0, Qt::BackgroundRole).isValid());
    QVERIFY(!cell(3, fileColumns + 2, Qt::BackgroundRole).isValid());
    QVERIFY(cell(4, CsvPreviewModel::AmountColumn, Qt::BackgroundRole).isValid());
    QVERIFY(cell(4, fileColumns + 2, Qt::BackgroundRole).isValid());
    // The header row is not read as a transaction.
    QVERIFY(!cell(0, CsvPreviewModel::DateColumn).isValid());
    QCOMPARE(cell(0, fileColumns + 1).toString(), QString("Payee"));

    const QString summary = m_screen->csvPanel()->findChild<QLabel*>("csvSummary")->text();
    QVERIFY2(summary.startsWith("2 row(s) to import; 2 row(s) cannot be read"),
             qPrintable(summary));
    QVERIFY2(summary.endsWith("dates read as dd/MM/yyyy"), qPrintable(summary));
}

void TestImportScreen::qifAccountPreselectedIgnoringCase()
{
    addAccount("chk", "Everyday Checking");
    addAccount("sav", "Savings");
    m_screen->refresh();
    chooseFormat(true);
    m_screen->openQifFiles({writeFile("all.qif", "!Account\nNeveryday CHECKING\n^\n!Type:Bank\n"
                                                 "D1/2/24\nT-5\n^\n!Account\nNHoliday Fund\n^\n"
                                                 "!Type:Bank\nD1/3/24\nT5\n^\n")});

    const auto* rows = m_screen->qifPanel()->findChild<QFormLayout*>("qifMapRowsLayout");
    QVERIFY(rows);
    QCOMPARE(rows->rowCount(), 2);
    QVERIFY(m_screen->qifPanel()->isVisible());
    QComboBox* checking = m_screen->qifPanel()->comboFor("everyday CHECKING");
    QCOMPARE(checking->currentData().toString(), QString("chk"));
    QComboBox* holiday = m_screen->qifPanel()->comboFor("Holiday Fund");
    QCOMPARE(holiday->currentData().toString(), QifMappingPanel::createChoice);
    QCOMPARE(holiday->itemText(0), QString("\u2014 Create new account \"Holiday Fund\" \u2014"));
    QCOMPARE(holiday->itemData(1).toString(), QifMappingPanel::skipChoice);

    // Switching back to CSV empties the mapping.
    chooseFormat(false);
    QCOMPARE(rows->rowCount(), 0);
    QVERIFY(!m_screen->qifPanel()->isVisible());
}

void TestImportScreen::fileWithoutAccountHeadersCreatesAnAccount()
{
    m_screen->refresh();
    chooseFormat(true);
    const QString path =
        writeFile("card export.qif", "D03/04/2024\nT-5\nPCoffee\n^\nD03/05/2024\nT-6\nPTea\n^\n");
    m_screen->openQifFiles({path});
    QComboBox* choice = m_screen->qifPanel()->comboFor(path);
    QVERIFY(choice);
    QCOMPARE(choice->currentText(),
             QString("\u2014 Create new account \"card export.qif\" \u2014"));

    QSignalSpy completed(m_screen.get(), &ImportScreen::importCompleted);
    m_screen->runImport();
    QVERIFY(m_screen->isShowingResult());
    const QList<Account> accounts = m_app->state()->accountRepository()->listAll();
    QCOMPARE(accounts.size(), 1);
    QCOMPARE(accounts.first().name, QString("card export"));
    QCOMPARE(m_app->state()->transactionRepository()->listByAccount(accounts.first().id).size(), 2);

    // Done tells the main window to reload, empties the screen and closes it.
    clickDone();
    QCOMPARE(completed.count(), 1);
    QVERIFY(!m_screen->isShowingResult());
    QVERIFY(!m_screen->isVisible());
    QVERIFY(m_screen->findChildren<QRadioButton*>().first()->isChecked());
    QVERIFY(!m_screen->qifPanel()->comboFor(path));
}

void TestImportScreen::noTargetAccount_data()
{
    QTest::addColumn<bool>("create");
    QTest::newRow("answered No imports nothing") << false;
    QTest::newRow("answered Yes imports into the new account") << true;
}

void TestImportScreen::noTargetAccount()
{
    QFETCH(bool, create);
    m_screen->refresh();
    QCOMPARE(m_screen->accountCombo()->count(), 0);
    m_screen->openCsvFile(writeFile("bank.csv", "Date,Payee,Amount\n01/15/2024,Market,-12.50\n"));

    QString question;
    answerNextMessageBox(create ? QMessageBox::Yes : QMessageBox::No, &question);
    if (create) {
        // The account form opens after the question: name the account and accept it.
        QTimer::singleShot(0, [] {
            whenModalOpens([](QWidget* form) {
                if (qobject_cast<QMessageBox*>(form))
                    return;
                form->findChild<QLineEdit*>()->setText(QStringLiteral("Imported"));
                qobject_cast<QDialog*>(form)->accept();
            });
        });
    }
    m_screen->runImport();
    QCOMPARE(question, QString("Pick an account to import into, or create one now."));

    const QList<Account> accounts = m_app->state()->accountRepository()->listAll();
    QCOMPARE(accounts.size(), create ? 1 : 0);
    QCOMPARE(m_screen->isShowingResult(), create);
    if (create) {
        QCOMPARE(accounts.first().name, QString("Imported"));
        QCOMPARE(m_screen->accountCombo()->currentData().toString(), accounts.first().id);
        QCOMPARE(m_app->state()->transactionRepository()->listByAccount(accounts.first().id).size(),
                 1);
    }
}

void TestImportScreen::newAccountFromTheWindow_data()
{
    QTest::addColumn<bool>("accept");
    QTest::newRow("accepted: the new account is the one imported into") << true;
    QTest::newRow("cancelled: nothing changes") << false;
}

void TestImportScreen::newAccountFromTheWindow()
{
    QFETCH(bool, accept);
    addAccount("chk", "Checking");
    m_screen->refresh();
    auto* newAccount = m_screen->findChild<QPushButton*>("newImportAccount");
    QVERIFY(newAccount && newAccount->isVisible());
    QCOMPARE(newAccount->text(), QString("New Account..."));

    whenModalOpens([accept](QWidget* form) {
        form->findChild<QLineEdit*>()->setText(QStringLiteral("Holiday Fund"));
        accept ? qobject_cast<QDialog*>(form)->accept() : qobject_cast<QDialog*>(form)->reject();
    });
    newAccount->click();

    const QList<Account> accounts = m_app->state()->accountRepository()->listAll();
    QCOMPARE(accounts.size(), accept ? 2 : 1);
    QCOMPARE(m_screen->accountCombo()->count(), accounts.size());
    QCOMPARE(m_screen->accountCombo()->currentText(),
             QString(accept ? "Holiday Fund" : "Checking"));

    // QIF files name their own targets, row by row.
    chooseFormat(true);
    QVERIFY(!newAccount->isVisible());
}

// A window opened again shows no columns of the file it showed before.
void TestImportScreen::reopeningForgetsTheCsvMapping()
{
    m_screen->refresh();
    m_screen->openCsvFile(writeFile("bank.csv", "Datum;Text;Betrag;Saldo\n"
                                                "02.01.2024;Laden;-1,50;10,00\n"));
    combo("amountColumn")->setCurrentIndex(3);
    combo("dateFormat")->setCurrentIndex(2);
    QVERIFY(combo("dateColumn")->count() > 0);

    m_screen->refresh();
    for (const char* name : {"dateColumn", "payeeColumn", "amountColumn", "withdrawalColumn",
                             "depositColumn", "memoColumn", "categoryColumn"})
        QVERIFY2(combo(name)->count() == 0, name);
    const CsvImportOptions options = m_screen->csvPanel()->options();
    QCOMPARE(options.delimiter, QChar(','));
    QCOMPARE(options.dateFormat, QString());
    QCOMPARE(options.skippedRows, 0);
    QVERIFY(options.hasHeader);
    QCOMPARE(m_screen->csvPanel()->previewModel()->rowCount(), 0);
}

void TestImportScreen::headerFoundByWhatTheRowsHold()
{
    m_screen->refresh();
    auto* hasHeader = m_screen->csvPanel()->findChild<QCheckBox*>();
    m_screen->openCsvFile(writeFile("plain.csv", "01/15/2024,Market,-12.50\n"
                                                 "01/16/2024,Shop,-1.00\n"));
    QVERIFY(!hasHeader->isChecked());
    QVERIFY(!m_screen->csvPanel()->options().hasHeader);
    QVERIFY(m_screen->csvPanel()
                ->findChild<QLabel*>("csvSummary")
                ->text()
                .startsWith("2 row(s) to import"));

    m_screen->openCsvFile(writeFile("named.csv", "Buchungstag;Empfänger;Betrag;\n"
                                                 "03.01.2024;Bäckerei;-4,80\n"));
    QVERIFY(hasHeader->isChecked());
    QVERIFY(m_screen->csvPanel()
                ->findChild<QLabel*>("csvSummary")
                ->text()
                .startsWith("1 row(s) to import"));
}

void TestImportScreen::formStaysAtTheTop_data()
{
    QTest::addColumn<bool>("qif");
    QTest::addColumn<bool>("withFile");
    QTest::newRow("CSV, no file") << false << false;
    QTest::newRow("CSV with a file") << false << true;
    QTest::newRow("QIF, no file") << true << false;
    QTest::newRow("QIF with a file") << true << true;
}

void TestImportScreen::formStaysAtTheTop()
{
    QFETCH(bool, qif);
    QFETCH(bool, withFile);
    addAccount("chk", "Checking");
    m_screen->resize(1024, 700);
    m_screen->refresh();
    chooseFormat(qif);
    if (withFile && qif)
        m_screen->openQifFiles({writeFile("a.qif", "!Account\nNChecking\n^\n!Type:Bank\n"
                                                   "D1/2/24\nT-5\n^\n")});
    else if (withFile)
        m_screen->openCsvFile(writeFile("a.csv", "Date,Payee,Amount\n1/2/24,Shop,-5\n"));
    QApplication::processEvents();

    QLabel* title = nullptr;
    for (QLabel* label : m_screen->findChildren<QLabel*>()) {
        if (label->text() == QLatin1String("Import Transactions"))
            title = label;
    }
    QVERIFY(title);
    // The title keeps its own height at the top, the format choice right below it.
    QCOMPARE(title->height(), title->sizeHint().height());
    QVERIFY(title->y() <= 16);
    const QRadioButton* csv = m_screen->findChildren<QRadioButton*>().first();
    const int below = csv->mapTo(m_screen.get(), QPoint(0, 0)).y() - title->geometry().bottom();
    QVERIFY2(below < 24, qPrintable(QString::number(below)));
}

void TestImportScreen::summary_data()
{
    QTest::addColumn<ImportResult>("result");
    QTest::addColumn<QString>("text");

    ImportResult csv;
    csv.imported = 1;
    csv.unparseable = 2;
    QTest::newRow("only the counters above zero")
        << csv
        << "Import complete!\n\n1 transaction(s) imported\n2 record(s) skipped (unparseable)";
    ImportResult nothing;
    QTest::newRow("nothing imported still says so")
        << nothing << "Import complete!\n\n0 transaction(s) imported";
    ImportResult qif;
    qif.imported = 5;
    qif.transfersLinked = 2;
    qif.retroactiveLinks = 1;
    qif.duplicates = 1;
    qif.metadataSkipped = 3;
    qif.unmappedSkipped = 4;
    qif.failedInserts = 1;
    QTest::newRow("every counter")
        << qif
        << "Import complete!\n\n5 transaction(s) imported\n2 transfer(s) linked across accounts\n"
           "  (including 1 linked to previously imported row(s))\n1 duplicate(s) skipped\n"
           "3 metadata record(s) skipped\n4 record(s) skipped (unmapped source account)\n"
           "1 record(s) skipped (database error \u2014 see log)";
    ImportResult linkedNow;
    linkedNow.transfersLinked = 1;
    QTest::newRow("no retroactive line without retroactive links")
        << linkedNow
        << "Import complete!\n\n0 transaction(s) imported\n"
           "1 transfer(s) linked across accounts";
    ImportResult aborted = qif;
    aborted.aborted = true;
    QTest::newRow("aborted") << aborted
                             << "Import failed.\n\nA database error stopped the import and all "
                                "changes were rolled back. No transactions were added.";
}

void TestImportScreen::summary()
{
    QFETCH(ImportResult, result);
    QFETCH(QString, text);
    QCOMPARE(ImportSummary::text(result), text);
}

void TestImportScreen::mainWindowOpensTheScreen()
{
    addAccount("chk", "Checking");
    MainWindow window(m_app->state());
    window.show();
    QAction* entry = nullptr;
    for (QAction* action : window.menuBar()->findChildren<QAction*>()) {
        if (action->text() == QLatin1String("&Import..."))
            entry = action;
    }
    QVERIFY(entry && entry->isEnabled());
    entry->trigger();
    auto* screen = window.findChild<ImportScreen*>();
    QVERIFY(screen && screen->isVisible() && screen->isWindow());
    QCOMPARE(screen->windowTitle(), QString("Import Transactions"));
    QCOMPARE(screen->size(), QSize(650, 600));
    QCOMPARE(screen->accountCombo()->currentData().toString(), QString("chk"));

    // The same screen comes back, emptied, on the next opening.
    screen->openCsvFile(writeFile("bank.csv", "Date,Payee,Amount\n01/15/2024,Market,-12.50\n"));
    screen->runImport();
    QVERIFY(screen->isShowingResult());
    QCOMPARE(screen->resultText(), QString("Import complete!\n\n1 transaction(s) imported"));
    entry->trigger();
    QCOMPARE(window.findChildren<ImportScreen*>().size(), 1);
    QVERIFY(!screen->isShowingResult());
}

// Files the program is started with, or that a later start hands over.
void TestImportScreen::mainWindowOpensQifFilesFromOutside()
{
    addAccount("chk", "Everyday Checking");
    MainWindow window(m_app->state());
    window.show();
    const QString first = writeFile("first.qif", "!Account\nNEveryday Checking\n^\n!Type:Bank\n"
                                                 "D1/2/24\nT-5\nPCoffee\n^\n");
    const QString second = writeFile("second.qif", "!Account\nNHoliday Fund\n^\n!Type:Bank\n"
                                                   "D1/3/24\nT5\nPGift\n^\n");

    // A request that comes while the files are being read is refused, to be made again later:
    // the screen keeps to the files it reads.
    bool openedDuringReading = true;
    QTimer::singleShot(0, &window, [&] { openedDuringReading = window.openQifFiles({second}); });
    QVERIFY(window.openQifFiles({first}));
    QVERIFY(!openedDuringReading);

    ImportScreen* screen = window.importScreen();
    QVERIFY(screen && screen->isVisible() && screen->isWindow());
    QCOMPARE(screen->windowTitle(), QString("Import Transactions"));
    QVERIFY(screen->findChildren<QRadioButton*>().last()->isChecked()); // QIF
    QVERIFY(screen->qifPanel()->isVisible());
    QCOMPARE(screen->qifPanel()->comboFor("Everyday Checking")->currentData().toString(),
             QString("chk"));
    QVERIFY(!screen->qifPanel()->comboFor("Holiday Fund"));

    // Nor does a request change anything under an open dialog.
    bool openedUnderDialog = true;
    whenModalOpens([&](QWidget* modal) {
        openedUnderDialog = window.openQifFiles({second});
        modal->close();
    });
    QMessageBox::information(&window, "Busy", "A dialog is open");
    QVERIFY(!openedUnderDialog);
    QVERIFY(screen->qifPanel()->comboFor("Everyday Checking"));

    // Once free, the import window turns to the files asked for, even from its summary.
    screen->runImport();
    QVERIFY(screen->isShowingResult());
    QVERIFY(window.openQifFiles({second}));
    QVERIFY(!screen->isShowingResult());
    QVERIFY(screen->qifPanel()->comboFor("Holiday Fund"));
    QVERIFY(!screen->qifPanel()->comboFor("Everyday Checking"));
}

QTEST_MAIN(TestImportScreen)
#include "tst_importscreen.moc"
