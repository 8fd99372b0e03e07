#include "services/backup/backuprowdocument.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QVariant>

namespace {

// Copies the runs between escapes whole: most text has none.
void appendString(QByteArray& out, const QString& text)
{
    out.append('"');
    const QByteArray utf8 = text.toUtf8();
    qsizetype runStart = 0;
    for (qsizetype i = 0; i < utf8.size(); ++i) {
        const char c = utf8.at(i);
        const char* escape = nullptr;
        switch (c) {
        case '"':
            escape = "\\\"";
            break;
        case '\\':
            escape = "\\\\";
            break;
        case '\b':
            escape = "\\b";
            break;
        case '\f':
            escape = "\\f";
            break;
        case '\n':
            escape = "\\n";
            break;
        case '\r':
            escape = "\\r";
            break;
        case '\t':
            escape = "\\t";
            break;
        default:
            if (static_cast<unsigned char>(c) >= 0x20)
                continue;
        }
        out.append(utf8.constData() + runStart, i - runStart);
        if (escape)
            out.append(escape);
        else
            out.append(QByteArray("\\u00") + QByteArray::number(c, 16).rightJustified(2, '0'));
        runStart = i + 1;
    }
    out.append(utf8.constData() + runStart, utf8.size() - runStart);
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

BackupRowDocument::BackupRowDocument(const QSqlRecord& columns)
{
    m_members.reserve(columns.count());
    for (int i = 0; i < columns.count(); ++i) {
        QByteArray member("    ");
        appendString(member, columns.fieldName(i));
        member.append(": ");
        m_members.append(member);
    }
}

QByteArray BackupRowDocument::of(const QSqlQuery& row) const
{
    QByteArray out("{\n");
    for (qsizetype i = 0; i < m_members.size(); ++i) {
        out.append(m_members.at(i));
        appendValue(out, row.value(int(i)));
        out.append(i + 1 < m_members.size() ? ",\n" : "\n");
    }
    out.append("}\n");
    return out;
}
