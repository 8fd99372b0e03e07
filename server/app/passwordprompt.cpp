#include "server/app/passwordprompt.h"

#include <cstdio>
#include <iostream>
#include <string>

#ifdef Q_OS_WIN
#include <io.h>
#include <windows.h>
#else
#include <termios.h>
#include <unistd.h>
#endif

namespace PennibarServer {

namespace {

// Turns terminal echo off for its lifetime.
class EchoOff
{
public:
    EchoOff()
    {
#ifdef Q_OS_WIN
        m_input = GetStdHandle(STD_INPUT_HANDLE);
        m_ok = GetConsoleMode(m_input, &m_saved);
        if (m_ok)
            SetConsoleMode(m_input, m_saved & ~DWORD(ENABLE_ECHO_INPUT));
#else
        m_ok = tcgetattr(STDIN_FILENO, &m_saved) == 0;
        if (m_ok) {
            termios quiet = m_saved;
            quiet.c_lflag &= ~tcflag_t(ECHO);
            tcsetattr(STDIN_FILENO, TCSAFLUSH, &quiet);
        }
#endif
    }
    ~EchoOff()
    {
        if (!m_ok)
            return;
#ifdef Q_OS_WIN
        SetConsoleMode(m_input, m_saved);
#else
        tcsetattr(STDIN_FILENO, TCSAFLUSH, &m_saved);
#endif
        std::fputs("\n", stderr);
    }

private:
    bool m_ok = false;
#ifdef Q_OS_WIN
    HANDLE m_input = nullptr;
    DWORD m_saved = 0;
#else
    termios m_saved{};
#endif
};

} // namespace

bool PasswordPrompt::isTerminal()
{
#ifdef Q_OS_WIN
    return _isatty(_fileno(stdin));
#else
    return isatty(STDIN_FILENO);
#endif
}

std::optional<QString> PasswordPrompt::readLine(const QString& prompt, bool hidden)
{
    std::fputs(prompt.toLocal8Bit().constData(), stderr);
    std::fflush(stderr);
    std::optional<EchoOff> echoOff;
    if (hidden)
        echoOff.emplace();
    std::string line;
    if (!std::getline(std::cin, line))
        return std::nullopt;
    QString text = QString::fromStdString(line);
    if (text.endsWith(QLatin1Char('\r')))
        text.chop(1);
    return text;
}

std::optional<QString> PasswordPrompt::read(QString* error)
{
    if (!isTerminal()) {
        const auto password = readLine(QString(), false);
        if (!password)
            *error = QStringLiteral("no password on standard input");
        return password;
    }
    const auto first = readLine(QStringLiteral("Password: "), true);
    if (!first) {
        *error = QStringLiteral("no password entered");
        return std::nullopt;
    }
    const auto second = readLine(QStringLiteral("Repeat the password: "), true);
    if (!second || *second != *first) {
        *error = QStringLiteral("the two passwords differ");
        return std::nullopt;
    }
    return first;
}

} // namespace PennibarServer
