#include "app/art/chart_drawing.h"
#include "app/art/charts.h"

#include <QColor>
#include <QFontMetricsF>
#include <QPainter>
#include <QPointF>
#include <QRectF>
#include <QString>

#include <array>
#include <cmath>
#include <cstddef>

namespace kelvo {
namespace {

constexpr QColor kInk{0, 0, 0};
constexpr QColor kPaper{255, 255, 255};
constexpr QColor kHeaderShade{217, 217, 217};
constexpr int kTextPixels = 15;
constexpr std::size_t kGridSize = 5;

// A key label: an upright part and, for the keys that double as letters on other keypads, an
// italic remark in parentheses.
struct CellText {
    const char* upright;
    const char* italic;
};

using GridRow = std::array<CellText, kGridSize>;

constexpr std::array<GridRow, kGridSize> kGrid{{
    {{{"Freq", ""}, {"1209 Hz", ""}, {"1336 Hz", ""}, {"1477 Hz", ""}, {"1633 Hz", ""}}},
    {{{"697 Hz", ""}, {"1", ""}, {"2", ""}, {"3", ""}, {"A ", "(D)"}}},
    {{{"770 Hz", ""}, {"4", ""}, {"5", ""}, {"6", ""}, {"B ", "(E)"}}},
    {{{"852 Hz", ""}, {"7", ""}, {"8", ""}, {"9", ""}, {"C ", "(F)"}}},
    {{{"941 Hz", ""}, {"* ", "(B)"}, {"0", ""}, {"# ", "(C)"}, {"D", ""}}},
}};

// Grid lines sit on whole pixels so that every cell border is exactly one pixel wide at 1x.
double GridLine(std::size_t index, int extent) {
    const double last = extent - 1;
    return std::round(last * static_cast<double>(index) / kGridSize) + 0.5;
}

double ColumnLine(std::size_t index) {
    return GridLine(index, kDtmfChartSize.width());
}
double RowLine(std::size_t index) {
    return GridLine(index, kDtmfChartSize.height());
}

QRectF CellRect(std::size_t row, std::size_t column) {
    return QRectF(QPointF(ColumnLine(column), RowLine(row)),
                  QPointF(ColumnLine(column + 1), RowLine(row + 1)));
}

bool IsShaded(std::size_t row, std::size_t column) {
    const bool isHeader = row == 0 || column == 0;
    const bool isCorner = row == 0 && column == 0;
    return isHeader && !isCorner;
}

void FillCells(QPainter& painter) {
    painter.fillRect(QRectF(QPointF(0, 0), kDtmfChartSize), kPaper);
    for (std::size_t row = 0; row < kGridSize; ++row) {
        for (std::size_t column = 0; column < kGridSize; ++column) {
            if (IsShaded(row, column)) {
                painter.fillRect(CellRect(row, column), kHeaderShade);
            }
        }
    }
}

void DrawGridLines(QPainter& painter) {
    painter.setPen(QPen(kInk, 1.0));
    const double right = ColumnLine(kGridSize);
    const double bottom = RowLine(kGridSize);
    for (std::size_t index = 0; index <= kGridSize; ++index) {
        const double x = ColumnLine(index);
        const double y = RowLine(index);
        painter.drawLine(QPointF(x, RowLine(0)), QPointF(x, bottom));
        painter.drawLine(QPointF(ColumnLine(0), y), QPointF(right, y));
    }
}

void DrawCellText(QPainter& painter, const QRectF& cell, const CellText& text) {
    const QFont upright = chart::SansFont(kTextPixels, true);
    const QFont italic = chart::SansFont(kTextPixels, true, true);
    const QString first = QString::fromLatin1(text.upright);
    const QString second = QString::fromLatin1(text.italic);
    const QFontMetricsF uprightMetrics(upright);
    const double width =
        uprightMetrics.horizontalAdvance(first) + QFontMetricsF(italic).horizontalAdvance(second);
    const double left = cell.center().x() - width / 2;
    const double baseline = cell.center().y() + uprightMetrics.capHeight() / 2;

    painter.setFont(upright);
    painter.drawText(QPointF(left, baseline), first);
    painter.setFont(italic);
    painter.drawText(QPointF(left + uprightMetrics.horizontalAdvance(first), baseline), second);
}

void DrawAllText(QPainter& painter) {
    painter.setPen(kInk);
    for (std::size_t row = 0; row < kGridSize; ++row) {
        for (std::size_t column = 0; column < kGridSize; ++column) {
            DrawCellText(painter, CellRect(row, column), kGrid[row][column]);
        }
    }
}

} // namespace

void PaintDtmfChart(QPainter& painter) {
    painter.save();
    chart::UseSmoothRendering(painter);
    FillCells(painter);
    DrawGridLines(painter);
    DrawAllText(painter);
    painter.restore();
}

} // namespace kelvo
