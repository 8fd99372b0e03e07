#include "tests/server/browser/headlesschromium.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QStandardPaths>
#include <QTest>

namespace {

constexpr int kCallTimeoutMs = 15000;
constexpr int kStartTimeoutMs = 30000;

// Everything that would make the browser talk to hosts of its own is off.
const QStringList kFlags = {
    QStringLiteral("--headless"),
    QStringLiteral("--no-sandbox"),
    QStringLiteral("--disable-gpu"),
    QStringLiteral("--disable-quic"),
    QStringLiteral("--no-first-run"),
    QStringLiteral("--no-default-browser-check"),
    QStringLiteral("--disable-background-networking"),
    QStringLiteral("--disable-component-update"),
    QStringLiteral("--disable-sync"),
    QStringLiteral("--disable-extensions"),
    QStringLiteral("--disable-default-apps"),
    QStringLiteral("--disable-domain-reliability"),
    QStringLiteral("--disable-client-side-phishing-detection"),
    QStringLiteral("--disable-breakpad"),
    QStringLiteral("--disable-dev-shm-usage"),
    QStringLiteral("--disable-features=Translate,MediaRouter,OptimizationHints,"
                   "AutofillServerCommunication,CertificateTransparencyComponentUpdater"),
    QStringLiteral("--metrics-recording-only"),
    QStringLiteral("--no-pings"),
    QStringLiteral("--no-proxy-server"),
    QStringLiteral("--password-store=basic"),
    QStringLiteral("--mute-audio"),
    QStringLiteral("--hide-scrollbars"),
    QStringLiteral("--remote-debugging-address=127.0.0.1"),
    QStringLiteral("--remote-debugging-port=0"),
    QStringLiteral("--remote-allow-origins=*"),
};

// What Input.dispatchKeyEvent needs for the keys that type nothing.
struct Key
{
    const char* name;
    int code;
    const char* text;
};
const Key kKeys[] = {{"Tab", 9, ""}, {"Enter", 13, "\r"}};

} // namespace

HeadlessChromium::~HeadlessChromium()
{
    if (m_socket.state() == QAbstractSocket::ConnectedState)
        m_socket.close();
    if (m_process.state() != QProcess::NotRunning) {
        m_process.terminate();
        if (!m_process.waitForFinished(5000))
            m_process.kill();
        m_process.waitForFinished(5000);
    }
}

QString HeadlessChromium::executable()
{
    return QStandardPaths::findExecutable(QStringLiteral("chromium"));
}

bool HeadlessChromium::start(QString* error)
{
    const QString program = executable();
    if (program.isEmpty()) {
        *error = QStringLiteral("chromium is not installed");
        return false;
    }
    QStringList arguments = kFlags;
    arguments << QStringLiteral("--user-data-dir=") + m_profile.path()
              << QStringLiteral("about:blank");
    // The browser's own chatter (it looks for a desktop bus it does not need) goes to its profile.
    m_process.setStandardOutputFile(QProcess::nullDevice());
    m_process.setStandardErrorFile(m_profile.filePath(QStringLiteral("chromium.log")));
    m_process.start(program, arguments);
    if (!m_process.waitForStarted(kStartTimeoutMs)) {
        *error = QStringLiteral("chromium did not start: ") + m_process.errorString();
        return false;
    }
    // The browser writes the port it chose to this file of its profile.
    QFile portFile(m_profile.filePath(QStringLiteral("DevToolsActivePort")));
    quint16 port = 0;
    const bool told = QTest::qWaitFor(
        [&] {
            if (portFile.open(QIODevice::ReadOnly)) {
                port = portFile.readLine().trimmed().toUShort();
                portFile.close();
            }
            return port != 0 || m_process.state() == QProcess::NotRunning;
        },
        kStartTimeoutMs);
    if (!told || port == 0) {
        QFile log(m_profile.filePath(QStringLiteral("chromium.log")));
        log.open(QIODevice::ReadOnly);
        *error = QStringLiteral("chromium gave no DevTools port: ") +
                 QString::fromUtf8(log.readAll().right(2000));
        return false;
    }
    QUrl pageSocket;
    if (!findPage(port, &pageSocket, error))
        return false;

    QObject::connect(
        &m_socket, &QWebSocket::textMessageReceived, &m_socket, [this](const QString& text) {
            const QJsonObject message = QJsonDocument::fromJson(text.toUtf8()).object();
            if (message.contains(QLatin1String("id")))
                m_replies.insert(message.value(QLatin1String("id")).toInt(), message);
            else
                m_events.append(message.value(QLatin1String("method")).toString());
        });
    m_socket.open(pageSocket);
    if (!QTest::qWaitFor([this] { return m_socket.state() == QAbstractSocket::ConnectedState; },
                         kCallTimeoutMs)) {
        *error = QStringLiteral("cannot reach the DevTools socket: ") + m_socket.errorString();
        return false;
    }
    if (!call(QStringLiteral("Page.enable"))) {
        *error = QStringLiteral("the page does not answer");
        return false;
    }
    return true;
}

