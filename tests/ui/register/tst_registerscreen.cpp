#include "app/core/money.h"
#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/preferencesrepository.h"
#include "data/recurringrepository.h"
#include "data/splitlinerepository.h"
#include "data/transactionrepository.h"
#include "tests/common/testapp.h"
#include "tests/common/testrecords.h"
#include "ui/register/registermodel.h"
#include "ui/register/registerscreen.h"
#include "ui/register/registertableview.h"
#include "ui/transactions/splitlineswidget.h"

#include <private/qguiapplication_p.h>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDoubleSpinBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <qpa/qplatformtheme.h>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

// The register of "Checking" with "Savings" beside it in dollars and "Euro" in euros.
struct RegisterFixture
{
    TestApp app;
    RegisterScreen* screen = nullptr;

    RegisterFixture()
    {
        AccountRepository* accounts = app.state()->accountRepository();
        accounts->insert(testAccount(QStringLiteral("checking"), QStringLiteral("Checking")));
        accounts->insert(testAccount(QStringLiteral("savings"), QStringLiteral("Savings")));
        accounts->insert(
            testAccount(QStringLiteral("euro"), QStringLiteral("Euro"), 0, Currency::EUR));
        open();
    }

    ~RegisterFixture() { delete screen; }

    void open()
    {
        delete screen;
        screen = new RegisterScreen(app.state());
        screen->resize(1500, 700);
        screen->show();
        screen->setAccount(QStringLiteral("checking"));
    }

    RegisterModel* model() const { return screen->model(); }
    RegisterTableView* view() const { return screen->view(); }

    // The widget a keystroke goes to: the open cell editor's focus, else the table.
    QWidget* keyTarget() const
    {
        QWidget* focus = screen->window()->focusWidget();
        return focus ? focus : view();
    }

    void type(const QString& text) { QTest::keyClicks(keyTarget(), text); }
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(keyTarget(), key, modifiers);
    }

    QList<Transaction> stored(const char* accountId = "checking") const
    {
        return app.state()->transactionRepository()->listByAccount(QString::fromLatin1(accountId));
    }

    QString message() const
    {
        const auto* label = screen->findChild<QLabel*>(QStringLiteral("registerMessage"));
        return label ? label->text() : QString();
    }

    // Opens the cell's editor on the entry row and types into it, replacing what it shows.
    void typeInto(int column, const QString& text)
    {
        view()->setFocus();
        const QModelIndex cell = model()->index(model()->entryRow(), column);
        view()->setCurrentIndex(cell);
        view()->edit(cell);
        QWidget* widget = view()->indexWidget(cell);
        auto* editor = qobject_cast<QLineEdit*>(widget);
        if (auto* combo = qobject_cast<QComboBox*>(widget))
            editor = combo->lineEdit();
        QVERIFY(editor);
        editor->selectAll();
        QTest::keyClicks(editor, text);
    }

    QWidget* openEditor() const { return view()->indexWidget(view()->currentIndex()); }

    // Fills the entry row as the user's typing would, then commits with Ctrl+Return.
    void commitEntry(const QString& payee, const QString& payment, const QString& deposit = {})
    {
        view()->setFocus();
        view()->setCurrentIndex(model()->index(model()->entryRow(), 0));
        model()->setBuffer(RegisterModel::PayeeColumn, payee);
        model()->setBuffer(RegisterModel::PaymentColumn, payment);
        model()->setBuffer(RegisterModel::DepositColumn, deposit);
        QTest::keyClick(view(), Qt::Key_Return, Qt::ControlModifier);
    }
};

Q_DECLARE_METATYPE(Currency)

// The interface language for one test: the application makes it the default locale at start.
class InterfaceLanguage
{
public:
    explicit InterfaceLanguage(const QString& name) { QLocale::setDefault(QLocale(name)); }
    ~InterfaceLanguage() { QLocale::setDefault(m_saved); }

private:
    QLocale m_saved;
};

// The key bindings of an X11 desktop, where a line edit takes Ctrl+E to the end of its line,
// for one test: the test platform binds no such keys.
class X11KeyBindings : public QPlatformTheme
{
public:
    X11KeyBindings() : m_platform(QGuiApplicationPrivate::platform_theme)
    {
        QGuiApplicationPrivate::platform_theme = this;
    }
    ~X11KeyBindings() override { QGuiApplicationPrivate::platform_theme = m_platform; }

    QVariant themeHint(ThemeHint hint) const override
    {
        if (hint == KeyboardScheme)
            return int(X11KeyboardScheme);
        return m_platform ? m_platform->themeHint(hint) : QPlatformTheme::themeHint(hint);
    }

private:
    QPlatformTheme* m_platform;
};

// Notes the title of the first modal window that opens while it lives and closes that window.
class ModalWatch
{
public:
    ModalWatch()
    {
        m_timer.setInterval(10);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (modal && modal->isVisible()) {
                m_timer.stop();
                m_title = modal->windowTitle();
                modal->reject();
            }
        });
        m_timer.start();
    }

    QString title() const { return m_title; }

private:
    QTimer m_timer;
    QString m_title;
};

class TestRegisterScreen : public QObject
{
    Q_OBJECT

private slots:
    void typingAPaymentStoresIt();
    void validationKeepsTheTypedValues_data();
    void validationKeepsTheTypedValues();
    void zeroIsAnAmount();
    void amountsAreReadInTheInterfaceLanguage_data();
    void amountsAreReadInTheInterfaceLanguage();
    void editInDialogFromAnOpenEditor_data();
    void editInDialogFromAnOpenEditor();
    void typedDatesAreStoredAsRead_data();
    void typedDatesAreStoredAsRead();
    void impossibleDateKeepsTheCellOpen();
    void earlyDateIsConfirmed_data();
    void earlyDateIsConfirmed();
    void typedCategoryIsResolvedOrRefused_data();
    void typedCategoryIsResolvedOrRefused();
    void categoryFollowsTheShownText();
    void pastedLineBreaksAreStoredAsSpaces();
    void shiftF10OpensTheContextMenu();
    void transferCreatesTwoLinkedTransactions();
    void transferToAnotherCurrencyIsRefused();
    void deletingOneSideOfATransferDeletesBoth();
    void inPlaceEditRaisesVersionButDialogEditKeepsIt();
    void openingRowIsNeverStored();
    void longRegisterOpensAtItsEndAndKeepsItsPlace_data();
    void longRegisterOpensAtItsEndAndKeepsItsPlace();
    void clearedTextSetsTheFlags_data();
    void clearedTextSetsTheFlags();
    void categoryTextResolvesByName();
    void layoutSurvivesARestart();
    void defaultColumnsFitANarrowRegister();
    void splitFromTheFormIsStoredWithItsLines();
    void tabMovesThroughVisibleFieldsOnly();
    void twoLineModeKeepsAHiddenMemoHidden();
    void copyFromAboveTakesTheRowAbove();
    void deleteOnTheEntryRowClearsIt();
    void amountsFollowTheAccountCurrency_data();
    void amountsFollowTheAccountCurrency();
    void keysRunTheirCommands_data();
    void keysRunTheirCommands();
    void contextMenuListsTheRowsCommands_data();
    void contextMenuListsTheRowsCommands();
    void contextMenuActsOnTheRowUnderIt();
    void memorizeStoresANewRecurringRow_data();
    void memorizeStoresANewRecurringRow();
};

