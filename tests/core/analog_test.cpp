#include "core/analog.h"

#include <gtest/gtest.h>

#include "core/errors.h"

namespace kelvo {
namespace {

struct DividerRow {
    DividerInputs in;
    char separator;
    DividerOutputs out;
};

const DividerRow kDividers[] = {
    {{"5", "5000", "5000", "5", "255"}, ',', {"2,5", "127", "k = 2"}},
    {{"5", "5000", "5000", "5", "255", true}, ',', {"2,5", "32512", "k = 2"}},
    {{"5", "10000", "4700", "5", "255"}, ',', {"1,5986", "81", "k = 3,127"}},
    {{"5", "10000", "4700", "5", "255"}, '.', {"1.5986", "81", "k = 3.127"}},
    {{"5", "1000", "3000", "5", "255"}, ',', {"3,75", "191", "k = 1,333"}},
    {{"5", "100000", "1", "5", "255"}, ',', {"5E-5", "0", "k = 100001"}},
    // 5/255 rounded to extended precision makes 5/q fall just below 255.
    {{"5", "0", "5000", "5", "255"}, ',', {"5", "254", "k = 1"}},
    {{"5", "0", "5000", "5", "1023"}, ',', {"5", "1023", "k = 1"}},
    {{"5", "0", "5000", "5", "4095"}, ',', {"5", "4095", "k = 1"}},
    {{"12", "0", "5000", "5", "255"}, ',', {"12", "Over", "k = 1"}},
    // The over-range test reads Vout as shown, rounded to five digits.
    {{"5,00001", "0", "1", "5", "255"}, ',', {"5", "255", "k = 1"}},
    {{"5,", "0", ",5", "5", "255"}, ',', {"5", "254", "k = 1"}},
    {{"10", "12345,6", "12345,6", "100000", "255"}, ',', {"5", "0", "k = 2"}},
    {{"12345,6", "0", "1", "100000", "255"}, ',', {"12346", "31", "k = 1"}},
    {{"246912", "0", "1", "5", "255"}, ',', {"2,4691E5", "Over", "k = 1"}},
    // The code keeps its full width: a 24-bit converter's full scale shifted by 8 bits.
    {{"5", "0", "1", "5", "16777215", true}, '.', {"5", "4294967040", "k = 1"}},
    {{"5", "0", "1", "5", "2147483647"}, '.', {"5", "2147483646", "k = 1"}},
};

TEST(Divider, ComputesOutputs) {
    for (const auto& row : kDividers) {
        SCOPED_TRACE(row.in.vin + " " + row.in.r1 + " " + row.in.r2 + " " + row.in.vref + " " +
                     row.in.max + (row.in.shiftBy8 ? " shl" : "") + " sep " + row.separator);
        DividerOutputs out;
        ComputeDivider(row.in, row.separator, out);
        EXPECT_EQ(out.vout, row.out.vout);
        EXPECT_EQ(out.code, row.out.code);
        EXPECT_EQ(out.ratio, row.out.ratio);
    }
}

struct DividerErrorRow {
    DividerInputs in;
    char separator;
    const char* message;
    DividerOutputs partial;
};

const DividerErrorRow kDividerErrors[] = {
    {{"1,2,3", "5000", "5000", "5", "255"}, ',', "'1,2,3' is not a valid floating point value", {}},
    {{"5", ",,", "5000", "5", "255"}, ',', "',,' is not a valid floating point value", {}},
    {{"5", "5000", "5000", "5", "9999999999"},
     ',',
     "'9999999999' is not a valid integer value",
     {"2,5", "", ""}},
    {{"5", "0", "0", "5", "255"}, ',', "Invalid floating point operation", {}},
    {{"5", ",", ",", "5", "255"}, ',', "Invalid floating point operation", {}},
    {{"5", "5000", "0", "5", "255"}, ',', "Floating point division by zero", {"0", "0", ""}},
    {{"5", "5000", "5000", "5", "0"}, ',', "Floating point division by zero", {"2,5", "", ""}},
    {{"5", "5000", "5000", "0", "0"}, ',', "Invalid floating point operation", {"2,5", "", ""}},
    {{"5", "5000", "5000", "0", "255"}, ',', "Floating point division by zero", {"2,5", "", ""}},
    {{"0", "5000", "5000", "0", "255"}, ',', "Invalid floating point operation", {"0", "", ""}},
    {{"5", "5000", "5000", "1E-4000", "2147483647"},
     '.',
     "Invalid floating point operation",
     {"2.5", "", ""}},
    // With "." as the separator a "," is no separator.
    {{"4,7", "5000", "5000", "5", "255"}, '.', "'4,7' is not a valid floating point value", {}},
};

TEST(Divider, FailsWhereTheComputationFails) {
    for (const auto& row : kDividerErrors) {
        SCOPED_TRACE(row.in.vin + " " + row.in.r1 + " " + row.in.r2 + " " + row.in.vref + " " +
                     row.in.max);
        DividerOutputs out;
        try {
            ComputeDivider(row.in, row.separator, out);
            ADD_FAILURE() << "no error";
        } catch (const std::runtime_error& error) {
            EXPECT_EQ(std::string(error.what()), row.message);
        }
        EXPECT_EQ(out.vout, row.partial.vout);
        EXPECT_EQ(out.code, row.partial.code);
        EXPECT_EQ(out.ratio, row.partial.ratio);
    }
}

TEST(Divider, CleaningWritesTheSeparator) {
    EXPECT_EQ(CleanRealText("4.7", ','), "4,7");
    EXPECT_EQ(CleanRealText("4.7", '.'), "4.7");
    EXPECT_EQ(CleanRealText("4,7", '.'), "4.7");
    EXPECT_EQ(CleanRealText("-5 000 V", ','), "5000");
    EXPECT_EQ(CleanRealText("1e5", '.'), "15");
}

std::vector<std::string> Lines(std::initializer_list<const char*> lines) {
    return {lines.begin(), lines.end()};
}

RegressionInputs Ranges(const char* parMin, const char* parMax, const char* resMin,
                        const char* resMax, const char* max = "255") {
    return {parMin, parMax, resMin, resMax, "5", "5000", "5", max};
}

TEST(Regression, StartValuesGiveTheEighteenLines) {
    RegressionOutput out;
    GenerateRegression(Ranges("0", "40", "0", "1200"), ',', out);
    const std::string formula = "y = ((0,0033)*V^2)+(0,6449*V)+0,0435";
    EXPECT_EQ(out.formula, formula);
    EXPECT_EQ(out.lines,
              Lines({"Formula is:", "", "",
                     "Sequence of calculations:", "Proportionality factor: 30 Ohm/Parametr",
                     "In 1 ADC digit voltage: 0,0196078431372549", "",
                     "Row of parametr: 2, 4, 20, 36, 40",
                     "Row of resistance: 60, 120, 600, 1091, 1200", "Row of ADC: 3, 6, 27, 46, 49",
                     "", "Resistive quadratic regression:", "Coefficient a: 0,0435",
                     "Coefficient b: 0,6449", "Coefficient c: 0,0033", "", "y = ax^2 + bx + c",
                     "y = ((0,0033)*V^2)+(0,6449*V)+0,0435"}));
}

struct RegressionRow {
    const char* name;
    RegressionInputs in;
    char separator;
    std::vector<std::pair<std::size_t, std::string>> lines; // line index, text
};

const RegressionRow kRegressions[] = {
    {"only the span counts",
     Ranges("10", "50", "0", "1200"),
     ',',
     {{17, "y = ((0,0033)*V^2)+(0,6449*V)+0,0435"}, {7, "Row of parametr: 2, 4, 20, 36, 40"}}},
    {"falling parameter",
     Ranges("40", "0", "0", "1200"),
     ',',
     {{7, "Row of parametr: 40, 36, 20, 4, 2"}, {17, "y = ((0,0001)*V^2)+(-0,8181*V)+41,7652"}}},
    {"both ranges reversed",
     Ranges("40", "0", "1200", "0"),
     ',',
     {{7, "Row of parametr: 40, 36, 20, 4, 2"},
      {8, "Row of resistance: 1200, 1091, 600, 120, 60"},
      {17, "y = ((0,0033)*V^2)+(0,6449*V)+0,0435"}}},
    {"ten-bit converter",
     Ranges("0", "50", "0", "1000", "1023"),
     ',',
     {{5, "In 1 ADC digit voltage: 0,00488758553274682"},
      {7, "Row of parametr: 2, 5, 25, 45, 50"},
      {8, "Row of resistance: 50, 100, 500, 909, 1000"},
      {9, "Row of ADC: 10, 20, 93, 157, 170"},
      {17, "y = ((0,0003)*V^2)+(0,2431*V)+-0,2341"}}},
    {"sixteen-bit converter",
     {"0", "40", "0", "100000", "5", "5000", "5", "65535"},
     ',',
     {{9, "Row of ADC: 32767, 43690, 59577, 62118, 62414"},
      {12, "Coefficient a: 104,0473"},
      {13, "Coefficient b: -0,0053"},
      {14, "Coefficient c: 0,0000"}}},
    {"point as separator",
     Ranges("0", "40", "0", "1200"),
     '.',
     {{5, "In 1 ADC digit voltage: 0.0196078431372549"},
      {17, "y = ((0.0033)*V^2)+(0.6449*V)+0.0435"}}},
    // The widest spans keep their true width instead of wrapping.
    {"widest span",
     Ranges("-2147483648", "2147483647", "0", "1200"),
     '.',
     {{4, "Proportionality factor: 2.79396772449696E-7 Ohm/Parametr"},
      {7, "Row of parametr: 214748365, 429496730, 2147483648, 3904515723, 4294967295"}}},
};

TEST(Regression, Examples) {
    for (const auto& row : kRegressions) {
        SCOPED_TRACE(row.name);
        RegressionOutput out;
        GenerateRegression(row.in, row.separator, out);
        ASSERT_EQ(out.lines.size(), 18u);
        EXPECT_EQ(out.formula, out.lines[17]);
        for (const auto& [index, text] : row.lines)
            EXPECT_EQ(out.lines[index], text) << "line " << index;
    }
}

struct RegressionErrorRow {
    const char* name;
    RegressionInputs in;
    const char* message;
    std::size_t linesBefore;
};

const RegressionErrorRow kRegressionErrors[] = {
    {"empty ParMax first",
     {"x", "", "0", "1200", "5", "5000", "5", "255"},
     "'' is not a valid integer value",
     4},
    {"bad ResMin", Ranges("0", "40", "y", "1200"), "'y' is not a valid integer value", 4},
    {"no parameter span", Ranges("7", "7", "0", "1200"), "Floating point division by zero", 4},
    {"no spans at all", Ranges("7", "7", "5", "5"), "Invalid floating point operation", 4},
    {"bad Max",
     {"0", "40", "0", "1200", "5", "5000", "5", ""},
     "'' is not a valid floating point value",
     5},
    {"zero Max", Ranges("0", "40", "0", "1200", "0"), "Floating point division by zero", 5},
    {"bad Vin",
     {"0", "40", "0", "1200", "", "5000", "5", "255"},
     "'' is not a valid floating point value",
     9},
    {"zero R1 and a zero point",
     {"0", "40", "0", "10", "5", "0", "5", "255"},
     "Invalid floating point operation",
     9},
    {"zero Vref",
     {"0", "40", "0", "1200", "5", "5000", "0", "255"},
     "Floating point division by zero",
     9},
    {"codes 0 0 1 1 1", Ranges("0", "40", "0", "20"), "Invalid floating point operation", 10},
    {"all codes zero",
     {"0", "40", "0", "1200", "0", "5000", "5", "255"},
     "Invalid floating point operation",
     10},
};

TEST(Regression, FailsWithTheLinesWrittenSoFar) {
    for (const auto& row : kRegressionErrors) {
        SCOPED_TRACE(row.name);
        RegressionOutput out;
        try {
            GenerateRegression(row.in, ',', out);
            ADD_FAILURE() << "no error";
        } catch (const std::runtime_error& error) {
            EXPECT_EQ(std::string(error.what()), row.message);
        }
        EXPECT_EQ(out.lines.size(), row.linesBefore);
        EXPECT_TRUE(out.formula.empty());
    }
}

} // namespace
} // namespace kelvo
