#pragma once

#include <QColor>
#include <QFont>

namespace kelvo {

// The layout was drawn for narrow 11- and 13-pixel sans-serif faces; Liberation Sans has the
// metrics of the face it was drawn with.
[[nodiscard]] QFont PixelFont(int pixelSize, bool bold = false);
// The font for boxes that may hold a megabyte of text. The code page's characters need no
// shaping, and shaping a long line costs more than laying it out.
[[nodiscard]] QFont WithoutShaping(QFont font);
// Text colour of the main window's labels.
[[nodiscard]] inline QColor LabelColor() {
    return {2, 48, 68};
}

} // namespace kelvo
