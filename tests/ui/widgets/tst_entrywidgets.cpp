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
#include <QSignalSpy>
#include <QStringListModel>
#include <QTest>
#include <QVBoxLayout>

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
