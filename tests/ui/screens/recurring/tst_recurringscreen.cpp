#include "data/accountrepository.h"
#include "data/database.h"
#include "data/recurringrepository.h"
#include "data/transactionrepository.h"
#include "tests/common/testapp.h"
#include "tests/common/testrecords.h"
#include "ui/screens/recurring/recurringmodel.h"
#include "ui/screens/recurring/recurringscreen.h"
#include "ui/theme/themecolors.h"

#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QTableView>
#include <QTest>
#include <QTimer>

namespace {

const QDate today = QDate::currentDate();

// Two accounts whose names sort differently with and without case, and four recurring rows:
// listed (active first, then by date) as Gym, apple, rent, salary, and shown by next due date
// as Gym, salary, apple, rent.
struct RecurringFixture
{
    TestApp app;

    RecurringFixture()
    {
        AccountRepository* accounts = app.state()->accountRepository();
        accounts->insert(testAccount(QStringLiteral("a1"), QStringLiteral("checking")));
        accounts->insert(testAccount(QStringLiteral("a2"), QStringLiteral("Savings")));
        add(QStringLiteral("rent"), QStringLiteral("a1"), -145000, Frequency::Monthly, 1, true);
        add(QStringLiteral("Gym"), QStringLiteral("a2"), -4000, Frequency::Weekly, -2, false);
        add(QStringLiteral("salary"), QStringLiteral("a1"), 285000, Frequency::Biweekly, 0, false,
            false);
        add(QStringLiteral("apple"), QStringLiteral("a2"), -4000, Frequency::Monthly, 1, true);
    }

    void add(const QString& payee, const QString& accountId, qint64 amount, Frequency frequency,
             int dueInDays, bool autoPost, bool active = true)
    {
        RecurringTransaction row = testRecurring(QStringLiteral("id-") + payee, accountId, payee,
                                                 amount, frequency, today.addDays(dueInDays));
        row.autoPost = autoPost;
        row.isActive = active;
        app.state()->recurringRepository()->insert(row);
    }

    void deactivateAll()
    {
        QSqlQuery(app.state()->database()->connection())
            .exec(QStringLiteral("UPDATE recurring_transactions SET is_active = 0"));
    }
};

QStringList payees(const RecurringModel& model)
{
    QStringList shown;
    for (int row = 0; row < model.rowCount(); ++row)
        shown << model.index(row, RecurringModel::PayeeColumn).data().toString();
    return shown;
}

// The entries of the context menu opened over the row, with whether each is enabled.
QStringList menuOver(RecurringScreen& screen, int row)
{
    QStringList entries;
    QTimer::singleShot(50, [&entries] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QVERIFY(menu);
        for (QAction* action : menu->actions())
            entries << (action->isSeparator()
                            ? QStringLiteral("—")
                            : action->text() + (action->isEnabled() ? QStringLiteral(" on")
                                                                    : QStringLiteral(" off")));
        menu->close();
    });
    const QModelIndex index = screen.model()->index(row, RecurringModel::PayeeColumn);
    screen.onContextMenu(screen.view()->visualRect(index).center());
    return entries;
}

QPushButton* button(QWidget& screen, const QString& text)
{
    for (QPushButton* candidate : screen.findChildren<QPushButton*>()) {
        if (candidate->text() == text)
            return candidate;
    }
    return nullptr;
}

int storedTransactions(TestApp& app)
{
    return int(app.state()->transactionRepository()->listByAccount(QStringLiteral("a1")).size() +
               app.state()->transactionRepository()->listByAccount(QStringLiteral("a2")).size());
}

} // namespace

class TestRecurringScreen : public QObject
{
    Q_OBJECT

private slots:
    void sortsStablyOnEachColumn_data();
    void sortsStablyOnEachColumn();
    void refreshKeepsTheSortAndTheCurrentRow();
    void coloursMarkNegativeDueAndInactive_data();
    void coloursMarkNegativeDueAndInactive();
    void amountsShowInTheAccountsCurrency();
    void menuOffersWhatTheRowAllows_data();
    void menuOffersWhatTheRowAllows();
    void dueLabelCountsDueRows();
    void bulkButtonsPostAndAnnounce();
    void deleteAsksAndKeepsPostings();
};

