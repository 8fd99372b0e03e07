#include "ui/register/registerlineedit.h"
#include "ui/theme/displaysettings.h"
#include "ui/widgets/datefield.h"
#include "ui/widgets/dateshortcuts.h"
#include "ui/widgets/smartamountfield.h"
#include "ui/widgets/smartdateedit.h"
#include "ui/widgets/tabcompleter.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCalendarWidget>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QSignalSpy>
#include <QStringListModel>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>

Q_DECLARE_METATYPE(Currency)

namespace {

// The interface language, which the application makes the default locale before any widget.
struct InterfaceLanguage
{
    explicit InterfaceLanguage(const QString& language) { QLocale::setDefault(QLocale(language)); }
    ~InterfaceLanguage() { QLocale::setDefault(saved); }

    QLocale saved;
};

// An amount box in the interface language, as the forms make them, and a field to leave it for.
struct LanguageAmountField
{
    explicit LanguageAmountField(const QString& language, Currency currency = Currency::USD)
        : interface(language)
    {
        field = new SmartAmountField(&window);
        field->setCurrency(currency);
        other = new QLineEdit(&window);
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(field);
        layout->addWidget(other);
        window.show();
        field->setFocus();
        field->selectAll();
    }

    QString typedText() const { return field->findChild<QLineEdit*>()->text(); }

    InterfaceLanguage interface;
    QWidget window;
    SmartAmountField* field = nullptr;
    QLineEdit* other = nullptr;
};

// Closes the next message box and keeps its text.
void closeNextMessageBox(QString* text)
{
    QTimer::singleShot(0, [text] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            *text = box->text();
            box->close();
        }
    });
}

} // namespace

// Keyboard behaviour of the small entry widgets, driven by real key events.
class TestEntryWidgets : public QObject
{
    Q_OBJECT

private slots:
    void dateShortcuts_data();
    void dateShortcuts();
    void shortcutOnAnInvalidDateStartsFromToday();
    void typedDates_data();
    void typedDates();
    void dateFieldRevertsTextThatIsNoDate();
    void calendarPopupStartsOnTheWeekStartAndPicks();
    void decimalKeyJumpsToTheCents_data();
    void decimalKeyJumpsToTheCents();
    void amountBeyondTheRangeIsExplained_data();
    void amountBeyondTheRangeIsExplained();
    void amountIsReadInTheInterfaceLanguage_data();
    void amountIsReadInTheInterfaceLanguage();
    void unreadableAmountStaysToBePutRight();
    void tabAcceptsTheHighlightedCompletion_data();
    void tabAcceptsTheHighlightedCompletion();
    void enterTakesTheSuggestionAndStays();
};

void TestEntryWidgets::dateShortcuts_data()
{
    QTest::addColumn<QDate>("from");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QDate>("expected");

    const QDate sunday(2026, 3, 15);
    const QDate wednesday(2026, 3, 18);
    QTest::newRow("m: first of month") << sunday << "m" << QDate(2026, 3, 1);
    QTest::newRow("h: last of month") << sunday << "h" << QDate(2026, 3, 31);
    QTest::newRow("h: leap February") << QDate(2024, 2, 10) << "h" << QDate(2024, 2, 29);
    QTest::newRow("y: first of year") << sunday << "y" << QDate(2026, 1, 1);
    QTest::newRow("r: last of year") << sunday << "r" << QDate(2026, 12, 31);
    QTest::newRow("upper case works") << sunday << "M" << QDate(2026, 3, 1);
    QTest::newRow("+ across the year end") << QDate(2026, 12, 31) << "+" << QDate(2027, 1, 1);
    QTest::newRow("= as +") << QDate(2026, 2, 28) << "=" << QDate(2026, 3, 1);
    QTest::newRow("- across the year start") << QDate(2026, 1, 1) << "-" << QDate(2025, 12, 31);
    QTest::newRow("w on a Sunday stays") << sunday << "w" << sunday;
    QTest::newRow("k on a Sunday") << sunday << "k" << QDate(2026, 3, 21);
    QTest::newRow("w on a Wednesday") << wednesday << "w" << sunday;
    QTest::newRow("k on a Wednesday") << wednesday << "k" << QDate(2026, 3, 21);
    QTest::newRow("k on a Saturday stays") << QDate(2026, 3, 21) << "k" << QDate(2026, 3, 21);
    QTest::newRow("t: today") << sunday << "t" << QDate::currentDate();
}

