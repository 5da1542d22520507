#pragma once

#include <array>

#include "core/pixel_codes.h"
#include "ui/panel.h"

class QPushButton;

namespace kelvo {

class PlatformServices;
class ResultsPane;
class RectangleShape;

// An 8 x 8 character cell for character LCDs. Every press toggles a square and prints the eight
// row bytes into the results pane as one assembler data line.
class CharacterCell : public Panel {
    Q_OBJECT

  public:
    CharacterCell(QWidget* parent, PlatformServices& services, ResultsPane& results);

    QPushButton* sButton2;
    QPushButton* sButton1;

  private:
    void ShapeMouseDown(int row, int column);
    void sButton2Click();
    void sButton1Click();
    void PrintCellCode();
    void ShowCell();

    PlatformServices& services_;
    ResultsPane& results_;
    CellGrid cell_;
    std::array<std::array<RectangleShape*, CellGrid::kColumns>, CellGrid::kRows> squares_{};
    std::array<std::uint8_t, CellGrid::kRows> CellRowBytes{};
};

} // namespace kelvo
