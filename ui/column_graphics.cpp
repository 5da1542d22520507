#include "ui/column_graphics.h"

#include <QPushButton>

#include "ui/click_label.h"
#include "ui/controls.h"
#include "ui/error_boundary.h"
#include "ui/rectangle_shape.h"
#include "ui/results_pane.h"

namespace kelvo {
namespace {

const QColor kOff(0, 0, 128);
const QColor kOn(255, 255, 255);
const QColor kMarker(255, 0, 0);

int ColumnLeft(int column) {
    return 9 + 16 * column;
}

} // namespace

ColumnGraphics::ColumnGraphics(QWidget* parent, PlatformServices& services, ResultsPane& results)
    : Panel(parent, "sPanel8", {312, 152, 601, 185}), services_(services), results_(results) {
    // Created first, so that it lies behind the squares and shows in the gaps between them.
    Line_X =
        new RectangleShape(this, QStringLiteral("Line_X"), {510, 30, 3, 137}, kMarker, kMarker);
    for (int column = 0; column < ColumnGrid::kColumns; ++column) {
        auto* label =
            new ClickLabel(QStringLiteral("%1").arg(column + 1, 2, 10, QLatin1Char('0')), this);
        label->setObjectName(QStringLiteral("sLabel_C_%1").arg(column));
        StyleLabel(label, 11);
        label->setGeometry(ColumnLeft(column), 18, 12, 13);
        ColumnLabels[static_cast<std::size_t>(column)] = label;
        ConnectGuarded(label, &ClickLabel::clicked, this, services_,
                       [this, column] { sLabel_C_0Click(column); });
    }
    for (int n = 0; n < ColumnGrid::kSquares; ++n) {
        auto* square = new RectangleShape(this, QStringLiteral("Shape_%1").arg(n),
                                          {ColumnLeft(n / 8), 36 + 16 * (n % 8), 13, 13}, kOff);
        Squares[static_cast<std::size_t>(n)] = square;
        ConnectGuarded(square, &RectangleShape::pressed, this, services_,
                       [this, n] { Shape_0MouseDown(n); });
    }
    sButton6 = AddButton(this, "sButton6", QStringLiteral("Inverse"), {526, 38, 68, 25});
    sButton7 = AddButton(this, "sButton7", QStringLiteral("Clear"), {526, 70, 68, 25});
    sButton8 = AddButton(this, "sButton8", QStringLiteral("Get Code"), {526, 102, 68, 41});
    ConnectGuarded(sButton6, &QPushButton::clicked, this, services_, [this] { sButton6Click(); });
    ConnectGuarded(sButton7, &QPushButton::clicked, this, services_, [this] { sButton7Click(); });
    ConnectGuarded(sButton8, &QPushButton::clicked, this, services_, [this] { sButton8Click(); });
}

void ColumnGraphics::ShowStrip() {
    for (int n = 0; n < ColumnGrid::kSquares; ++n)
        Squares[static_cast<std::size_t>(n)]->SetFill(strip_.IsOn(n) ? kOn : kOff);
}

void ColumnGraphics::Shape_0MouseDown(int n) {
    strip_.Toggle(n);
    Squares[static_cast<std::size_t>(n)]->SetFill(strip_.IsOn(n) ? kOn : kOff);
}

void ColumnGraphics::sLabel_C_0Click(int column) {
    Line_X->move(ColumnLabels[static_cast<std::size_t>(column)]->x() + 5, Line_X->y());
    GraphicsColumnCount = column + 1;
}

void ColumnGraphics::sButton6Click() {
    strip_.InvertAll();
    ShowStrip();
}

void ColumnGraphics::sButton7Click() {
    strip_.AllOff();
    ShowStrip();
}

void ColumnGraphics::sButton8Click() {
    std::array<std::uint8_t, ColumnGrid::kColumns> bytes{};
    for (int column = 0; column < ColumnGrid::kColumns; ++column)
        bytes[static_cast<std::size_t>(column)] = strip_.ColumnByte(column);
    // Clearing the pane and adding the lines piece by piece ends in exactly this text.
    results_.SetText(ColumnCodeText(bytes, GraphicsColumnCount));
}

} // namespace kelvo
