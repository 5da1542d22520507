#pragma once

#include <QSize>

class QPainter;

namespace kelvo {

// The three reference charts, drawn as vector art at their own size in logical pixels from the
// painter's origin, so that they stay crisp at any screen scale.
inline constexpr QSize kResistorChartSize{436, 398};
inline constexpr QSize kOhmChartSize{442, 377};
inline constexpr QSize kDtmfChartSize{404, 168};

void PaintResistorChart(QPainter& painter);
void PaintOhmChart(QPainter& painter);
void PaintDtmfChart(QPainter& painter);

} // namespace kelvo
