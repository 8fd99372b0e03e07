#pragma once

#include <QObject>
#include <QString>

namespace PennibarServer {

// Sends e-mail invitations through a sendmail-compatible command (for example
// "/usr/sbin/sendmail -t"), which reads the message, headers first, on standard input. Without a
// command nothing is sent, and the inviter passes the code on by other means.
class InvitationMailer : public QObject
{
    Q_OBJECT

public:
    explicit InvitationMailer(QString command, QObject* parent = nullptr);

    bool isConfigured() const { return !m_command.isEmpty(); }
    void send(const QString& to, const QString& inviter, const QString& groupName,
              const QString& code, qint64 expiresAt);

private:
    QString m_command;
};

} // namespace PennibarServer
