#pragma once

#include <QColor>
#include <QFont>

namespace kelvo {

// The layout was drawn for narrow 11- and 13-pixel sans-serif faces; Liberation Sans has the
// metrics of the face it was drawn with.
[[nodiscard]] QFont PixelFont(int pixelSize, bool bold = false);
// Text colour of the main window's labels.
[[nodiscard]] inline QColor LabelColor() {
    return {2, 48, 68};
}

} // namespace kelvo
