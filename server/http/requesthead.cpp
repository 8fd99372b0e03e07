#include "server/http/requesthead.h"

namespace PennibarServer {

namespace {

// RFC 9110's token characters: what method and field names are made of.
bool isToken(QByteArrayView text)
{
    if (text.isEmpty())
        return false;
    for (const char c : text) {
        const bool alphanumeric =
            (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
        if (!alphanumeric && !QByteArrayView("!#$%&'*+-.^_`|~").contains(c))
            return false;
    }
    return true;
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

// Controls other than a tab, which no field value or request target may hold.
bool holdsControls(QByteArrayView text)
{
    for (const char c : text) {
        if ((uchar(c) < 0x20 && c != '\t') || c == 0x7f)
            return true;
    }
    return false;
}

QByteArrayView trimmedBlanks(QByteArrayView text)
{
    while (!text.isEmpty() && isBlank(text.front()))
        text = text.sliced(1);
    while (!text.isEmpty() && isBlank(text.back()))
        text.chop(1);
    return text;
}

std::optional<qint64> decimal(QByteArrayView text)
{
    // Eighteen digits stay far below the qint64 range, and far above any accepted body.
    if (text.isEmpty() || text.size() > 18)
        return std::nullopt;
    qint64 value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

} // namespace

std::optional<RequestHead> RequestHead::parse(QByteArrayView head, ProtocolError* error)
{
    const ProtocolError malformedField{400, tr("A header line is malformed.")};
    RequestHead result;
    bool requestLine = true;
    while (!head.isEmpty()) {
        const qsizetype end = head.indexOf('\n');
        QByteArrayView line = end < 0 ? head : head.first(end);
        head = end < 0 ? QByteArrayView() : head.sliced(end + 1);
        if (line.endsWith('\r'))
            line.chop(1);
        if (requestLine) {
            if (!result.readRequestLine(line, error))
                return std::nullopt;
            requestLine = false;
            continue;
        }
        // A folded line (one starting with a blank) continued the previous field once; RFC 9112
        // lets a server refuse it, and a proxy may well have read it differently.
        const qsizetype colon = line.indexOf(':');
        if (line.isEmpty() || isBlank(line.front()) || colon <= 0 || !isToken(line.first(colon))) {
            *error = malformedField;
            return std::nullopt;
        }
        const QByteArrayView value = trimmedBlanks(line.sliced(colon + 1));
        if (holdsControls(value)) {
            *error = malformedField;
            return std::nullopt;
        }
        result.headers.append({line.first(colon).toByteArray(), value.toByteArray()});
    }
    if (requestLine) {
        *error = {400, tr("The request has no request line.")};
        return std::nullopt;
    }
    if (!result.readFraming(error))
        return std::nullopt;
    result.readConnectionOptions();
    return result;
}

bool RequestHead::readRequestLine(QByteArrayView line, ProtocolError* error)
{
    // METHOD SP TARGET SP HTTP/1.x, single spaces.
    const qsizetype first = line.indexOf(' ');
    const qsizetype second = first < 0 ? -1 : line.indexOf(' ', first + 1);
    const QByteArrayView version = second < 0 ? QByteArrayView() : line.sliced(second + 1);
    if (second < 0 || version.contains(' ') || !isToken(line.first(first))) {
        *error = {400, tr("The request line is not METHOD TARGET HTTP/1.1.")};
        return false;
    }
    const QByteArrayView target = line.sliced(first + 1, second - first - 1);
    const bool originForm = target.startsWith('/');
    const bool absoluteForm = target.startsWith("http://") || target.startsWith("https://");
    if ((!originForm && !absoluteForm && target != "*") || holdsControls(target)) {
        *error = {400, tr("The request target is not a path.")};
        return false;
    }
    if (version != "HTTP/1.1" && version != "HTTP/1.0") {
        const bool otherVersion =
            version.size() == 8 && version.startsWith("HTTP/") && version.at(6) == '.';
        *error = otherVersion
                     ? ProtocolError{505, tr("This server speaks HTTP/1.1 and HTTP/1.0 only.")}
                     : ProtocolError{400, tr("The request line is not METHOD TARGET HTTP/1.1.")};
        return false;
    }
    method = line.first(first).toByteArray();
    this->target = target.toByteArray();
    minorVersion = version.back() - '0';
    return true;
}

bool RequestHead::readFraming(ProtocolError* error)
{
    const QList<QByteArray> lengths = listMembers("content-length");
    const QList<QByteArray> codings = listMembers("transfer-encoding");
    if (!codings.isEmpty()) {
        // Either framing alone is fine; both at once is how requests are smuggled past a proxy
        // that believes the other one.
        if (!lengths.isEmpty()) {
            *error = {400, tr("Content-Length and Transfer-Encoding cannot come together.")};
            return false;
        }
        if (minorVersion == 0 || codings.last().compare("chunked", Qt::CaseInsensitive) != 0) {
            *error = {400, tr("The body's length cannot be told from its Transfer-Encoding.")};
            return false;
        }
        if (codings.size() > 1) {
            *error = {501, tr("The only transfer coding this server reads is chunked.")};
            return false;
        }
        framing = Framing::Chunked;
        return true;
    }
    if (lengths.isEmpty())
        return true;
    // The same length repeated (by a proxy that joined two fields) is still one length.
    const std::optional<qint64> length = decimal(lengths.first());
    if (!length || lengths.count(lengths.first()) != lengths.size()) {
        *error = {400, tr("Content-Length is not one whole number.")};
        return false;
    }
    contentLength = *length;
    framing = contentLength > 0 ? Framing::ContentLength : Framing::None;
    return true;
}

void RequestHead::readConnectionOptions()
{
    const QList<QByteArray> options = listMembers("connection");
    auto says = [&](const char* option) {
        return std::any_of(options.cbegin(), options.cend(), [&](const QByteArray& member) {
            return member.compare(option, Qt::CaseInsensitive) == 0;
        });
    };
    // HTTP/1.1 keeps the connection unless told otherwise; HTTP/1.0 closes it unless asked.
    keepAlive = !says("close") && (minorVersion == 1 || says("keep-alive"));
    const QList<QByteArray> expectations = listMembers("expect");
    expectsContinue = minorVersion == 1 && expectations.size() == 1 &&
                      expectations.first().compare("100-continue", Qt::CaseInsensitive) == 0;
}

QList<QByteArray> RequestHead::listMembers(const QByteArray& name) const
{
    QList<QByteArray> members;
    for (const auto& [key, value] : headers) {
        if (key.compare(name, Qt::CaseInsensitive) != 0)
            continue;
        for (const QByteArray& member : value.split(','))
            members.append(trimmedBlanks(member).toByteArray());
    }
    return members;
}

} // namespace PennibarServer
