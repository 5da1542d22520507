#include "core/checksums.h"

#include <gtest/gtest.h>

#include "core/errors.h"
#include "core/number_text.h"

namespace kelvo {
namespace {

LazyPolynomial Poly(std::string text) {
    return LazyPolynomial([text] { return text; });
}

struct ChecksumRow {
    const char* data;
    const char* sum;
    const char* halfBytes;
    const char* xorValue;
    const char* crc8;
    const char* crc8Reversed;
    const char* intelHex;
    const char* crc16;
    const char* contactId;
};

// Default parameters: CRC-8 init 00, box "18" (1-Wire); CRC-16 init 3EBB, box "A001".
constexpr ChecksumRow kChecksums[] = {
    {"313233343536373839", "DD", "A8", "31", "A1", "76", "23", "D4F9", "3"},
    {"c106", "C7", "FA", "C7", "AD", "3E", "39", "B222", "B"},
    {"C106", "C7", "DA", "C7", "AD", "3E", "39", "B222", "B"},
    {"00", "00", "60", "00", "00", "00", "00", "737E", "5"},
    {"0000", "00", "C0", "00", "00", "00", "00", "20F3", "A"},
    {"0F", "0F", "76", "0F", "41", "41", "F1", "773E", "F"},
    {"ffff", "FE", "98", "00", "B4", "B4", "02", "90F2", "F"},
};

TEST(Checksums, EightResultsOfADataText) {
    for (const auto& row : kChecksums) {
        SCOPED_TRACE(row.data);
        EXPECT_EQ(SumOfBytes(row.data), row.sum);
        EXPECT_EQ(SumOfHalfBytesAscii(row.data), row.halfBytes);
        EXPECT_EQ(XorOfBytes(row.data), row.xorValue);
        auto crc8Poly = Poly("18");
        EXPECT_EQ(FormatHex(Crc8OfData(row.data, 0, crc8Poly, false), 2), row.crc8);
        EXPECT_EQ(FormatHex(Crc8OfData(row.data, 0, crc8Poly, true), 2), row.crc8Reversed);
        EXPECT_EQ(IntelHexChecksum(SumOfBytes(row.data)), row.intelHex);
        auto crc16Poly = Poly("A001");
        EXPECT_EQ(FormatHex(static_cast<std::int32_t>(Crc16OfData(row.data, 0x3EBB, crc16Poly)), 4),
                  row.crc16);
        EXPECT_EQ(Mod15ContactId(row.data), row.contactId);
    }
}

// Published check values of "123456789" for the parameter sets the box hints name.
struct Crc16Row {
    std::uint32_t init;
    const char* poly;
    std::uint32_t check;
};
constexpr Crc16Row kCrc16Standards[] = {
    {0x0000, "A001", 0xBB3D}, // CRC-16/ARC
    {0xFFFF, "A001", 0x4B37}, // CRC-16/MODBUS
    {0x0000, "8408", 0x2189}, // CRC-16/KERMIT
};

TEST(Checksums, Crc16MatchesPublishedCheckValues) {
    for (const auto& row : kCrc16Standards) {
        SCOPED_TRACE(row.poly);
        auto poly = Poly(row.poly);
        EXPECT_EQ(Crc16OfData("313233343536373839", row.init, poly), row.check);
    }
}

TEST(Checksums, ContactIdOfAMultipleOfFifteenIsF) {
    EXPECT_EQ(Mod15ContactId("0505"), "5"); // 10
    EXPECT_EQ(Mod15ContactId("0F"), "F");
    EXPECT_EQ(Mod15ContactId("1E"), "F");
}

TEST(Checksums, InvertingTwiceRestoresAByte) {
    EXPECT_EQ(InvertHexByte("DD"), "22");
    EXPECT_EQ(InvertHexByte("22"), "DD");
    EXPECT_EQ(InvertHexByte("B"), "F4");
    EXPECT_EQ(InvertHexByte("F4"), "0B");
}

TEST(Checksums, MalformedBoxesFailWithTheBoxText) {
    try {
        (void)InvertHexByte("");
        FAIL() << "no error";
    } catch (const ConversionError& e) {
        EXPECT_STREQ(e.what(), "'$' is not a valid integer value");
    }
}

TEST(Checksums, PolynomialIsReadOnlyWhenABitStepAppliesIt) {
    int reads = 0;
    LazyPolynomial unused([&] {
        ++reads;
        return std::string("zz");
    });
    EXPECT_EQ(Crc8OfData("0000", 0, unused, false), 0);
    EXPECT_EQ(Crc16OfData("0000", 0, unused), 0u);
    EXPECT_EQ(reads, 0);

    LazyPolynomial malformed([&] {
        ++reads;
        return std::string("zz");
    });
    try {
        (void)Crc8OfData("01", 0, malformed, false);
        FAIL() << "no error";
    } catch (const ConversionError& e) {
        EXPECT_STREQ(e.what(), "'$zz' is not a valid integer value");
    }

    LazyPolynomial counted([&] {
        ++reads;
        return std::string("18");
    });
    reads = 0;
    (void)Crc8OfData("313233343536373839", 0, counted, false);
    EXPECT_EQ(reads, 1);
}

} // namespace
} // namespace kelvo
