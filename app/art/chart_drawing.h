#pragma once

#include <QFont>
#include <QPainter>
#include <QStringList>

namespace kelvo::chart {

// Liberation Sans and Arimo share Arial's metrics, so the hand-placed labels fit wherever the
// chart is shown.
inline QFont SansFont(int pixelSize, bool bold = false, bool italic = false) {
    QFont font;
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                      QStringLiteral("Arial"), QStringLiteral("Helvetica")});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

inline void UseSmoothRendering(QPainter& painter) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
}

} // namespace kelvo::chart
