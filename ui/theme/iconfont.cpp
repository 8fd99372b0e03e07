#include "ui/theme/iconfont.h"

#include <QPainter>
#include <QPixmap>

QFont iconFont(int pixelSize)
{
    QFont font(QStringLiteral("Material Icons"));
    font.setPixelSize(pixelSize);
    return font;
}

QIcon glyphIcon(QChar glyph, int size, const QColor& colour)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);

    QFont font = iconFont(size);
    font.setStyleStrategy(QFont::PreferAntialias);

    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(pixmap.rect(), Qt::AlignCenter, QString(glyph));
    painter.end();
    return QIcon(pixmap);
}