// Ascending sorts are stable on the order shown before (by next due date); descending is the
// ascending order reversed as a whole, rows with equal keys included.
void TestRecurringScreen::sortsStablyOnEachColumn_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<QStringList>("ascending");

    QTest::newRow("account, ignoring case")
        << int(RecurringModel::AccountColumn) << QStringList{"salary", "rent", "Gym", "apple"};
    QTest::newRow("payee, ignoring case")
        << int(RecurringModel::PayeeColumn) << QStringList{"apple", "Gym", "rent", "salary"};
    QTest::newRow("amount in minor units")
        << int(RecurringModel::AmountColumn) << QStringList{"rent", "Gym", "apple", "salary"};
    QTest::newRow("frequency in its own order")
        << int(RecurringModel::FrequencyColumn) << QStringList{"Gym", "salary", "apple", "rent"};
    QTest::newRow("next due date")
        << int(RecurringModel::NextDueColumn) << QStringList{"Gym", "salary", "apple", "rent"};
    QTest::newRow("auto-post off first")
        << int(RecurringModel::AutoColumn) << QStringList{"Gym", "salary", "apple", "rent"};
    QTest::newRow("inactive first")
        << int(RecurringModel::StatusColumn) << QStringList{"salary", "Gym", "apple", "rent"};
}

void TestRecurringScreen::sortsStablyOnEachColumn()
{
    QFETCH(int, column);
    QFETCH(QStringList, ascending);
    RecurringFixture fixture;
    RecurringScreen screen(fixture.app.state());
    RecurringModel* model = screen.model();
    QCOMPARE(payees(*model), (QStringList{"Gym", "salary", "apple", "rent"}));

    model->sort(column, Qt::AscendingOrder);
    QCOMPARE(payees(*model), ascending);
    model->sort(column, Qt::DescendingOrder);
    QStringList descending = ascending;
    std::reverse(descending.begin(), descending.end());
    QCOMPARE(payees(*model), descending);

    model->sort(RecurringModel::ColumnCount, Qt::AscendingOrder);
    QCOMPARE(payees(*model), descending);
}

// A refresh keeps the chosen sort and the current row, wherever its new date puts it.
void TestRecurringScreen::refreshKeepsTheSortAndTheCurrentRow()
{
    RecurringFixture fixture;
    RecurringScreen screen(fixture.app.state());
    screen.model()->sort(RecurringModel::PayeeColumn, Qt::DescendingOrder);
    screen.view()->setCurrentIndex(screen.model()->index(2, RecurringModel::PayeeColumn));
    QCOMPARE(screen.view()->currentIndex().data().toString(), QStringLiteral("Gym"));
    fixture.add(QStringLiteral("bakery"), QStringLiteral("a1"), -500, Frequency::Weekly, 3, false);

    screen.refresh();
    QCOMPARE(payees(*screen.model()), (QStringList{"salary", "rent", "Gym", "bakery", "apple"}));
    QCOMPARE(screen.view()->currentIndex().data().toString(), QStringLiteral("Gym"));

    screen.model()->sort(RecurringModel::NextDueColumn, Qt::AscendingOrder);
    screen.view()->setCurrentIndex(screen.model()->index(0, RecurringModel::PayeeColumn));
    QCOMPARE(screen.view()->currentIndex().data().toString(), QStringLiteral("Gym"));
    screen.confirmSelected();
    QCOMPARE(payees(*screen.model()).last(), QStringLiteral("Gym"));
    QCOMPARE(screen.view()->currentIndex().data().toString(), QStringLiteral("Gym"));
}

void TestRecurringScreen::coloursMarkNegativeDueAndInactive_data()
{
    QTest::addColumn<bool>("dark");
    QTest::addColumn<QString>("payee");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("colour"); // empty: the view's own

    for (const bool dark : {false, true}) {
        const char* theme = dark ? "dark" : "light";
        QTest::addRow("%s: negative amount", theme)
            << dark << "rent" << int(RecurringModel::AmountColumn)
            << ThemeColors::negative(dark).color().name();
        QTest::addRow("%s: positive amount", theme)
            << dark << "salary" << int(RecurringModel::AmountColumn) << QString();
    }
    QTest::newRow("overdue") << false << "Gym" << int(RecurringModel::NextDueColumn) << "#008800";
    QTest::newRow("due tomorrow") << false << "rent" << int(RecurringModel::NextDueColumn)
                                  << QString();
    QTest::newRow("inactive, due today")
        << false << "salary" << int(RecurringModel::NextDueColumn) << QString();
    QTest::newRow("inactive status")
        << false << "salary" << int(RecurringModel::StatusColumn) << QColor(Qt::gray).name();
    QTest::newRow("active status")
        << false << "rent" << int(RecurringModel::StatusColumn) << QString();
}