// Both date editors take the same keys; the register's shows the result at once, the form's
// also announces it.
void TestEntryWidgets::dateShortcuts()
{
    QFETCH(QDate, from);
    QFETCH(QString, key);
    QFETCH(QDate, expected);
    const QString expectedText = expected.toString(QStringLiteral("M/d/yyyy"));

    SmartDateEdit cell;
    cell.setDate(from);
    QTest::keyClicks(&cell, key);
    QCOMPARE(cell.date(), expected);
    QCOMPARE(cell.text(), expectedText);
    QCOMPARE(cell.selectedText(), expectedText);

    DateField field;
    field.setDate(from);
    QSignalSpy changed(&field, &DateField::dateChanged);
    QTest::keyClicks(&field, key);
    QCOMPARE(field.date(), expected);
    QCOMPARE(field.text(), expectedText);
    QCOMPARE(changed.size(), expected == from ? 0 : 1);
}

void TestEntryWidgets::shortcutOnAnInvalidDateStartsFromToday()
{
    const QDate today = QDate::currentDate();
    QKeyEvent m(QEvent::KeyPress, Qt::Key_M, Qt::NoModifier, QStringLiteral("m"));
    QDate date;
    QVERIFY(applyDateShortcut(&m, date));
    QCOMPARE(date, QDate(today.year(), today.month(), 1));

    // Keys that are no shortcut change nothing and are typed normally.
    QKeyEvent digit(QEvent::KeyPress, Qt::Key_4, Qt::NoModifier, QStringLiteral("4"));
    QDate unchanged;
    QVERIFY(!applyDateShortcut(&digit, unchanged));
    QVERIFY(!unchanged.isValid());

    SmartDateEdit cell;
    cell.setDate(QDate(2026, 3, 15));
    QTest::keyClicks(&cell, QStringLiteral("4/5/2027"));
    QCOMPARE(cell.text(), QStringLiteral("4/5/2027"));
    QCOMPARE(parseDateText(&cell), QDate(2027, 4, 5));
}

void TestEntryWidgets::typedDates_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QDate>("expected");

    const QDate stored(2026, 3, 15);
    // Two-digit years read as QIF files read them: below 70 in this century, else the last.
    QTest::newRow("two-digit year below 70 is 20xx") << "4/5/26" << QDate(2026, 4, 5);
    QTest::newRow("two-digit year 69") << "4/5/69" << QDate(2069, 4, 5);
    QTest::newRow("two-digit year 70 is 19xx") << "4/5/70" << QDate(1970, 4, 5);
    QTest::newRow("padded two-digit year") << "04/05/99" << QDate(1999, 4, 5);
    QTest::newRow("leap day of 2000") << "2/29/00" << QDate(2000, 2, 29);
    QTest::newRow("four-digit year") << "4/5/2026" << QDate(2026, 4, 5);
    QTest::newRow("padded four-digit year") << "04/05/2026" << QDate(2026, 4, 5);
    QTest::newRow("no such month keeps the stored date") << "13/1/2026" << stored;
    QTest::newRow("no such day keeps the stored date") << "2/30/2026" << stored;
}

// What a date field reads when the focus leaves it.
void TestEntryWidgets::typedDates()
{
    QFETCH(QString, typed);
    QFETCH(QDate, expected);
    QWidget window;
    auto* field = new DateField(&window);
    auto* next = new QLineEdit(&window);
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(field);
    layout->addWidget(next);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    field->setDate(QDate(2026, 3, 15));
    field->setFocus();
    QSignalSpy changed(field, &DateField::dateChanged);

    field->selectAll();
    QTest::keyClicks(field, typed);
    QCOMPARE(parseDateText(field), expected);
    next->setFocus();

    QCOMPARE(field->date(), expected);
    QCOMPARE(field->text(), expected.toString(QStringLiteral("M/d/yyyy")));
    QCOMPARE(changed.size(), expected == QDate(2026, 3, 15) ? 0 : 1);
}

