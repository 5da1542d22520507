#include "app/art/chart_drawing.h"
#include "app/art/charts.h"

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>
#include <QString>

#include <array>
#include <cstddef>
#include <span>

namespace kelvo {
namespace {

constexpr QColor kInk{0, 0, 0};
constexpr QColor kWhite{255, 255, 255};
constexpr QColor kBlueInk{0, 0, 255};
constexpr QColor kLeadGrey{120, 120, 120};
constexpr QColor kGold{247, 214, 140};
constexpr QColor kSilver{222, 222, 222};

struct ColourRow {
    const char* name;
    QColor fill;
    QColor ink; // chosen per colour so the digit stays readable on its bar
};

constexpr std::array<ColourRow, 10> kColourRows{{
    {"Black", {0, 0, 0}, kWhite},
    {"Brown", {156, 82, 0}, kWhite},
    {"Red", {255, 0, 0}, kWhite},
    {"Orange", {255, 156, 99}, kInk},
    {"Yellow", {255, 255, 0}, kBlueInk},
    {"Greeen", {0, 255, 0}, kInk},
    {"Blue", {0, 90, 189}, kWhite},
    {"Violet", {255, 0, 255}, kInk},
    {"Grey", {198, 198, 198}, kInk},
    {"White", {255, 255, 255}, kInk},
}};

struct Cell {
    const char* text; // nullptr leaves the row empty in that column
    QColor fill;
    QColor ink;
};

using ColumnCells = std::array<Cell, kColourRows.size()>;

constexpr Cell kEmpty{nullptr, {}, {}};
constexpr Cell GoldCell(const char* text) {
    return {text, kGold, kInk};
}
constexpr Cell SilverCell(const char* text) {
    return {text, kSilver, kInk};
}

constexpr Cell RowCell(std::size_t row, const char* text) {
    return {text, kColourRows[row].fill, kColourRows[row].ink};
}

constexpr ColumnCells kDigitCells{{
    RowCell(0, "0"),
    RowCell(1, "1"),
    RowCell(2, "2"),
    RowCell(3, "3"),
    RowCell(4, "4"),
    RowCell(5, "5"),
    RowCell(6, "6"),
    RowCell(7, "7"),
    RowCell(8, "8"),
    RowCell(9, "9"),
}};

// Gold and silver have no row of their own, so they borrow the two lowest rows.
constexpr ColumnCells kMultiplierCells{{
    RowCell(0, "1"),
    RowCell(1, "10"),
    RowCell(2, "100"),
    RowCell(3, "1000"),
    RowCell(4, "10000"),
    RowCell(5, "100000"),
    RowCell(6, "1000000"),
    kEmpty,
    GoldCell(".1 Gold"),
    SilverCell(".01 Silver"),
}};

constexpr ColumnCells kToleranceCells{{
    kEmpty,
    RowCell(1, "1%"),
    RowCell(2, "2%"),
    kEmpty,
    kEmpty,
    kEmpty,
    kEmpty,
    kEmpty,
    GoldCell("5%Gold"),
    SilverCell("10%Silver"),
}};

struct Column {
    const char* title;
    double left;
    double width;
    const ColumnCells* cells;

