#include "tests/common/httptestserver.h"

#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QProcess>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QTest>

// The long writes killed with SIGKILL at points spread over their run: after every kill the
// database file passes SQLite's integrity check and holds the state from before the write or
// the state after an undisturbed run, never a mixture. The writes run in crashdriver, a small
// program over the real services.
namespace {

const QString driver = QStringLiteral(PENNIBAR_CRASH_DRIVER);

// Counts and sums of every table a write touches, enough to tell before, after and any
// mixture apart.
const QStringList stateQueries{
    QStringLiteral("SELECT count(*), total(amount), total(cleared), total(reconciled) "
                   "FROM transactions WHERE deleted_at IS NULL"),
    QStringLiteral("SELECT count(*), total(amount) FROM split_lines"),
    QStringLiteral("SELECT count(*) FROM accounts"),
    QStringLiteral("SELECT count(*) FROM categories"),
    QStringLiteral("SELECT count(*), total(statement_balance) FROM reconciliations"),
    QStringLiteral("SELECT group_concat(next_due_date) FROM "
                   "(SELECT next_due_date FROM recurring_transactions ORDER BY id)"),
};

// A read-only look at a database file on a connection of its own.
class DatabaseFile
{
public:
    explicit DatabaseFile(const QString& path)
        : m_name(QStringLiteral("crash-%1").arg(quintptr(this)))
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
        db.setDatabaseName(path);
        db.open();
    }
    ~DatabaseFile() { QSqlDatabase::removeDatabase(m_name); }

    QStringList column(const QString& sql) const
    {
        QStringList values;
        QSqlQuery query(QSqlDatabase::database(m_name));
        if (!query.exec(sql))
            return {QStringLiteral("error: ") + sql};
        while (query.next()) {
            for (int i = 0; i < query.record().count(); ++i)
                values << query.value(i).toString();
        }
        return values;
    }
    QString integrity() const { return column(QStringLiteral("PRAGMA integrity_check")).join('|'); }
    QString state() const
    {
        QStringList parts;
        for (const QString& sql : stateQueries)
            parts << column(sql).join(QLatin1Char(','));
        return parts.join(QLatin1String(" / "));
    }

private:
    QString m_name;
};

QString stateOf(const QString& path)
{
    return DatabaseFile(path).state();
}

// The sync server's side of a pull: six pages of 200 records each. Page n brings the account
// "acc-n" and the category "cat-n", then 198 transactions in that account, each split between
// the page's category and the first one. A page's cursor names the pages pulled so far.
constexpr int pulledPages = 6;
constexpr int transactionsPerPage = 198;

QString cursorAfter(int pages)
{
    return QStringLiteral("page-%1").arg(pages);
}

int pagesCountedBy(const QString& cursor)
{
    return cursor.isEmpty() ? 0 : cursor.mid(5).toInt();
}

QJsonObject pulledPage(int number)
{
    const QString account = QStringLiteral("acc-%1").arg(number);
    const QString category = QStringLiteral("cat-%1").arg(number);
    QJsonArray transactions;
    for (int i = 0; i < transactionsPerPage; ++i) {
        const QString id = QStringLiteral("pulled-%1-%2").arg(number).arg(i);
        const int amount = -(number * 1000 + i);
        const QJsonArray lines{
            QJsonObject{{"category_id", category}, {"amount", amount / 2}},
            QJsonObject{{"category_id", "cat-1"}, {"amount", amount - amount / 2}, {"memo", id}}};
        transactions.append(
            QJsonObject{{"id", "srv-" + id},
                        {"client_id", id},
                        {"account_id", account},
                        {"date", QDate(2025, 1, 1).addDays(i).toString(Qt::ISODate)},
                        {"payee", QStringLiteral("Shop %1").arg(i)},
                        {"amount", amount},
                        {"is_split", true},
                        {"split_lines", lines},
                        {"version", 1}});
    }
    return {{"accounts", QJsonArray{QJsonObject{{"id", "srv-" + account},
                                                {"client_id", account},
                                                {"name", account},
                                                {"account_type", "checking"},
                                                {"currency", "USD"},
                                                {"version", 1}}}},
            {"categories", QJsonArray{QJsonObject{{"id", "srv-" + category},
                                                  {"client_id", category},
                                                  {"name", category},
                                                  {"category_type", "expense"},
                                                  {"version", 1}}}},
            {"transactions", transactions},
            {"cursor", cursorAfter(number)},
            {"has_more", number < pulledPages}};
}

// Rows and sums a database holds after the first `pages` pages, worked out from the pages.
QStringList rowsOfPages(int pages)
{
    qint64 transactions = 0;
    qint64 lines = 0;
    qint64 total = 0;
    for (int number = 1; number <= pages; ++number) {
        for (const QJsonValue& value : pulledPage(number)["transactions"].toArray()) {
            total += value["amount"].toInteger();
            lines += value["split_lines"].toArray().size();
            ++transactions;
        }
    }
    return {QString::number(pages), QString::number(pages), QString::number(transactions),
            QString::number(total), QString::number(lines), QString::number(total)};
}

