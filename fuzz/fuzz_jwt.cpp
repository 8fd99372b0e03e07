#include "fuzz/fuzzapplication.h"
#include "libs/account/tokens/jwtclaims.h"

#include <QString>

// The claims of a token as the client reads them: the input whole as a token, and the input
// as the payload of a token of three parts.
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    FuzzApplication::init(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    TovAccount::JwtClaims::fromToken(QString::fromLatin1(bytes));
    const QByteArray payload =
        bytes.toBase64(QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals);
    TovAccount::JwtClaims::fromToken(
        QString::fromLatin1("eyJhbGciOiJIUzI1NiJ9." + payload + ".c2ln"));
    return 0;
}
