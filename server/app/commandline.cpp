#include "server/app/commandline.h"

#include "server/accounts/groupservice.h"
#include "server/app/passwordprompt.h"
#include "server/app/serverinstance.h"
#include "server/app/shutdownsignals.h"
#include "server/auth/passwordhasher.h"
#include "server/auth/sessionstore.h"
#include "server/auth/userstore.h"
#include "server/core/isotime.h"
#include "server/storage/database.h"
#include "server/storage/databasecopier.h"

#include <QCoreApplication>
#include <QTextStream>

namespace PennibarServer {

namespace {

const char kUsage[] =
    "Usage: pennibar-server [--config FILE] COMMAND\n"
    "\n"
    "Commands:\n"
    "  serve                          run the server\n"
    "  user add EMAIL [--name NAME]   create a user; the password is read from standard input\n"
    "  user list                      list the users\n"
    "  user disable EMAIL             block a user's sign-in and end their sessions\n"
    "  user enable EMAIL              let a disabled user sign in again\n"
    "  copy-to DATABASE               copy everything into another, empty database\n"
    "                                 (\"sqlite:PATH\" or a postgresql:// URL)\n"
    "  reset-cursors                  make every app pull everything again (after a restore)\n"
    "  group create EMAIL [--name NAME]\n"
    "                                 make a family group owned by that user; others join\n"
    "                                 with the invite codes the owner makes in the app\n"
    "\n"
    "Settings come from the --config file (or PENNIBAR_SERVER_CONFIG) and from\n"
    "PENNIBAR_SERVER_<SETTING> environment variables; see server/README.md.\n";

QTextStream& out()
{
    static QTextStream stream(stdout);
    return stream;
}

QTextStream& err()
{
    static QTextStream stream(stderr);
    return stream;
}

int fail(const QString& message)
{
    err() << "pennibar-server: " << message << Qt::endl;
    return 1;
}

int usage()
{
    err() << kUsage;
    return 2;
}

// A text users chose (a display name, a group name), fit for the admin's terminal: control
// characters as \xHH and the backslash doubled, so a name stored before names were checked
// cannot move the cursor, retitle the window or hide a line.
QString shown(const QString& text)
{
    QString escaped;
    escaped.reserve(text.size());
    for (const QChar c : text) {
        if (c == QLatin1Char('\\'))
            escaped += QStringLiteral("\\\\");
        else if (c.category() == QChar::Other_Control)
            escaped += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
        else
            escaped += c;
    }
    return escaped;
}

int serve(ServerInstance& server)
{
    QString error;
    if (!server.start(&error))
        return fail(error);
    ShutdownSignals shutdownSignals;
    qInfo("pennibar-server %s listening on %s", qPrintable(QCoreApplication::applicationVersion()),
          qPrintable(server.baseUrl().toString()));
    return QCoreApplication::exec();
}

// Takes "--name NAME" out of the arguments; false when the option has no value.
bool takeName(QStringList* arguments, QString* name)
{
    const qsizetype at = arguments->indexOf(QStringLiteral("--name"));
    if (at < 0)
        return true;
    if (at + 1 >= arguments->size())
        return false;
    *name = arguments->takeAt(at + 1).trimmed();
    arguments->removeAt(at);
    return true;
}

std::optional<User> userByEmail(ServerInstance& server, const QString& text)
{
    const auto email = User::normalizedEmail(text);
    return email ? server.users().byEmail(*email) : std::nullopt;
}

int addUser(ServerInstance& server, QStringList arguments)
{
    QString nameText;
    if (!takeName(&arguments, &nameText) || arguments.size() != 1)
        return usage();
    const auto email = User::normalizedEmail(arguments.first());
    if (!email)
        return fail(QStringLiteral("\"%1\" is not an e-mail address").arg(arguments.first()));
    const auto displayName = User::normalizedDisplayName(nameText);
    if (!displayName)
        return fail(QStringLiteral("a name has at most %1 characters and no control characters")
                        .arg(User::kMaximumDisplayNameLength));
    QString error;
    const auto password = PasswordPrompt::read(&error);
    if (!password)
        return fail(error);
    if (password->size() < PasswordHasher::kMinimumLength ||
        password->size() > PasswordHasher::kMaximumLength)
        return fail(QStringLiteral("the password must have %1 to %2 characters")
                        .arg(PasswordHasher::kMinimumLength)
                        .arg(PasswordHasher::kMaximumLength));
    const auto hash = PasswordHasher().hash(*password);
    if (!hash)
        return fail(QStringLiteral("cannot hash the password"));
    User user;
    switch (server.users().create(*email, *displayName, *hash, server.clock().now(), &user)) {
    case UserStore::CreateResult::Created:
        out() << "Created " << user.email << " (" << user.id << ")" << Qt::endl;
        return 0;
    case UserStore::CreateResult::EmailTaken:
        return fail(QStringLiteral("a user with the e-mail %1 exists already").arg(*email));
    case UserStore::CreateResult::Failed:
        break;
    }
    return fail(QStringLiteral("cannot store the user"));
}

int listUsers(ServerInstance& server)
{
    const auto users = server.users().all();
    if (!users)
        return fail(QStringLiteral("cannot read the users"));
    out() << QStringLiteral("%1  %2  %3  %4  %5")
                 .arg(QStringLiteral("EMAIL"), -32)
                 .arg(QStringLiteral("ID"), -36)
                 .arg(QStringLiteral("STATUS"), -16)
                 .arg(QStringLiteral("CREATED"), -20)
                 .arg(QStringLiteral("NAME"))
          << Qt::endl;
    for (const User& user : *users) {
        out() << QStringLiteral("%1  %2  %3  %4  %5")
                     .arg(user.email, -32)
                     .arg(user.id, -36)
                     .arg(user.status(), -16)
                     .arg(isoTime(user.createdAt), -20)
                     .arg(shown(user.displayName))
              << Qt::endl;
    }
    return 0;
}

int createGroup(ServerInstance& server, QStringList arguments)
{
    QString name;
    if (!takeName(&arguments, &name) || arguments.size() != 1)
        return usage();
    const auto owner = userByEmail(server, arguments.first());
    if (!owner)
        return fail(QStringLiteral("no user has the e-mail %1").arg(arguments.first()));
    if (name.isEmpty())
        name = QStringLiteral("%1's family")
                   .arg(owner->displayName.isEmpty() ? owner->email.section(QLatin1Char('@'), 0, 0)
                                                     : owner->displayName);
    Group group;
    const GroupService::Outcome outcome = server.groups().create(owner->id, name, &group);
    if (outcome != GroupService::Outcome::Ok)
        return fail(GroupService::describe(outcome).second);
    out() << "Created the family group \"" << shown(group.name) << "\" (" << group.id << ") owned by "
          << owner->email << Qt::endl;
    return 0;
}

int copyTo(ServerInstance& server, const QString& target)
{
    QString error;
    const auto destination = ServerInstance::openDatabase(target, server.config().dataDir, &error);
    if (!destination)
        return fail(error);
    if (!DatabaseCopier::copy(server.database(), *destination, &error))
        return fail(error);
    out() << "Copied everything. Set database to the new one and start the server." << Qt::endl;
    return 0;
}

int setDisabled(ServerInstance& server, const QStringList& arguments, bool disabled)
{
    if (arguments.size() != 1)
        return usage();
    const auto user = userByEmail(server, arguments.first());
    if (!user)
        return fail(QStringLiteral("no user has the e-mail %1").arg(arguments.first()));
    // Disabling also ends every session, so the user's apps are signed out at once.
    if (!server.users().setDisabled(user->id, disabled) ||
        (disabled && !server.sessions().revokeAll(user->id, server.clock().now())))
        return fail(QStringLiteral("cannot update the user"));
    out() << (disabled ? "Disabled " : "Enabled ") << user->email << Qt::endl;
    return 0;
}

} // namespace

int CommandLine::run(const QStringList& arguments, const QProcessEnvironment& environment)
{
    QStringList words = arguments.mid(1);
    if (words.contains(QStringLiteral("--help")) || words.contains(QStringLiteral("-h"))) {
        out() << kUsage;
        return 0;
    }
    if (words.contains(QStringLiteral("--version"))) {
        out() << "pennibar-server " << QCoreApplication::applicationVersion() << Qt::endl;
        return 0;
    }
    QString configFile = environment.value(QStringLiteral("PENNIBAR_SERVER_CONFIG"));
    if (!words.isEmpty() && words.first() == QLatin1String("--config")) {
        if (words.size() < 2)
            return usage();
        configFile = words.at(1);
        words = words.mid(2);
    }
    if (words.isEmpty())
        return usage();

    QString error;
    const auto config = ServerConfig::load(configFile, environment, &error);
    if (!config)
        return fail(error);
    if (!PasswordHasher::initialize())
        return fail(QStringLiteral("libsodium cannot be initialised"));
    ServerInstance server(*config);

    const QString command = words.takeFirst();
    if (command == QLatin1String("serve") && words.isEmpty())
        return serve(server);
    if (command == QLatin1String("reset-cursors") && words.isEmpty()) {
        if (!server.openStorage(&error))
            return fail(error);
        if (!server.resetCursors())
            return fail(QStringLiteral("cannot update the server settings"));
        out() << "Every app will pull everything again on its next sync." << Qt::endl;
        return 0;
    }
    const QString action = words.isEmpty() ? QString() : words.takeFirst();
    const bool userCommand = command == QLatin1String("user") &&
                             QStringList{QStringLiteral("add"), QStringLiteral("list"),
                                         QStringLiteral("disable"), QStringLiteral("enable")}
                                 .contains(action);
    const bool groupCommand =
        command == QLatin1String("group") && action == QLatin1String("create");
    const bool copyCommand =
        command == QLatin1String("copy-to") && !action.isEmpty() && words.isEmpty();
    if (!userCommand && !groupCommand && !copyCommand)
        return usage();
    if (!server.openStorage(&error))
        return fail(error);
    if (copyCommand)
        return copyTo(server, action);
    if (groupCommand)
        return createGroup(server, words);
    if (action == QLatin1String("add"))
        return addUser(server, words);
    if (action == QLatin1String("list"))
        return words.isEmpty() ? listUsers(server) : usage();
    return setDisabled(server, words, action == QLatin1String("disable"));
}

} // namespace PennibarServer
