#pragma once

#include <QIcon>
#include <QRectF>

class QPainter;

namespace kelvo {

// The launcher's pictures and the application icon, drawn as vector art.
enum class Glyph {
    Calculator,    // grey pocket calculator with display and key rows
    LifeBuoy,      // red and white life buoy under a magnifying glass
    DeviceManager, // computer monitor with a green expansion card in front
    Notepad,       // sheet of paper with a pencil
    Folder,        // yellow file folder
    About,         // glossy blue disc with a white letter i
    Application,   // the program's own icon
};

// Draws the glyph into `box` (designed on a 32 x 32 grid, scaled to the box).
void PaintGlyph(QPainter& painter, Glyph glyph, const QRectF& box);
// The glyph as an icon with crisp images at 16, 24, 32, 48, 64, 128 and 256 pixels.
[[nodiscard]] QIcon GlyphIcon(Glyph glyph);

} // namespace kelvo