bool HeadlessChromium::findPage(quint16 port, QUrl* pageSocket, QString* error)
{
    QNetworkAccessManager network;
    QNetworkReply* reply = network.get(
        QNetworkRequest(QUrl(QStringLiteral("http://127.0.0.1:%1/json/list").arg(port))));
    if (!QTest::qWaitFor([reply] { return reply->isFinished(); }, kCallTimeoutMs)) {
        reply->deleteLater();
        *error = QStringLiteral("chromium does not list its pages");
        return false;
    }
    const QJsonArray targets = QJsonDocument::fromJson(reply->readAll()).array();
    reply->deleteLater();
    for (const QJsonValue& target : targets) {
        const QJsonObject object = target.toObject();
        if (object.value(QLatin1String("type")).toString() == QLatin1String("page")) {
            *pageSocket = QUrl(object.value(QLatin1String("webSocketDebuggerUrl")).toString());
            return pageSocket->isValid();
        }
    }
    *error = QStringLiteral("chromium shows no page");
    return false;
}

std::optional<QJsonObject> HeadlessChromium::call(const QString& method, const QJsonObject& params)
{
    const int id = m_nextId++;
    const QJsonObject command{{QStringLiteral("id"), id},
                              {QStringLiteral("method"), method},
                              {QStringLiteral("params"), params}};
    m_socket.sendTextMessage(
        QString::fromUtf8(QJsonDocument(command).toJson(QJsonDocument::Compact)));
    if (!QTest::qWaitFor([this, id] { return m_replies.contains(id); }, kCallTimeoutMs)) {
        qWarning("DevTools: no answer to %s", qPrintable(method));
        return std::nullopt;
    }
    const QJsonObject reply = m_replies.take(id);
    if (reply.contains(QLatin1String("error"))) {
        qWarning(
            "DevTools: %s failed: %s", qPrintable(method),
            QJsonDocument(reply.value(QLatin1String("error")).toObject()).toJson().constData());
        return std::nullopt;
    }
    return reply.value(QLatin1String("result")).toObject();
}

bool HeadlessChromium::waitForEvent(const QString& method, int timeoutMs)
{
    return QTest::qWaitFor([this, &method] { return m_events.contains(method); }, timeoutMs);
}

bool HeadlessChromium::navigate(const QUrl& url)
{
    forgetEvents();
    return call(QStringLiteral("Page.navigate"),
                {{QStringLiteral("url"), url.toString(QUrl::FullyEncoded)}}) &&
           waitForEvent(QStringLiteral("Page.loadEventFired"));
}

QJsonValue HeadlessChromium::evaluate(const QString& expression)
{
    const auto result =
        call(QStringLiteral("Runtime.evaluate"),
             {{QStringLiteral("expression"), expression}, {QStringLiteral("returnByValue"), true}});
    if (!result)
        return {};
    return result->value(QLatin1String("result")).toObject().value(QLatin1String("value"));
}

bool HeadlessChromium::type(const QString& text)
{
    for (const QChar character : text) {
        const QString key(character);
        if (!call(QStringLiteral("Input.dispatchKeyEvent"), {{QStringLiteral("type"), "keyDown"},
                                                             {QStringLiteral("key"), key},
                                                             {QStringLiteral("text"), key}}) ||
            !call(QStringLiteral("Input.dispatchKeyEvent"),
                  {{QStringLiteral("type"), "keyUp"}, {QStringLiteral("key"), key}}))
            return false;
    }
    return true;
}

bool HeadlessChromium::press(const QString& name)
{
    for (const Key& key : kKeys) {
        if (name != QLatin1String(key.name))
            continue;
        QJsonObject down{{QStringLiteral("type"), "rawKeyDown"},
                         {QStringLiteral("key"), name},
                         {QStringLiteral("code"), name},
                         {QStringLiteral("windowsVirtualKeyCode"), key.code},
                         {QStringLiteral("nativeVirtualKeyCode"), key.code}};
        QJsonObject up = down;
        up.insert(QStringLiteral("type"), "keyUp");
        if (!call(QStringLiteral("Input.dispatchKeyEvent"), down))
            return false;
        if (*key.text) {
            QJsonObject typed = down;
            typed.insert(QStringLiteral("type"), "char");
            typed.insert(QStringLiteral("text"), QString::fromLatin1(key.text));
            if (!call(QStringLiteral("Input.dispatchKeyEvent"), typed))
                return false;
        }
        return call(QStringLiteral("Input.dispatchKeyEvent"), up).has_value();
    }
    return false;
}

QByteArray HeadlessChromium::screenshot()
{
    const auto result = call(QStringLiteral("Page.captureScreenshot"),
                             {{QStringLiteral("format"), QStringLiteral("png")}});
    if (!result)
        return {};
    return QByteArray::fromBase64(result->value(QLatin1String("data")).toString().toLatin1());
}