void TestRegisterScreen::typingAPaymentStoresIt()
{
    RegisterFixture fixture;
    CategoryRepository* categories = fixture.app.state()->categoryRepository();
    const Category groceries = *categories->byName(QStringLiteral("Groceries"));

    fixture.view()->setFocus();
    fixture.press(Qt::Key_Return); // opens the date cell
    fixture.type(QStringLiteral("3/15/2026"));
    fixture.press(Qt::Key_Return); // to Chk #
    fixture.press(Qt::Key_Return); // to Payee
    fixture.type(QStringLiteral("Corner Market"));
    fixture.press(Qt::Key_Return); // to Category
    fixture.press(Qt::Key_Escape); // leaves the category cell untouched
    fixture.model()->setCategoryId(groceries.id);
    fixture.model()->setBuffer(RegisterModel::CategoryColumn, groceries.name);
    fixture.model()->setBuffer(RegisterModel::PaymentColumn, QStringLiteral("12.50"));
    fixture.press(Qt::Key_Return, Qt::ControlModifier);

    const QList<Transaction> stored = fixture.stored();
    QCOMPARE(stored.size(), 1);
    QCOMPARE(stored.first().amount, qint64(-1250));
    QCOMPARE(stored.first().payee, QStringLiteral("Corner Market"));
    QCOMPARE(stored.first().date, QDate(2026, 3, 15));
    QCOMPARE(stored.first().categoryId, groceries.id);
    QCOMPARE(stored.first().version, 1);

    // The register reloaded with the running balance; the cursor is back on the entry row,
    // which starts from the date just used.
    QCOMPARE(fixture.model()->registerRowCount(), 1);
    const int entry = fixture.model()->entryRow();
    QCOMPARE(fixture.view()->currentIndex().row(), entry);
    QCOMPARE(fixture.model()->entry().date, QStringLiteral("3/15/2026"));
    const int row = entry == 0 ? 1 : 0;
    QCOMPARE(fixture.model()->index(row, RegisterModel::BalanceColumn).data().toString(),
             QStringLiteral("-12.50"));
}

void TestRegisterScreen::validationKeepsTheTypedValues_data()
{
    QTest::addColumn<QString>("payee");
    QTest::addColumn<QString>("payment");
    QTest::addColumn<QString>("deposit");
    QTest::addColumn<QString>("message");
    QTest::newRow("no payee") << "  "
                              << "5.00"
                              << ""
                              << "Payee is required";
    QTest::newRow("no amount") << "Bakery"
                               << ""
                               << ""
                               << "Enter a payment or deposit amount";
    QTest::newRow("unknown transfer account") << "[Transfer] Nowhere"
                                              << "5.00"
                                              << ""
                                              << "Transfer account not found";
    // Text that is no amount used to be stored as 0.00, an amount too long for a number as
    // -92,233,720,368,547,758.08, and a row with both amounts kept one of them.
    QTest::newRow("letters are no amount") << "Bakery"
                                           << "abc12x.5"
                                           << ""
                                           << "Enter a valid amount";
    QTest::newRow("letters in the deposit") << "Refund"
                                            << ""
                                            << "abc"
                                            << "Enter a valid amount";
    QTest::newRow("beyond what can be entered") << "Lottery"
                                                << "99999999999999999999999.99"
                                                << ""
                                                << "Enter an amount up to 99,999,999.99";
    QTest::newRow("one cent too many") << "Lottery"
                                       << ""
                                       << "100,000,000.00"
                                       << "Enter an amount up to 99,999,999.99";
    QTest::newRow("payment and deposit") << "Bakery"
                                         << "10"
                                         << "20"
                                         << "Enter a payment or a deposit, not both";
}

void TestRegisterScreen::validationKeepsTheTypedValues()
{
    QFETCH(QString, payee);
    QFETCH(QString, payment);
    QFETCH(QString, deposit);
    QFETCH(QString, message);
    RegisterFixture fixture;
    fixture.commitEntry(payee, payment, deposit);
    QCOMPARE(fixture.message(), message);
    QVERIFY(fixture.stored().isEmpty());
    QCOMPARE(fixture.model()->entry().payee, payee);
    QCOMPARE(fixture.model()->entry().payment, payment);
    QCOMPARE(fixture.model()->entry().deposit, deposit);
}

// A typed zero is an amount like any other.
void TestRegisterScreen::zeroIsAnAmount()
{
    RegisterFixture fixture;
    fixture.commitEntry(QStringLiteral("Zero"), QStringLiteral("0"));
    fixture.commitEntry(QStringLiteral("Waived"), QString(), QStringLiteral("0.00"));
    const QList<Transaction> stored = fixture.stored();
    QCOMPARE(stored.size(), 2);
    QCOMPARE(stored.at(0).amount, qint64(0));
    QCOMPARE(stored.at(1).amount, qint64(0));
}

// Two-digit years are read as QIF files read them: below 70 in this century.
// An amount typed in its cell is read as meant in the interface language, and stored as the
// register then shows it. A decimal comma used to save a hundred times the amount.
void TestRegisterScreen::amountsAreReadInTheInterfaceLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<qint64>("stored");
    QTest::addColumn<QString>("shown"); // empty: refused
    QTest::addColumn<QString>("message");

    QTest::newRow("German decimal comma") << "de"
                                          << "12,50" << qint64(-1250) << "12.50"
                                          << "";
    QTest::newRow("German grouping") << "de"
                                     << "1.234,56" << qint64(-123456) << "1,234.56"
                                     << "";
    QTest::newRow("German editing what the register shows")
        << "de"
        << "1,234.56" << qint64(-123456) << "1,234.56"
        << "";
    QTest::newRow("French space grouping") << "fr"
                                           << "1 234,56" << qint64(-123456) << "1,234.56"
                                           << "";
    QTest::newRow("English decimal comma") << "en"
                                           << "12,50" << qint64(-1250) << "12.50"
                                           << "";
    QTest::newRow("German comma before three digits")
        << "de"
        << "1,234" << qint64(0) << ""
        << "\"1,234\" could be read two ways: type thousands without a separator and decimals "
           "after \",\", as in 1234,50";
    QTest::newRow("English point before three digits")
        << "en"
        << "1.234" << qint64(0) << ""
        << "\"1.234\" could be read two ways: type thousands without a separator and decimals "
           "after \".\", as in 1234.50";
    QTest::newRow("three decimals") << "de"
                                    << "0,125" << qint64(0) << ""
                                    << "Enter at most two decimals, as in 12,50";
    QTest::newRow("letters") << "de"
                             << "abc" << qint64(0) << ""
                             << "Enter a valid amount";
}

void TestRegisterScreen::amountsAreReadInTheInterfaceLanguage()
{
    QFETCH(QString, language);
    QFETCH(QString, typed);
    QFETCH(qint64, stored);
    QFETCH(QString, shown);
    QFETCH(QString, message);
    const InterfaceLanguage interface(language);
    RegisterFixture fixture;
    fixture.model()->setBuffer(RegisterModel::PayeeColumn, QStringLiteral("Bakery"));
    fixture.typeInto(RegisterModel::PaymentColumn, typed);
    fixture.press(Qt::Key_Return, Qt::ControlModifier);

    const QList<Transaction> rows = fixture.stored();
    if (shown.isEmpty()) {
        QCOMPARE(fixture.message(), message);
        QVERIFY(rows.isEmpty());
        QCOMPARE(fixture.model()->entry().payment, typed);
        return;
    }
    QCOMPARE(rows.size(), 1);
    QCOMPARE(rows.first().amount, stored);
    const int row = fixture.model()->viewRowOf(rows.first().id);
    QCOMPARE(fixture.model()->index(row, RegisterModel::PaymentColumn).data().toString(), shown);
}

