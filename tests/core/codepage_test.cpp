#include "core/codepage.h"

#include <gtest/gtest.h>

namespace kelvo {
namespace {

struct CodeRow {
    unsigned char byte;
    char32_t ch;
};
constexpr CodeRow kCodes[] = {
    {0x01, 0x0001}, {0x41, U'A'},   {0x7F, 0x007F}, {0x80, 0x20AC}, {0x81, 0x0081},
    {0x8A, 0x0160}, {0x8D, 0x008D}, {0x8F, 0x008F}, {0x90, 0x0090}, {0x99, 0x2122},
    {0x9D, 0x009D}, {0x9F, 0x0178}, {0xA0, 0x00A0}, {0xE4, 0x00E4}, {0xFF, 0x00FF},
};

TEST(Codepage, KnownCharacters) {
    for (const auto& row : kCodes) {
        SCOPED_TRACE(static_cast<int>(row.byte));
        EXPECT_EQ(CharFromByte(row.byte), row.ch);
        EXPECT_EQ(ByteFromChar(row.ch), row.byte);
    }
}

TEST(Codepage, EveryByteRoundTrips) {
    for (int b = 0; b < 256; ++b)
        EXPECT_EQ(ByteFromChar(CharFromByte(static_cast<unsigned char>(b))), b);
}

TEST(Codepage, CharactersOutsideHaveNoByte) {
    for (char32_t ch : {char32_t{0x0080}, char32_t{0x0100}, char32_t{0x20AD}, U'\u0416'})
        EXPECT_FALSE(ByteFromChar(ch).has_value());
}

} // namespace
} // namespace kelvo
