#include <QElapsedTimer>
#include <QFile>
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

    std::unique_ptr<QTemporaryDir> m_work;
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
    process.start(driver, {phase, operation, database, m_work->path()});
    return process.waitForFinished(600000) && process.exitStatus() == QProcess::NormalExit &&
           process.exitCode() == 0;
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
    process.start(driver, {QStringLiteral("run"), operation, database, m_work->path()});
    process.waitForStarted();
    const bool ended = process.waitForFinished(int(delayMs));
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
// carries on from there to what an undisturbed pull holds.
void TestCrashConsistency::killedSyncPullKeepsWholePagesAndResumes()
{
    const QString operation = QStringLiteral("sync-pull");
    const qint64 duration = prepareAndTime(operation);
    QVERIFY2(duration >= 0, "the undisturbed pull failed");
    QVERIFY(m_before != m_after);

    constexpr int rowsPerPage = 200;
    constexpr int killPoints = 8;
    QSet<int> pagesSeen;
    for (int point = 1; point <= killPoints; ++point) {
        const qint64 delay = duration * point / (killPoints + 1);
        const QString database = path(QStringLiteral("killed.db"));
        runAndKill(operation, database, delay);
        {
            const DatabaseFile file(database);
            QCOMPARE(file.integrity(), QStringLiteral("ok"));
            const QString cursor =
                file.column(
                        QStringLiteral("SELECT value FROM preferences WHERE key = 'syncCursor'"))
                    .value(0);
            const int pages = cursor.isEmpty() ? 0 : cursor.mid(5).toInt();
            pagesSeen.insert(pages);
            const QStringList counts = file.column(QStringLiteral(
                "SELECT (SELECT count(*) FROM transactions), (SELECT count(*) FROM split_lines)"));
            QCOMPARE(counts, (QStringList{QString::number(pages * rowsPerPage),
                                          QString::number(pages * rowsPerPage * 2)}));
        }
        QVERIFY(drive(QStringLiteral("run"), operation, database));
        QCOMPARE(stateOf(database), m_after);
    }
    qInfo() << "pages stored when killed:" << pagesSeen.values();
    QVERIFY2(!(pagesSeen - QSet<int>{0, 6}).isEmpty(), "no kill landed between two pages");
}

QTEST_GUILESS_MAIN(TestCrashConsistency)
#include "tst_crashconsistency.moc"
