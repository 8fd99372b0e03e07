#include "tests/libs/update/releasehost.h"
#include "tests/libs/update/systemlocale.h"

#include "libs/update/releasenotesfetcher.h"

#include <QSignalSpy>
#include <QTest>

using TovUpdate::ReleaseNotesFetcher;
using TovUpdate::UpdateConfig;

namespace {

const QString englishPath = QStringLiteral("/pennibar/1.1.3/release-notes.md");
const QString germanPath = QStringLiteral("/pennibar/1.1.3/release-notes.de.md");

UpdateConfig config(const QUrl& base)
{
    return {QStringLiteral("pennibar"), QStringLiteral("stable"), base, QStringLiteral("1.1.3")};
}

// What followed one fetch(): the notes, "unavailable", or "several" when both signals came.
QString runFetch(ReleaseNotesFetcher& fetcher)
{
    QSignalSpy ready(&fetcher, &ReleaseNotesFetcher::notesReady);
    QSignalSpy unavailable(&fetcher, &ReleaseNotesFetcher::notesUnavailable);
    fetcher.fetch();
    if (!QTest::qWaitFor([&] { return ready.count() + unavailable.count() > 0; }, 10000))
        return QStringLiteral("nothing");
    if (ready.count() + unavailable.count() > 1)
        return QStringLiteral("several");
    return ready.isEmpty() ? QStringLiteral("unavailable") : ready.first().first().toString();
}

} // namespace

class TestReleaseNotes : public QObject
{
    Q_OBJECT

private slots:
    void notesLiveBesideTheChannel_data();
    void notesLiveBesideTheChannel();
    void localizedNotesNameTheLanguage_data();
    void localizedNotesNameTheLanguage();
    void fetchPrefersTheUsersLanguage_data();
    void fetchPrefersTheUsersLanguage();
    void artifactNotesCarryTheirTag();
};

void TestReleaseNotes::notesLiveBesideTheChannel_data()
{
    QTest::addColumn<QString>("base");
    QTest::addColumn<QString>("notes");
    QTest::newRow("channel with trailing slash")
        << "https://127.0.0.1/pennibar/stable/"
        << "https://127.0.0.1/pennibar/1.1.3/release-notes.md";
    QTest::newRow("channel without trailing slash")
        << "https://127.0.0.1/pennibar/stable"
        << "https://127.0.0.1/pennibar/1.1.3/release-notes.md";
    QTest::newRow("channel at the root") << "https://127.0.0.1/stable/"
                                         << "https://127.0.0.1/1.1.3/release-notes.md";
    QTest::newRow("host only") << "https://127.0.0.1"
                               << "https://127.0.0.1/1.1.3/release-notes.md";
    QTest::newRow("escaped characters kept")
        << "https://127.0.0.1/my%20apps/stable/"
        << "https://127.0.0.1/my%20apps/1.1.3/release-notes.md";
}

void TestReleaseNotes::notesLiveBesideTheChannel()
{
    QFETCH(QString, base);
    QFETCH(QString, notes);
    const SystemLocaleOverride english(QStringLiteral("en_US"));
    const ReleaseNotesFetcher fetcher(config(QUrl(base)));
    QCOMPARE(fetcher.notesUrl().toString(QUrl::FullyEncoded), notes);
}

void TestReleaseNotes::localizedNotesNameTheLanguage_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("notes");
    QTest::addColumn<QString>("localized"); // empty: none
    const QString notes = QStringLiteral("https://127.0.0.1/pennibar/1.1.3/release-notes.md");
    QTest::newRow("German") << "de_DE" << notes
                            << "https://127.0.0.1/pennibar/1.1.3/release-notes.de.md";
    QTest::newRow("Japanese") << "ja_JP" << notes
                              << "https://127.0.0.1/pennibar/1.1.3/release-notes.ja.md";
    QTest::newRow("Brazilian Portuguese")
        << "pt_BR" << notes << "https://127.0.0.1/pennibar/1.1.3/release-notes.pt.md";
    QTest::newRow("English") << "en_GB" << notes << QString();
    QTest::newRow("C locale") << "C" << notes << QString();
    QTest::newRow("not a Markdown file") << "de_DE"
                                         << "https://127.0.0.1/notes/2.0.0"
                                         << "https://127.0.0.1/notes/2.0.0";
}

