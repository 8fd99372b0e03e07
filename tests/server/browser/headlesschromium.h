#pragma once

#include <QHash>
#include <QJsonObject>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <QWebSocket>

#include <optional>

// Debian's Chromium without a window, driven through its DevTools protocol over a WebSocket on
// 127.0.0.1: enough to load a page, type on the keyboard, read the page and take screenshots.
// Every wait is bounded. The browser runs with a fresh profile and none of its background
// traffic, so it reaches nothing but the addresses a test sends it to.
class HeadlessChromium
{
public:
    HeadlessChromium() = default;
    ~HeadlessChromium();
    HeadlessChromium(const HeadlessChromium&) = delete;
    HeadlessChromium& operator=(const HeadlessChromium&) = delete;

    // The browser's program, or empty when it is not installed.
    static QString executable();

    // Starts the browser and attaches to its one page; false with the reason in `error`.
    bool start(QString* error);

    // Sends a command to the page and waits for its result; nothing on an error or time-out.
    std::optional<QJsonObject> call(const QString& method, const QJsonObject& params = {});
    // Forgets the events seen so far, then waits for the next one of that name.
    void forgetEvents() { m_events.clear(); }
    bool waitForEvent(const QString& method, int timeoutMs = 15000);

    // Loads the URL and waits until the page has loaded.
    bool navigate(const QUrl& url);
    // The value of a JavaScript expression in the page.
    QJsonValue evaluate(const QString& expression);
    // Types the text as key presses into whatever has the focus.
    bool type(const QString& text);
    // Presses a key that types nothing: "Tab", "Enter".
    bool press(const QString& key);
    // The page as it is shown, as PNG.
    QByteArray screenshot();

private:
    bool findPage(quint16 port, QUrl* pageSocket, QString* error);

    QTemporaryDir m_profile;
    QProcess m_process;
    QWebSocket m_socket;
    int m_nextId = 1;
    QHash<int, QJsonObject> m_replies;
    QStringList m_events;
};
