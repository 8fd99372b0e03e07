#include "app/core/ids.h"

const QUuid& dnsNamespace()
{
    static const QUuid ns(QStringLiteral("{6ba7b810-9dad-11d1-80b4-00c04fd430c8}"));
    return ns;
}

const QUuid& recurringNamespace()
{
    static const QUuid ns(QStringLiteral("{a1b9f7f3-2f2a-4c6b-9e1a-8b7c6d5a3f2e}"));
    return ns;
}

QString newId()
{
    return QUuid::createUuid().toString(QUuid::WithoutBraces);
}

QString nameBasedId(const QUuid& nameSpace, const QString& name)
{
    return QUuid::createUuidV5(nameSpace, name.toUtf8()).toString(QUuid::WithoutBraces);
}