void TestRegisterScreen::editInDialogFromAnOpenEditor_data()
{
    QTest::addColumn<bool>("onTransaction");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("title"); // empty: no dialog
    QTest::addColumn<QString>("payee");
    QTest::addColumn<double>("amount");

    QTest::newRow("payee of a new row") << false << int(RegisterModel::PayeeColumn) << "Corner Shop"
                                        << "New Transaction"
                                        << "Corner Shop" << 0.0;
    QTest::newRow("amount of a new row, decimal comma")
        << false << int(RegisterModel::PaymentColumn) << "12,50"
        << "New Transaction"
        << "Typed" << 12.5;
    QTest::newRow("no amount is refused") << false << int(RegisterModel::PaymentColumn) << "abc"
                                          << ""
                                          << "" << 0.0;
    QTest::newRow("a transaction's payee")
        << true << int(RegisterModel::PayeeColumn) << "Corner Shop"
        << "Edit Transaction"
        << "Corner Shop" << 4.0;
    QTest::newRow("a transaction's amount")
        << true << int(RegisterModel::PaymentColumn) << "1.234,50"
        << "Edit Transaction"
        << "Bakery" << 1234.5;
}

// Ctrl+E reaches the register from inside a cell editor, which used to keep the key: the row
// goes to the dialog with what is typed in it, the open cell included, for a new row and for a
// transaction being edited alike.
void TestRegisterScreen::editInDialogFromAnOpenEditor()
{
    QFETCH(bool, onTransaction);
    QFETCH(int, column);
    QFETCH(QString, typed);
    QFETCH(QString, title);
    QFETCH(QString, payee);
    QFETCH(double, amount);
    const InterfaceLanguage interface(QStringLiteral("de"));
    const X11KeyBindings desktop;
    RegisterFixture fixture;
    fixture.app.state()->transactionRepository()->insert(
        testTransaction(QStringLiteral("t1"), QStringLiteral("checking"), QDate(2026, 3, 2),
                        QStringLiteral("Bakery"), -400));
    fixture.screen->reload();
    fixture.view()->setFocus();
    const int row = onTransaction ? fixture.model()->viewRowOf(QStringLiteral("t1"))
                                  : fixture.model()->entryRow();
    const QModelIndex cell = fixture.model()->index(row, column);
    fixture.view()->setCurrentIndex(cell);
    if (!onTransaction)
        fixture.model()->setBuffer(RegisterModel::PayeeColumn, QStringLiteral("Typed"));
    fixture.view()->edit(cell);
    auto* editor = qobject_cast<QLineEdit*>(fixture.openEditor());
    QVERIFY(editor);
    editor->selectAll();
    QTest::keyClicks(editor, typed);

    if (title.isEmpty()) {
        QTest::keyClick(editor, Qt::Key_E, Qt::ControlModifier);
        QVERIFY(!QApplication::activeModalWidget());
        QCOMPARE(fixture.message(), QStringLiteral("Enter a valid amount"));
        return;
    }
    QString opened;
    QString payeeShown;
    double amountShown = -1;
    whenModalOpens([&](QWidget* dialog) {
        opened = dialog->windowTitle();
        for (QLineEdit* field : dialog->findChildren<QLineEdit*>()) {
            if (field->placeholderText() == QLatin1String("Start typing to search payees..."))
                payeeShown = field->text();
        }
        amountShown = dialog->findChild<QDoubleSpinBox*>()->value();
        static_cast<QDialog*>(dialog)->reject();
    });
    QTest::keyClick(editor, Qt::Key_E, Qt::ControlModifier);
    QCOMPARE(opened, title);
    QCOMPARE(payeeShown, payee);
    QCOMPARE(amountShown, amount);
    QCOMPARE(fixture.stored().size(), 1);
}

void TestRegisterScreen::typedDatesAreStoredAsRead_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QDate>("stored");
    QTest::newRow("two-digit year") << "12/4/26" << QDate(2026, 12, 4);
    QTest::newRow("two-digit year 69") << "1/5/69" << QDate(2069, 1, 5);
    QTest::newRow("padded") << "03/15/2026" << QDate(2026, 3, 15);
}

void TestRegisterScreen::typedDatesAreStoredAsRead()
{
    QFETCH(QString, typed);
    QFETCH(QDate, stored);
    RegisterFixture fixture;
    fixture.typeInto(RegisterModel::DateColumn, typed);
    fixture.press(Qt::Key_Tab);
    fixture.commitEntry(QStringLiteral("Bakery"), QStringLiteral("4.00"));
    QCOMPARE(fixture.stored().size(), 1);
    QCOMPARE(fixture.stored().first().date, stored);
}

// A date that does not exist used to turn silently back into the date shown before it. It is
// refused with a message, and its cell stays open with what was typed.
void TestRegisterScreen::impossibleDateKeepsTheCellOpen()
{
    RegisterFixture fixture;
    fixture.typeInto(RegisterModel::DateColumn, QStringLiteral("2/31/2026"));
    fixture.press(Qt::Key_Tab);
    QCOMPARE(fixture.message(), QStringLiteral("Enter a valid date"));
    QCOMPARE(fixture.view()->currentIndex().column(), int(RegisterModel::DateColumn));
    auto* editor = qobject_cast<QLineEdit*>(fixture.openEditor());
    QVERIFY(editor);
    QCOMPARE(editor->text(), QStringLiteral("2/31/2026"));

    fixture.press(Qt::Key_Return);
    QCOMPARE(fixture.view()->currentIndex().column(), int(RegisterModel::DateColumn));
    QVERIFY(fixture.openEditor());

    // Saving from the open cell is refused too, and leaves the cell open on the typed text.
    fixture.model()->setBuffer(RegisterModel::PayeeColumn, QStringLiteral("Gym"));
    fixture.model()->setBuffer(RegisterModel::PaymentColumn, QStringLiteral("30.00"));
    fixture.press(Qt::Key_Return, Qt::ControlModifier);
    QVERIFY(fixture.stored().isEmpty());
    QCOMPARE(fixture.message(), QStringLiteral("Enter a valid date"));
    QCOMPARE(fixture.view()->currentIndex().column(), int(RegisterModel::DateColumn));
    editor = qobject_cast<QLineEdit*>(fixture.openEditor());
    QVERIFY(editor);
    QCOMPARE(editor->text(), QStringLiteral("2/31/2026"));
}

// Rows dated before 2000 are skipped by the sync on other devices: such a date is confirmed.
void TestRegisterScreen::earlyDateIsConfirmed_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<int>("stored");
    QTest::newRow("kept") << int(QMessageBox::Yes) << 1;
    QTest::newRow("taken back") << int(QMessageBox::No) << 0;
}

void TestRegisterScreen::earlyDateIsConfirmed()
{
    QFETCH(int, answer);
    QFETCH(int, stored);
    RegisterFixture fixture;
    fixture.view()->setCurrentIndex(fixture.model()->index(fixture.model()->entryRow(), 0));
    fixture.model()->setBuffer(RegisterModel::DateColumn, QStringLiteral("12/31/1999"));
    QString asked;
    answerNextMessageBox(QMessageBox::StandardButton(answer), &asked);
    fixture.commitEntry(QStringLiteral("Party"), QStringLiteral("19.99"));
    QVERIFY2(asked.contains(QStringLiteral("12/31/1999")), qPrintable(asked));
    QCOMPARE(fixture.stored().size(), stored);
    if (stored == 0)
        QCOMPARE(fixture.model()->entry().payee, QStringLiteral("Party"));
    else
        QCOMPARE(fixture.stored().first().date, QDate(1999, 12, 31));

    // A date from 2000 on is not asked about.
    fixture.view()->setCurrentIndex(fixture.model()->index(fixture.model()->entryRow(), 0));
    fixture.model()->setBuffer(RegisterModel::DateColumn, QStringLiteral("1/1/2000"));
    fixture.commitEntry(QStringLiteral("New year"), QStringLiteral("1.00"));
    QCOMPARE(fixture.stored().size(), stored + 1);
}

