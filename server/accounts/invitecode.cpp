#include "server/accounts/invitecode.h"

#include <sodium.h>

namespace PennibarServer {

namespace {

const char kAlphabet[] = "0123456789ABCDEFGHJKMNPQRSTVWXYZ";
constexpr int kLength = 10;

} // namespace

QString InviteCode::generate()
{
    QString code;
    for (int i = 0; i < kLength; ++i) {
        if (i == kLength / 2)
            code += QLatin1Char('-');
        code += QLatin1Char(kAlphabet[randombytes_uniform(32)]);
    }
    return code;
}

QString InviteCode::normalized(const QString& typed)
{
    QString plain;
    for (const QChar c : typed.toUpper()) {
        if (c.isSpace() || c == QLatin1Char('-'))
            continue;
        QChar mapped = c;
        if (c == QLatin1Char('O'))
            mapped = QLatin1Char('0');
        else if (c == QLatin1Char('I') || c == QLatin1Char('L'))
            mapped = QLatin1Char('1');
        if (!QLatin1String(kAlphabet).contains(mapped))
            return {};
        plain += mapped;
    }
    if (plain.size() != kLength)
        return {};
    return plain.left(kLength / 2) + QLatin1Char('-') + plain.mid(kLength / 2);
}

} // namespace PennibarServer
