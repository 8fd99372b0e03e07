#pragma once

#include <QString>

#include <optional>

namespace PennibarServer {

// Reads a password from standard input: with echo off and a confirmation when it is a terminal,
// as one plain line when it is a pipe (for scripts).
class PasswordPrompt
{
public:
    // Nothing when input ended, or when the two entries on a terminal differ (`error` says so).
    static std::optional<QString> read(QString* error);

private:
    static bool isTerminal();
    static std::optional<QString> readLine(const QString& prompt, bool hidden);
};

} // namespace PennibarServer
