#include "ui/shell/feedbacklink.h"
#include "ui/shell/signinmessages.h"
#include "ui/shell/statusbar.h"
#include "ui/shell/welcomescreen.h"
#include "ui/theme/thememanager.h"

#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTranslator>

class TestShellWidgets : public QObject
{
    Q_OBJECT

private:
    static QLabel* labelWithText(QWidget& widget, const QString& text)
    {
        for (QLabel* label : widget.findChildren<QLabel*>()) {
            if (label->text() == text)
                return label;
        }
        return nullptr;
    }

    static QPushButton* buttonWithText(QWidget& widget, const QString& text)
    {
        for (QPushButton* button : widget.findChildren<QPushButton*>()) {
            if (button->text() == text)
                return button;
        }
        return nullptr;
    }

    QTranslator m_english;

private slots:
    void initTestCase()
    {
        // Plural forms come from the English catalogue.
        QVERIFY(m_english.load(QStringLiteral(":/i18n/pennibar_en.qm")));
        QCoreApplication::installTranslator(&m_english);
    }

    void accountCountUsesPluralForms();
    void recurringDueShowsOnlyWhenSomethingIsDue();
    void transientMessageHidesProgress();
    void transientMessageReplacesTheCounts_data();
    void transientMessageReplacesTheCounts();
    void transientMessageFollowsTheTheme_data();
    void transientMessageFollowsTheTheme();
    void welcomeScreenVariants();
    void feedbackLinkCarriesTheProduct_data();
    void feedbackLinkCarriesTheProduct();
    void signInFailuresInTheUsersWords_data();
    void signInFailuresInTheUsersWords();
};

void TestShellWidgets::feedbackLinkCarriesTheProduct_data()
{
    QTest::addColumn<QString>("site");
    QTest::addColumn<QString>("url");
    QTest::newRow("bare host") << "https://feedback.example.com"
                               << "https://feedback.example.com/?tags=pennibar";
    QTest::newRow("path without slash") << "https://example.com/board"
                                        << "https://example.com/board/?tags=pennibar";
    QTest::newRow("path with slash") << "https://example.com/board/"
                                     << "https://example.com/board/?tags=pennibar";
    QTest::newRow("existing query kept") << "https://example.com/b?lang=en"
                                         << "https://example.com/b/?lang=en&tags=pennibar";
}

void TestShellWidgets::feedbackLinkCarriesTheProduct()
{
    QFETCH(QString, site);
    QFETCH(QString, url);
    QCOMPARE(FeedbackLink(site, QStringLiteral("pennibar")).url().toString(), url);
}

void TestShellWidgets::accountCountUsesPluralForms()
{
    StatusBar bar;
    bar.setAccountCount(1);
    QVERIFY(labelWithText(bar, QStringLiteral("1 account")));
    bar.setAccountCount(3);
    QVERIFY(labelWithText(bar, QStringLiteral("3 accounts")));
    QVERIFY(labelWithText(bar, QStringLiteral("Offline")));
}

void TestShellWidgets::recurringDueShowsOnlyWhenSomethingIsDue()
{
    QApplication::setPalette(ThemeManager::lightPalette());
    StatusBar bar;
    bar.show();
    bar.setRecurringDue(2);
    QLabel* due = labelWithText(bar, QStringLiteral("  •  2 recurring due"));
    QVERIFY(due);
    QVERIFY(due->isVisible());
    QCOMPARE(due->styleSheet(), QStringLiteral("color: #E65100; font-weight: bold;"));

    QApplication::setPalette(ThemeManager::darkPalette());
    bar.restyle();
    QCOMPARE(due->styleSheet(), QStringLiteral("color: #FFA726; font-weight: bold;"));

    bar.setRecurringDue(0);
    QVERIFY(!due->isVisible());
    QApplication::setPalette(ThemeManager::lightPalette());
}

void TestShellWidgets::transientMessageHidesProgress()
{
    StatusBar bar;
    bar.show();
    bar.showProgress(QStringLiteral("Checking for updates..."));
    QProgressBar* busy = bar.findChild<QProgressBar*>();
    QVERIFY(busy->isVisible());
    QCOMPARE(busy->maximum(), 0);
    bar.showTransient(QStringLiteral("You're up to date"), 3000);
    QVERIFY(!busy->isVisible());
    QVERIFY(!labelWithText(bar, QStringLiteral("Checking for updates..."))->isVisible());
    QCOMPARE(bar.currentMessage(), QStringLiteral("You're up to date"));
}

void TestShellWidgets::transientMessageReplacesTheCounts_data()
{
    QTest::addColumn<bool>("messageBeforeShow");
    QTest::addColumn<bool>("dueDuringMessage");
    // At start-up the window posts its message before it is first shown.
    QTest::newRow("message before the bar shows") << true << false;
    QTest::newRow("message on a shown bar") << false << false;
    QTest::newRow("due count arriving during the message") << false << true;
    QTest::newRow("due count before the bar shows") << true << true;
}