void TestEntryWidgets::dateFieldRevertsTextThatIsNoDate()
{
    QWidget window;
    auto* field = new DateField(&window);
    auto* next = new QLineEdit(&window);
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(field);
    layout->addWidget(next);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    field->setDate(QDate(2026, 3, 15));
    field->setFocus();
    QSignalSpy changed(field, &DateField::dateChanged);

    field->selectAll();
    QTest::keyClicks(field, QStringLiteral("abc"));
    QCOMPARE(field->text(), QStringLiteral("abc"));
    next->setFocus();

    QCOMPARE(field->text(), QStringLiteral("3/15/2026"));
    QCOMPARE(field->date(), QDate(2026, 3, 15));
    QCOMPARE(changed.size(), 0);
}

void TestEntryWidgets::calendarPopupStartsOnTheWeekStartAndPicks()
{
    const Qt::DayOfWeek saved = DisplaySettings::weekStartDay();
    DisplaySettings::setWeekStartDay(Qt::Wednesday);
    SmartDateEdit cell;
    cell.show();
    QVERIFY(QTest::qWaitForWindowExposed(&cell));
    cell.setText(QStringLiteral("7/4/2026"));

    QTest::keyClick(&cell, Qt::Key_F4);

    auto* calendar = cell.findChild<QCalendarWidget*>();
    QVERIFY(calendar);
    QVERIFY(calendar->isVisible());
    QCOMPARE(calendar->firstDayOfWeek(), Qt::Wednesday);
    QCOMPARE(calendar->selectedDate(), QDate(2026, 7, 4));

    emit calendar->clicked(QDate(2026, 7, 9));
    QCOMPARE(cell.date(), QDate(2026, 7, 9));
    QCOMPARE(cell.text(), QStringLiteral("7/9/2026"));
    QVERIFY(!calendar->isVisible());
    DisplaySettings::setWeekStartDay(saved);
}

void TestEntryWidgets::decimalKeyJumpsToTheCents_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<bool>("selectAll");
    QTest::addColumn<char>("key");
    QTest::addColumn<int>("cursor");

    QTest::newRow("full stop before the 1") << 12.0 << false << '.' << 3;
    QTest::newRow("comma as well") << 12.0 << false << ',' << 3;
    QTest::newRow("from a selection") << 345.5 << true << '.' << 4;
}

void TestEntryWidgets::decimalKeyJumpsToTheCents()
{
    QFETCH(double, value);
    QFETCH(bool, selectAll);
    QFETCH(char, key);
    QFETCH(int, cursor);
    SmartAmountField field;
    field.setLocale(QLocale::c());
    field.setRange(0, 99999999.99);
    field.setValue(value);
    auto* edit = field.findChild<QLineEdit*>();
    QVERIFY(edit);
    if (selectAll)
        edit->selectAll();
    else
        edit->setCursorPosition(0);

    QTest::keyClick(&field, key);

    QCOMPARE(edit->cursorPosition(), cursor);
    QCOMPARE(edit->selectedText().size(), 2);
    QCOMPARE(field.value(), value);
    // Typing the cents now replaces them.
    QTest::keyClicks(&field, QStringLiteral("25"));
    QCOMPARE(field.value(), std::floor(value) + 0.25);
}

// An amount box refuses digits beyond its range; it says why instead of ignoring them.
void TestEntryWidgets::amountBeyondTheRangeIsExplained_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("tip"); // empty: none

    QTest::newRow("within the range") << "99999999" << 99999999.0 << "";
    QTest::newRow("one digit too many")
        << "999999999" << 99999999.0 << "Enter an amount up to 99,999,999.99";
}