const QString pulledRowsQuery = QStringLiteral(
    "SELECT (SELECT count(*) FROM accounts), (SELECT count(*) FROM categories), "
    "(SELECT count(*) FROM transactions), (SELECT coalesce(sum(amount), 0) FROM transactions), "
    "(SELECT count(*) FROM split_lines), (SELECT coalesce(sum(amount), 0) FROM split_lines)");

} // namespace

class TestCrashConsistency : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void killedWriteLeavesAllOrNothing_data();
    void killedWriteLeavesAllOrNothing();
    void killedCatchUpKeepsEveryOccurrenceWholeAndResumes();
    void killedSyncPullKeepsWholePagesAndResumes();

private:
    bool drive(const QString& phase, const QString& operation, const QString& database);
    // Prepares the operation's starting state in template.db and runs it undisturbed on a
    // copy; returns how long the run took, in milliseconds (-1 on failure).
    qint64 prepareAndTime(const QString& operation);
    // A fresh copy of the starting state, run and killed after `delayMs`. False when the
    // write had ended before the kill.
    bool runAndKill(const QString& operation, const QString& database, qint64 delayMs);
    QString path(const QString& name) const { return m_work->filePath(name); }
    // Waits for the driver while this process's event loop runs, so that the sync server here
    // answers it; false when it was still running after `timeoutMs`.
    static bool waitForDriver(QProcess& process, int timeoutMs);

    std::unique_ptr<QTemporaryDir> m_work;
    // Given to the driver after the work folder.
    QStringList m_driverOptions;
    QString m_before;
    QString m_after;
};

void TestCrashConsistency::init()
{
    m_work = std::make_unique<QTemporaryDir>();
    QVERIFY(m_work->isValid());
}

bool TestCrashConsistency::drive(const QString& phase, const QString& operation,
                                 const QString& database)
{
    QProcess process;
    process.start(driver,
                  QStringList{phase, operation, database, m_work->path()} + m_driverOptions);
    return waitForDriver(process, 600000) && process.exitStatus() == QProcess::NormalExit &&
           process.exitCode() == 0;
}

bool TestCrashConsistency::waitForDriver(QProcess& process, int timeoutMs)
{
    return QTest::qWaitFor([&] { return process.state() == QProcess::NotRunning; }, timeoutMs);
}

qint64 TestCrashConsistency::prepareAndTime(const QString& operation)
{
    if (!drive(QStringLiteral("prepare"), operation, path(QStringLiteral("template.db"))))
        return -1;
    m_before = stateOf(path(QStringLiteral("template.db")));
    QFile::copy(path(QStringLiteral("template.db")), path(QStringLiteral("undisturbed.db")));
    QElapsedTimer timer;
    timer.start();
    if (!drive(QStringLiteral("run"), operation, path(QStringLiteral("undisturbed.db"))))
        return -1;
    const qint64 elapsed = timer.elapsed();
    m_after = stateOf(path(QStringLiteral("undisturbed.db")));
    return elapsed;
}

bool TestCrashConsistency::runAndKill(const QString& operation, const QString& database,
                                      qint64 delayMs)
{
    for (const QString& suffix : {QString(), QStringLiteral("-wal"), QStringLiteral("-shm")})
        QFile::remove(database + suffix);
    QFile::copy(path(QStringLiteral("template.db")), database);
    QProcess process;
    process.start(driver, QStringList{QStringLiteral("run"), operation, database, m_work->path()} +
                              m_driverOptions);
    process.waitForStarted();
    const bool ended = waitForDriver(process, int(delayMs));
    if (!ended) {
        process.kill(); // SIGKILL
        process.waitForFinished();
    }
    return !ended;
}

void TestCrashConsistency::killedWriteLeavesAllOrNothing_data()
{
    QTest::addColumn<QString>("operation");
    QTest::addColumn<int>("killPoints");
    QTest::newRow("QIF import of 20,000 records") << QStringLiteral("qif-import") << 8;
    QTest::newRow("backup restore") << QStringLiteral("restore") << 8;
    QTest::newRow("reconciliation finish") << QStringLiteral("reconcile") << 8;
}

