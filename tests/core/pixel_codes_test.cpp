#include "core/pixel_codes.h"

#include <gtest/gtest.h>

#include "core/errors.h"

namespace kelvo {
namespace {

TEST(CellGrid, PrintsItsRowBytesAsOneDataLine) {
    CellGrid cell;
    EXPECT_EQ(CellCodeLine(cell.RowBytes()), "  db  0x00,0x00,0x00,0x00,0x00,0x00,0x00,0x00");
    cell.Toggle(1, 0); // m1
    cell.Toggle(1, 7); // column 5
    for (int column = 3; column < 8; ++column)
        cell.Toggle(8, column);
    const std::string line = CellCodeLine(cell.RowBytes());
    EXPECT_EQ(line, "  db  0x81,0x00,0x00,0x00,0x00,0x00,0x00,0x1F");
    EXPECT_EQ(line.size(), 45u);
    // Columns m1 to m3 are the upper three bits only.
    cell.Toggle(2, 1);
    cell.Toggle(3, 2);
    EXPECT_EQ(cell.RowByte(2), 0x40);
    EXPECT_EQ(cell.RowByte(3), 0x20);
}

TEST(CellGrid, InvertTwiceAndClear) {
    CellGrid cell;
    cell.InvertAll();
    EXPECT_EQ(CellCodeLine(cell.RowBytes()), "  db  0xFF,0xFF,0xFF,0xFF,0xFF,0xFF,0xFF,0xFF");
    cell.Toggle(4, 4);
    cell.InvertAll();
    EXPECT_EQ(cell.RowByte(4), 0x08);
    EXPECT_TRUE(cell.IsOn(4, 4));
    cell.AllOff();
    EXPECT_FALSE(cell.IsOn(4, 4));
}

constexpr std::array<std::string_view, 8> kDefaultBits = {"0", "1", "2", "3", "4", "5", "6", "7"};

struct SegmentRow {
    const char* name;
    std::array<bool, 8> lit; // A B C D E F G P
    std::array<std::string_view, 8> bits;
    std::int32_t code;
};

const SegmentRow kSegments[] = {
    {"none", {}, kDefaultBits, 0},
    {"digit 0", {1, 1, 1, 1, 1, 1, 0, 0}, kDefaultBits, 63},
    {"digit 1", {0, 1, 1, 0, 0, 0, 0, 0}, kDefaultBits, 6},
    {"digit 8", {1, 1, 1, 1, 1, 1, 1, 0}, kDefaultBits, 127},
    {"all", {1, 1, 1, 1, 1, 1, 1, 1}, kDefaultBits, 255},
    {"G and P", {0, 0, 0, 0, 0, 0, 1, 1}, kDefaultBits, 192},
    {"bit 31", {1, 0, 0, 0, 0, 0, 0, 0}, {"31", "1", "2", "3", "4", "5", "6", "7"}, INT32_MIN},
    {"bit 32 is bit 0", {1, 0, 0, 0, 0, 0, 0, 0}, {"32", "1", "2", "3", "4", "5", "6", "7"}, 1},
    {"bit -1 is bit 31",
     {1, 0, 0, 0, 0, 0, 0, 0},
     {"-1", "1", "2", "3", "4", "5", "6", "7"},
     INT32_MIN},
    {"same bit twice", {1, 1, 0, 0, 0, 0, 0, 0}, {"3", "3", "2", "3", "4", "5", "6", "7"}, 8},
    {"hex bit number", {0, 1, 0, 0, 0, 0, 0, 0}, {"0", "$A", "2", "3", "4", "5", "6", "7"}, 1024},
    {"unlit bad box unread", {0, 1, 0, 0, 0, 0, 0, 0}, {"", "1", "2", "3", "4", "5", "6", "7"}, 2},
};

TEST(SegmentCode, OrsTheBitsOfTheLitSegments) {
    for (const auto& row : kSegments) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(SegmentCode(row.lit, row.bits), row.code);
    }
}

TEST(SegmentCode, ALitSegmentWithABadBoxFailsNamingItsText) {
    const std::array<bool, 8> lit = {1, 0, 1, 0, 0, 0, 0, 0};
    for (std::string_view bad : {"", "x", "1 "}) {
        std::array<std::string_view, 8> bits = kDefaultBits;
        bits[2] = bad;
        try {
            (void)SegmentCode(lit, bits);
            FAIL() << "no error for '" << bad << "'";
        } catch (const ConversionError& error) {
            EXPECT_EQ(error.what(), "'" + std::string(bad) + "' is not a valid integer value");
        }
    }
}

TEST(ColumnGrid, PrintsTheExportedColumns) {
    ColumnGrid strip;
    strip.Toggle(0);
    strip.Toggle(15);
    for (int n = 16; n < 24; ++n)
        strip.Toggle(n);
    std::array<std::uint8_t, 32> bytes{};
    for (int column = 0; column < 32; ++column)
        bytes[static_cast<std::size_t>(column)] = strip.ColumnByte(column);
    EXPECT_EQ(ColumnCodeText(bytes, 3), ";//bytes - 3\r\n\r\n,0x01,0x80,0xFF\r\n\r\n0180FF");
    EXPECT_EQ(ColumnCodeText(bytes, 1), ";//bytes - 1\r\n\r\n,0x01\r\n\r\n01");

    strip.AllOff();
    strip.InvertAll();
    for (int column = 0; column < 32; ++column)
        bytes[static_cast<std::size_t>(column)] = strip.ColumnByte(column);
    std::string list;
    std::string digits;
    for (int column = 0; column < 32; ++column) {
        list += ",0xFF";
        digits += "FF";
    }
    EXPECT_EQ(ColumnCodeText(bytes, 32), ";//bytes - 32\r\n\r\n" + list + "\r\n\r\n" + digits);
}

} // namespace
} // namespace kelvo
