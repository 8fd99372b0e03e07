#pragma once

#include <QChar>
#include <QColor>
#include <QFont>
#include <QIcon>

// The "Material Icons" font loaded from the resources at start-up, whose glyphs serve as icons.
QFont iconFont(int pixelSize);

// A square transparent icon of the given side with the glyph drawn centred and antialiased, at
// that pixel size, in the colour.
QIcon glyphIcon(QChar glyph, int size, const QColor& colour);