void TestRecurringScreen::coloursMarkNegativeDueAndInactive()
{
    QFETCH(bool, dark);
    QFETCH(QString, payee);
    QFETCH(int, column);
    QFETCH(QString, colour);
    RecurringFixture fixture;
    const QPalette before = QApplication::palette();
    QApplication::setPalette(ThemeColors::palette(dark));
    RecurringScreen screen(fixture.app.state());
    const int row = int(payees(*screen.model()).indexOf(payee));

    const QVariant foreground = screen.model()->index(row, column).data(Qt::ForegroundRole);
    QApplication::setPalette(before);
    QCOMPARE(foreground.isValid() ? foreground.value<QColor>().name() : QString(), colour);
}

void TestRecurringScreen::amountsShowInTheAccountsCurrency()
{
    RecurringFixture fixture;
    fixture.app.state()->accountRepository()->insert(
        testAccount(QStringLiteral("yen"), QStringLiteral("Tokyo"), 0, Currency::JPY));
    fixture.add(QStringLiteral("Ramen"), QStringLiteral("yen"), -1500, Frequency::Weekly, 3, false);
    RecurringScreen screen(fixture.app.state());
    const int row = int(payees(*screen.model()).indexOf(QStringLiteral("Ramen")));
    QCOMPARE(screen.model()->index(row, RecurringModel::AmountColumn).data().toString(),
             QStringLiteral("-¥1,500"));
    QCOMPARE(screen.model()->index(row, RecurringModel::AccountColumn).data().toString(),
             QStringLiteral("Tokyo"));
    const int rent = int(payees(*screen.model()).indexOf(QStringLiteral("rent")));
    QCOMPARE(screen.model()->index(rent, RecurringModel::AmountColumn).data().toString(),
             QStringLiteral("-$1,450.00"));
    // The frequency by its name, not its stored word.
    QCOMPARE(screen.model()->index(rent, RecurringModel::FrequencyColumn).data().toString(),
             QStringLiteral("Monthly"));
    const int salary = int(payees(*screen.model()).indexOf(QStringLiteral("salary")));
    QCOMPARE(screen.model()->index(salary, RecurringModel::FrequencyColumn).data().toString(),
             QStringLiteral("Bi-weekly"));
    QCOMPARE(screen.model()->index(rent, RecurringModel::AutoColumn).data().toString(),
             QStringLiteral("Yes"));
}

// Confirm and Skip need an occurrence that is due, Enter Early one that is not yet.
void TestRecurringScreen::menuOffersWhatTheRowAllows_data()
{
    QTest::addColumn<QString>("payee");
    QTest::addColumn<QStringList>("entries");
    QTest::newRow("due two days ago")
        << "Gym" << QStringList{"&Edit on", "&Confirm on", "&Skip on", "Enter &Early... off",
                                "—",        "&Delete on"};
    QTest::newRow("due tomorrow") << "rent" << QStringList{"&Edit on",  "&Confirm off",
                                                           "&Skip off", "Enter &Early... on",
                                                           "—",         "&Delete on"};
    QTest::newRow("inactive, due today")
        << "salary" << QStringList{"&Edit on", "&Confirm off", "&Skip off", "Enter &Early... off",
                                   "—",        "&Delete on"};
}

