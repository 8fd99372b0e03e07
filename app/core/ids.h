#pragma once

#include <QString>
#include <QUuid>

// Row identifiers: lower-case UUID text without braces, 36 characters.

// The DNS namespace of the UUID standard; default categories are named in it.
const QUuid& dnsNamespace();
// The namespace of transactions posted from recurring rows.
const QUuid& recurringNamespace();

QString newId();

// A version-5 UUID of the namespace and the UTF-8 name: the same inputs give the same id
// on every installation.
QString nameBasedId(const QUuid& nameSpace, const QString& name);
