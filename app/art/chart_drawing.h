#pragma once

#include <QFont>
#include <QPainter>
#include <QStringList>

#include "ui/look.h"

namespace kelvo::chart {

// The program's face, in the italic the DTMF letters need.
inline QFont SansFont(int pixelSize, bool bold = false, bool italic = false) {
    QFont font = PixelFont(pixelSize, bold);
    font.setItalic(italic);
    return font;
}

inline void UseSmoothRendering(QPainter& painter) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
}

} // namespace kelvo::chart