void TestRecurringScreen::menuOffersWhatTheRowAllows()
{
    QFETCH(QString, payee);
    QFETCH(QStringList, entries);
    RecurringFixture fixture;
    fixture.add(QStringLiteral("today"), QStringLiteral("a1"), -100, Frequency::Daily, 0, false);
    RecurringScreen screen(fixture.app.state());
    screen.resize(700, 500);
    screen.show();
    const QStringList shown = payees(*screen.model());
    QCOMPARE(menuOver(screen, int(shown.indexOf(QStringLiteral("today")))),
             (QStringList{"&Edit on", "&Confirm on", "&Skip on", "Enter &Early... off", "—",
                          "&Delete on"}));
    QCOMPARE(menuOver(screen, int(shown.indexOf(payee))), entries);
    QCOMPARE(screen.view()->currentIndex().row(), shown.indexOf(payee));
}

void TestRecurringScreen::dueLabelCountsDueRows()
{
    RecurringFixture fixture;
    RecurringScreen screen(fixture.app.state());
    QLabel* due = nullptr;
    for (QLabel* label : screen.findChildren<QLabel*>()) {
        if (label->text().endsWith(QLatin1String(" due)")))
            due = label;
    }
    QVERIFY(due);
    QCOMPARE(due->text(), QStringLiteral("(1 due)"));
    fixture.add(QStringLiteral("today"), QStringLiteral("a1"), -100, Frequency::Daily, 0, false);
    fixture.add(QStringLiteral("week ago"), QStringLiteral("a2"), -100, Frequency::Daily, -7,
                false);
    screen.refresh();
    QCOMPARE(due->text(), QStringLiteral("(3 due)"));
    QCOMPARE(due->styleSheet(), QStringLiteral("color: #008800;"));

    fixture.deactivateAll();
    screen.refresh();
    QVERIFY(due->text().isEmpty());
}

// The bulk buttons tell the window about postings only when something was posted; "Enter Next
// 7 Days" asks first and a No changes nothing.
void TestRecurringScreen::bulkButtonsPostAndAnnounce()
{
    RecurringFixture fixture;
    RecurringScreen screen(fixture.app.state());
    QSignalSpy posted(&screen, &RecurringScreen::transactionsChanged);

    answerNextMessageBox(QMessageBox::No);
    button(screen, QStringLiteral("Enter Next 7 Days"))->click();
    QCOMPARE(storedTransactions(fixture.app), 0);
    QCOMPARE(posted.count(), 0);

    button(screen, QStringLiteral("Confirm All Due"))->click();
    QCOMPARE(storedTransactions(fixture.app), 1); // Gym, once, though it is two days behind
    QCOMPARE(posted.count(), 1);

    QString question;
    answerNextMessageBox(QMessageBox::Yes, &question);
    button(screen, QStringLiteral("Enter Next 7 Days"))->click();
    QVERIFY(question.startsWith(QStringLiteral("Enter all recurring transactions due in the next "
                                               "7 days?")));
    // Gym's next week, rent and apple; the inactive salary never.
    QCOMPARE(storedTransactions(fixture.app), 1 + 3);
    QCOMPARE(posted.count(), 2);

    fixture.deactivateAll();
    button(screen, QStringLiteral("Confirm All Due"))->click();
    QCOMPARE(posted.count(), 2);
}

void TestRecurringScreen::deleteAsksAndKeepsPostings()
{
    RecurringFixture fixture;
    RecurringScreen screen(fixture.app.state());
    const auto select = [&screen](const QString& payee) {
        const int row = int(payees(*screen.model()).indexOf(payee));
        screen.view()->setCurrentIndex(screen.model()->index(row, RecurringModel::PayeeColumn));
    };
    select(QStringLiteral("Gym"));
    screen.confirmSelected();
    QCOMPARE(storedTransactions(fixture.app), 1);

    QString question;
    answerNextMessageBox(QMessageBox::No, &question);
    screen.deleteSelected();
    QCOMPARE(question, QStringLiteral("Delete recurring \"Gym\"?"));
    QCOMPARE(screen.model()->rowCount(), 4);

    answerNextMessageBox(QMessageBox::Yes);
    screen.deleteSelected();
    QCOMPARE(payees(*screen.model()), (QStringList{"salary", "apple", "rent"}));
    QVERIFY(
        fixture.app.state()->recurringRepository()->byId(QStringLiteral("id-Gym"))->isDeleted());
    QCOMPARE(storedTransactions(fixture.app), 1);
}

QTEST_MAIN(TestRecurringScreen)
#include "tst_recurringscreen.moc"
