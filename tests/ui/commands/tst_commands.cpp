#include "ui/commands/command.h"
#include "ui/commands/commandset.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QTest>

namespace {

enum class TestId
{
    Separator,
    Save,
    Details,
    Insert,
};

QKeyEvent press(int key, Qt::KeyboardModifiers modifiers)
{
    return QKeyEvent(QEvent::KeyPress, key, modifiers);
}

} // namespace

class TestCommands : public QObject
{
    Q_OBJECT

private slots:
    void keyPressesRunTheFirstMatchingCommand_data();
    void keyPressesRunTheFirstMatchingCommand();
    void actionsCarryTheDefinition();
    void contextEntriesNameTheirItem();
};

void TestCommands::keyPressesRunTheFirstMatchingCommand_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<QString>("command");

    const Qt::KeyboardModifiers ctrl = Qt::ControlModifier;
    const Qt::KeyboardModifiers alt = Qt::AltModifier;
    const Qt::KeyboardModifiers shift = Qt::ShiftModifier;
    QTest::newRow("first key") << int(Qt::Key_Return) << ctrl << "Save";
    QTest::newRow("second key") << int(Qt::Key_Enter) << ctrl << "Save";
    QTest::newRow("keypad flag ignored")
        << int(Qt::Key_Enter) << (ctrl | Qt::KeypadModifier) << "Save";
    QTest::newRow("extra modifier held") << int(Qt::Key_Return) << (ctrl | shift) << "Save";
    QTest::newRow("both match: the first added wins")
        << int(Qt::Key_Return) << (ctrl | alt) << "Save";
    QTest::newRow("other modifier") << int(Qt::Key_Return) << alt << "Details";
    QTest::newRow("modifier missing") << int(Qt::Key_Return) << Qt::KeyboardModifiers() << "";
    QTest::newRow("refused modifier") << int(Qt::Key_I) << (ctrl | shift) << "";
    QTest::newRow("refused modifier absent") << int(Qt::Key_I) << (ctrl | alt) << "Insert";
    QTest::newRow("other key") << int(Qt::Key_J) << ctrl << "";
}

void TestCommands::keyPressesRunTheFirstMatchingCommand()
{
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(QString, command);

    QObject owner;
    CommandSet<TestId> commands(&owner);
    commands.add(TestId::Save, {.shortcuts = {QKeySequence(Qt::CTRL | Qt::Key_Return),
                                              QKeySequence(Qt::CTRL | Qt::Key_Enter)}});
    commands.add(TestId::Details, {.shortcuts = {QKeySequence(Qt::ALT | Qt::Key_Return)}});
    commands.add(TestId::Insert, {.shortcuts = {QKeySequence(Qt::CTRL | Qt::Key_I)},
                                  .refusedModifiers = Qt::ShiftModifier});

    const QKeyEvent event = press(key, modifiers);
    const std::optional<TestId> found = commands.commandForKey(&event);
    const QHash<TestId, QString> names = {
        {TestId::Save, QStringLiteral("Save")},
        {TestId::Details, QStringLiteral("Details")},
        {TestId::Insert, QStringLiteral("Insert")},
    };
    QCOMPARE(found ? names.value(*found) : QString(), command);
}

// A command's action shows what its definition says and runs it; a menu made from the set
// shows those very actions, with a rule for Separator.
void TestCommands::actionsCarryTheDefinition()
{
    QObject owner;
    CommandSet<TestId> commands(&owner);
    int runs = 0;
    QAction* save = commands.add(TestId::Save, {.text = QStringLiteral("&Save"),
                                                .shortcuts = {QKeySequence(Qt::CTRL | Qt::Key_S)},
                                                .statusTip = QStringLiteral("Saves it"),
                                                .glyph = QChar(0xE161),
                                                .menuRole = QAction::ApplicationSpecificRole,
                                                .run = [&runs] { ++runs; }});
    QAction* later =
        commands.add(TestId::Details, {.text = QStringLiteral("&Details"), .enabled = false});

    QCOMPARE(save->parent(), &owner);
    QCOMPARE(save->text(), QStringLiteral("&Save"));
    QCOMPARE(save->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_S));
    QCOMPARE(save->statusTip(), QStringLiteral("Saves it"));
    QCOMPARE(save->menuRole(), QAction::ApplicationSpecificRole);
    QVERIFY(!save->icon().isNull());
    QVERIFY(later->icon().isNull());
    QVERIFY(save->isEnabled());
    QVERIFY(!later->isEnabled());
    save->trigger();
    later->trigger();
    QCOMPARE(runs, 1);
    QCOMPARE(commands.idOf(later), std::optional<TestId>(TestId::Details));
    QVERIFY(!commands.action(TestId::Insert));

    QMenu menu;
    commands.addToMenu(&menu, {TestId::Save, TestId::Separator, TestId::Details});
    QCOMPARE(menu.actions().size(), 3);
    QCOMPARE(menu.actions().at(0), save);
    QVERIFY(menu.actions().at(1)->isSeparator());
    QCOMPARE(menu.actions().at(2), later);
}

void TestCommands::contextEntriesNameTheirItem()
{
    QObject owner;
    CommandSet<TestId> commands(&owner);
    commands.add(TestId::Save, {.text = QStringLiteral("&Edit..."),
                                .contextText = QStringLiteral("Edit \"%1\"..."),
                                .shortcuts = {QKeySequence(Qt::CTRL | Qt::Key_E)}});
    commands.add(TestId::Details, {.text = QStringLiteral("&Reconcile..."), .enabled = false});

    QMenu menu;
    QString ran;
    QAction* edit = commands.addContextEntry(&menu, TestId::Save, QStringLiteral("100% Savings"),
                                             [&ran] { ran = QStringLiteral("edit"); });
    QAction* reconcile =
        commands.addContextEntry(&menu, TestId::Details, QStringLiteral("x"), [] {});
    QCOMPARE(edit->text(), QStringLiteral("Edit \"100% Savings\"..."));
    QVERIFY(edit->shortcut().isEmpty());
    QCOMPARE(reconcile->text(), QStringLiteral("&Reconcile..."));
    QVERIFY(!reconcile->isEnabled());
    edit->trigger();
    QCOMPARE(ran, QStringLiteral("edit"));
}

QTEST_MAIN(TestCommands)
#include "tst_commands.moc"
