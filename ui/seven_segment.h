#pragma once

#include <array>

#include "ui/panel.h"

class QPushButton;

namespace kelvo {

class EditBox;
class PlatformServices;
class RectangleShape;

// A seven-segment digit with its decimal point. Each segment drives the bit its box names; every
// press writes the value that lights the pattern, in decimal, into the box it is given.
class SevenSegment : public Panel {
    Q_OBJECT

  public:
    SevenSegment(QWidget* parent, PlatformServices& services, EditBox& output);

    static constexpr int kSegments = 8; // A to G, then the point P

    std::array<RectangleShape*, kSegments> Segments{};
    std::array<EditBox*, kSegments> BitBoxes{};
    QPushButton* sButton5;

  private:
    void ShapeMouseDown(std::size_t segment);
    void sButton5Click();
    void EncodeSegments();
    void Show(std::size_t segment);

    PlatformServices& services_;
    EditBox& output_;
    std::array<bool, kSegments> lit_{};
    QColor unlit_;
};

} // namespace kelvo
