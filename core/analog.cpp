#include "core/analog.h"

#include <array>
#include <cmath>
#include <cstdint>

#include "core/checked_float.h"
#include "core/number_text.h"

namespace kelvo {
namespace {

using Extended = long double;

std::string General(Extended value, int precision, char separator) {
    return FormatFloatGeneral(value, precision, 0, separator);
}

std::string Fixed(Extended value, char separator) {
    return FormatFloatFixed(value, 8, 4, separator);
}

// Five points of a span: ascending fractions d/20, d/10, d/2, d/1.1, d/1 rounded half to even,
// their magnitudes descending for a negative span, zeros for none.
std::array<double, 5> RangePoints(std::int64_t span) {
    std::array<double, 5> points{};
    if (span == 0)
        return points;
    const Extended d = static_cast<Extended>(span);
    const std::array<Extended, 5> divisors = {20.0L, 10.0L, 2.0L, 1.1L, 1.0L};
    for (std::size_t i = 0; i < points.size(); ++i) {
        const Extended point = std::fabs(static_cast<Extended>(CheckedRound64(d / divisors[i])));
        points[span > 0 ? i : points.size() - 1 - i] = CheckedToDouble(point);
    }
    return points;
}

std::string JoinPoints(const std::array<double, 5>& points, char separator) {
    std::string joined;
    for (double point : points)
        joined += (joined.empty() ? "" : ", ") + General(point, 15, separator);
    return joined;
}

// A running sum stored as a double after each extended-precision term is added.
void AddTo(double& sum, Extended term) {
    sum = CheckedToDouble(CheckedAdd(sum, term));
}

} // namespace

std::string CleanRealText(std::string_view text, char decimalSeparator) {
    std::string cleaned;
    for (char c : text) {
        if (c >= '0' && c <= '9')
            cleaned += c;
        else if (c == '.' || c == ',')
            cleaned += decimalSeparator;
    }
    return cleaned;
}

void ComputeDivider(const DividerInputs& inputs, char separator, DividerOutputs& outputs) {
    outputs = {};
    const Extended vin = ParseFloat(inputs.vin, separator);
    const Extended r1 = ParseFloat(inputs.r1, separator);
    const Extended r2 = ParseFloat(inputs.r2, separator);
    const Extended vref = ParseFloat(inputs.vref, separator);

    const Extended vout = CheckedDiv(CheckedMul(vin, r2), CheckedAdd(r1, r2));
    outputs.vout = General(vout, 5, separator);

    const std::int32_t max = ParseInteger(inputs.max);
    const Extended step = CheckedDiv(vref, static_cast<Extended>(max));
    // The code keeps all 64 bits of the truncation, shifted or not, rather than the low 32.
    auto code = static_cast<std::uint64_t>(CheckedTrunc64(CheckedDiv(vout, step)));
    if (inputs.shiftBy8)
        code <<= 8;
    outputs.code = std::to_string(static_cast<std::int64_t>(code));
    // The test uses Vout as shown, rounded to five digits.
    if (!(ParseFloat(outputs.vout, separator) <= ParseFloat(inputs.vref, separator)))
        outputs.code = "Over";

    const Extended ratio = CheckedDiv(CheckedAdd(r1, r2), r2);
    outputs.ratio = "k = " + General(ratio, 15, separator);
    if (outputs.ratio.size() > 10)
        outputs.ratio.resize(9);
}

void GenerateRegression(const RegressionInputs& inputs, char separator, RegressionOutput& output) {
    output = {};
    auto& lines = output.lines;
    lines = {"Formula is:", "", "", "Sequence of calculations:"};

    const std::int32_t parMax = ParseInteger(inputs.parMax);
    const std::int32_t parMin = ParseInteger(inputs.parMin);
    const std::int32_t resMax = ParseInteger(inputs.resMax);
    const std::int32_t resMin = ParseInteger(inputs.resMin);
    // Spans in 64 bits, so that a range from -2147483648 to 2147483647 keeps its true width.
    const std::int64_t parSpan = static_cast<std::int64_t>(parMax) - parMin;
    const std::int64_t resSpan = static_cast<std::int64_t>(resMax) - resMin;

    const Extended factor =
        std::fabs(CheckedDiv(static_cast<Extended>(resSpan), static_cast<Extended>(parSpan)));
    lines.push_back("Proportionality factor: " + General(factor, 15, separator) + " Ohm/Parametr");

    const Extended vref = ParseFloat(inputs.vref, separator);
    const Extended max = ParseFloat(inputs.max, separator);
    const Extended lsb = CheckedDiv(vref, max);
    lines.push_back("In 1 ADC digit voltage: " + General(lsb, 15, separator));
    lines.emplace_back();

    const std::array<double, 5> par = RangePoints(parSpan);
    lines.push_back("Row of parametr: " + JoinPoints(par, separator));
    const std::array<double, 5> res = RangePoints(resSpan);
    lines.push_back("Row of resistance: " + JoinPoints(res, separator));

    const Extended vin = ParseFloat(inputs.vin, separator);
    const Extended r1 = ParseFloat(inputs.r1, separator);
    std::array<std::int64_t, 5> codes{};
    std::string row;
    for (std::size_t i = 0; i < codes.size(); ++i) {
        const Extended r = res[i];
        const Extended volts = CheckedDiv(CheckedMul(vin, r), CheckedAdd(r1, r));
        codes[i] = CheckedRound64(CheckedDiv(volts, lsb));
        row += (i == 0 ? "" : ", ") + std::to_string(codes[i]);
    }
    lines.push_back("Row of ADC: " + row);

    // Least squares of y = a + b x + c x^2 through centred sums; every stored value is a double.
    constexpr Extended n = 5;
    double sx = 0, sy = 0, sx2 = 0;
    for (std::size_t i = 0; i < codes.size(); ++i) {
        const auto x = static_cast<Extended>(codes[i]);
        AddTo(sx, x);
        AddTo(sy, par[i]);
        AddTo(sx2, CheckedMul(x, x));
    }
    const double mx = CheckedToDouble(CheckedDiv(sx, n));
    const double my = CheckedToDouble(CheckedDiv(sy, n));
    const double mx2 = CheckedToDouble(CheckedDiv(sx2, n));
    double sq = 0, sxx = 0, sxy = 0, sxx2 = 0, sx2x2 = 0, sx2y = 0;
    for (std::size_t i = 0; i < codes.size(); ++i) {
        const auto x = static_cast<Extended>(codes[i]);
        const Extended square = CheckedMul(x, x);
        const Extended dx = CheckedSub(x, mx);
        const Extended dy = CheckedSub(par[i], my);
        const Extended dx2 = CheckedSub(square, mx2);
        AddTo(sq, square);
        AddTo(sxx, CheckedMul(dx, dx));
        AddTo(sxy, CheckedMul(dx, dy));
        AddTo(sxx2, CheckedMul(dx, dx2));
        AddTo(sx2x2, CheckedMul(dx2, dx2));
        AddTo(sx2y, CheckedMul(dx2, dy));
    }
    const double det = CheckedToDouble(CheckedSub(CheckedMul(sxx, sx2x2), CheckedMul(sxx2, sxx2)));
    const double numeratorB =
        CheckedToDouble(CheckedSub(CheckedMul(sxy, sx2x2), CheckedMul(sxx2, sx2y)));
    const double numeratorC =
        CheckedToDouble(CheckedSub(CheckedMul(sxx, sx2y), CheckedMul(sxy, sxx2)));
    const double b = CheckedToDouble(CheckedDiv(numeratorB, det));
    const double c = CheckedToDouble(CheckedDiv(numeratorC, det));
    const double a = CheckedToDouble(
        CheckedDiv(CheckedSub(CheckedSub(sy, CheckedMul(b, sx)), CheckedMul(c, sq)), n));

    lines.emplace_back();
    lines.push_back("Resistive quadratic regression:");
    lines.push_back("Coefficient a: " + Fixed(a, separator));
    lines.push_back("Coefficient b: " + Fixed(b, separator));
    lines.push_back("Coefficient c: " + Fixed(c, separator));
    lines.emplace_back();
    lines.push_back("y = ax^2 + bx + c");
    output.formula = "y = ((" + Fixed(c, separator) + ")*V^2)+(" + Fixed(b, separator) + "*V)+" +
                     Fixed(a, separator);
    lines.push_back(output.formula);
}

} // namespace kelvo
