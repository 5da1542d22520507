#include "core/number_text.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

namespace kelvo {
namespace {

constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr long double kInf = std::numeric_limits<long double>::infinity();

template <typename F> std::string ConversionMessage(F&& call) {
    try {
        call();
    } catch (const ConversionError& e) {
        return e.what();
    }
    return "(no error)";
}

struct IntegerRow {
    const char* text;
    std::int32_t value;
};
constexpr IntegerRow kIntegers[] = {
    {"$1F", 31},
    {"$ff", 255},
    {"$FFFFFFFF", -1},
    {"$80000000", kMin},
    {"$7fffffff", kMax},
    {"$000000001", 1},
    {"-$80000000", kMin},
    {"-$FFFFFFFF", 1},
    {"x1F", 31},
    {"X10", 16},
    {"0x1f", 31},
    {"-0x10", -16},
    {"+0X0", 0},
    {"  42", 42},
    {"+7", 7},
    {"-0", 0},
    {"007", 7},
    {"2147483647", kMax},
    {"-2147483648", kMin},
};

TEST(ParseInteger, ReadsValidText) {
    for (const auto& row : kIntegers) {
        SCOPED_TRACE(row.text);
        EXPECT_EQ(ParseInteger(row.text), row.value);
        EXPECT_EQ(ParseIntegerOr(row.text, 99), row.value);
    }
}

struct IntegerErrorRow {
    const char* text;
    const char* message;
};
constexpr IntegerErrorRow kIntegerErrors[] = {
    {"", "'' is not a valid integer value"},
    {"   ", "'   ' is not a valid integer value"},
    {"-", "'-' is not a valid integer value"},
    {"$", "'$' is not a valid integer value"},
    {"0x", "'0x' is not a valid integer value"},
    {"$100000000", "'$100000000' is not a valid integer value"},
    {"$ 1", "'$ 1' is not a valid integer value"},
    {"$-1", "'$-1' is not a valid integer value"},
    {"$1 ", "'$1 ' is not a valid integer value"},
    {"$G", "'$G' is not a valid integer value"},
    {"42 ", "'42 ' is not a valid integer value"},
    {"\t42", "'\t42' is not a valid integer value"},
    {"--1", "'--1' is not a valid integer value"},
    {"+-1", "'+-1' is not a valid integer value"},
    {"- 1", "'- 1' is not a valid integer value"},
    {"1.0", "'1.0' is not a valid integer value"},
    {"2147483648", "'2147483648' is not a valid integer value"},
    {"-2147483649", "'-2147483649' is not a valid integer value"},
    {"99999999999999999999", "'99999999999999999999' is not a valid integer value"},
};

TEST(ParseInteger, RejectsInvalidText) {
    for (const auto& row : kIntegerErrors) {
        SCOPED_TRACE(row.text);
        EXPECT_EQ(ConversionMessage([&] { (void)ParseInteger(row.text); }), row.message);
        EXPECT_EQ(ParseIntegerOr(row.text, 0), 0);
        EXPECT_EQ(ParseIntegerOr(row.text, -99), -99);
    }
}

struct HexRow {
    std::int32_t value;
    int minDigits;
    const char* text;
};
constexpr HexRow kHex[] = {
    {255, 2, "FF"},        {5, 2, "05"},
    {256, 2, "100"},       {-1, 2, "FFFFFFFF"},
    {10, 1, "A"},          {0, 4, "0000"},
    {0, 0, "0"},           {kMin, 0, "80000000"},
    {7, -3, "7"},          {0xABCDEF, 0, "ABCDEF"},
    {1, 10, "0000000001"},
};

TEST(FormatHex, WritesUppercasePaddedDigits) {
    for (const auto& row : kHex) {
        SCOPED_TRACE(testing::Message() << row.value << " to " << row.minDigits << " digits");
        EXPECT_EQ(FormatHex(row.value, row.minDigits), row.text);
    }
}

struct DecimalRow {
    std::int32_t value;
    const char* text;
};
constexpr DecimalRow kDecimals[] = {
    {-5, "-5"}, {0, "0"}, {1234567, "1234567"}, {kMin, "-2147483648"}, {kMax, "2147483647"},
};

TEST(FormatDecimal, WritesPlainDigits) {
    for (const auto& row : kDecimals) {
        SCOPED_TRACE(row.value);
        EXPECT_EQ(FormatDecimal(row.value), row.text);
    }
}

TEST(IntegerText, RoundTripsThroughHexAndDecimal) {
    for (std::int32_t value : {0, 1, -1, 0x1234ABCD, -0x1234ABCD, kMin, kMax}) {
        SCOPED_TRACE(value);
        EXPECT_EQ(ParseInteger("$" + FormatHex(value, 0)), value);
        EXPECT_EQ(ParseInteger(FormatDecimal(value)), value);
    }
}

struct FloatRow {
    const char* text;
    char separator;
    long double value;
};
constexpr FloatRow kFloats[] = {
    {"1.5", '.', 1.5L},
    {" -2.5e3 ", '.', -2500.0L},
    {"5.", '.', 5.0L},
    {".5", '.', 0.5L},
    {".", '.', 0.0L},
    {"-.", '.', 0.0L},
    {"1e", '.', 1.0L},
    {"+1E+2", '.', 100.0L},
    {"0.1", '.', 0.1L},
    {"1e-2", '.', 0.01L},
    {"123456789012345678901234567890", '.', 123456789012345678901234567890.0L},
    {"1e0000000000000000001", '.', 10.0L},
    {"1e4000", '.', 1e4000L},
    {"1.18e4932", '.', 1.18e4932L},
    {"1e-4940", '.', 1e-4940L},
    {"1e-4999", '.', 0.0L},
    {"1,5", ',', 1.5L},
    {"-,25E-1", ',', -0.025L},
};

TEST(ParseFloat, ReadsValidText) {
    for (const auto& row : kFloats) {
        SCOPED_TRACE(testing::Message() << row.text << " with separator " << row.separator);
        EXPECT_EQ(ParseFloat(row.text, row.separator), row.value);
    }
}

struct FloatErrorRow {
    const char* text;
    char separator;
    const char* message;
};
constexpr FloatErrorRow kFloatErrors[] = {
    {"", '.', "'' is not a valid floating point value"},
    {"  ", '.', "'  ' is not a valid floating point value"},
    {"-", '.', "'-' is not a valid floating point value"},
    {"1,5", '.', "'1,5' is not a valid floating point value"},
    {"1.5", ',', "'1.5' is not a valid floating point value"},
    {"e5", '.', "'e5' is not a valid floating point value"},
    {"1..5", '.', "'1..5' is not a valid floating point value"},
    {"1 5", '.', "'1 5' is not a valid floating point value"},
    {"\t1", '.', "'\t1' is not a valid floating point value"},
    {"--1", '.', "'--1' is not a valid floating point value"},
    {"1e--1", '.', "'1e--1' is not a valid floating point value"},
    {"1e5.", '.', "'1e5.' is not a valid floating point value"},
    {"0x10", '.', "'0x10' is not a valid floating point value"},
    {"inf", '.', "'inf' is not a valid floating point value"},
    {"1e5000", '.', "'1e5000' is not a valid floating point value"},
    {"1.19e4932", '.', "'1.19e4932' is not a valid floating point value"},
    {"-1e4933", '.', "'-1e4933' is not a valid floating point value"},
};

TEST(ParseFloat, RejectsInvalidText) {
    for (const auto& row : kFloatErrors) {
        SCOPED_TRACE(testing::Message() << row.text << " with separator " << row.separator);
        EXPECT_EQ(ConversionMessage([&] { (void)ParseFloat(row.text, row.separator); }),
                  row.message);
    }
}

struct GeneralRow {
    long double value;
    int precision;
    int minExponentDigits;
    char separator;
    const char* text;
};
constexpr GeneralRow kGeneral[] = {
    {0.0L, 15, 0, '.', "0"},
    {-0.0L, 15, 0, '.', "0"},
    {0.1L, 15, 0, '.', "0.1"},
    {1.0L / 3, 15, 0, '.', "0.333333333333333"},
    {2.0L / 3, 15, 0, '.', "0.666666666666667"},
    {-2.0L / 3, 15, 0, '.', "-0.666666666666667"},
    {100.0L, 15, 0, '.', "100"},
    {1e14L, 15, 0, '.', "100000000000000"},
    {1e15L, 15, 0, '.', "1E15"},
    {0.0001L, 15, 0, '.', "0.0001"},
    {0.00001L, 15, 0, '.', "1E-5"},
    {2.5e20L, 15, 0, '.', "2.5E20"},
    {-2.5e20L, 15, 0, ',', "-2,5E20"},
    {1.5L, 15, 0, ',', "1,5"},
    {3.14159265L, 5, 0, '.', "3.1416"},
    {123456.0L, 5, 0, '.', "1.2346E5"},
    {99999.5L, 5, 0, '.', "1E5"},
    {0.00001234L, 5, 0, '.', "1.234E-5"},
    {1e-10L, 15, 4, '.', "1E-0010"},
    {1e20L, 15, 5, '.', "1E20"},
    {1.25L, 1, 0, '.', "1.3"},
    {1.0L / 3, 30, 0, '.', "0.333333333333333333"},
    {2.0L / 3, 18, 0, '.', "0.666666666666666667"},
    {std::numeric_limits<long double>::max(), 18, 0, '.', "1.18973149535723177E4932"},
    {std::numeric_limits<long double>::max(), 15, 0, '.', "1.18973149535723E4932"},
    {std::numeric_limits<long double>::denorm_min(), 18, 0, '.', "3.6451995318824746E-4951"},
    {kInf, 15, 0, '.', "INF"},
    {-kInf, 15, 0, '.', "-INF"},
    {std::numeric_limits<long double>::quiet_NaN(), 15, 0, '.', "NAN"},
};

TEST(FormatFloatGeneral, WritesShortestNotation) {
    for (const auto& row : kGeneral) {
        SCOPED_TRACE(testing::Message() << row.value << " P=" << row.precision << " X="
                                        << row.minExponentDigits << " sep " << row.separator);
        EXPECT_EQ(
            FormatFloatGeneral(row.value, row.precision, row.minExponentDigits, row.separator),
            row.text);
    }
}

struct FixedRow {
    long double value;
    int precision;
    int decimals;
    char separator;
    const char* text;
};
constexpr FixedRow kFixed[] = {
    {1.5L, 8, 4, '.', "1.5000"},
    {-1.5L, 8, 4, '.', "-1.5000"},
    {1234.56789L, 8, 4, '.', "1234.5679"},
    {-0.00004L, 8, 4, '.', "0.0000"},
    {-0.00005L, 8, 4, '.', "-0.0001"},
    {0.001234L, 8, 4, '.', "0.0012"},
    {0.0123L, 8, 4, '.', "0.0123"},
    {12345678.9L, 8, 4, '.', "12345679.0000"},
    {123456789.0L, 8, 4, '.', "1.2345679E0008"},
    {123456789.0L, 8, 6, '.', "1.2345679E8"},
    {99999999.6L, 8, 4, '.', "1E0008"},
    {0.0L, 8, 4, '.', "0.0000"},
    {3.14159265L, 3, 4, '.', "3.1400"},
    {2.5L, 8, 0, '.', "3"},
    {0.4L, 8, 0, '.', "0"},
    {1234.5L, 8, 2, ',', "1234,50"},
    {0.5L, 18, 20, '.', "0.500000000000000000"},
    {-kInf, 8, 4, '.', "-INF"},
};

TEST(FormatFloatFixed, WritesExactDecimals) {
    for (const auto& row : kFixed) {
        SCOPED_TRACE(testing::Message() << row.value << " P=" << row.precision
                                        << " D=" << row.decimals << " sep " << row.separator);
        EXPECT_EQ(FormatFloatFixed(row.value, row.precision, row.decimals, row.separator),
                  row.text);
    }
}

TEST(FloatText, RoundTripsShortDecimals) {
    struct Row {
        const char* text;
        char separator;
    };
    constexpr Row rows[] = {
        {"0.1", '.'},    {"-2.5E-300", '.'}, {"1.2345E100", '.'}, {"123456789012345678", '.'},
        {"0,0625", ','}, {"7E-4900", ','},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        EXPECT_EQ(FormatFloatGeneral(ParseFloat(row.text, row.separator), 18, 0, row.separator),
                  row.text);
    }
}

} // namespace
} // namespace kelvo
