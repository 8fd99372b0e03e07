#include "server/accounts/invitationmailer.h"

#include "server/core/isotime.h"

#include <QProcess>

namespace PennibarServer {

namespace {

// Header values must stay on one line.
QString headerValue(QString text)
{
    return text.replace(QLatin1Char('\r'), QLatin1Char(' '))
        .replace(QLatin1Char('\n'), QLatin1Char(' '));
}

} // namespace

InvitationMailer::InvitationMailer(QString command, QObject* parent)
    : QObject(parent), m_command(std::move(command))
{
}

void InvitationMailer::send(const QString& to, const QString& inviter, const QString& groupName,
                            const QString& code, qint64 expiresAt)
{
    QStringList arguments = QProcess::splitCommand(m_command);
    if (arguments.isEmpty())
        return;
    const QString program = arguments.takeFirst();
    const QString message =
        QStringLiteral("To: %1\nSubject: %2\nContent-Type: text/plain; charset=utf-8\n\n"
                       "%3 invites you to the family group \"%4\" in Pennibar.\n\n"
                       "In Pennibar, open Account > Group > Join with Invite Code and enter:\n\n"
                       "    %5\n\nThe code works until %6 and only for this e-mail address.\n")
            .arg(headerValue(to), headerValue(tr("Join %1 in Pennibar").arg(groupName)), inviter,
                 groupName, code, isoTime(expiresAt));
    auto* process = new QProcess(this);
    connect(process, &QProcess::finished, process, [process](int exitCode) {
        if (exitCode != 0)
            qWarning("The mail command failed with exit code %d", exitCode);
        process->deleteLater();
    });
    connect(process, &QProcess::errorOccurred, process, [process](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart) {
            qWarning("The mail command cannot be started");
            process->deleteLater();
        }
    });
    process->start(program, arguments);
    process->write(message.toUtf8());
    process->closeWriteChannel();
}

} // namespace PennibarServer