// A transient message is drawn where the counts are: they give way to it, and come back when it
// has gone, instead of being drawn under it.
void TestShellWidgets::transientMessageReplacesTheCounts()
{
    QFETCH(bool, messageBeforeShow);
    QFETCH(bool, dueDuringMessage);
    StatusBar bar;
    bar.setAccountCount(4);
    if (!dueDuringMessage)
        bar.setRecurringDue(1);
    if (!messageBeforeShow)
        bar.show();
    bar.showTransient(QStringLiteral("Auto-posted 1 recurring transaction"), 200);
    if (dueDuringMessage)
        bar.setRecurringDue(1);
    bar.show();

    QLabel* accounts = labelWithText(bar, QStringLiteral("4 accounts"));
    QLabel* due = labelWithText(bar, QStringLiteral("  •  1 recurring due"));
    QVERIFY(accounts && due);
    QVERIFY(!accounts->isVisible());
    QVERIFY(!due->isVisible());
    QVERIFY(labelWithText(bar, QStringLiteral("Offline"))->isVisible());

    QTRY_VERIFY(bar.currentMessage().isEmpty());
    QVERIFY(accounts->isVisible());
    QVERIFY(due->isVisible());
    // Nothing due any more: the count stays away after the next message too.
    bar.setRecurringDue(0);
    bar.showTransient(QStringLiteral("Sync complete"), 50);
    QTRY_VERIFY(bar.currentMessage().isEmpty());
    QVERIFY(accounts->isVisible());
    QVERIFY(!due->isVisible());
}

void TestShellWidgets::transientMessageFollowsTheTheme_data()
{
    QTest::addColumn<bool>("startDark");
    QTest::newRow("light, then dark") << false;
    QTest::newRow("dark, then light") << true;
}

// The message is painted in the bar's text colour: after a theme switch it must be the one a
// bar made in the new theme has, or it all but vanishes into the new background.
void TestShellWidgets::transientMessageFollowsTheTheme()
{
    QFETCH(bool, startDark);
    const auto paletteFor = [](bool dark) {
        return dark ? ThemeManager::darkPalette() : ThemeManager::lightPalette();
    };
    QApplication::setPalette(paletteFor(startDark));
    StatusBar bar;
    bar.show();
    bar.showTransient(QStringLiteral("Select an account first"), 3000);
    const QColor before = bar.palette().color(QPalette::WindowText);

    QApplication::setPalette(paletteFor(!startDark));
    bar.restyle();
    StatusBar fresh;
    fresh.show();
    QVERIFY(fresh.palette().color(QPalette::WindowText) != before);
    QCOMPARE(bar.palette().color(QPalette::WindowText),
             fresh.palette().color(QPalette::WindowText));
    QApplication::setPalette(ThemeManager::lightPalette());
}

void TestShellWidgets::welcomeScreenVariants()
{
    WelcomeScreen screen(nullptr);
    screen.resize(800, 900);
    screen.show();
    QSignalSpy create(&screen, &WelcomeScreen::createAccountRequested);
    QSignalSpy signIn(&screen, &WelcomeScreen::signInRequested);

    QPushButton* createFirst = buttonWithText(screen, QStringLiteral("Create Your First Account"));
    QVERIFY(createFirst && !createFirst->isFlat());
    QVERIFY(buttonWithText(screen, QStringLiteral("Already have an account? Sign In"))->isFlat());
    QVERIFY(screen.findChild<QWidget*>(QStringLiteral("HowItWorksCard"))->isVisible());
    QVERIFY(!labelWithText(screen,
                           QStringLiteral("Your session has ended. Sign back in to keep syncing."))
                 ->isVisible());
    QTest::mouseClick(createFirst, Qt::LeftButton);
    QCOMPARE(create.count(), 1);

    screen.setReturningUser(true);
    QVERIFY(labelWithText(screen, QStringLiteral("Welcome back")));
    QPushButton* signInButton = buttonWithText(screen, QStringLiteral("Sign In"));
    QVERIFY(signInButton && !signInButton->isFlat());
    QCOMPARE(signInButton->minimumHeight(), 40);
    QVERIFY(buttonWithText(screen, QStringLiteral("Create a different account"))->isFlat());
    QVERIFY(!screen.findChild<QWidget*>(QStringLiteral("HowItWorksCard"))->isVisible());
    QTest::mouseClick(signInButton, Qt::LeftButton);
    QCOMPARE(signIn.count(), 1);
}

void TestShellWidgets::signInFailuresInTheUsersWords_data()
{
    QTest::addColumn<QString>("reason");
    QTest::addColumn<QString>("shown");
    QTest::newRow("no port for the listener")
        << "Failed to start local auth server"
        << "Sign-in failed: no local port was free for the browser to come back to";
    QTest::newRow("no tokens") << "No tokens received"
                               << "Sign-in failed: the browser came back without a sign-in";
    QTest::newRow("code refused")
        << "The sign-in code was refused"
        << "Sign-in failed: the server did not accept it; please sign in again";
    QTest::newRow("exchange failed")
        << "The sign-in could not be completed"
        << "Sign-in failed: the server could not be reached to finish it; please sign in again";
    QTest::newRow("unknown reason as it stands") << "The server is busy"
                                                 << "Sign-in failed: The server is busy";
}

void TestShellWidgets::signInFailuresInTheUsersWords()
{
    QFETCH(QString, reason);
    QFETCH(QString, shown);
    QCOMPARE(SignInMessages::failure(reason), shown);
}

QTEST_MAIN(TestShellWidgets)
#include "tst_shellwidgets.moc"
