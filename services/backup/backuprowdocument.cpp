#include "services/backup/backuprowdocument.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QSqlRecord>
#include <QVariant>

namespace {

void appendString(QByteArray& out, const QString& text)
{
    out.append('"');
    const QByteArray utf8 = text.toUtf8();
    for (const char c : utf8) {
        switch (c) {
        case '"':
            out.append("\\\"");
            break;
        case '\\':
            out.append("\\\\");
            break;
        case '\b':
            out.append("\\b");
            break;
        case '\f':
            out.append("\\f");
            break;
        case '\n':
            out.append("\\n");
            break;
        case '\r':
            out.append("\\r");
            break;
        case '\t':
            out.append("\\t");
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20)
                out.append(QByteArray("\\u00") + QByteArray::number(c, 16).rightJustified(2, '0'));
            else
                out.append(c);
        }
    }
    out.append('"');
}

void appendValue(QByteArray& out, const QVariant& value)
{
    if (value.isNull()) {
        out.append("null");
        return;
    }
    switch (value.typeId()) {
    case QMetaType::LongLong:
    case QMetaType::Int:
    case QMetaType::ULongLong:
    case QMetaType::UInt:
        out.append(QByteArray::number(value.toLongLong()));
        return;
    case QMetaType::Double: {
        // Let Qt write the number so it reads back exactly as QJsonDocument would write it.
        const QByteArray array =
            QJsonDocument(QJsonArray{value.toDouble()}).toJson(QJsonDocument::Compact);
        out.append(array.mid(1, array.size() - 2));
        return;
    }
    default:
        appendString(out, value.toString());
    }
}

} // namespace

QByteArray BackupRowDocument::fromRecord(const QSqlRecord& record)
{
    QByteArray out("{\n");
    for (int i = 0; i < record.count(); ++i) {
        out.append("    ");
        appendString(out, record.fieldName(i));
        out.append(": ");
        appendValue(out, record.value(i));
        out.append(i + 1 < record.count() ? ",\n" : "\n");
    }
    out.append("}\n");
    return out;
}
