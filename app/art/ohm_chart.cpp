#include "app/art/chart_drawing.h"
#include "app/art/charts.h"

#include <QColor>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>
#include <QString>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace kelvo {
namespace {

constexpr QColor kInk{0, 0, 0};
constexpr QColor kPaper{255, 255, 255};
constexpr QColor kTeal{0, 128, 128};
constexpr QColor kFormulaBlue{0, 0, 204};
constexpr QColor kLineGrey{70, 70, 70};

constexpr QPointF kCentre{221, 204};
constexpr double kOuterRadius = 166;
constexpr double kRingRadius = 74; // where the inner quarters meet the ring of formulas
constexpr double kHubRadius = 15;
constexpr double kSectorSweep = 30;
constexpr double kQuarterSweep = 90;

constexpr int kTitlePixels = 21;
constexpr int kCornerPixels = 14;
constexpr int kFormulaPixels = 16;
constexpr int kUnitPixels = 13;
constexpr int kLetterPixels = 20;

enum class Shape { Text, Fraction, RootOfFraction, RootOfText };

struct Formula {
    Shape shape;
    const char16_t* top; // the whole text, or the numerator of a fraction
    const char16_t* bottom = u"";
};

struct Quarter {
    double startAngle; // Qt degrees (counter-clockwise from 3 o'clock); the quarter runs clockwise
    QColor ringFill;
    QColor innerFill;
    const char16_t* unit;
    const char16_t* letter;
    bool letterFirst; // the letter always sits next to the hub
    std::array<Formula, 3> formulas;
};

// Clockwise from 9 o'clock: power, current, resistance, voltage.
constexpr std::array<Quarter, 4> kQuarters{{
    {180,
     {255, 255, 204},
     {255, 255, 0},
     u"Watts",
     u"P",
     false,
     {{{Shape::Text, u"I² x R"}, {Shape::Fraction, u"V²", u"R"}, {Shape::Text, u"V x I"}}}},
    {90,
     {204, 255, 255},
     {153, 204, 255},
     u"Amps",
     u"I",
     false,
     {{{Shape::Fraction, u"V", u"R"},
       {Shape::Fraction, u"P", u"V"},
       {Shape::RootOfFraction, u"P", u"R"}}}},
    {0,
     {204, 255, 204},
     {0, 204, 0},
     u"Ohms",
     u"R",
     true,
     {{{Shape::Fraction, u"V²", u"P"},
       {Shape::Fraction, u"V", u"I"},
       {Shape::Fraction, u"P", u"I²"}}}},
    {-90,
     {255, 204, 102},
     {255, 153, 0},
     u"Volts",
     u"V",
     true,
     {{{Shape::Fraction, u"P", u"I"}, {Shape::RootOfText, u"P x R"}, {Shape::Text, u"I x R"}}}},
}};

QPointF PointAt(double angleDegrees, double radius) {
    const double radians = angleDegrees * std::numbers::pi / 180;
    return kCentre + QPointF(radius * std::cos(radians), -radius * std::sin(radians));
}

QRectF CircleBox(double radius) {
    return QRectF(kCentre.x() - radius, kCentre.y() - radius, 2 * radius, 2 * radius);
}

QPainterPath Pie(double radius, double startAngle, double sweep) {
    QPainterPath path(kCentre);
    path.arcTo(CircleBox(radius), startAngle, sweep);
    path.closeSubpath();
    return path;
}

void DrawTitleAndLegend(QPainter& painter) {
    const QRectF page(QPointF(0, 0), kOhmChartSize);
    painter.setFont(chart::SansFont(kTitlePixels, true));
    painter.setPen(kTeal);
    painter.drawText(page.adjusted(0, 4, 0, 0), Qt::AlignHCenter | Qt::AlignTop,
                     QStringLiteral("Ohm's law"));

    painter.setFont(chart::SansFont(kCornerPixels));
    painter.setPen(kInk);
    const QRectF inset = page.adjusted(6, 6, -6, -6);
    painter.drawText(inset, Qt::AlignLeft | Qt::AlignTop, QStringLiteral("P = Power"));
    painter.drawText(inset, Qt::AlignRight | Qt::AlignTop, QStringLiteral("I = Current"));
    painter.drawText(inset, Qt::AlignLeft | Qt::AlignBottom, QStringLiteral("V = Voltage"));
    painter.drawText(inset, Qt::AlignRight | Qt::AlignBottom, QStringLiteral("R = Resistance"));
}

void FillWheel(QPainter& painter) {
    painter.setPen(Qt::NoPen);
    for (const Quarter& quarter : kQuarters) {
        painter.setBrush(quarter.ringFill);
        painter.drawPath(Pie(kOuterRadius, quarter.startAngle, -kQuarterSweep));
        painter.setBrush(quarter.innerFill);
        painter.drawPath(Pie(kRingRadius, quarter.startAngle, -kQuarterSweep));
    }
    painter.setBrush(kPaper);
    painter.drawEllipse(kCentre, kHubRadius, kHubRadius);
}

void DrawWheelLines(QPainter& painter) {
    painter.setPen(QPen(kLineGrey, 1.0));
    painter.setBrush(Qt::NoBrush);
    for (double angle = 0; angle < 360; angle += kSectorSweep) {
        const bool quarterEdge = std::fmod(angle, kQuarterSweep) == 0;
        const double from = quarterEdge ? kHubRadius : kRingRadius;
        painter.drawLine(PointAt(angle, from), PointAt(angle, kOuterRadius));
    }
    for (const double radius : {kHubRadius, kRingRadius, kOuterRadius}) {
        painter.drawEllipse(kCentre, radius, radius);
    }
}

void DrawCentredLine(QPainter& painter, const QString& text, double centreX, double baseline) {
    const double width = QFontMetricsF(painter.font()).horizontalAdvance(text);
    painter.drawText(QPointF(centreX - width / 2, baseline), text);
}

void DrawQuarterName(QPainter& painter, const Quarter& quarter) {
    const QFont unitFont = chart::SansFont(kUnitPixels, true);
    const QFont letterFont = chart::SansFont(kLetterPixels, true);
    const double unitCap = QFontMetricsF(unitFont).capHeight();
    const double letterCap = QFontMetricsF(letterFont).capHeight();
    constexpr double kGap = 6;
    const double blockHeight = unitCap + kGap + letterCap;

    const QPointF centre =
        PointAt(quarter.startAngle - kQuarterSweep / 2, (kHubRadius + kRingRadius) / 2 + 3);
    const double top = centre.y() - blockHeight / 2;
    const double firstBaseline = top + (quarter.letterFirst ? letterCap : unitCap);
    const double secondBaseline = top + blockHeight;

    painter.setPen(kInk);
    painter.setFont(unitFont);
    DrawCentredLine(painter, QString::fromUtf16(quarter.unit), centre.x(),
                    quarter.letterFirst ? secondBaseline : firstBaseline);
    painter.setFont(letterFont);
    DrawCentredLine(painter, QString::fromUtf16(quarter.letter), centre.x(),
                    quarter.letterFirst ? firstBaseline : secondBaseline);
}

// The formula pieces are placed on cap height so the letters look centred, ignoring descenders.
struct FormulaMetrics {
    QFontMetricsF metrics;
    double capHeight;
    double barGap;
};

// A horizontal bar with the numerator above and the denominator below; returns its extent.
QRectF DrawFraction(QPainter& painter, const FormulaMetrics& m, const QString& top,
                    const QString& bottom, const QPointF& centre) {
    const double width =
        std::max(m.metrics.horizontalAdvance(top), m.metrics.horizontalAdvance(bottom)) + 6;
    const double barY = centre.y();
    DrawCentredLine(painter, top, centre.x(), barY - m.barGap);
    DrawCentredLine(painter, bottom, centre.x(), barY + m.barGap + m.capHeight);
    painter.setPen(QPen(kFormulaBlue, 1.5, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(QPointF(centre.x() - width / 2, barY), QPointF(centre.x() + width / 2, barY));
    painter.setPen(kFormulaBlue);
    const double extent = m.barGap + m.capHeight + 2;
    return QRectF(centre.x() - width / 2, barY - extent - 2, width, 2 * extent + 2);
}

QRectF DrawPlainText(QPainter& painter, const FormulaMetrics& m, const QString& text,
                     const QPointF& centre) {
    const double width = m.metrics.horizontalAdvance(text);
    DrawCentredLine(painter, text, centre.x(), centre.y() + m.capHeight / 2);
    return QRectF(centre.x() - width / 2, centre.y() - m.capHeight / 2 - 4, width, m.capHeight + 7);
}

// The tick, the long stroke and the overline spanning the radicand.
void DrawRadical(QPainter& painter, const QRectF& radicand) {
    const double midY = radicand.center().y();
    const double left = radicand.left();
    QPainterPath sign(QPointF(left - 11, midY + 2));
    sign.lineTo(left - 8, midY);
    sign.lineTo(left - 4, radicand.bottom());
    sign.lineTo(left - 1, radicand.top());
    sign.lineTo(radicand.right() + 2, radicand.top());
    painter.setPen(QPen(kFormulaBlue, 1.4, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(sign);
    painter.setPen(kFormulaBlue);
}

void DrawFormula(QPainter& painter, const Formula& formula, const QPointF& centre) {
    constexpr double kRadicalWidth = 11;
    const QFont font = chart::SansFont(kFormulaPixels, true);
    painter.setFont(font);
    painter.setPen(kFormulaBlue);
    const QFontMetricsF metrics(font);
    const FormulaMetrics m{metrics, metrics.capHeight(), 5};
    const QString top = QString::fromUtf16(formula.top);
    const QString bottom = QString::fromUtf16(formula.bottom);

    const bool hasRoot =
        formula.shape == Shape::RootOfFraction || formula.shape == Shape::RootOfText;
    // Shift the radicand right so the whole formula, sign included, stays centred.
    const QPointF radicandCentre = hasRoot ? centre + QPointF(kRadicalWidth / 2, 0) : centre;
    const bool isFraction =
        formula.shape == Shape::Fraction || formula.shape == Shape::RootOfFraction;
    const QRectF extent = isFraction ? DrawFraction(painter, m, top, bottom, radicandCentre)
                                     : DrawPlainText(painter, m, top, radicandCentre);
    if (hasRoot) {
        DrawRadical(painter, extent);
    }
}

void DrawFormulas(QPainter& painter) {
    const double radius = (kRingRadius + kOuterRadius) / 2;
    for (const Quarter& quarter : kQuarters) {
        for (std::size_t index = 0; index < quarter.formulas.size(); ++index) {
            const double mid =
                quarter.startAngle - kSectorSweep * (static_cast<double>(index) + 0.5);
            DrawFormula(painter, quarter.formulas[index], PointAt(mid, radius));
        }
    }
}

} // namespace

void PaintOhmChart(QPainter& painter) {
    painter.save();
    chart::UseSmoothRendering(painter);
    painter.fillRect(QRectF(QPointF(0, 0), kOhmChartSize), kPaper);
    DrawTitleAndLegend(painter);
    FillWheel(painter);
    DrawWheelLines(painter);
    for (const Quarter& quarter : kQuarters) {
        DrawQuarterName(painter, quarter);
    }
    DrawFormulas(painter);
    painter.restore();
}

} // namespace kelvo
