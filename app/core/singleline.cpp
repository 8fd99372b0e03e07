#include "app/core/singleline.h"

namespace {

bool breaksTheLine(QChar c)
{
    switch (c.category()) {
    case QChar::Other_Control:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
        return true;
    default:
        return false;
    }
}

} // namespace

QString singleLine(const QString& text)
{
    QString line;
    line.reserve(text.size());
    bool inBreak = false;
    for (const QChar c : text) {
        if (breaksTheLine(c)) {
            if (!inBreak)
                line.append(QLatin1Char(' '));
            inBreak = true;
            continue;
        }
        inBreak = false;
        line.append(c);
    }
    return line;
}