void TestCrashConsistency::killedWriteLeavesAllOrNothing()
{
    QFETCH(QString, operation);
    QFETCH(int, killPoints);
    const qint64 duration = prepareAndTime(operation);
    QVERIFY2(duration >= 0, "the undisturbed run failed");
    QVERIFY(m_before != m_after);

    int killedMidway = 0;
    for (int point = 1; point <= killPoints; ++point) {
        const qint64 delay = duration * point / (killPoints + 1);
        const QString database = path(QStringLiteral("killed.db"));
        killedMidway += runAndKill(operation, database, delay) ? 1 : 0;
        const DatabaseFile file(database);
        QCOMPARE(file.integrity(), QStringLiteral("ok"));
        const QString state = file.state();
        QVERIFY2(state == m_before || state == m_after,
                 qPrintable(QStringLiteral("killed after %1 ms of %2: %3\nbefore: %4\nafter:  %5")
                                .arg(delay)
                                .arg(duration)
                                .arg(state, m_before, m_after)));
    }
    QVERIFY(killedMidway > 0);
}

// A catch-up posts each occurrence with the advance of its row in one write, so a kill leaves
// every row's postings matching its next due date, and the next catch-up ends where an
// undisturbed one does.
void TestCrashConsistency::killedCatchUpKeepsEveryOccurrenceWholeAndResumes()
{
    const QString operation = QStringLiteral("catch-up");
    const qint64 duration = prepareAndTime(operation);
    QVERIFY2(duration >= 0, "the undisturbed run failed");
    QVERIFY(m_before != m_after);

    constexpr int killPoints = 6;
    for (int point = 1; point <= killPoints; ++point) {
        const qint64 delay = duration * point / (killPoints + 1);
        const QString database = path(QStringLiteral("killed.db"));
        runAndKill(operation, database, delay);
        {
            const DatabaseFile file(database);
            QCOMPARE(file.integrity(), QStringLiteral("ok"));
            const QStringList mismatched = file.column(QStringLiteral(
                "SELECT r.id FROM recurring_transactions r WHERE "
                "(SELECT count(*) FROM transactions t WHERE t.recurring_id = r.id) != "
                "julianday(r.next_due_date) - julianday(r.start_date)"));
            QVERIFY2(mismatched.isEmpty(), qPrintable(mismatched.join(' ')));
        }
        QVERIFY(drive(QStringLiteral("run"), operation, database) || stateOf(database) == m_after);
        QCOMPARE(stateOf(database), m_after);
    }
}

// A pull stores each page with the cursor that follows it in one write, so a kill leaves the
// rows of exactly the pages the stored cursor counts, split lines included, and the next pull
// asks for the page after them and ends where an undisturbed pull does.
void TestCrashConsistency::killedSyncPullKeepsWholePagesAndResumes()
{
    HttpTestServer server;
    QVERIFY(server.listen());
    // Past the last page the server answers as it does: nothing more, the same cursor.
    server.setHandler(
        "GET", QStringLiteral("/sync/v1/sync/pull"), [](const HttpTestRequest& request) {
            const int pulled =
                pagesCountedBy(request.query.queryItemValue(QStringLiteral("cursor")));
            return HttpTestReply::json(
                200, pulled < pulledPages
                         ? pulledPage(pulled + 1)
                         : QJsonObject{{"cursor", cursorAfter(pulledPages)}, {"has_more", false}});
        });
    m_driverOptions = {QString::number(server.port())};

    const QString operation = QStringLiteral("sync-pull");
    const qint64 duration = prepareAndTime(operation);
    QVERIFY2(duration >= 0, "the undisturbed pull failed");
    QCOMPARE(DatabaseFile(path(QStringLiteral("undisturbed.db"))).column(pulledRowsQuery),
             rowsOfPages(pulledPages));

    constexpr int killPoints = 8;
    QSet<int> pagesSeen;
    for (int point = 1; point <= killPoints; ++point) {
        const qint64 delay = duration * point / (killPoints + 1);
        const QString database = path(QStringLiteral("killed.db"));
        runAndKill(operation, database, delay);
        QString cursor;
        {
            const DatabaseFile file(database);
            QCOMPARE(file.integrity(), QStringLiteral("ok"));
            cursor = file.column(QStringLiteral(
                                     "SELECT value FROM preferences WHERE key = 'syncCursor'"))
                         .value(0);
            pagesSeen.insert(pagesCountedBy(cursor));
            QCOMPARE(file.column(pulledRowsQuery), rowsOfPages(pagesCountedBy(cursor)));
        }
        server.clearRequests();
        QVERIFY(drive(QStringLiteral("run"), operation, database));
        const QList<HttpTestRequest> pulls = server.requests();
        QVERIFY(!pulls.isEmpty());
        QCOMPARE(pulls.first().query.queryItemValue(QStringLiteral("cursor")), cursor);
        QCOMPARE(stateOf(database), m_after);
    }
    qInfo() << "pages stored when killed:" << pagesSeen.values();
    QVERIFY2(!(pagesSeen - QSet<int>{0, pulledPages}).isEmpty(),
             "no kill landed between two pages");
}

QTEST_GUILESS_MAIN(TestCrashConsistency)
#include "tst_crashconsistency.moc"