    [[nodiscard]] constexpr double Centre() const { return left + width / 2; }
};

// The window crops the chart at x = 433, so the last column ends well before that.
constexpr std::array<Column, 5> kColumns{{
    {"1st Digit", 56, 60, &kDigitCells},
    {"2nd Digit", 120, 60, &kDigitCells},
    {"3rd Digit", 184, 60, &kDigitCells},
    {"Multiplier", 248, 88, &kMultiplierCells},
    {"Tolerance", 340, 88, &kToleranceCells},
}};

constexpr double kRowLabelLeft = 2;
constexpr double kHeaderTop = 66;
constexpr double kHeaderHeight = 20;
constexpr double kFirstRowTop = 92;
constexpr double kRowPitch = 22;
constexpr double kBarHeight = 18;
constexpr double kBarInset = 4;
constexpr double kLastBarBottom =
    kFirstRowTop + (kColourRows.size() - 1) * kRowPitch + kBarHeight - 0.5;
constexpr int kLabelPixels = 12;

struct BandMark {
    double x;
    QColor colour;
    const char* digits; // the value this band stands for in the worked example
    std::size_t column;
    double connectorLevel; // where the connector turns, staggered so the lines never cross
};

struct Resistor {
    QRectF body;
    QColor fill;
    std::span<const BandMark> bands;
};

constexpr QRectF kTopBody{164, 18, 102, 22};
constexpr std::array<BandMark, 4> kTopBands{{
    {190, {0, 255, 0}, "5", 0, 48},
    {205, {0, 90, 189}, "6", 1, 57},
    {220, {255, 0, 0}, "00", 3, 57},
    {250, kGold, nullptr, 4, 48},
}};

constexpr QRectF kBottomBody{160, 346, 114, 22};
constexpr std::array<BandMark, 5> kBottomBands{{
    {186, {255, 255, 0}, "4", 0, 336},
    {200, {255, 0, 255}, "7", 1, 324},
    {214, {0, 0, 0}, "0", 2, 324},
    {228, {255, 0, 0}, "00", 3, 324},
    {261, {156, 82, 0}, nullptr, 4, 336},
}};

QPen ThinPen(const QColor& colour) {
    QPen pen(colour, 1.0);
    pen.setJoinStyle(Qt::MiterJoin);
    return pen;
}

// Half-pixel offsets keep one-pixel lines sharp at 1x.
double Crisp(double coordinate) {
    return coordinate + 0.5;
}

QPainterPath ResistorBodyPath(const QRectF& body) {
    const double capWidth = body.height();
    const double waist = body.height() * 0.15;
    QPainterPath caps;
    caps.addRoundedRect(QRectF(body.left(), body.top(), capWidth, body.height()), 7, 7);
    caps.addRoundedRect(QRectF(body.right() - capWidth, body.top(), capWidth, body.height()), 7, 7);
    QPainterPath middle;
    middle.addRect(body.adjusted(capWidth / 2, waist, -capWidth / 2, -waist));
    return caps.united(middle);
}

void DrawLeads(QPainter& painter, const QRectF& body) {
    constexpr double kLeadLength = 36;
    painter.setPen(QPen(kLeadGrey, 2.0, Qt::SolidLine, Qt::RoundCap));
    const double y = body.center().y();
    painter.drawLine(QPointF(body.left() - kLeadLength, y), QPointF(body.left(), y));
    painter.drawLine(QPointF(body.right(), y), QPointF(body.right() + kLeadLength, y));
}

void DrawResistor(QPainter& painter, const Resistor& resistor) {
    // Seven pixels wide around the half-pixel the connector runs on.
    constexpr double kBandWidth = 7;
    DrawLeads(painter, resistor.body);
    const QPainterPath body = ResistorBodyPath(resistor.body);
    painter.setPen(Qt::NoPen);
    painter.setBrush(resistor.fill);
    painter.drawPath(body);

    painter.save();
    painter.setClipPath(body);
    for (const BandMark& band : resistor.bands) {
        painter.setBrush(band.colour);
        painter.drawRect(QRectF(Crisp(band.x) - kBandWidth / 2, resistor.body.top(), kBandWidth,
                                resistor.body.height()));
    }
    painter.restore();

    painter.setPen(ThinPen(kInk));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(body);
}

void DrawBandDigits(QPainter& painter, std::span<const BandMark> bands, double top) {
    constexpr double kBoxWidth = 20;
    constexpr double kBoxHeight = 14;
    painter.setPen(kInk);
    for (const BandMark& band : bands) {
        if (band.digits == nullptr) {
            continue;
        }
        painter.drawText(QRectF(band.x - kBoxWidth / 2, top, kBoxWidth, kBoxHeight),
                         Qt::AlignCenter, QString::fromLatin1(band.digits));
    }
}

// Down (or up) from the band, across at the band's own level, then on to the column.
void DrawConnector(QPainter& painter, const BandMark& band, double bandEdge, double columnEdge) {
    const double bandX = Crisp(band.x);
    const double columnX = Crisp(kColumns[band.column].Centre());
    const double level = Crisp(band.connectorLevel);
    QPainterPath path(QPointF(bandX, bandEdge));
    path.lineTo(bandX, level);
    path.lineTo(columnX, level);
    path.lineTo(columnX, columnEdge);
    painter.drawPath(path);
}

void DrawConnectors(QPainter& painter, const Resistor& resistor, double bandEdge,
                    double columnEdge) {
    painter.setPen(ThinPen(kInk));
    painter.setBrush(Qt::NoBrush);
    for (const BandMark& band : resistor.bands) {
        DrawConnector(painter, band, bandEdge, columnEdge);
    }
}

void DrawColumnHeaders(QPainter& painter) {
    painter.setBrush(Qt::NoBrush);
    for (const Column& column : kColumns) {
        const QRectF frame(Crisp(column.left), Crisp(kHeaderTop), column.width - 1,
                           kHeaderHeight - 1);
        painter.setPen(ThinPen(kInk));
        painter.drawRect(frame);
        painter.drawText(frame, Qt::AlignCenter, QString::fromLatin1(column.title));
    }
}

double RowTop(std::size_t row) {
    return kFirstRowTop + static_cast<double>(row) * kRowPitch;
}

void DrawRowLabels(QPainter& painter) {
    painter.setPen(kInk);
    for (std::size_t row = 0; row < kColourRows.size(); ++row) {
        const QRectF box(kRowLabelLeft, RowTop(row), kColumns[0].left - kRowLabelLeft, kBarHeight);
        painter.drawText(box, Qt::AlignLeft | Qt::AlignVCenter,
                         QString::fromLatin1(kColourRows[row].name));
    }
}

void DrawBar(QPainter& painter, const QRectF& box, const Cell& cell) {
    painter.setPen(ThinPen(kInk));
    painter.setBrush(cell.fill);
    painter.drawRoundedRect(box, 5, 5);
    painter.setPen(cell.ink);
    painter.drawText(box, Qt::AlignCenter, QString::fromLatin1(cell.text));
}

void DrawColumnBars(QPainter& painter, const Column& column) {
    for (std::size_t row = 0; row < kColourRows.size(); ++row) {
        const Cell& cell = (*column.cells)[row];
        if (cell.text == nullptr) {
            continue;
        }
        const QRectF box(Crisp(column.left + kBarInset), Crisp(RowTop(row)),
                         column.width - 2 * kBarInset - 1, kBarHeight - 1);
        DrawBar(painter, box, cell);
    }
}

} // namespace

void PaintResistorChart(QPainter& painter) {
    painter.save();
    chart::UseSmoothRendering(painter);
    painter.setFont(chart::SansFont(kLabelPixels));

    const Resistor fourBand{kTopBody, {255, 255, 239}, kTopBands};
    const Resistor fiveBand{kBottomBody, {198, 231, 255}, kBottomBands};

    DrawConnectors(painter, fourBand, kTopBody.bottom(), Crisp(kHeaderTop));
    DrawConnectors(painter, fiveBand, kBottomBody.top(), kLastBarBottom);
    DrawResistor(painter, fourBand);
    DrawResistor(painter, fiveBand);
    DrawBandDigits(painter, kTopBands, 2);
    DrawBandDigits(painter, kBottomBands, kBottomBody.bottom() + 4);

    DrawColumnHeaders(painter);
    DrawRowLabels(painter);
    for (const Column& column : kColumns) {
        DrawColumnBars(painter, column);
    }
    painter.restore();
}

} // namespace kelvo