// A category typed and not picked from the list used to be dropped without a word.
void TestRegisterScreen::typedCategoryIsResolvedOrRefused_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("category"); // empty: refused
    QTest::newRow("part of one name") << "Groc"
                                      << "Groceries";
    QTest::newRow("any case") << "PETS"
                              << "Pets";
    QTest::newRow("as the list shows it") << "insurance > auto"
                                          << "Auto";
    QTest::newRow("a whole name before parts of others") << "Gifts"
                                                         << "Gifts";
    QTest::newRow("part of several names") << "Insur"
                                           << "";
    QTest::newRow("part of no name") << "Grocceries"
                                     << "";
}

void TestRegisterScreen::typedCategoryIsResolvedOrRefused()
{
    QFETCH(QString, typed);
    QFETCH(QString, category);
    RegisterFixture fixture;
    fixture.typeInto(RegisterModel::CategoryColumn, typed);
    fixture.press(Qt::Key_Tab);
    fixture.commitEntry(QStringLiteral("Corner Market"), QStringLiteral("12.00"));

    if (category.isEmpty()) {
        QVERIFY(fixture.stored().isEmpty());
        QCOMPARE(
            fixture.message(),
            QStringLiteral("\"%1\" is not a category: pick one from the list or clear the cell")
                .arg(typed));
        QCOMPARE(fixture.model()->entry().category, typed);
        return;
    }
    QCOMPARE(fixture.stored().size(), 1);
    const std::optional<Category> stored =
        fixture.app.state()->categoryRepository()->byId(fixture.stored().first().categoryId);
    QVERIFY(stored);
    QCOMPARE(stored->name, category);
}

// The category stored is always the one the cell shows, never one chosen earlier.
void TestRegisterScreen::categoryFollowsTheShownText()
{
    RegisterFixture fixture;
    CategoryRepository* categories = fixture.app.state()->categoryRepository();
    fixture.view()->setCurrentIndex(fixture.model()->index(fixture.model()->entryRow(), 0));
    fixture.model()->setCategoryId(categories->byName(QStringLiteral("Groceries"))->id);
    fixture.model()->setBuffer(RegisterModel::CategoryColumn, QStringLiteral("Pets"));
    fixture.commitEntry(QStringLiteral("Vet"), QStringLiteral("80.00"));
    QCOMPARE(fixture.stored().first().categoryId, categories->byName(QStringLiteral("Pets"))->id);
}

void TestRegisterScreen::pastedLineBreaksAreStoredAsSpaces()
{
    RegisterFixture fixture;
    fixture.view()->setCurrentIndex(fixture.model()->index(fixture.model()->entryRow(), 0));
    fixture.model()->setBuffer(RegisterModel::MemoColumn, QStringLiteral("milk\r\neggs"));
    fixture.commitEntry(QStringLiteral("Corner\nMarket"), QStringLiteral("3.50"));
    QCOMPARE(fixture.stored().first().payee, QStringLiteral("Corner Market"));
    QCOMPARE(fixture.stored().first().memo, QStringLiteral("milk eggs"));
}

// Shift+F10 is the keyboard's other context-menu key.
void TestRegisterScreen::shiftF10OpensTheContextMenu()
{
    RegisterFixture fixture;
    fixture.app.state()->transactionRepository()->insert(
        testTransaction(QStringLiteral("t1"), QStringLiteral("checking"), QDate(2026, 3, 2),
                        QStringLiteral("Bakery"), -400));
    fixture.screen->reload();
    fixture.view()->setFocus();
    fixture.view()->setCurrentIndex(fixture.model()->index(
        fixture.model()->viewRowOf(QStringLiteral("t1")), RegisterModel::PayeeColumn));

    QStringList shown;
    QTimer::singleShot(50, [&shown] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QVERIFY(menu);
        for (QAction* action : menu->actions())
            shown << action->text();
        menu->close();
    });
    QTest::keyClick(fixture.view(), Qt::Key_F10, Qt::ShiftModifier);
    QVERIFY2(shown.contains(QStringLiteral("Show &Details...")), qPrintable(shown.join(u'|')));
}

void TestRegisterScreen::transferCreatesTwoLinkedTransactions()
{
    RegisterFixture fixture;
    fixture.commitEntry(QStringLiteral("[Transfer] Savings"), QStringLiteral("250.00"));

    const QList<Transaction> here = fixture.stored();
    const QList<Transaction> there = fixture.stored("savings");
    QCOMPARE(here.size(), 1);
    QCOMPARE(there.size(), 1);
    QCOMPARE(here.first().payee, QStringLiteral("Transfer to Savings"));
    QCOMPARE(there.first().payee, QStringLiteral("Transfer from Checking"));
    QCOMPARE(here.first().amount, qint64(-25000));
    QCOMPARE(there.first().amount, qint64(25000));
    QCOMPARE(here.first().transferLinkId, there.first().id);
    QCOMPARE(there.first().transferLinkId, here.first().id);
    QCOMPARE(here.first().transferDestAccountId, QStringLiteral("savings"));
    QCOMPARE(there.first().transferDestAccountId, QStringLiteral("checking"));

    // The prefix is case-sensitive: anything else is an ordinary payee.
    fixture.commitEntry(QStringLiteral("[transfer] Savings"), QStringLiteral("1.00"));
    QCOMPARE(fixture.stored("savings").size(), 1);
    QCOMPARE(fixture.stored().size(), 2);
}

void TestRegisterScreen::transferToAnotherCurrencyIsRefused()
{
    RegisterFixture fixture;
    QSignalSpy errors(fixture.screen, &RegisterScreen::errorMessage);
    fixture.commitEntry(QStringLiteral("[Transfer] Euro"), QStringLiteral("10.00"));
    QCOMPARE(errors.count(), 1);
    QCOMPARE(errors.first().first().toString(),
             QStringLiteral("Transfers require both accounts to use the same currency"));
    QVERIFY(fixture.stored().isEmpty());
    QVERIFY(fixture.stored("euro").isEmpty());
}

void TestRegisterScreen::deletingOneSideOfATransferDeletesBoth()
{
    RegisterFixture fixture;
    fixture.commitEntry(QStringLiteral("[Transfer] Savings"), QStringLiteral("40.00"));
    const int row = fixture.model()->viewRowOf(fixture.stored().first().id);
    fixture.view()->setFocus();
    fixture.view()->setCurrentIndex(fixture.model()->index(row, RegisterModel::PayeeColumn));

    QString question;
    answerNextMessageBox(QMessageBox::Yes, &question);
    QTest::keyClick(fixture.view(), Qt::Key_D, Qt::ControlModifier);

    QCOMPARE(question,
             QStringLiteral("Delete transfer \"Transfer to Savings\" for $40.00?\n\nBoth sides of "
                            "the transfer will be deleted."));
    QVERIFY(fixture.stored().isEmpty());
    QVERIFY(fixture.stored("savings").isEmpty());
}

