#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kelvo {

// Keeps the digits of a real-valued box and writes both "." and "," as the decimal separator;
// every other character is dropped.
[[nodiscard]] std::string CleanRealText(std::string_view text, char decimalSeparator);

// The texts of the divider calculator's five input boxes, already cleaned.
struct DividerInputs {
    std::string vin;
    std::string r1;
    std::string r2;
    std::string vref;
    std::string max;
    bool shiftBy8 = false;
};

// What the calculator shows; an output not reached (because of an error) stays empty.
struct DividerOutputs {
    std::string vout;
    std::string code;
    std::string ratio;
};

// Vout = Vin * R2 / (R1 + R2), the converter code of Vout against Vref and the full-scale code
// (or "Over"), and "k = (R1 + R2) / R2", in 80-bit extended arithmetic in exactly this order.
// `outputs` holds what was computed before an error (ConversionError or FloatError) is thrown.
void ComputeDivider(const DividerInputs& inputs, char decimalSeparator, DividerOutputs& outputs);

// The texts the regression generator reads: its four range boxes and four divider boxes.
struct RegressionInputs {
    std::string parMin;
    std::string parMax;
    std::string resMin;
    std::string resMax;
    std::string vin;
    std::string r1;
    std::string vref;
    std::string max;
};

// The lines added to the results pane, in order; `formula` then also replaces line 1. On an error
// (thrown) `lines` holds the lines added before it and `formula` stays empty.
struct RegressionOutput {
    std::vector<std::string> lines;
    std::string formula;
};

// A quadratic calibration formula for a resistive sensor read through the divider: five points
// of the parameter and resistance ranges, the converter code of each resistance, and the
// least-squares fit of the parameter on the code.
void GenerateRegression(const RegressionInputs& inputs, char decimalSeparator,
                        RegressionOutput& output);

} // namespace kelvo
