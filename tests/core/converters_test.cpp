#include "core/converters.h"

#include <gtest/gtest.h>

#include "core/digit_filters.h"
#include "core/errors.h"

namespace kelvo {
namespace {

struct ConvertRow {
    ConverterBox source;
    const char* cleaned;
    ConvertedValue shown;
};

const ConvertRow kConversions[] = {
    {ConverterBox::Decimal, "255", {"255", "FF", "\xff", "11111111"}},
    {ConverterBox::Decimal, "256", {"256", "100", "", ""}},
    {ConverterBox::Decimal, "9999999", {"9999999", "98967F", "", ""}},
    {ConverterBox::Decimal, "16777215", {"16777215", "FFFFFF", "", ""}},
    {ConverterBox::Decimal, "16777216", {"16777216", "", "", ""}},
    {ConverterBox::Decimal, "2147483647", {"2147483647", "", "", ""}},
    {ConverterBox::Decimal, "0", {"0", "00", "", "00000000"}},
    {ConverterBox::Decimal, "007", {"007", "07", "\x07", "00000111"}},
    {ConverterBox::Decimal, "65", {"65", "41", "A", "01000001"}},
    {ConverterBox::Hex, "41", {"65", "41", "A", "01000001"}},
    {ConverterBox::Hex, "ff", {"255", "ff", "\xff", "11111111"}},
    {ConverterBox::Hex, "FFFFFF", {"16777215", "FFFFFF", "", ""}},
    {ConverterBox::Hex, "100", {"256", "100", "", ""}},
    {ConverterBox::Hex, "0", {"0", "0", "", "00000000"}},
    {ConverterBox::Character, "A", {"65", "41", "A", "01000001"}},
    {ConverterBox::Character, "\x80", {"128", "80", "\x80", "10000000"}},
    {ConverterBox::Character, "", {"", "", "", ""}},
    {ConverterBox::Binary, "101", {"5", "05", "\x05", "101"}},
    {ConverterBox::Binary, "11000000", {"192", "C0", "\xc0", "11000000"}},
    {ConverterBox::Binary, "1100000001", {"1", "01", "\x01", "1100000001"}},
    {ConverterBox::Binary, "0", {"0", "00", "", "0"}},
};

TEST(ValueConverter, ShowsTheSourceInTheOtherForms) {
    for (const auto& row : kConversions) {
        SCOPED_TRACE(std::to_string(static_cast<int>(row.source)) + " " + row.cleaned);
        const ConvertedValue shown = ConvertValue(row.source, row.cleaned);
        EXPECT_EQ(shown.decimal, row.shown.decimal);
        EXPECT_EQ(shown.hex, row.shown.hex);
        EXPECT_EQ(shown.character, row.shown.character);
        EXPECT_EQ(shown.binary, row.shown.binary);
    }
}

TEST(ValueConverter, ADecimalBeyondTheIntegerRangeFails) {
    try {
        (void)ConvertValue(ConverterBox::Decimal, "2147483648");
        FAIL() << "no error";
    } catch (const ConversionError& error) {
        EXPECT_STREQ(error.what(), "'2147483648' is not a valid integer value");
    }
}

struct HexTextRow {
    const char* hex;
    const char* text;
};
// Known answers both ways; the byte 00 and an odd count have no way back.
constexpr HexTextRow kHexTexts[] = {
    {"414243", "ABC"}, {"4869", "Hi"}, {"E9", "\xe9"}, {"BEFF", "\xbe\xff"}, {"0D0A09", "\r\n\t"},
};

TEST(HexTextConverter, KnownAnswersBothWays) {
    for (const auto& row : kHexTexts) {
        SCOPED_TRACE(row.hex);
        EXPECT_EQ(HexToText(row.hex), row.text);
        EXPECT_EQ(TextToHex(row.text), row.hex);
    }
}

TEST(HexTextConverter, ZeroBytesAndOddCountsGiveNoCharacters) {
    EXPECT_EQ(HexToText("410042"), "AB");
    EXPECT_EQ(HexToText("be00ff"), "\xbe\xff");
    EXPECT_EQ(HexToText("414"), "");
    EXPECT_EQ(HexToText(""), "");
}

TEST(HexTextConverter, EveryByteRoundTrips) {
    std::string all;
    for (int code = 1; code < 256; ++code)
        all += static_cast<char>(code);
    EXPECT_EQ(HexToText(TextToHex(all)), all);
}

struct FilterRow {
    const char* text;
    const char* decimal;
    const char* hex;
    const char* binary;
};
constexpr FilterRow kFilters[] = {
    {"C1-06 aa", "106", "C106aa", "10"},
    {"x", "", "", ""},
    {"gG09\xff\xb9", "09", "09", "0"},
};

TEST(DigitFilters, KeepOnlyTheDigitsOfTheirBase) {
    for (const auto& row : kFilters) {
        SCOPED_TRACE(row.text);
        EXPECT_EQ(KeepDecimalDigits(row.text), row.decimal);
        EXPECT_EQ(KeepHexDigits(row.text), row.hex);
        EXPECT_EQ(KeepBinaryDigits(row.text), row.binary);
    }
}

} // namespace
} // namespace kelvo
