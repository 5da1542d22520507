#include "ui/character_cell.h"

#include <QPushButton>

#include "ui/controls.h"
#include "ui/error_boundary.h"
#include "ui/platform_services.h"
#include "ui/rectangle_shape.h"
#include "ui/results_pane.h"

namespace kelvo {
namespace {

const QColor kOff(0, 128, 0);
const QColor kOn(0, 0, 0);
constexpr const char* kColumnNames[] = {"m1", "m2", "m3", "1", "2", "3", "4", "5"};

} // namespace

CharacterCell::CharacterCell(QWidget* parent, PlatformServices& services, ResultsPane& results)
    : Panel(parent, "sPanel4", {8, 152, 161, 185}), services_(services), results_(results) {
    for (int row = 1; row <= CellGrid::kRows; ++row) {
        for (int column = 0; column < CellGrid::kColumns; ++column) {
            const QString name =
                QStringLiteral("ShapeRow_%1_%2").arg(row).arg(QLatin1String(kColumnNames[column]));
            auto* square = new RectangleShape(
                this, name, {15 + 16 * column, 14 + 16 * (row - 1), 13, 13}, kOff);
            squares_[static_cast<std::size_t>(row - 1)][static_cast<std::size_t>(column)] = square;
            ConnectGuarded(square, &RectangleShape::pressed, this, services_,
                           [this, row, column] { ShapeMouseDown(row, column); });
        }
    }
    sButton2 = AddButton(this, "sButton2", QStringLiteral("Delete"), {9, 152, 68, 25});
    sButton1 = AddButton(this, "sButton1", QStringLiteral("Inverse"), {84, 152, 68, 25});
    setTabOrder(sButton1, sButton2);
    ConnectGuarded(sButton2, &QPushButton::clicked, this, services_, [this] { sButton2Click(); });
    ConnectGuarded(sButton1, &QPushButton::clicked, this, services_, [this] { sButton1Click(); });
}

void CharacterCell::ShowCell() {
    for (int row = 1; row <= CellGrid::kRows; ++row) {
        for (int column = 0; column < CellGrid::kColumns; ++column) {
            squares_[static_cast<std::size_t>(row - 1)][static_cast<std::size_t>(column)]->SetFill(
                cell_.IsOn(row, column) ? kOn : kOff);
        }
    }
}

void CharacterCell::ShapeMouseDown(int row, int column) {
    cell_.Toggle(row, column);
    ShowCell();
    PrintCellCode();
}

void CharacterCell::sButton2Click() {
    services_.Tone(500, 70);
    cell_.AllOff();
    ShowCell();
    PrintCellCode();
}

void CharacterCell::sButton1Click() {
    services_.Tone(500, 70);
    cell_.InvertAll();
    ShowCell();
    PrintCellCode();
}

void CharacterCell::PrintCellCode() {
    CellRowBytes = cell_.RowBytes();
    results_.Clear();
    results_.AddLine(CellCodeLine(CellRowBytes));
}

} // namespace kelvo