void TestReleaseNotes::localizedNotesNameTheLanguage()
{
    QFETCH(QString, locale);
    QFETCH(QString, notes);
    QFETCH(QString, localized);
    const SystemLocaleOverride system(locale);
    const ReleaseNotesFetcher fetcher(QUrl(notes), QStringLiteral("pennibar"));
    QCOMPARE(fetcher.localizedNotesUrl().toString(), localized);
}

void TestReleaseNotes::fetchPrefersTheUsersLanguage_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QByteArray>("german");  // empty: not on the host
    QTest::addColumn<QByteArray>("english"); // empty: not on the host
    QTest::addColumn<QString>("result");
    QTest::addColumn<QStringList>("requested");

    const QByteArray german("# Neu in 1.1.3\n\n- Schnellere Suche\n");
    const QByteArray english("# New in 1.1.3\n\n- Faster search\n");
    const QStringList both{germanPath, englishPath};
    QTest::newRow("German notes first")
        << "de_DE" << german << english << "# Neu in 1.1.3\n\n- Schnellere Suche"
        << QStringList{germanPath};
    QTest::newRow("German missing, English instead")
        << "de_DE" << QByteArray() << english << "# New in 1.1.3\n\n- Faster search" << both;
    QTest::newRow("German blank, English instead") << "de_DE" << QByteArray(" \n\t\n") << english
                                                   << "# New in 1.1.3\n\n- Faster search" << both;
    QTest::newRow("neither") << "de_DE" << QByteArray() << QByteArray() << "unavailable" << both;
    QTest::newRow("English locale asks once")
        << "en_US" << german << english << "# New in 1.1.3\n\n- Faster search"
        << QStringList{englishPath};
    QTest::newRow("white-space-only notes") << "en_US" << QByteArray() << QByteArray("\n   \r\n\t")
                                            << "unavailable" << QStringList{englishPath};
    QTest::newRow("UTF-8 decoded")
        << "ja_JP" << QByteArray() << QByteArray("Grüße – 新機能") << "Grüße – 新機能"
        << QStringList{"/pennibar/1.1.3/release-notes.ja.md", englishPath};
}

void TestReleaseNotes::fetchPrefersTheUsersLanguage()
{
    QFETCH(QString, locale);
    QFETCH(QByteArray, german);
    QFETCH(QByteArray, english);
    QFETCH(QString, result);
    QFETCH(QStringList, requested);

    ReleaseHost host;
    if (!german.isEmpty())
        host.serve(germanPath, german);
    if (!english.isEmpty())
        host.serve(englishPath, english);
    const SystemLocaleOverride system(locale);
    ReleaseNotesFetcher fetcher(config(host.url(QStringLiteral("/pennibar/stable/"))));
    QCOMPARE(runFetch(fetcher), result);
    QCOMPARE(host.requestedPaths(), requested);
    for (const ReleaseHost::Request& request : host.requests())
        QCOMPARE(request.userAgent, QStringLiteral("TovUpdateQt/0.1 (pennibar)"));
}

void TestReleaseNotes::artifactNotesCarryTheirTag()
{
    ReleaseHost host;
    host.serve(QStringLiteral("/notes/2.0.0.md"), "# 2.0.0");
    const SystemLocaleOverride german(QStringLiteral("de_DE"));
    ReleaseNotesFetcher fetcher(host.url(QStringLiteral("/notes/2.0.0.md")),
                                QStringLiteral("update-dialog"));
    QCOMPARE(runFetch(fetcher), QStringLiteral("# 2.0.0"));
    QCOMPARE(host.requestedPaths(), (QStringList{QStringLiteral("/notes/2.0.0.de.md"),
                                                 QStringLiteral("/notes/2.0.0.md")}));
    QCOMPARE(host.requests().last().userAgent, QStringLiteral("TovUpdateQt/0.1 (update-dialog)"));
}

QTEST_GUILESS_MAIN(TestReleaseNotes)
#include "tst_releasenotes.moc"
