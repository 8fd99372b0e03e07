#include "fuzz/fuzzapplication.h"
#include "libs/update/manifest.h"

// The release manifest as the update check reads it from the release host.
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    FuzzApplication::init(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const auto manifest = TovUpdate::Manifest::fromJson(
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size)));
    if (manifest.isValid()) {
        for (const QString& key : manifest.artifacts().keys())
            manifest.artifact(key);
    }
    manifest.artifact(QStringLiteral("windows-x64"));
    return 0;
}