void TestEntryWidgets::amountBeyondTheRangeIsExplained()
{
    QFETCH(QString, typed);
    QFETCH(double, value);
    QFETCH(QString, tip);
    SmartAmountField field;
    field.setLocale(QLocale::c());
    field.setRange(0, 99999999.99);
    field.show();
    QVERIFY(QTest::qWaitForWindowExposed(&field));
    QSignalSpy refused(&field, &SmartAmountField::amountRefused);
    field.findChild<QLineEdit*>()->selectAll();

    QTest::keyClicks(&field, typed);

    QCOMPARE(field.value(), value);
    QCOMPARE(refused.isEmpty(), tip.isEmpty());
    if (!tip.isEmpty())
        QCOMPARE(refused.first().first().toString(), tip);
}

// An amount box reads what is typed as the register does: the language's own form, the form the
// register shows, a decimal comma before the cents. What cannot become an amount is refused as
// it is typed; what reads two ways is kept, but is no amount the box takes.
void TestEntryWidgets::amountIsReadInTheInterfaceLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<Currency>("currency");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<double>("value");
    QTest::addColumn<bool>("readable");
    QTest::addColumn<QString>("tip"); // empty: none

    const Currency usd = Currency::USD;
    QTest::newRow("German grouping") << "de" << usd << "1.234,56" << 1234.56 << true << "";
    QTest::newRow("German decimal comma") << "de" << usd << "12,50" << 12.5 << true << "";
    QTest::newRow("German typing what the register shows")
        << "de" << usd << "1,234.56" << 1234.56 << true << "";
    QTest::newRow("French space grouping")
        << "fr" << Currency::EUR << "1 234,56" << 1234.56 << true << "";
    QTest::newRow("English grouping") << "en" << usd << "1,234.56" << 1234.56 << true << "";
    QTest::newRow("English decimal comma") << "en" << usd << "12,50" << 12.5 << true << "";
    QTest::newRow("yen grouped by a point in German")
        << "de" << Currency::JPY << "1.500" << 1500.0 << true << "";
    QTest::newRow("yen grouped by a comma")
        << "en" << Currency::JPY << "1,500" << 1500.0 << true << "";
    // The box keeps the last amount it could read; the form takes none while this shows.
    QTest::newRow("German point before three digits")
        << "de" << usd << "1.234" << 1.23 << false << "";
    QTest::newRow("English cents or thousands") << "en" << usd << "12.345" << 12.34 << false << "";
    QTest::newRow("yen with decimals") << "en" << Currency::JPY << "12.5" << 12.0 << false << "";
    QTest::newRow("a third decimal is refused")
        << "en" << usd << "0.125" << 0.12 << true << "Enter at most two decimals, as in 12.50";
    QTest::newRow("letters are refused") << "de" << usd << "12x" << 12.0 << true << "";
}

void TestEntryWidgets::amountIsReadInTheInterfaceLanguage()
{
    QFETCH(QString, language);
    QFETCH(Currency, currency);
    QFETCH(QString, typed);
    QFETCH(double, value);
    QFETCH(bool, readable);
    QFETCH(QString, tip);
    LanguageAmountField box(language, currency);
    QSignalSpy refused(box.field, &SmartAmountField::amountRefused);

    QTest::keyClicks(box.field, typed);

    QCOMPARE(box.field->value(), value);
    QCOMPARE(box.field->hasAcceptableInput(), readable);
    QCOMPARE(refused.isEmpty(), tip.isEmpty());
    if (!tip.isEmpty())
        QCOMPARE(refused.first().first().toString(), tip);
}

