#pragma once

#include <array>

#include "core/pixel_codes.h"
#include "ui/panel.h"

class QPushButton;

namespace kelvo {

class ClickLabel;
class PlatformServices;
class ResultsPane;
class RectangleShape;

// A 32 x 8 strip for graphic displays organised in vertical bytes. A click on a column number
// chooses how many columns "Get Code" prints into the results pane; a red marker stands in the
// last of them.
class ColumnGraphics : public Panel {
    Q_OBJECT

  public:
    ColumnGraphics(QWidget* parent, PlatformServices& services, ResultsPane& results);

    int GraphicsColumnCount = 32;

    std::array<RectangleShape*, ColumnGrid::kSquares> Squares{};
    std::array<ClickLabel*, ColumnGrid::kColumns> ColumnLabels{};
    RectangleShape* Line_X;
    QPushButton* sButton6;
    QPushButton* sButton7;
    QPushButton* sButton8;

  private:
    void Shape_0MouseDown(int n);
    void sLabel_C_0Click(int column);
    void sButton6Click();
    void sButton7Click();
    void sButton8Click();
    void ShowStrip();

    PlatformServices& services_;
    ResultsPane& results_;
    ColumnGrid strip_;
};

} // namespace kelvo