void TestRegisterScreen::inPlaceEditRaisesVersionButDialogEditKeepsIt()
{
    RegisterFixture fixture;
    fixture.commitEntry(QStringLiteral("Bakery"), QStringLiteral("4.00"));
    const QString id = fixture.stored().first().id;

    fixture.view()->setFocus();
    fixture.view()->setCurrentIndex(
        fixture.model()->index(fixture.model()->viewRowOf(id), RegisterModel::PayeeColumn));
    QCOMPARE(fixture.model()->entry().payee, QStringLiteral("Bakery"));
    fixture.model()->setBuffer(RegisterModel::PayeeColumn, QStringLiteral("Corner Bakery"));
    QTest::keyClick(fixture.view(), Qt::Key_Return, Qt::ControlModifier);

    std::optional<Transaction> stored = fixture.app.state()->transactionRepository()->byId(id);
    QCOMPARE(stored->payee, QStringLiteral("Corner Bakery"));
    QCOMPARE(stored->version, 2);
    QCOMPARE(stored->amount, qint64(-400));

    fixture.view()->setCurrentIndex(
        fixture.model()->index(fixture.model()->viewRowOf(id), RegisterModel::PayeeColumn));
    whenModalOpens([](QWidget* dialog) { static_cast<QDialog*>(dialog)->accept(); });
    QTest::keyClick(fixture.view(), Qt::Key_E, Qt::ControlModifier);
    stored = fixture.app.state()->transactionRepository()->byId(id);
    QCOMPARE(stored->version, 2);
    QCOMPARE(stored->payee, QStringLiteral("Corner Bakery"));
}

void TestRegisterScreen::longRegisterOpensAtItsEndAndKeepsItsPlace_data()
{
    QTest::addColumn<bool>("newestFirst");
    QTest::newRow("oldest first") << false;
    QTest::newRow("newest first") << true;
}

// A register longer than a view's worth of rows opens at its entry row with the newest rows
// and balances beside it (oldest first, from the end of its outline alone), reads the rest
// once painted, and after an edit far from its end shows the edited row in its place.
void TestRegisterScreen::longRegisterOpensAtItsEndAndKeepsItsPlace()
{
    QFETCH(bool, newestFirst);
    RegisterFixture fixture;
    if (newestFirst)
        fixture.view()->sortByColumn(RegisterModel::DateColumn, Qt::DescendingOrder);
    AppState* state = fixture.app.state();
    QVERIFY(state->accountRepository()->insert(
        testAccount(QStringLiteral("long"), QStringLiteral("Long"), 50000)));
    for (int i = 0; i < 700; ++i) {
        QVERIFY(state->transactionRepository()->insert(testTransaction(
            QStringLiteral("r%1").arg(i), QStringLiteral("long"), QDate(2024, 1, 1).addDays(i / 3),
            QStringLiteral("Payee %1").arg(i), -100 - i)));
    }
    const QList<RegisterRow> rows = state->transactionRepository()->registerRows("long");

    fixture.screen->setAccount(QStringLiteral("long"));
    RegisterModel* model = fixture.model();
    QCOMPARE(model->hasWholeOutline(), newestFirst);
    QCOMPARE(model->rowCount(), rows.size() + 1);
    QCOMPARE(fixture.view()->currentIndex().row(), model->entryRow());
    // Beside the entry row: the newest transaction and the account's balance.
    const int newest = newestFirst ? 1 : model->entryRow() - 1;
    QCOMPARE(model->rowAt(newest)->transaction.id, QStringLiteral("r699"));
    QCOMPARE(model->index(newest, RegisterModel::BalanceColumn).data().toString(),
             formatAmount(rows.last().balance, Currency::USD));
    QTRY_VERIFY(model->hasWholeOutline());

    // An in-place edit of a row far from the end: the register reloads and stays on it.
    const QString edited = QStringLiteral("r10");
    const int row = model->viewRowOf(edited);
    QVERIFY(row >= 0);
    fixture.view()->setFocus();
    fixture.view()->setCurrentIndex(model->index(row, RegisterModel::PayeeColumn));
    model->setBuffer(RegisterModel::PayeeColumn, QStringLiteral("Edited"));
    QTest::keyClick(fixture.view(), Qt::Key_Return, Qt::ControlModifier);
    QCOMPARE(state->transactionRepository()->byId(edited)->payee, QStringLiteral("Edited"));
    const RegisterRow* shown = model->rowAt(model->viewRowOf(edited));
    QCOMPARE(shown->transaction.payee, QStringLiteral("Edited"));
    QCOMPARE(shown->balance, rows.at(11).balance);
}

void TestRegisterScreen::openingRowIsNeverStored()
{
    RegisterFixture fixture;
    Account checking = *fixture.app.state()->accountRepository()->byId(QStringLiteral("checking"));
    checking.startingBalance = 10000;
    fixture.app.state()->accountRepository()->update(checking);
    fixture.screen->reload();

    const int opening = fixture.model()->entryRow() == 0 ? 1 : 0;
    QVERIFY(fixture.model()->rowAt(opening)->transaction.id.isEmpty());
    fixture.view()->setFocus();
    fixture.view()->setCurrentIndex(fixture.model()->index(opening, RegisterModel::PayeeColumn));
    fixture.model()->setBuffer(RegisterModel::PayeeColumn, QStringLiteral("Not an opening"));
    QTest::keyClick(fixture.view(), Qt::Key_Return, Qt::ControlModifier);
    QVERIFY(fixture.stored().isEmpty());

    fixture.view()->setCurrentIndex(fixture.model()->index(opening, RegisterModel::PayeeColumn));
    QTest::keyClick(fixture.view(), Qt::Key_D, Qt::ControlModifier); // no question, nothing deleted
    QVERIFY(fixture.stored().isEmpty());
    QCOMPARE(fixture.model()->registerRowCount(), 1);
}

void TestRegisterScreen::clearedTextSetsTheFlags_data()
{
    QTest::addColumn<QString>("clr");
    QTest::addColumn<bool>("cleared");
    QTest::addColumn<bool>("reconciled");
    QTest::newRow("r") << "r" << true << true;
    QTest::newRow("C") << "C" << true << false;
    QTest::newRow("x") << "x" << false << false;
    QTest::newRow("empty") << "" << false << false;
}

void TestRegisterScreen::clearedTextSetsTheFlags()
{
    QFETCH(QString, clr);
    QFETCH(bool, cleared);
    QFETCH(bool, reconciled);
    RegisterFixture fixture;
    fixture.view()->setCurrentIndex(fixture.model()->index(fixture.model()->entryRow(), 0));
    fixture.model()->setBuffer(RegisterModel::ClearedColumn, clr);
    fixture.commitEntry(QStringLiteral("Flags"), QStringLiteral("1.00"));
    QCOMPARE(fixture.stored().first().cleared, cleared);
    QCOMPARE(fixture.stored().first().reconciled, reconciled);
}

void TestRegisterScreen::categoryTextResolvesByName()
{
    RegisterFixture fixture;
    CategoryRepository* categories = fixture.app.state()->categoryRepository();
    categories->insert(testCategory(QStringLiteral("fuel"), QStringLiteral("Fuel")));
    fixture.view()->setCurrentIndex(fixture.model()->index(fixture.model()->entryRow(), 0));
    fixture.model()->setBuffer(RegisterModel::CategoryColumn, QStringLiteral("Auto > Fuel"));
    fixture.commitEntry(QStringLiteral("Gas station"), QStringLiteral("30.00"));
    QCOMPARE(fixture.stored().first().categoryId, QStringLiteral("fuel"));
}