// Text that reads two ways used to be read one of them when the box was left (the box drops the
// language's grouping marks from what it cannot read), or replaced by the amount before it.
// It stays as typed, the box says how to type it, and neither Enter nor the form take it.
void TestEntryWidgets::unreadableAmountStaysToBePutRight()
{
    LanguageAmountField box(QStringLiteral("de"));
    QVERIFY(QTest::qWaitForWindowActive(&box.window));
    QSignalSpy refused(box.field, &SmartAmountField::amountRefused);
    QTest::keyClicks(box.field, QStringLiteral("1.234"));
    const QString shown = box.typedText();
    QCOMPARE(shown, QStringLiteral("$ 1.234"));

    box.other->setFocus();
    QTRY_VERIFY(box.other->hasFocus());
    QCOMPARE(box.typedText(), shown);
    QCOMPARE(box.field->value(), 1.23);
    QCOMPARE(refused.size(), 1);
    const QString howToType = QStringLiteral(
        "\"1.234\" could be read two ways: type thousands without a separator and decimals after "
        "\",\", as in 1234,50");
    QCOMPARE(refused.first().first().toString(), howToType);

    QString told;
    closeNextMessageBox(&told);
    QVERIFY(!box.field->confirmAmount());
    QCOMPARE(told, howToType);
    QCOMPARE(box.window.focusWidget(), box.field);

    closeNextMessageBox(&told);
    QTest::keyClick(box.field, Qt::Key_Return);
    QCOMPARE(refused.size(), 3);
    QCOMPARE(box.typedText(), shown);

    // Put right, the text reads as typed.
    QTest::keyClick(box.field, Qt::Key_End);
    QTest::keyClicks(box.field, QStringLiteral(",5"));
    QVERIFY(box.field->confirmAmount());
    QCOMPARE(box.field->value(), 1234.5);
}

void TestEntryWidgets::tabAcceptsTheHighlightedCompletion_data()
{
    QTest::addColumn<int>("downPresses");
    QTest::addColumn<QString>("expected");

    QTest::newRow("highlighted suggestion") << 1 << "Grocery Outlet";
    QTest::newRow("second suggestion") << 2 << "Big Grocer";
    QTest::newRow("nothing highlighted") << 0 << "gro";
}

void TestEntryWidgets::tabAcceptsTheHighlightedCompletion()
{
    QFETCH(int, downPresses);
    QFETCH(QString, expected);
    QWidget window;
    auto* payee = new QLineEdit(&window);
    auto* next = new QLineEdit(&window);
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(payee);
    layout->addWidget(next);
    auto* completer =
        new TabCompleter(QStringList({"Grocery Outlet", "Big Grocer", "Gas Station"}), payee);
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    completer->setFilterMode(Qt::MatchContains);
    completer->setCompletionMode(QCompleter::PopupCompletion);
    payee->setCompleter(completer);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    payee->setFocus();
    QSignalSpy activated(completer, qOverload<const QString&>(&QCompleter::activated));

    QTest::keyClicks(payee, QStringLiteral("gro"));
    QTRY_VERIFY(completer->popup()->isVisible());
    QCOMPARE(completer->completionCount(), 2);
    for (int i = 0; i < downPresses; ++i)
        QTest::keyClick(completer->popup(), Qt::Key_Down);
    QTest::keyClick(completer->popup(), Qt::Key_Tab);

    QCOMPARE(payee->text(), expected);
    QVERIFY(!completer->popup()->isVisible());
    QCOMPARE(activated.size(), downPresses > 0 ? 1 : 0);
    if (downPresses > 0)
        QCOMPARE(activated.at(0).at(0).toString(), expected);
    QTRY_VERIFY(next->hasFocus());
}

void TestEntryWidgets::enterTakesTheSuggestionAndStays()
{
    QWidget window;
    auto* payee = new RegisterLineEdit(&window);
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(payee);
    auto* completer = new TabCompleter(QStringList({"Grocery Outlet", "Big Grocer"}), payee);
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    completer->setFilterMode(Qt::MatchContains);
    payee->setCompleter(completer);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    payee->setFocus();
    QSignalSpy returnPressed(payee, &QLineEdit::returnPressed);

    QTest::keyClicks(payee, QStringLiteral("GROCER"));
    QTRY_VERIFY(completer->popup()->isVisible());
    QTest::keyClick(completer->popup(), Qt::Key_Down);
    QTest::keyClick(completer->popup(), Qt::Key_Down);
    QTest::keyClick(completer->popup(), Qt::Key_Return);

    QCOMPARE(payee->text(), QStringLiteral("Big Grocer"));
    QVERIFY(!completer->popup()->isVisible());
    // The key chose the suggestion and went no further.
    QCOMPARE(returnPressed.size(), 0);
}

QTEST_MAIN(TestEntryWidgets)
#include "tst_entrywidgets.moc"