void TestRegisterScreen::layoutSurvivesARestart()
{
    RegisterFixture fixture;
    fixture.view()->setColumnWidth(RegisterModel::PayeeColumn, 321);
    fixture.view()->sortByColumn(RegisterModel::PayeeColumn, Qt::DescendingOrder);

    // Hide the Memo column through the header's menu, as a user does.
    QTimer::singleShot(50, [] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QVERIFY(menu);
        for (QAction* action : menu->actions()) {
            if (action->text() == QLatin1String("Memo"))
                action->trigger();
        }
        menu->close();
    });
    QMetaObject::invokeMethod(fixture.screen, "showHeaderContextMenu",
                              Q_ARG(QPoint, QPoint(10, 5)));
    QVERIFY(fixture.view()->isColumnHidden(RegisterModel::MemoColumn));

    fixture.open();
    QCOMPARE(fixture.view()->columnWidth(RegisterModel::PayeeColumn), 321);
    QVERIFY(fixture.view()->isColumnHidden(RegisterModel::MemoColumn));
    QCOMPARE(fixture.model()->sortColumn(), int(RegisterModel::PayeeColumn));
    QCOMPARE(fixture.model()->sortOrder(), Qt::DescendingOrder);

    fixture.screen->resetColumnLayout();
    QVERIFY(!fixture.view()->isColumnHidden(RegisterModel::MemoColumn));
    QCOMPARE(fixture.view()->columnWidth(RegisterModel::PayeeColumn), 250);
    QCOMPARE(fixture.model()->sortColumn(), int(RegisterModel::DateColumn));
    QCOMPARE(fixture.model()->sortOrder(), Qt::AscendingOrder);
}

void TestRegisterScreen::defaultColumnsFitANarrowRegister()
{
    RegisterFixture fixture;
    fixture.screen->resize(960, 600);
    QApplication::processEvents();
    int total = 0;
    for (int column = 0; column < RegisterModel::ColumnCount; ++column)
        total += fixture.view()->isColumnHidden(column) ? 0 : fixture.view()->columnWidth(column);
    QVERIFY2(total <= fixture.view()->viewport()->width(), qPrintable(QString::number(total)));
    QCOMPARE(fixture.view()->columnWidth(RegisterModel::DateColumn), 130);

    // A width the user chose is kept even when it does not fit.
    fixture.view()->setColumnWidth(RegisterModel::PayeeColumn, 500);
    fixture.screen->resize(900, 600);
    QApplication::processEvents();
    QCOMPARE(fixture.view()->columnWidth(RegisterModel::PayeeColumn), 500);
}

void TestRegisterScreen::splitFromTheFormIsStoredWithItsLines()
{
    RegisterFixture fixture;
    CategoryRepository* categories = fixture.app.state()->categoryRepository();
    const QString groceries = categories->byName(QStringLiteral("Groceries"))->id;
    const QString household = categories->byName(QStringLiteral("Household"))->id;
    whenModalOpens([&](QWidget* dialog) {
        for (QLineEdit* field : dialog->findChildren<QLineEdit*>()) {
            if (field->placeholderText() == QLatin1String("Start typing to search payees..."))
                field->setText(QStringLiteral("Big Store"));
        }
        for (QPushButton* button : dialog->findChildren<QPushButton*>()) {
            if (button->text() == QLatin1String("Split..."))
                button->click();
        }
        SplitLine food;
        food.categoryId = groceries;
        food.amount = 3000;
        SplitLine home;
        home.categoryId = household;
        home.amount = 1250;
        dialog->findChild<SplitLinesWidget*>()->setLines({food, home});
        static_cast<QDialog*>(dialog)->accept();
    });
    fixture.screen->presentNewTransactionDialog(nullptr);

    const QList<Transaction> stored = fixture.stored();
    QCOMPARE(stored.size(), 1);
    QVERIFY(stored.first().isSplit);
    QVERIFY(stored.first().categoryId.isEmpty());
    QCOMPARE(stored.first().amount, qint64(-4250));
    QCOMPARE(stored.first().payee, QStringLiteral("Big Store"));
    const QList<SplitLine> lines =
        fixture.app.state()->splitLineRepository()->listForTransaction(stored.first().id);
    QCOMPARE(lines.size(), 2);
    QCOMPARE(lines.first().amount + lines.last().amount, qint64(-4250));
    const int row = fixture.model()->viewRowOf(stored.first().id);
    QCOMPARE(fixture.model()->index(row, RegisterModel::CategoryColumn).data().toString(),
             QStringLiteral("—Split—"));
}

void TestRegisterScreen::tabMovesThroughVisibleFieldsOnly()
{
    RegisterFixture fixture;
    fixture.view()->setColumnHidden(RegisterModel::CheckNumberColumn, true);
    fixture.view()->setFocus();
    const int entry = fixture.model()->entryRow();
    fixture.view()->setCurrentIndex(fixture.model()->index(entry, RegisterModel::DateColumn));

    QList<int> visited;
    for (int i = 0; i < 8; ++i) {
        fixture.screen->tabForward();
        visited << fixture.view()->currentIndex().column();
    }
    QCOMPARE(visited, (QList<int>{2, 3, 4, 5, 6, 7, 7, 7}));
    QCOMPARE(fixture.view()->currentIndex().row(), entry);
    QVERIFY(fixture.stored().isEmpty()); // Tab past the last field does not save

    fixture.screen->tabBackward();
    fixture.screen->tabBackward();
    QCOMPARE(fixture.view()->currentIndex().column(), int(RegisterModel::PaymentColumn));
}

void TestRegisterScreen::twoLineModeKeepsAHiddenMemoHidden()
{
    RegisterFixture fixture;
    QSettings().setValue(QStringLiteral("register/colHidden/4"), true);
    fixture.open();
    QVERIFY(fixture.view()->isColumnHidden(RegisterModel::MemoColumn));
    PreferencesRepository* preferences = fixture.app.state()->preferencesRepository();
    preferences->setBool(QStringLiteral("registerTwoLine"), true);
    fixture.screen->reload();
    QVERIFY(fixture.view()->isColumnHidden(RegisterModel::MemoColumn));
    QCOMPARE(fixture.model()->headerData(RegisterModel::PayeeColumn, Qt::Horizontal).toString(),
             QStringLiteral("Payee / Memo"));
    preferences->setBool(QStringLiteral("registerTwoLine"), false);
    fixture.screen->reload();
    QVERIFY(fixture.view()->isColumnHidden(RegisterModel::MemoColumn));
    QCOMPARE(fixture.view()->verticalHeader()->defaultSectionSize(), 36);
}

void TestRegisterScreen::copyFromAboveTakesTheRowAbove()
{
    RegisterFixture fixture;
    fixture.commitEntry(QStringLiteral("Alpha"), QStringLiteral("1.00"));
    fixture.commitEntry(QStringLiteral("Beta"), QStringLiteral("2.00"));
    fixture.view()->setFocus();
    const int entry = fixture.model()->entryRow();
    QCOMPARE(entry, 2);
    fixture.view()->setCurrentIndex(fixture.model()->index(entry, RegisterModel::PayeeColumn));
    QTest::keyClick(fixture.view(), Qt::Key_Apostrophe);
    QCOMPARE(fixture.model()->entry().payee, QStringLiteral("Beta"));

    fixture.view()->setCurrentIndex(fixture.model()->index(0, RegisterModel::PayeeColumn));
    QTest::keyClick(fixture.view(), Qt::Key_Apostrophe);
    QCOMPARE(fixture.model()->entry().payee, QStringLiteral("Alpha"));
}

void TestRegisterScreen::deleteOnTheEntryRowClearsIt()
{
    RegisterFixture fixture;
    fixture.view()->setFocus();
    fixture.view()->setCurrentIndex(fixture.model()->index(fixture.model()->entryRow(), 0));
    fixture.model()->setBuffer(RegisterModel::PayeeColumn, QStringLiteral("Half typed"));
    QTest::keyClick(fixture.view(), Qt::Key_D, Qt::ControlModifier);
    QVERIFY(fixture.model()->entry().payee.isEmpty());
    QCOMPARE(fixture.message(), QStringLiteral("Fields cleared"));
}

// Amounts are typed and shown in the account's currency and stored in its minor unit: 1500
// typed in a yen account is 1500 yen, and an in-place edit leaves it as it was.
void TestRegisterScreen::amountsFollowTheAccountCurrency_data()
{
    QTest::addColumn<Currency>("currency");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<qint64>("stored");
    QTest::addColumn<QString>("cell");
    QTest::addColumn<QString>("balance");

    QTest::newRow("dollars as always") << Currency::USD << "1500" << qint64(150000) << "1,500.00"
                                       << "$1,500.00";
    QTest::newRow("whole yen") << Currency::JPY << "1500" << qint64(1500) << "1,500"
                               << "¥1,500";
    QTest::newRow("euro cents") << Currency::EUR << "12.50" << qint64(1250) << "12.50"
                                << "€12.50";
}

void TestRegisterScreen::amountsFollowTheAccountCurrency()
{
    QFETCH(Currency, currency);
    QFETCH(QString, typed);
    QFETCH(qint64, stored);
    QFETCH(QString, cell);
    QFETCH(QString, balance);
    RegisterFixture fixture;
    fixture.app.state()->accountRepository()->insert(
        testAccount(QStringLiteral("money"), QStringLiteral("Money"), 0, currency));
    fixture.screen->setAccount(QStringLiteral("money"));

    fixture.commitEntry(QStringLiteral("Salary"), QString(), typed);
    const QList<Transaction> rows = fixture.stored("money");
    QCOMPARE(rows.size(), 1);
    QCOMPARE(rows.first().amount, stored);
    const int row = fixture.model()->viewRowOf(rows.first().id);
    QCOMPARE(fixture.model()->index(row, RegisterModel::DepositColumn).data().toString(), cell);
    QCOMPARE(fixture.model()->index(row, RegisterModel::BalanceColumn).data().toString(), cell);
    QStringList summary;
    for (QLabel* label : fixture.screen->findChildren<QLabel*>())
        summary << label->text();
    QVERIFY2(summary.contains(balance), qPrintable(summary.join(QLatin1Char('|'))));

    fixture.view()->setFocus();
    fixture.view()->setCurrentIndex(fixture.model()->index(row, RegisterModel::PayeeColumn));
    QCOMPARE(fixture.model()->entry().deposit, cell);
    QTest::keyClick(fixture.view(), Qt::Key_Return, Qt::ControlModifier);
    const Transaction edited = *fixture.app.state()->transactionRepository()->byId(rows.first().id);
    QCOMPARE(edited.version, 2);
    QCOMPARE(edited.amount, stored);
}

void TestRegisterScreen::keysRunTheirCommands_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<bool>("onTransaction");
    QTest::addColumn<QString>("outcome");

    const Qt::KeyboardModifiers ctrl = Qt::ControlModifier;
    const Qt::KeyboardModifiers shift = Qt::ShiftModifier;
    const Qt::KeyboardModifiers alt = Qt::AltModifier;
    const QString notSaved = QStringLiteral("Enter a payment or deposit amount");
    const QString details = QStringLiteral("Transaction Details");
    // The entry row holds a typed payee: "entry reset" means it was dropped, "" that nothing
    // happened at all.
    QTest::newRow("Ctrl+Return saves") << int(Qt::Key_Return) << ctrl << false << notSaved;
    QTest::newRow("keypad Ctrl+Enter saves")
        << int(Qt::Key_Enter) << (ctrl | Qt::KeypadModifier) << false << notSaved;
    QTest::newRow("Ctrl+Alt+Return saves")
        << int(Qt::Key_Return) << (ctrl | alt) << false << notSaved;
    QTest::newRow("Alt+Return shows details") << int(Qt::Key_Return) << alt << true << details;
    QTest::newRow("Alt+Shift+Return shows details")
        << int(Qt::Key_Return) << (alt | shift) << true << details;
    QTest::newRow("Alt+Return on the entry row") << int(Qt::Key_Return) << alt << false << "";
    QTest::newRow("Ctrl+E edits the row in the dialog")
        << int(Qt::Key_E) << ctrl << true << "Edit Transaction";
    QTest::newRow("Ctrl+E puts the entry row in the dialog")
        << int(Qt::Key_E) << ctrl << false << "New Transaction";
    QTest::newRow("Ctrl+Shift+E is not Ctrl+E") << int(Qt::Key_E) << (ctrl | shift) << true << "";
    QTest::newRow("Ctrl+D asks before deleting")
        << int(Qt::Key_D) << ctrl << true << "Delete Transaction";
    QTest::newRow("Ctrl+Shift+D asks too")
        << int(Qt::Key_D) << (ctrl | shift) << true << "Delete Transaction";
    QTest::newRow("Ctrl+D clears the entry row")
        << int(Qt::Key_D) << ctrl << false << "Fields cleared";
    QTest::newRow("Ctrl+I begins a new transaction")
        << int(Qt::Key_I) << ctrl << false << "entry reset";
    QTest::newRow("Ctrl+Shift+I is not Ctrl+I") << int(Qt::Key_I) << (ctrl | shift) << false << "";
    QTest::newRow("Ctrl+N opens a new transaction")
        << int(Qt::Key_N) << ctrl << false << "New Transaction";
    QTest::newRow("Ctrl+Shift+N is left to the window")
        << int(Qt::Key_N) << (ctrl | shift) << false << "";
    QTest::newRow("Ctrl+M memorizes the row")
        << int(Qt::Key_M) << ctrl << true << "Memorize Transaction";
    QTest::newRow("Ctrl+Shift+M memorizes too")
        << int(Qt::Key_M) << (ctrl | shift) << true << "Memorize Transaction";
    QTest::newRow("Ctrl+' is not the apostrophe") << int(Qt::Key_Apostrophe) << ctrl << false << "";
}

// Each key runs its command on the current row; a key with a modifier a command refuses is
// left alone.
void TestRegisterScreen::keysRunTheirCommands()
{
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(bool, onTransaction);
    QFETCH(QString, outcome);

    RegisterFixture fixture;
    fixture.app.state()->transactionRepository()->insert(
        testTransaction(QStringLiteral("t1"), QStringLiteral("checking"), QDate(2026, 3, 2),
                        QStringLiteral("Bakery"), -400));
    fixture.screen->reload();
    fixture.view()->setFocus();
    const int row = onTransaction ? fixture.model()->viewRowOf(QStringLiteral("t1"))
                                  : fixture.model()->entryRow();
    fixture.view()->setCurrentIndex(fixture.model()->index(row, RegisterModel::PayeeColumn));
    if (!onTransaction)
        fixture.model()->setBuffer(RegisterModel::PayeeColumn, QStringLiteral("Typed"));

    QString happened;
    {
        ModalWatch modal;
        QTest::keyClick(fixture.view(), Qt::Key(key), modifiers);
        happened = modal.title();
    }
    if (happened.isEmpty())
        happened = fixture.message();
    if (happened.isEmpty() && !onTransaction && fixture.model()->entry().payee.isEmpty())
        happened = QStringLiteral("entry reset");
    QCOMPARE(happened, outcome);
    QCOMPARE(fixture.stored().size(), 1);
}

void TestRegisterScreen::contextMenuListsTheRowsCommands_data()
{
    QTest::addColumn<QString>("row");
    QTest::addColumn<QStringList>("entries");

    const QString insert = QStringLiteral("&Insert New\t") +
                           QKeySequence(Qt::CTRL | Qt::Key_I).toString(QKeySequence::NativeText);
    const QString dialog = QStringLiteral("&New Transaction...\t") +
                           QKeySequence(QKeySequence::New).toString(QKeySequence::NativeText);
    const QString edit = QStringLiteral("&Edit in Dialog...\t") +
                         QKeySequence(Qt::CTRL | Qt::Key_E).toString(QKeySequence::NativeText);
    const QString details =
        QStringLiteral("Show &Details...\t") +
        QKeySequence(Qt::ALT | Qt::Key_Return).toString(QKeySequence::NativeText);
    const QString remove = QStringLiteral("&Delete\t") +
                           QKeySequence(Qt::CTRL | Qt::Key_D).toString(QKeySequence::NativeText);
    const QString memorize = QStringLiteral("&Memorize Transaction...\t") +
                             QKeySequence(Qt::CTRL | Qt::Key_M).toString(QKeySequence::NativeText);
    const QString rule = QStringLiteral("—");
    QTest::newRow("entry row") << QStringLiteral("entry") << QStringList{insert, dialog, edit};
    QTest::newRow("plain transaction") << QStringLiteral("plain")
                                       << QStringList{insert,
                                                      dialog,
                                                      rule,
                                                      details,
                                                      QStringLiteral("&Split Transaction...\t"),
                                                      edit,
                                                      memorize,
                                                      QStringLiteral("Mark &Cleared\t"),
                                                      remove};
    QTest::newRow("cleared split transaction") << QStringLiteral("split")
                                               << QStringList{insert,
                                                              dialog,
                                                              rule,
                                                              details,
                                                              QStringLiteral("Edit &Splits...\t"),
                                                              edit,
                                                              memorize,
                                                              QStringLiteral("Mark &Uncleared\t"),
                                                              remove};
}

// The context menu shows the commands that apply to the row under it, with the keys that run
// them on the current row.
void TestRegisterScreen::contextMenuListsTheRowsCommands()
{
    QFETCH(QString, row);
    QFETCH(QStringList, entries);

    RegisterFixture fixture;
    Transaction plain = testTransaction(QStringLiteral("plain"), QStringLiteral("checking"),
                                        QDate(2026, 3, 2), QStringLiteral("Bakery"), -400);
    Transaction split = testTransaction(QStringLiteral("split"), QStringLiteral("checking"),
                                        QDate(2026, 3, 3), QStringLiteral("Market"), -900);
    split.isSplit = true;
    split.cleared = true;
    fixture.app.state()->transactionRepository()->insert(plain);
    fixture.app.state()->transactionRepository()->insert(split);
    fixture.screen->reload();
    const int viewRow = row == QLatin1String("entry") ? fixture.model()->entryRow()
                                                      : fixture.model()->viewRowOf(row);
    const QPoint position =
        fixture.view()
            ->visualRect(fixture.model()->index(viewRow, RegisterModel::PayeeColumn))
            .center();

    QStringList shown;
    QTimer::singleShot(50, [&shown] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QVERIFY(menu);
        for (QAction* action : menu->actions())
            shown << (action->isSeparator()
                          ? QStringLiteral("—")
                          : action->text() + QLatin1Char('\t') +
                                action->shortcut().toString(QKeySequence::NativeText));
        menu->close();
    });
    fixture.screen->onContextMenu(position);
    QCOMPARE(shown, entries);
}

void TestRegisterScreen::contextMenuActsOnTheRowUnderIt()
{
    RegisterFixture fixture;
    TransactionRepository* transactions = fixture.app.state()->transactionRepository();
    transactions->insert(testTransaction(QStringLiteral("first"), QStringLiteral("checking"),
                                         QDate(2026, 3, 2), QStringLiteral("Bakery"), -400));
    transactions->insert(testTransaction(QStringLiteral("second"), QStringLiteral("checking"),
                                         QDate(2026, 3, 3), QStringLiteral("Market"), -900));
    fixture.screen->reload();
    fixture.view()->setCurrentIndex(fixture.model()->index(
        fixture.model()->viewRowOf(QStringLiteral("first")), RegisterModel::PayeeColumn));
    const QPoint second =
        fixture.view()
            ->visualRect(fixture.model()->index(
                fixture.model()->viewRowOf(QStringLiteral("second")), RegisterModel::PayeeColumn))
            .center();

    QTimer::singleShot(50, [] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QVERIFY(menu);
        for (QAction* action : menu->actions()) {
            if (action->text() == QLatin1String("Mark &Cleared"))
                action->trigger();
        }
        menu->close();
    });
    fixture.screen->onContextMenu(second);

    QVERIFY(transactions->byId(QStringLiteral("second"))->cleared);
    QVERIFY(!transactions->byId(QStringLiteral("first"))->cleared);
}

// Memorizing opens the form on the row; accepting it stores a recurring row of its own, never
// one dated before 2000.
void TestRegisterScreen::memorizeStoresANewRecurringRow_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<bool>("accept");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("stored");
    QTest::newRow("accepted") << QDate(2026, 3, 2) << true << "Transaction memorized as recurring"
                              << 1;
    QTest::newRow("cancelled") << QDate(2026, 3, 2) << false << "" << 0;
    QTest::newRow("dated 1999") << QDate(1999, 12, 31) << true
                                << "Cannot memorize: source transaction has an invalid date" << 0;
}

void TestRegisterScreen::memorizeStoresANewRecurringRow()
{
    QFETCH(QDate, date);
    QFETCH(bool, accept);
    QFETCH(QString, message);
    QFETCH(int, stored);
    RegisterFixture fixture;
    Transaction source = testTransaction(QStringLiteral("t1"), QStringLiteral("checking"), date,
                                         QStringLiteral("Bakery"), -400);
    source.memo = QStringLiteral("Bread");
    fixture.app.state()->transactionRepository()->insert(source);
    fixture.screen->reload();
    fixture.view()->setFocus();
    fixture.view()->setCurrentIndex(fixture.model()->index(
        fixture.model()->viewRowOf(QStringLiteral("t1")), RegisterModel::PayeeColumn));

    QString title;
    if (date.year() >= 2000) {
        whenModalOpens([&title, accept](QWidget* dialog) {
            title = dialog->windowTitle();
            accept ? static_cast<QDialog*>(dialog)->accept()
                   : static_cast<QDialog*>(dialog)->reject();
        });
    }
    fixture.press(Qt::Key_M, Qt::ControlModifier);

    QString shown;
    for (QLabel* label : fixture.screen->findChildren<QLabel*>()) {
        if (label->text() == message)
            shown = label->text();
    }
    QCOMPARE(shown, message);
    const QList<RecurringTransaction> rows = fixture.app.state()->recurringRepository()->listAll();
    QCOMPARE(rows.size(), stored);
    if (stored == 0)
        return;
    QCOMPARE(title, QStringLiteral("Memorize Transaction"));
    const RecurringTransaction& row = rows.first();
    QCOMPARE(row.id.size(), 36);
    QVERIFY(row.id != source.id);
    QCOMPARE(row.accountId, QStringLiteral("checking"));
    QCOMPARE(row.payee, QStringLiteral("Bakery"));
    QCOMPARE(row.memo, QStringLiteral("Bread"));
    QCOMPARE(row.amount, qint64(-400));
    QCOMPARE(row.frequency, Frequency::Monthly);
    QCOMPARE(row.startDate, date);
    QCOMPARE(row.nextDueDate, date);
    QCOMPARE(row.updatedAt, row.createdAt);
}

QTEST_MAIN(TestRegisterScreen)
#include "tst_registerscreen.moc"
